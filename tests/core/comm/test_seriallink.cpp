// Serial port settings from the stored indices and the waits built on the port interface.
#include <gtest/gtest.h>

#include <vector>

#include "core/comm/SerialLink.h"

namespace averoz {
namespace {

TEST(SerialSettings, FromStoredIndices) {
  struct Case {
    int port, rate, parity, databit, stopbit;
    int com, bitRate, parityOut, dataBits, stopBits;
  };
  const Case cases[] = {
      {0, 3, 0, 1, 0, 1, 9600, 0, 8, 1},  // the defaults
      {15, 4, 2, 0, 1, 16, 19200, 2, 7, 2},
      {2, 0, 1, 1, 0, 3, 1200, 1, 8, 1},
      {0, 1, 0, 1, 0, 1, 2400, 0, 8, 1},
      {0, 2, 0, 1, 0, 1, 4800, 0, 8, 1},
      {0, 99, 0, 1, 0, 1, 0, 0, 8, 1},  // a hand-edited index far off the list: no rate
  };
  for (const Case& c : cases) {
    const SerialSettings s = MakeSerialSettings(c.port, c.rate, c.parity, c.databit, c.stopbit);
    EXPECT_EQ(s.comNumber, c.com);
    EXPECT_EQ(s.bitRate, c.bitRate);
    EXPECT_EQ(s.parity, c.parityOut);
    EXPECT_EQ(s.dataBits, c.dataBits);
    EXPECT_EQ(s.stopBits, c.stopBits);
  }
}

// A port whose queue shrinks by `drainPerPoll` bytes each time it is looked at.
struct FakeLink : SerialLink {
  mutable std::size_t pending = 0;
  std::size_t drainPerPoll = 0;
  CtsState cts = CtsState::Unknown;

  void open(const SerialSettings&) override {}
  bool isOpen() const override { return true; }
  void close() override {}
  bool send(std::span<const std::uint8_t> bytes) override {
    pending += bytes.size();
    return true;
  }
  std::size_t pendingBytes() const override {
    const std::size_t now = pending;
    pending -= std::min(pending, drainPerPoll);
    return now;
  }
  long read(std::span<std::uint8_t>) override { return 0; }
  void setReadTimeout(std::chrono::milliseconds) override {}
  std::chrono::milliseconds readTimeout() const override { return kSerialDefaultTimeout; }
  CtsState ctsState() const override { return cts; }
};

struct SleepLog {
  std::vector<long> sleeps;
  Sleeper sleeper() {
    return [this](std::chrono::milliseconds ms) { sleeps.push_back(static_cast<long>(ms.count())); };
  }
};

TEST(WaitSerialDrained, PollsEveryMillisecondThenWaitsTenMore) {
  FakeLink link;
  link.sendText("*IDN?\r\n");
  link.drainPerPoll = 2;
  SleepLog log;
  EXPECT_TRUE(WaitSerialDrained(link, std::chrono::milliseconds(3000), log.sleeper()));
  EXPECT_EQ(link.pending, 0u);
  EXPECT_EQ(log.sleeps, (std::vector<long>{1, 1, 1, 1, 10}));

  SleepLog idle;  // nothing queued: only the final wait
  EXPECT_TRUE(WaitSerialDrained(link, std::chrono::milliseconds(3000), idle.sleeper()));
  EXPECT_EQ(idle.sleeps, std::vector<long>{10});
}

TEST(WaitSerialDrained, GivesUpOnAQueueThatNeverMoves) {
  FakeLink link;
  link.sendText("data held off by CTS");
  SleepLog log;
  EXPECT_FALSE(WaitSerialDrained(link, std::chrono::milliseconds(50), log.sleeper()));
  EXPECT_EQ(log.sleeps.size(), 50u);
}

TEST(SerialCtsHeld, OnlyAReportedHoldCounts) {
  FakeLink link;
  for (auto [state, held] : {std::pair{CtsState::Held, true}, std::pair{CtsState::Clear, false},
                             std::pair{CtsState::Unknown, false}}) {
    link.cts = state;
    EXPECT_EQ(SerialCtsHeld(link), held);
  }
}

}  // namespace
}  // namespace averoz
