// WAV export of waveforms, read back through libsndfile as any sound program would.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>

#include "core/app/IniFile.h"
#include "core/files/FilesTestSupport.h"
#include "core/files/WavExport.h"

namespace averoz {
namespace {

struct Sound {
  SF_INFO info{};
  std::vector<short> frames;
};

Sound ReadSound(const std::string& path) {
  Sound s;
  SNDFILE* f = sf_open(path.c_str(), SFM_READ, &s.info);
  if (!f) {
    ADD_FAILURE() << path << ": " << sf_strerror(nullptr);
    return s;
  }
  s.frames.resize(std::size_t(s.info.frames * s.info.channels));
  EXPECT_EQ(sf_read_short(f, s.frames.data(), sf_count_t(s.frames.size())), s.info.frames);
  sf_close(f);
  return s;
}

// The code a reader recovers by mapping -32768..32767 back onto 0..4095.
std::int32_t CodeOf(short pcm) { return std::int32_t(std::lround((pcm + 32768) * 4095.0 / 65535.0)); }

TEST(WavExport, CodesSpanTheWhole16BitRange) {
  const std::pair<std::int32_t, std::int16_t> cases[] = {
      {0, -32768}, {4095, 32767}, {2047, -9}, {2048, 8}, {1, -32752}, {-1, -32768}, {5000, 32767}};
  for (auto [code, pcm] : cases) EXPECT_EQ(CodeToPcm(code), pcm) << "code " << code;
}

TEST(WavExport, EveryCodeComesBackFromTheFile) {
  test::TempDir dir;
  std::vector<std::int32_t> codes(16384);
  for (std::size_t i = 0; i < codes.size(); ++i) codes[i] = std::int32_t((i * 7) % 4096);
  const std::string path = dir / "ramp.wav";
  test::WriteAll(path, "old");
  ASSERT_TRUE(WriteWavFile(codes, path, 44100).ok);

  const Sound s = ReadSound(path);
  EXPECT_EQ(s.info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
  EXPECT_EQ(s.info.channels, 1);
  EXPECT_EQ(s.info.samplerate, 44100);
  ASSERT_EQ(s.frames.size(), codes.size());
  for (std::size_t i = 0; i < codes.size(); ++i)
    ASSERT_EQ(CodeOf(s.frames[i]), codes[i]) << "sample " << i;
}

TEST(WavExport, SampleRateSettingAndItsDefault) {
  test::TempDir dir;
  IniFile settings(dir / "a.INI");
  EXPECT_EQ(ReadWavSampleRate(settings), 48000);  // no file
  const std::pair<const char*, std::int32_t> cases[] = {
      {"96000", 96000}, {"8000", 8000}, {"0", 48000}, {"-44100", 48000}, {"fast", 48000}};
  for (auto [text, rate] : cases) {
    test::WriteAll(dir / "a.INI", std::string("[Export]\nWavSampleRate=") + text + "\n");
    EXPECT_EQ(ReadWavSampleRate(settings), rate) << text;
  }
}

TEST(WavExport, AFailedWriteNamesTheFile) {
  test::TempDir dir;
  const FileWriteResult r = WriteWavFile(test::Filled(1), dir / "missing/w.wav", 48000);
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.error.find("w.wav"), std::string::npos);
}

}  // namespace
}  // namespace averoz
