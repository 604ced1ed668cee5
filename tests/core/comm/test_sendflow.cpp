// Trans > Send against the simulated instrument: over the simulated GPIB driver library and
// over a pseudo-terminal, the round trip and the failure paths with the messages they show.
#include "core/comm/SendFlow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>

#include "TransferFixtures.h"

namespace averoz::test {
namespace {

using Ids = std::vector<MessageId>;
using States = std::vector<std::string>;


// A port that answers from a script and can hold CTS for good.
class ScriptedLink final : public SerialLink {
 public:
  std::deque<std::string> replies;
  std::vector<std::string> sentTexts;
  std::size_t sentBytes = 0;
  std::vector<std::size_t> readSizes;
  CtsState cts = CtsState::Unknown;

  void open(const SerialSettings&) override { open_ = true; }
  bool isOpen() const override { return open_; }
  void close() override { open_ = false; }
  bool send(std::span<const std::uint8_t> bytes) override {
    if (!open_) return false;
    if (bytes.size() < 64) sentTexts.emplace_back(bytes.begin(), bytes.end());
    sentBytes += bytes.size();
    return true;
  }
  std::size_t pendingBytes() const override { return 0; }
  long read(std::span<std::uint8_t> buffer) override {
    readSizes.push_back(buffer.size());
    if (replies.empty()) return 0;
    const std::string r = replies.front();
    replies.pop_front();
    const std::size_t n = std::min(r.size(), buffer.size());
    std::copy_n(r.begin(), n, buffer.begin());
    return long(n);
  }
  void setReadTimeout(std::chrono::milliseconds) override {}
  std::chrono::milliseconds readTimeout() const override { return kSerialDefaultTimeout; }
  CtsState ctsState() const override { return cts; }

 private:
  bool open_ = false;
};

TEST(SerialSendCts, HeldForGoodEndsTheWaitAsAFailureWithoutTheFinalQuery) {
  ScriptedLink link;
  link.replies = {"NQSIM,NQ-2000,0,1.00\r\n", "+1\r\n"};
  link.cts = CtsState::Held;
  SerialTarget target;
  target.timing.ctsLimit = std::chrono::milliseconds{100};
  long slept = 0;
  target.timing.sleep = [&slept](std::chrono::milliseconds ms) { slept += long(ms.count()); };
  RecordingPanel panel;
  FakePrompter prompter;
  EXPECT_FALSE(SendViaSerial(link, target, "0", RampPayload(11), panel, prompter));
  EXPECT_EQ(prompter.ids(), Ids{ERRMSG(21)});
  EXPECT_EQ(panel.states, (States{"transferring", "confirming", "idle"}));
  EXPECT_EQ(link.sentBytes, 7u + 27u + 25u + kBlockCount);  // no "*OPC?" after the block
  EXPECT_GE(panel.eventRuns, 10);  // events ran while waiting
  EXPECT_LT(slept, 1000);
  EXPECT_FALSE(link.isOpen());
}

TEST(SerialSendCts, LfDelimiterAsksForTwentyFourAndThreeBytes) {
  ScriptedLink link;
  link.replies = {"NQSIM,NQ-2000,0,1.00\n", "+1\n", "+1\n"};
  SerialTarget target;
  target.delimiter = "\n";
  target.timing.sleep = [](std::chrono::milliseconds) {};
  RecordingPanel panel;
  FakePrompter prompter;
  EXPECT_TRUE(SendViaSerial(link, target, "1", RampPayload(12), panel, prompter));
  EXPECT_EQ(prompter.ids(), Ids{IMFMSG(14)});
  ASSERT_GE(link.sentTexts.size(), 3u);
  EXPECT_EQ(link.sentTexts[0], "*IDN?\n");
  EXPECT_EQ(link.sentTexts[1], ":ARB:DATA:BORD NORM;*OPC?\n");
  EXPECT_EQ(link.sentTexts[2], ":ARB:DATA:MEM1 #800032768");
  EXPECT_EQ(link.sentTexts.back(), "*OPC?\n");
  EXPECT_EQ(link.readSizes, (std::vector<std::size_t>{24, 3, 3}));
}

#ifdef NQSIM_GPIB_LIBRARY

TEST_F(GpibFlowTest, SendStoresTheBlockInTheChosenMemory) {
  const auto payload = RampPayload(1);
  EXPECT_TRUE(SendViaGpib(target, "2", payload, panel, prompter));
  EXPECT_EQ(sim.memory(2), payload);
  EXPECT_EQ(prompter.ids(), Ids{IMFMSG(14)});
  EXPECT_EQ(panel.states, (States{"transferring", "confirming", "idle"}));
  EXPECT_FALSE(panel.transferOk);
  // "*IDN?", byte order, "*OPC?", the header, 100 pieces of 327 and one of 68, "*opc?".
  std::vector<long> expected = {7, 16, 7, 25};
  expected.insert(expected.end(), 100, 327);
  expected.insert(expected.end(), {68, 7});
  EXPECT_EQ(sim.writeSizes(), expected);
  EXPECT_EQ(panel.maximum, 100);
  EXPECT_EQ(panel.steps, 101);
  EXPECT_EQ(panel.eventRuns, 101);
  EXPECT_EQ(sim.timeoutCode(), kGpibT3s);
  EXPECT_FALSE(sim.online());
}

TEST_F(GpibFlowTest, SendWithLfDelimiter) {
  target.delimiter = "\n";
  const auto payload = RampPayload(2);
  EXPECT_TRUE(SendViaGpib(target, "0", payload, panel, prompter));
  EXPECT_EQ(sim.memory(0), payload);
}

TEST_F(GpibFlowTest, SendFailuresBeforeTheBlockLeaveTheDialogIdle) {
  struct Case {
    const char* fault;
    Ids shown;
    std::size_t writes;
  };
  const Case cases[] = {
      {"silent", {GPMSG(4)}, 1},             // "*IDN?" times out
      {"err_ibwrt", {GPMSG(3)}, 1},          // the first write fails
      {"err_ibdev", {GPMSG(5)}, 0},
      {"garbage_idn", {ERRMSG(20)}, 1},
      {"one_field_idn", {ERRMSG(20)}, 1},
      {"no_ack", {ERRMSG(21)}, 3},           // "*OPC?" answered "+0"
  };
  const auto payload = RampPayload(3);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fault);
    sim.reset();
    ASSERT_EQ(sim.fault(c.fault), 0);
    FakePrompter p;
    RecordingPanel idle;
    EXPECT_FALSE(SendViaGpib(target, "1", payload, idle, p));
    EXPECT_EQ(p.ids(), c.shown);
    EXPECT_TRUE(idle.states.empty());
    EXPECT_EQ(sim.writeSizes().size(), c.writes);
    EXPECT_EQ(sim.memory(1), std::vector<std::uint8_t>(kBlockCount, 0));
  }
}

TEST_F(GpibFlowTest, RefusedModelNamesTheModel) {
  target.modelPrefix = "XQ";
  EXPECT_FALSE(SendViaGpib(target, "0", RampPayload(4), panel, prompter));
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].message.id, ERRMSG(20));
  EXPECT_EQ(prompter.shown[0].message.prefix, "NQ-2000:");
  EXPECT_FALSE(sim.online());  // closed after the refused identity
}

TEST_F(GpibFlowTest, MissingLibrary) {
  target.library = "/nonexistent/libgpib.so";
  EXPECT_FALSE(SendViaGpib(target, "0", RampPayload(5), panel, prompter));
  EXPECT_EQ(prompter.ids(), Ids{GPMSG(1)});
}

TEST_F(GpibFlowTest, AbortStopsTheBlockAtTheNextPieceWithoutConfirming) {
  panel.abortAt = 10;
  EXPECT_FALSE(SendViaGpib(target, "0", RampPayload(6), panel, prompter));
  EXPECT_EQ(prompter.ids(), Ids{ERRMSG(21)});
  EXPECT_EQ(panel.states, (States{"transferring", "idle"}));
  // Three commands, the header and ten pieces; no "*opc?".
  const auto sizes = sim.writeSizes();
  ASSERT_EQ(sizes.size(), 14u);
  EXPECT_EQ(sizes.back(), 327);
  EXPECT_EQ(sim.timeoutCode(), kGpibT3s);
}

#endif  // NQSIM_GPIB_LIBRARY

#ifdef NQSIM_PTY

TEST_F(SerialFlowTest, SendStoresTheBlockInTheChosenMemory) {
  const auto payload = RampPayload(7);
  EXPECT_TRUE(SendViaSerial(*link, target, "3", payload, panel, prompter));
  EXPECT_EQ(sim->memory(3), payload);
  EXPECT_EQ(prompter.ids(), Ids{IMFMSG(14)});
  EXPECT_EQ(panel.states, (States{"transferring", "confirming", "idle"}));
  EXPECT_EQ(panel.maximum, 200);
  EXPECT_EQ(panel.steps, 202);  // 201 pieces of 163 and one of 5
  EXPECT_FALSE(link->isOpen());
  EXPECT_EQ(link->readTimeout(), std::chrono::milliseconds{300});  // restored
}

TEST_F(SerialFlowTest, SendFailuresBeforeTheBlock) {
  sim->setFault(nqsim::Fault::Silent);
  EXPECT_FALSE(SendViaSerial(*link, target, "0", RampPayload(8), panel, prompter));
  EXPECT_EQ(prompter.ids(), Ids{ERRMSG(22)});  // nothing came back for "*IDN?"

  sim->setFault(nqsim::Fault::NoAck);
  FakePrompter p;
  EXPECT_FALSE(SendViaSerial(*link, target, "0", RampPayload(8), panel, p));
  EXPECT_EQ(p.ids(), Ids{ERRMSG(21)});
  EXPECT_TRUE(panel.states.empty());
  EXPECT_FALSE(link->isOpen());
}

TEST_F(SerialFlowTest, AbortAsksForTheLocalButtonBeforeTheFinalBox) {
  panel.abortAt = 5;
  EXPECT_FALSE(SendViaSerial(*link, target, "0", RampPayload(9), panel, prompter));
  EXPECT_EQ(prompter.ids(), (Ids{IMFMSG(21), ERRMSG(21)}));
  EXPECT_EQ(panel.states, (States{"transferring", "idle"}));
  EXPECT_EQ(sim->memory(0), std::vector<std::uint8_t>(kBlockCount, 0));
}

TEST_F(SerialFlowTest, PortThatCannotOpenShowsItsOwnText) {
  PtyLink missing("/nonexistent/tty");
  EXPECT_FALSE(SendViaSerial(missing, target, "0", RampPayload(10), panel, prompter));
  EXPECT_TRUE(prompter.ids().empty());
  ASSERT_EQ(prompter.texts.size(), 1u);
  EXPECT_NE(prompter.texts[0].find("/nonexistent/tty"), std::string::npos);
  EXPECT_EQ(panel.states, States{"idle"});
}

#endif  // NQSIM_PTY

}  // namespace
}  // namespace averoz::test
