// Trans > Send against the simulated instrument: over the simulated GPIB driver library and
// over a pseudo-terminal, the round trip and the failure paths with the messages they show.
#include "core/comm/SendFlow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <optional>

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

  // With a line: what is handed over queues, and every millisecond slept carries
  // line->perMs bytes of it, until line->carries bytes have gone (then the line is held).
  struct Line {
    std::size_t perMs = 1;
    std::size_t carries = SIZE_MAX;
  };
  std::optional<Line> line;
  std::size_t queued = 0, carried = 0;
  std::size_t mostQueued = 0;  // right after a hand-over
  std::size_t handovers = 0;
  long slept = 0, sleptAtLastSend = 0;

  // The sequence's sleeper.
  void sleep(std::chrono::milliseconds ms) {
    slept += long(ms.count());
    if (!line) return;
    const std::size_t n = std::min({queued, line->perMs * std::size_t(ms.count()),
                                    line->carries - std::min(line->carries, carried)});
    queued -= n;
    carried += n;
  }

  void open(const SerialSettings&) override { open_ = true; }
  bool isOpen() const override { return open_; }
  void close() override { open_ = false; }
  bool send(std::span<const std::uint8_t> bytes) override {
    if (!open_) return false;
    if (bytes.size() < 64) sentTexts.emplace_back(bytes.begin(), bytes.end());
    sentBytes += bytes.size();
    ++handovers;
    sleptAtLastSend = slept;
    if (line) queued += bytes.size();
    mostQueued = std::max(mostQueued, queued);
    return true;
  }
  std::size_t pendingBytes() const override { return queued; }
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

// A pattern goes as its file image, 70 bytes longer than a memory: the header announces the
// image's own length, so that no byte of it is taken for the next command.
TEST(SerialSendPattern, HeaderAnnouncesTheLengthOfTheFileImage) {
  ScriptedLink link;
  link.replies = {"NQSIM,NQ-2000,0,1.00\r\n", "+1\r\n", "+1\r\n"};
  SerialTarget target;
  target.timing.sleep = [](std::chrono::milliseconds) {};
  RecordingPanel panel;
  FakePrompter prompter;
  const auto image = PatternImage(1);
  ASSERT_EQ(image.size(), 70u + kBlockCount);
  EXPECT_TRUE(SendViaSerial(link, target, "1", image, panel, prompter));
  ASSERT_GE(link.sentTexts.size(), 3u);
  EXPECT_EQ(link.sentTexts[2], ":ARB:DATA:MEM1 #800032838");
  EXPECT_EQ(link.sentTexts.back(), "*OPC?\r\n");
  EXPECT_EQ(link.sentBytes, 7u + 27u + 25u + image.size() + 7u);
}

// A send over a line that carries one byte a millisecond (about 9600 bit/s), every wait on
// the fake clock.
class SerialSendPacing : public ::testing::Test {
 protected:
  void SetUp() override {
    link.replies = {"NQSIM,NQ-2000,0,1.00\r\n", "+1\r\n", "+1\r\n"};
    link.line = ScriptedLink::Line{};
    target.timing.sleep = [this](std::chrono::milliseconds ms) { link.sleep(ms); };
    target.timing.drainStall = std::chrono::milliseconds{50};
    target.timing.settle = std::chrono::milliseconds{0};
  }
  bool Send() { return SendViaSerial(link, target, "0", RampPayload(13), panel, prompter); }
  ScriptedLink link;
  SerialTarget target;
  RecordingPanel panel;
  FakePrompter prompter;
};

TEST_F(SerialSendPacing, PiecesWaitForRoomInTheTransmitBufferWhileEventsRun) {
  EXPECT_TRUE(Send());
  EXPECT_EQ(prompter.ids(), Ids{IMFMSG(14)});
  EXPECT_EQ(panel.steps, 202);
  // The buffer filled up, and no piece was handed over that did not fit.
  EXPECT_LE(link.mostQueued, kSerialTransmitBuffer);
  EXPECT_GT(link.mostQueued, kSerialTransmitBuffer - 163);
  // Events ran on every millisecond of waiting, not only once a piece.
  EXPECT_GT(panel.eventRuns, 30000);
}

TEST_F(SerialSendPacing, PieceWithoutRoomForThreeSecondsFails) {
  link.line->carries = 5000;  // then held for good
  target.timing.drainStall = std::chrono::milliseconds{0};  // no drain wait after the failure
  EXPECT_FALSE(Send());
  EXPECT_EQ(prompter.ids(), (Ids{ERRMSG(21), IMFMSG(21), ERRMSG(21)}));
  EXPECT_EQ(link.slept - link.sleptAtLastSend, 3000);  // the transmit time-out, then nothing
  EXPECT_EQ(panel.states, (States{"transferring", "idle"}));
  EXPECT_LT(link.handovers, 3u + 202u);
  EXPECT_FALSE(link.isOpen());
}

TEST_F(SerialSendPacing, AbortWhileAPieceWaitsStopsBeforeIt) {
  int stepsAtAbort = -1;
  panel.onEvents = [&] {
    // Slept since the last hand-over: a piece is waiting for room.
    if (stepsAtAbort < 0 && link.slept > link.sleptAtLastSend) {
      stepsAtAbort = panel.steps;
      panel.transferOk = false;
    }
  };
  const std::size_t piecesBefore = 3;  // "*IDN?", byte order, the header
  EXPECT_FALSE(Send());
  EXPECT_EQ(prompter.ids(), (Ids{IMFMSG(21), ERRMSG(21)}));
  ASSERT_GT(stepsAtAbort, 0);
  EXPECT_LT(stepsAtAbort, 202);
  // The waiting piece was neither handed over nor counted.
  EXPECT_EQ(panel.steps, stepsAtAbort);
  EXPECT_EQ(link.handovers, piecesBefore + std::size_t(stepsAtAbort));
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

TEST_F(GpibFlowTest, PatternImageIsStoredWholeBehindItsOwnLength) {
  const auto image = PatternImage(2);
  EXPECT_TRUE(SendViaGpib(target, "1", image, panel, prompter));
  EXPECT_EQ(prompter.ids(), Ids{IMFMSG(14)});
  // The instrument took exactly the announced bytes as the block and the rest as commands.
  EXPECT_EQ(sim.memory(1), image);
  // The header, 100 pieces of 328 and one of 38, then "*opc?".
  std::vector<long> expected = {7, 16, 7, 25};
  expected.insert(expected.end(), 100, 328);
  expected.insert(expected.end(), {38, 7});
  EXPECT_EQ(sim.writeSizes(), expected);
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

TEST_F(GpibFlowTest, BlockWriteFailingPartWay) {
  struct Case {
    const char* kind;
    long n;
    std::size_t writes;  // "*IDN?", byte order, "*OPC?", the header, then pieces
    long moved;          // ibcnt of the failed write
  };
  const Case cases[] = {
      {"store_byte", 5000, 4 + 16, 5000 - 15 * 327},  // the 16th piece breaks off
      {"ibwrt", 4, 4, 0},                             // the header itself
  };
  const auto payload = RampPayload(15);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    sim.reset();
    ASSERT_EQ(sim.inject(c.kind, c.n), 0);
    FakePrompter p;
    RecordingPanel failing;
    EXPECT_FALSE(SendViaGpib(target, "1", payload, failing, p));
    EXPECT_EQ(p.ids(), (Ids{GPMSG(3), ERRMSG(21)}));
    EXPECT_TRUE(EndsWith(p.shown[0].message.suffix, " ibcntl = " + std::to_string(c.moved)));
    EXPECT_EQ(failing.states, (States{"transferring", "idle"}));
    EXPECT_EQ(sim.writeSizes().size(), c.writes);  // nothing after the failure, no "*opc?"
    EXPECT_EQ(sim.memory(1), std::vector<std::uint8_t>(kBlockCount, 0));
    EXPECT_EQ(sim.timeoutCode(), kGpibT3s);
    EXPECT_FALSE(sim.online());
  }
}

TEST_F(GpibFlowTest, FinalAcknowledgementRefusedOrTimedOut) {
  struct Case {
    const char* kind;
    Ids shown;
  };
  const Case cases[] = {
      {"ack_refused", {ERRMSG(21)}},
      {"ack_silent", {GPMSG(4), ERRMSG(21)}},  // the read of the reply times out
  };
  const auto payload = RampPayload(16);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    sim.reset();
    ASSERT_EQ(sim.inject(c.kind, 2), 0);  // the first "*OPC?" goes before the block
    FakePrompter p;
    RecordingPanel confirming;
    EXPECT_FALSE(SendViaGpib(target, "2", payload, confirming, p));
    EXPECT_EQ(p.ids(), c.shown);
    EXPECT_EQ(confirming.states, (States{"transferring", "confirming", "idle"}));
    EXPECT_EQ(sim.memory(2), payload);  // the block itself arrived
    EXPECT_EQ(sim.timeoutCode(), kGpibT3s);
  }
}

#endif  // NQSIM_GPIB_LIBRARY

#ifdef NQSIM_PTY

TEST_F(SerialFlowTest, FinalAcknowledgementRefusedOrTimedOut) {
  const auto payload = RampPayload(17);
  for (const nqsim::AckFault fault : {nqsim::AckFault::Refused, nqsim::AckFault::Silent}) {
    SCOPED_TRACE(int(fault));
    sim->reset();
    sim->setIdentity("NQSIM,NQ-2000,000,1.000");
    sim->failAck(fault, 2);  // the first goes with the byte order, before the block
    FakePrompter p;
    RecordingPanel confirming;
    EXPECT_FALSE(SendViaSerial(*link, target, "1", payload, confirming, p));
    EXPECT_EQ(p.ids(), Ids{ERRMSG(21)});  // the block went whole: no LOCAL advice
    EXPECT_EQ(confirming.states, (States{"transferring", "confirming", "idle"}));
    EXPECT_EQ(sim->memory(1), payload);
    EXPECT_EQ(link->readTimeout(), std::chrono::milliseconds{300});  // restored
  }
}

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

TEST_F(SerialFlowTest, PatternImageIsStoredWholeBehindItsOwnLength) {
  const auto image = PatternImage(3);
  EXPECT_TRUE(SendViaSerial(*link, target, "2", image, panel, prompter));
  EXPECT_EQ(prompter.ids(), Ids{IMFMSG(14)});
  EXPECT_EQ(sim->memory(2), image);
  EXPECT_EQ(sim->bytesReceived(), 7u + 27u + 25u + image.size() + 7u);
  EXPECT_EQ(panel.steps, 201);  // 200 pieces of 164 and one of 38
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
