#pragma once
// What the send and receive sequence tests share: the simulated instrument behind the GPIB
// driver library and on a pseudo-terminal, targets pointing at them, and test payloads.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <system_error>
#include <vector>

#include "core/comm/Gpib.h"
#include "core/comm/Protocol.h"
#include "core/comm/TransferPanel.h"
#include "core/files/PatternFile.h"
#include "support/FakePrompter.h"
#include "support/RecordingPanel.h"

#ifdef NQSIM_GPIB_LIBRARY
#include "support/NqsimGpib.h"
#endif
#ifdef NQSIM_PTY
#include "PtySerial.h"
#include "support/PtyLink.h"
#endif

namespace averoz::test {

// A waveform of 16384 distinct-looking codes, as its payload bytes.
inline std::vector<std::uint8_t> RampPayload(int seed) {
  std::vector<std::int32_t> samples(kBlockWords);
  for (std::size_t i = 0; i < samples.size(); ++i)
    samples[i] = static_cast<std::int32_t>((i * 7 + std::size_t(seed) * 131) % 4096);
  return BuildPayload(samples);
}

// A pattern's payload: the file image of six channels of distinct-looking bits, saved as
// "pattern1.ppg" with the default header (70 bytes) at a fixed time.
inline std::vector<std::uint8_t> PatternImage(int seed) {
  std::vector<std::uint8_t> bits(std::size_t(kPatternChannels) * kPatternLength);
  for (std::size_t i = 0; i < bits.size(); ++i)
    bits[i] = static_cast<std::uint8_t>(((i * 2654435761u) >> (7 + seed % 5)) & 1);
  return BuildPatternImage(bits, "/tmp/pattern1.ppg", SaveHeaderSettings{},
                           LocalDateTime{2024, 5, 6, 7, 8, 9});
}

// The bytes with one word replaced (high byte first).
inline std::vector<std::uint8_t> WithWord(std::vector<std::uint8_t> bytes, std::size_t address,
                                          std::uint16_t word) {
  bytes.at(2 * address) = static_cast<std::uint8_t>(word >> 8);
  bytes.at(2 * address + 1) = static_cast<std::uint8_t>(word & 0xFF);
  return bytes;
}

// Whether a message's extra text ends with the text.
inline bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

inline std::vector<std::int32_t> Words(const std::vector<std::uint8_t>& bytes) {
  std::vector<std::int32_t> words;
  DecodeReceivedBlock(bytes, words);
  return words;
}

#ifdef NQSIM_GPIB_LIBRARY
class GpibFlowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ::unsetenv("NQSIM_FAULT");
    ::unsetenv("NQSIM_IDN");
    ASSERT_TRUE(sim.ok());
    sim.reset();
    target.library = NQSIM_GPIB_LIBRARY;
  }
  NqsimGpib sim{NQSIM_GPIB_LIBRARY};
  GpibTarget target;
  RecordingPanel panel;
  FakePrompter prompter;
};
#endif

#ifdef NQSIM_PTY
// Every wait shortened so that time-out paths take a fraction of a second.
class SerialFlowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    try {
      sim.emplace();
    } catch (const std::system_error& e) {
      GTEST_SKIP() << "no pseudo-terminal: " << e.what();
    }
    // Exactly the 23 characters a serial identification read asks for: no read waits for the
    // time-out on the good paths.
    sim->setIdentity("NQSIM,NQ-2000,000,1.000");
    link = std::make_unique<PtyLink>(sim->slavePath());
    link->setReadTimeout(std::chrono::milliseconds{300});
    target.port = MakeSerialSettings(0, 3, 0, 1, 0);  // 9600 bit/s
    target.timing.longTimeout = std::chrono::milliseconds{300};
    target.timing.settle = std::chrono::milliseconds{1};
    target.timing.ctsLimit = std::chrono::milliseconds{50};
    target.timing.drainStall = std::chrono::milliseconds{50};
  }
  std::optional<nqsim::PtySerial> sim;
  std::unique_ptr<PtyLink> link;
  SerialTarget target;
  RecordingPanel panel;
  FakePrompter prompter;
};
#endif

}  // namespace averoz::test
