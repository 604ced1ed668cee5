// Trans > Receive against the simulated instrument: over the simulated GPIB driver library
// and over a pseudo-terminal, the round trip, bad blocks, aborts and the messages they show.
#include "core/comm/ReceiveFlow.h"
#include "core/comm/SendFlow.h"

#include <gtest/gtest.h>

#include "TransferFixtures.h"

namespace averoz::test {
namespace {

using Ids = std::vector<MessageId>;
using States = std::vector<std::string>;

TEST(ReceiveResult, MessageOfTheReceiveButton) {
  EXPECT_EQ(ReceiveResultMessage(-1), ERRMSG(16));
  EXPECT_EQ(ReceiveResultMessage(0), ERRMSG(12));
  EXPECT_EQ(ReceiveResultMessage(16384), std::nullopt);
}

TEST(ReceiveResult, WaitAdviceAfterAnAbortedSerialReceive) {
  EXPECT_EQ(SerialWaitAdviceSeconds(32768, 9600), 30);  // 27 s of data still on the way
  EXPECT_EQ(SerialWaitAdviceSeconds(0, 9600), 10);
  EXPECT_EQ(SerialWaitAdviceSeconds(32768, 1200), 220);
  EXPECT_EQ(SerialWaitAdviceSeconds(100, 0), 810);  // no rate at all: no division by zero
}

TEST(ReadBack, MismatchNamesTheFirstDifferingWord) {
  const auto sent = RampPayload(5);
  EXPECT_EQ(ReadBackMismatch(sent, sent), std::nullopt);
  struct Case {
    std::vector<std::uint8_t> back;
    std::string suffix;
  };
  auto low = sent;
  low[2 * 1234 + 1] ^= 1;  // the low byte of word 1234
  const Case cases[] = {
      {low, "\nRead back, address 1234 differs from what was sent."},
      {WithWord(sent, 0, 0xFFFF), "\nRead back, address 0 differs from what was sent."},
      {{sent.begin(), sent.end() - 70},
       "\nRead back, address 16349 differs from what was sent (32698 bytes read back, 32768 sent)."},
      {{}, "\nRead back, address 0 differs from what was sent (0 bytes read back, 32768 sent)."},
  };
  for (const Case& c : cases) {
    const auto m = ReadBackMismatch(sent, c.back);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->id, ERRMSG(21));
    EXPECT_EQ(m->suffix, c.suffix);
  }
  // A longer read-back (a pattern image where a waveform was sent) differs after the last word.
  auto longer = sent;
  longer.resize(sent.size() + 70);
  EXPECT_EQ(ReadBackMismatch(sent, longer)->suffix,
            "\nRead back, address 16384 differs from what was sent (32838 bytes read back, 32768 sent).");
}

#ifdef NQSIM_GPIB_LIBRARY

TEST_F(GpibFlowTest, ReadBackKeepsAPatternImageWhole) {
  const auto image = BuildPayload(PatternImage(2));
  ASSERT_GT(image.size(), kBlockCount);
  FakePrompter p;
  ASSERT_TRUE(SendViaGpib(target, "3", image, panel, p));
  std::vector<std::uint8_t> back;
  RecordingPanel again;
  EXPECT_TRUE(ReadBackViaGpib(target, "3", again, prompter, back));
  EXPECT_EQ(back, image);
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_EQ(again.states, (States{"transferring", "idle"}));
  // A failed read-back says so, as a failed receive does.
  ASSERT_EQ(sim.inject("fetch_byte", 100), 0);
  FakePrompter q;
  EXPECT_FALSE(ReadBackViaGpib(target, "3", again, q, back));
  EXPECT_EQ(q.ids(), (Ids{GPMSG(4), ERRMSG(21)}));
}

TEST_F(GpibFlowTest, ReceiveReadsTheChosenMemory) {
  const auto stored = RampPayload(11);
  sim.load(3, stored);
  std::vector<std::int32_t> words;
  EXPECT_EQ(ReceiveViaGpib(target, "3", panel, prompter, words), 16384);
  EXPECT_EQ(words, Words(stored));
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_EQ(panel.states, (States{"transferring", "idle"}));
  // 100 reads of 327 bytes and one of 68.
  EXPECT_EQ(panel.maximum, 100);
  EXPECT_EQ(panel.steps, 101);
  EXPECT_EQ(sim.timeoutCode(), kGpibT3s);
  EXPECT_FALSE(sim.online());
}

TEST_F(GpibFlowTest, ReceiveOfABadBlock) {
  struct Case {
    const char* fault;
    int result;
    Ids shown;
    std::size_t texts;
  };
  const Case cases[] = {
      {"short_block", -1, {}, 0},              // half the announced bytes
      {"hash7", -1, {}, 0},                    // no "#8" header: nothing collected
      {"bad_count", 0, {ERRMSG(21)}, 1},       // the conversion error, then a failed block
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fault);
    sim.reset();
    sim.load(0, RampPayload(12));
    ASSERT_EQ(sim.fault(c.fault), 0);
    FakePrompter p;
    std::vector<std::int32_t> words;
    EXPECT_EQ(ReceiveViaGpib(target, "0", panel, p, words), c.result);
    EXPECT_EQ(p.ids(), c.shown);
    EXPECT_EQ(p.texts.size(), c.texts);
    EXPECT_TRUE(words.empty());
  }
}

TEST_F(GpibFlowTest, ReceiveFailuresBeforeTheBlock) {
  struct Case {
    const char* fault;
    Ids shown;
  };
  const Case cases[] = {
      {"silent", {GPMSG(4)}},
      {"err_ibclr", {GPMSG(6)}},
      {"garbage_idn", {ERRMSG(20)}},
      {"no_ack", {ERRMSG(21)}},
      {"err_ibrd", {GPMSG(4)}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fault);
    sim.reset();
    ASSERT_EQ(sim.fault(c.fault), 0);
    FakePrompter p;
    RecordingPanel idle;
    std::vector<std::int32_t> words;
    EXPECT_EQ(ReceiveViaGpib(target, "0", idle, p, words), 0);
    EXPECT_EQ(p.ids(), c.shown);
    EXPECT_TRUE(idle.states.empty());
  }
}

TEST_F(GpibFlowTest, AbortedReceiveClearsTheDeviceAndReportsTheFailedBlock) {
  panel.abortAt = 20;
  std::vector<std::int32_t> words;
  EXPECT_EQ(ReceiveViaGpib(target, "1", panel, prompter, words), 0);
  EXPECT_EQ(prompter.ids(), Ids{ERRMSG(21)});
  EXPECT_EQ(panel.steps, 20);
  // The device was cleared: the next receive gets a whole block again.
  const auto stored = RampPayload(13);
  sim.load(1, stored);
  FakePrompter p;
  RecordingPanel again;
  EXPECT_EQ(ReceiveViaGpib(target, "1", again, p, words), 16384);
  EXPECT_EQ(words, Words(stored));
}

TEST_F(GpibFlowTest, ReadFailingMidBlock) {
  struct Case {
    const char* kind;
    long n;
    long moved;  // ibcnt of the failed read
    int steps;   // reads of the block before it
  };
  const Case cases[] = {
      {"fetch_byte", 10000, 10000 - 30 * 327, 30},  // the 31st piece breaks off
      {"ibrd", 3, 0, 0},                             // "*IDN?", "*OPC?", then the header
  };
  const auto stored = RampPayload(18);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    sim.reset();
    sim.load(2, stored);
    ASSERT_EQ(sim.inject(c.kind, c.n), 0);
    FakePrompter p;
    RecordingPanel failing;
    std::vector<std::int32_t> words;
    EXPECT_EQ(ReceiveViaGpib(target, "2", failing, p, words), 0);
    EXPECT_EQ(p.ids(), (Ids{GPMSG(4), ERRMSG(21)}));
    EXPECT_TRUE(EndsWith(p.shown[0].message.suffix, " ibcntl = " + std::to_string(c.moved)));
    EXPECT_EQ(failing.steps, c.steps);
    EXPECT_TRUE(words.empty());
    // The device was cleared: the rest of the block does not spoil the next receive.
    FakePrompter q;
    RecordingPanel again;
    EXPECT_EQ(ReceiveViaGpib(target, "2", again, q, words), 16384);
    EXPECT_EQ(words, Words(stored));
  }
}

TEST_F(GpibFlowTest, MemoryWithAWordAboveTheHighestCodeIsRefused) {
  // 4095 everywhere is fine; 4096 at 1234 is the first word no waveform sample can take.
  std::vector<std::uint8_t> stored = BuildPayload(std::vector<std::int32_t>(kBlockWords, 4095));
  stored = WithWord(WithWord(stored, 1234, 4096), 9000, 65535);
  sim.load(1, stored);
  std::vector<std::int32_t> words;
  EXPECT_EQ(ReceiveViaGpib(target, "1", panel, prompter, words), 0);
  ASSERT_EQ(prompter.ids(), Ids{ERRMSG(16)});
  EXPECT_NE(prompter.shown[0].message.suffix.find("Address 1234 holds 4096"), std::string::npos);
  EXPECT_TRUE(words.empty());
  EXPECT_EQ(ReceiveResultMessage(0), ERRMSG(12));  // and the Receive button adds its own
}

TEST_F(GpibFlowTest, SentBlockComesBackUnchanged) {
  const auto payload = RampPayload(14);
  FakePrompter p;
  ASSERT_TRUE(SendViaGpib(target, "2", payload, panel, p));
  std::vector<std::int32_t> words;
  EXPECT_EQ(ReceiveViaGpib(target, "2", panel, prompter, words), 16384);
  EXPECT_EQ(words, Words(payload));
}

#endif  // NQSIM_GPIB_LIBRARY

#ifdef NQSIM_PTY

TEST_F(SerialFlowTest, ReceiveReadsTheChosenMemory) {
  const auto stored = RampPayload(15);
  sim->loadMemory(2, stored);
  std::vector<std::int32_t> words;
  EXPECT_EQ(ReceiveViaSerial(*link, target, "2", panel, prompter, words), 16384);
  EXPECT_EQ(words, Words(stored));
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_EQ(panel.maximum, 32768);
  EXPECT_EQ(panel.highest, 32768);
  EXPECT_FALSE(link->isOpen());
  EXPECT_EQ(link->readTimeout(), std::chrono::milliseconds{300});
}

TEST_F(SerialFlowTest, MemoryWithAWordAboveTheHighestCodeIsRefused) {
  sim->loadMemory(3, WithWord(RampPayload(19), 16383, 0x8000));
  std::vector<std::int32_t> words;
  EXPECT_EQ(ReceiveViaSerial(*link, target, "3", panel, prompter, words), 0);
  ASSERT_EQ(prompter.ids(), Ids{ERRMSG(16)});
  EXPECT_NE(prompter.shown[0].message.suffix.find("Address 16383 holds 32768"),
            std::string::npos);
  EXPECT_TRUE(words.empty());
}

TEST_F(SerialFlowTest, ReceiveOfABlockWithoutTheHeader) {
  std::vector<std::int32_t> words;
  sim->setFault(nqsim::Fault::Hash7Header);
  EXPECT_EQ(ReceiveViaSerial(*link, target, "0", panel, prompter, words), -1);
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_TRUE(words.empty());
}

TEST_F(SerialFlowTest, ReceiveOfANonNumericCount) {
  // The conversion error is shown; nothing was collected, so the decoding refuses.
  sim->setFault(nqsim::Fault::BadCount);
  std::vector<std::int32_t> words;
  EXPECT_EQ(ReceiveViaSerial(*link, target, "0", panel, prompter, words), -1);
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_EQ(prompter.texts.size(), 1u);
  EXPECT_FALSE(link->isOpen());
}

TEST_F(SerialFlowTest, BlockThatStopsEndsLikeAnAbortInsteadOfWaitingForever) {
  sim->setFault(nqsim::Fault::ShortBlock);
  std::vector<std::int32_t> words;
  EXPECT_EQ(ReceiveViaSerial(*link, target, "0", panel, prompter, words), 0);
  ASSERT_EQ(prompter.ids(), (Ids{IMFMSG(22), ERRMSG(21)}));
  // 16384 bytes missing at 9600 bit/s: 13 s, rounded up to 20.
  EXPECT_EQ(prompter.shown[0].message.prefix, "20");
}

TEST_F(SerialFlowTest, AbortedReceiveAdvisesAWait) {
  panel.abortAt = 1000;
  std::vector<std::int32_t> words;
  EXPECT_EQ(ReceiveViaSerial(*link, target, "0", panel, prompter, words), 0);
  EXPECT_EQ(prompter.ids(), (Ids{IMFMSG(22), ERRMSG(21)}));
  EXPECT_EQ(panel.states, (States{"transferring", "idle"}));
}

TEST_F(SerialFlowTest, ReceiveFailuresBeforeTheBlock) {
  std::vector<std::int32_t> words;
  sim->setFault(nqsim::Fault::Silent);
  EXPECT_EQ(ReceiveViaSerial(*link, target, "0", panel, prompter, words), 0);
  EXPECT_EQ(prompter.ids(), Ids{ERRMSG(22)});

  sim->setFault(nqsim::Fault::NoAck);
  FakePrompter p;
  EXPECT_EQ(ReceiveViaSerial(*link, target, "0", panel, p, words), 0);
  EXPECT_EQ(p.ids(), Ids{ERRMSG(21)});

  // A port that cannot be opened: its own text, then the failed block.
  PtyLink missing("/nonexistent/tty");
  FakePrompter q;
  EXPECT_EQ(ReceiveViaSerial(missing, target, "0", panel, q, words), 0);
  EXPECT_EQ(q.texts.size(), 1u);
  EXPECT_EQ(q.ids(), Ids{ERRMSG(21)});
}

#endif  // NQSIM_PTY

}  // namespace
}  // namespace averoz::test
