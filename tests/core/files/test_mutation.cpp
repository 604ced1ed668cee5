// Seeded random damage to valid files: the readers must never crash or read out of bounds,
// counts stay in range, and everything they show comes from the message catalog.
#include <gtest/gtest.h>

#include <algorithm>
#include <bitset>
#include <random>

#include "core/app/MessageCatalog.h"
#include "core/files/CsvExport.h"
#include "core/files/FilesTestSupport.h"
#include "core/files/TextImport.h"
#include "core/files/WaveFile.h"

namespace averoz {
namespace {

constexpr int kRounds = 3000;

// Answers the invalid-data question at random.
class RandomPrompter : public test::ScriptedPrompter {
 public:
  explicit RandomPrompter(std::mt19937& rng) : rng_(rng) {}
  Answer ask(const Message& message, Buttons b, Icon i) override {
    ScriptedPrompter::ask(message, b, i);
    static constexpr Answer kAnswers[] = {Answer::Yes, Answer::Yes, Answer::YesToAll, Answer::No};
    return kAnswers[rng_() % 4];
  }

 private:
  std::mt19937& rng_;
};

// One to four flips, truncations, insertions or deletions.
std::string Mutate(std::string s, std::mt19937& rng) {
  static const std::string kInteresting = "0123456789-.,\" \t\r\n\x10\xFF" "eE";
  const int edits = 1 + static_cast<int>(rng() % 4);
  for (int e = 0; e < edits; ++e) {
    const std::size_t pos = s.empty() ? 0 : rng() % s.size();
    const char byte = rng() % 2 ? static_cast<char>(rng()) : kInteresting[rng() % kInteresting.size()];
    switch (rng() % 5) {
      case 0:
      case 1:
        if (!s.empty()) s[pos] = byte;
        break;
      case 2:
        s.resize(pos);
        break;
      case 3:
        s.insert(pos, 1 + rng() % 8, byte);
        break;
      default:
        s.erase(pos, 1 + rng() % 64);
        break;
    }
  }
  return s;
}

bool InCatalog(MessageId id) { return BuiltInText(id) != nullptr; }

std::string WaveSeed(std::size_t words, const std::string& size) {
  std::vector<std::int32_t> codes(words);
  for (std::size_t i = 0; i < words; ++i) codes[i] = static_cast<std::int32_t>((i * 7) % 4096);
  std::vector<std::uint8_t> image = BuildWaveFileImage(codes, SaveHeaderSettings{});
  std::copy(size.begin(), size.end(), image.begin() + 37);
  return {image.begin(), image.end()};
}

// Which kinds of outcome the damaged inputs reached, so the test cannot pass vacuously.
enum Outcome { kWrongFormat, kNoData, kSomeData, kFull, kAsked, kStopped, kNumberError, kOutcomes };

void CheckWaveRead(const std::string& bytes, std::bitset<kOutcomes>& seen) {
  // Exactly sized: any read past the end is a fault a sanitizer build reports.
  const std::vector<std::uint8_t> exact(bytes.begin(), bytes.end());
  const WaveReadResult r = ReadWaveFile(exact, 0, LoadHeaderSettings{});
  ASSERT_GE(r.count, -1);
  ASSERT_LE(r.count, 16384);
  ASSERT_EQ(r.samples.size(), 16384u);
  const auto loaded = r.samples.begin() + std::max(r.count, 0);
  ASSERT_TRUE(std::all_of(r.samples.begin(), loaded, [](std::int32_t s) { return s >= 0 && s <= 4095; }));
  ASSERT_TRUE(std::all_of(loaded, r.samples.end(), [](std::int32_t s) { return s == 0; }));
  for (MessageId id : r.warnings) ASSERT_EQ(id, IMFMSG(6));
  if (!r.warnings.empty()) {
    ASSERT_EQ(r.count, 16384);
  }
  ASSERT_TRUE(InCatalog(r.openRefusal()));
  seen.set(r.count == -1 ? kWrongFormat : r.count <= 0 ? kNoData : r.count < 16384 ? kSomeData : kFull);
}

void CheckImport(const std::string& text, std::mt19937& rng, std::bitset<kOutcomes>& seen) {
  RandomPrompter prompter(rng);
  test::RecordingStatus status;
  const TextImportResult r = ImportWaveText(text, "Japanese", prompter, status);
  ASSERT_GE(r.count, 0);
  ASSERT_LE(r.count, 16384);
  ASSERT_EQ(r.samples.size(), 16384u);
  ASSERT_TRUE(std::all_of(r.samples.begin(), r.samples.end(), [](std::int32_t s) { return s >= 0 && s <= 4095; }));
  for (const Message& m : status.lines) ASSERT_TRUE(InCatalog(m.id));
  for (MessageId id : prompter.asked) ASSERT_EQ(id, ERRMSG(14));
  // The only refusal outside the catalog names a cell that holds no number.
  if (!r.error.empty()) {
    ASSERT_EQ(r.count, 0);
    ASSERT_TRUE(r.error.starts_with("\"-\"") || r.error.starts_with("\".\"") ||
                r.error.starts_with("\"-.\""))
        << r.error;
    seen.set(kNumberError);
  }
  if (!prompter.asked.empty()) seen.set(kAsked);
  if (status.closes > 0) seen.set(kStopped);
  if (r.count > 0) seen.set(kSomeData);
}

TEST(Mutation, DamagedWaveFilesAreReadSafely) {
  const std::string seeds[] = {WaveSeed(16384, "32814"), WaveSeed(2, "00050"),
                               WaveSeed(16400, "32846"), WaveSeed(0, "00046")};
  std::mt19937 rng(20261211);
  std::bitset<kOutcomes> seen;
  for (const std::string& seed : seeds)
    for (int round = 0; round < kRounds; ++round) {
      ASSERT_NO_FATAL_FAILURE(CheckWaveRead(Mutate(seed, rng), seen)) << "round " << round;
    }
  for (Outcome o : {kWrongFormat, kNoData, kSomeData, kFull}) EXPECT_TRUE(seen[o]) << o;
}

TEST(Mutation, DamagedTextIsImportedSafely) {
  std::vector<std::int32_t> codes(400);
  for (std::size_t i = 0; i < codes.size(); ++i) codes[i] = static_cast<std::int32_t>((i * 97) % 4096);
  const std::string seeds[] = {
      BuildWaveCsv(codes),
      "Time,Value\r\n0,10\r\n1,20\r\n2,30\r\n",
      "\"1\",\"2\"\r\n 3 4\t5\r\n-6,.7,,\r\n",
      WaveSeed(300, "00646"),  // a binary file opened as text
  };
  std::mt19937 rng(4095);
  std::bitset<kOutcomes> seen;
  for (const std::string& seed : seeds)
    for (int round = 0; round < kRounds; ++round) {
      ASSERT_NO_FATAL_FAILURE(CheckImport(Mutate(seed, rng), rng, seen)) << "round " << round;
    }
  for (Outcome o : {kSomeData, kAsked, kStopped, kNumberError}) EXPECT_TRUE(seen[o]) << o;
}

}  // namespace
}  // namespace averoz
