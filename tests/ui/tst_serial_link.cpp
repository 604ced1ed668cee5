// The Qt serial port against the simulated instrument on a pseudo-terminal: properties on the
// line, command round trips, a whole memory in RS-232C pieces, a send paced by a line that
// stops taking bytes, time-outs and failures.
#include <QtTest>
#include <chrono>
#include <numeric>
#include <optional>
#include <system_error>
#include <thread>

#include "PtySerial.h"
#include "core/app/IniFile.h"
#include "core/comm/Protocol.h"
#include "core/comm/SendFlow.h"
#include "core/comm/SerialLink.h"
#include "platform/QtSerialLink.h"
#include "support/FakePrompter.h"
#include "support/RecordingPanel.h"
#include "support/TempDir.h"

using namespace averoz;
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

namespace {

// The simulator mapped to COM3 (stored port index 2).
constexpr int kPortIndex = 2;

SerialSettings Com3(int rate = 3, int parity = 0, int databit = 1, int stopbit = 0) {
  return MakeSerialSettings(kPortIndex, rate, parity, databit, stopbit);
}

// A send's target on COM3 at 19200 bit/s with short waits, and a payload of every code.
SerialTarget QuickTarget() {
  SerialTarget target;
  target.port = Com3(4);
  target.timing.settle = milliseconds(1);
  target.timing.longTimeout = milliseconds(5000);
  target.timing.drainStall = milliseconds(100);
  return target;
}

std::vector<std::uint8_t> Payload() {
  std::vector<std::int32_t> samples(kBlockWords);
  for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = std::int32_t((i * 2683) % 4096);
  return BuildPayload(samples);
}

using Ids = std::vector<MessageId>;

std::string Text(std::span<const std::uint8_t> bytes) { return {bytes.begin(), bytes.end()}; }

// Reads up to n bytes within the link's time-out.
std::string ReadText(SerialLink& link, std::size_t n) {
  std::vector<std::uint8_t> buffer(n);
  const long got = link.read(buffer);
  return got < 0 ? std::string("<closed>") : Text(std::span(buffer).first(std::size_t(got)));
}

}  // namespace

class TestSerialLink : public QObject {
  Q_OBJECT

  std::optional<nqsim::PtySerial> sim_;
  std::optional<test::TempDir> dir_;
  std::optional<QtSerialLink> link_;
  std::string iniPath_;

 private slots:
  void init() {
    try {
      sim_.emplace();
    } catch (const std::system_error& e) {
      QSKIP(e.what());  // no pseudo-terminals in this sandbox
    }
    dir_.emplace();
    iniPath_ = dir_->file("averoz.INI");
    test::WriteText(iniPath_, "[RS]\nCOM3=" + sim_->slavePath() + "\nCOM5=/nonexistent/tty\n");
    link_.emplace(IniFile(iniPath_));
  }

  void cleanup() {
    link_.reset();
    sim_.reset();
    dir_.reset();
  }

  void openSetsTheLineFromTheStoredIndices_data() {
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("parity");
    QTest::addColumn<int>("databit");
    QTest::addColumn<int>("stopbit");
    QTest::addColumn<int>("bitRate");
    QTest::addColumn<int>("stopBits");
    QTest::newRow("defaults") << 3 << 0 << 1 << 0 << 9600 << 1;
    QTest::newRow("fastest, even, 7 bits, two stops") << 4 << 2 << 0 << 1 << 19200 << 2;
    QTest::newRow("slowest, odd") << 0 << 1 << 1 << 0 << 1200 << 1;
  }

  void openSetsTheLineFromTheStoredIndices() {
    QFETCH(int, rate);
    QFETCH(int, parity);
    QFETCH(int, databit);
    QFETCH(int, stopbit);
    link_->open(Com3(rate, parity, databit, stopbit));
    QVERIFY(link_->isOpen());
    QCOMPARE(link_->devicePath(), sim_->slavePath());
    const nqsim::LineSettings line = sim_->lineSettings();
    QTEST(line.bitRate, "bitRate");
    // Parity and character size cannot be seen: a pseudo-terminal forces 8 bits, no parity.
    QTEST(line.stopBits, "stopBits");
    QVERIFY(line.rtsCts);
    // A pseudo-terminal has no CTS line: unknown, never held (a send would wait for ever).
    QCOMPARE(link_->ctsState(), CtsState::Unknown);
    QVERIFY(!SerialCtsHeld(*link_));
  }

  void commandRoundTripsAcrossReopening() {
    for (int pass = 0; pass < 2; ++pass) {
      link_->open(Com3());
      link_->setReadTimeout(milliseconds(300));
      // The identity line is shorter than the bytes asked for: the read ends at the time-out
      // with what came.
      QVERIFY(link_->sendText("*IDN?\r\n"));
      QCOMPARE(ReadText(*link_, IdentityReplyLength("\r\n")),
               std::string(nqsim::kDefaultIdentity) + "\r\n");
      // Exactly the bytes asked for: the read returns at once, long before its time-out.
      link_->setReadTimeout(milliseconds(20000));
      const auto start = Clock::now();
      QVERIFY(link_->sendText(std::string(kByteOrderNormalOpc) + "\n"));
      const std::string ack = ReadText(*link_, AcknowledgeReplyLength("\n"));
      QVERIFY(Clock::now() - start < milliseconds(20000));
      QCOMPARE(ack, std::string("+1\n"));
      QVERIFY(IsAcknowledged(ack, "\n"));
      link_->close();
      QVERIFY(!link_->isOpen());
    }
  }

  void openDropsAnAnswerLeftFromBefore() {
    link_->open(Com3());
    QVERIFY(link_->sendText("*IDN?\n"));
    QVERIFY(WaitSerialDrained(*link_));
    const auto until = Clock::now() + milliseconds(5000);
    while (sim_->bytesReceived() < 6 && Clock::now() < until)
      std::this_thread::sleep_for(milliseconds(5));
    std::this_thread::sleep_for(milliseconds(100));  // the answer is on its way back
    link_->close();
    link_->open(Com3());
    link_->setReadTimeout(milliseconds(2000));
    QVERIFY(link_->sendText("*OPC?\n"));
    QCOMPARE(ReadText(*link_, 3), std::string("+1\n"));
  }

  void memoryRoundTripInSerialPieces() {
    std::vector<std::int32_t> samples(kBlockWords);
    // Every code, so the block holds CR, LF and zero bytes too.
    for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = std::int32_t((i * 2683) % 4096);
    const std::vector<std::uint8_t> payload = BuildPayload(samples);
    QCOMPARE(payload.size(), kBlockCount);

    link_->open(Com3(4));
    QVERIFY(link_->sendText(BuildStoreHeader("2")));
    QVERIFY(WaitSerialDrained(*link_));
    std::vector<std::size_t> pieces;
    const std::size_t handed = SendInPieces(payload, Interface::Serial, [&](auto piece) {
      pieces.push_back(piece.size());
      return link_->send(piece);
    });
    QCOMPARE(handed, kBlockCount);
    QCOMPARE(pieces.size(), std::size_t(202));
    QCOMPARE(pieces.front(), std::size_t(163));
    QCOMPARE(pieces.back(), std::size_t(5));
    QVERIFY(WaitSerialDrained(*link_));
    QCOMPARE(link_->pendingBytes(), std::size_t(0));

    link_->setReadTimeout(kSerialLongTimeout);
    QVERIFY(link_->sendText("*OPC?\r\n"));
    QCOMPARE(ReadText(*link_, AcknowledgeReplyLength("\r\n")), std::string("+1\r\n"));
    link_->setReadTimeout(kSerialDefaultTimeout);
    QVERIFY(sim_->memory(2) == payload);

    QVERIFY(link_->sendText(BuildFetchQuery("2") + "\r\n"));
    std::vector<std::uint8_t> head(kBlockHeaderLength);
    QCOMPARE(link_->read(head), long(kBlockHeaderLength));
    const BlockHeader header = ParseBlockHeader(head);
    QCOMPARE(header.status, HeaderStatus::Ok);
    QCOMPARE(header.count, kBlockCount);
    std::vector<std::uint8_t> received;
    const CollectResult collected = CollectBlock(
        header.count, Interface::Serial, received,
        [&](std::span<std::uint8_t> buffer) { return link_->read(buffer); },
        [](std::size_t) { return true; });
    QCOMPARE(collected.end, CollectEnd::Complete);
    QCOMPARE(collected.total, kBlockCount);
    QVERIFY(received == payload);
    std::vector<std::int32_t> words;
    QCOMPARE(DecodeReceivedBlock(received, words), int(kBlockWords));
    QVERIFY(words == samples);
  }

  // The instrument stops taking bytes part-way through the block, as one holding CTS would.
  // The send hands over no piece that does not fit the transmit buffer, so it stops with the
  // line while window events run; once the line moves again, so does the send.
  void sendKeepsPaceWithTheLine() {
    sim_->setIdentity("NQSIM,NQ-2000,000,1.000");  // as long as the read: no time-out wait
    sim_->holdBlockAt(2000);
    const std::vector<std::uint8_t> payload = Payload();
    test::RecordingPanel panel;
    test::FakePrompter prompter;
    std::size_t mostQueued = 0;
    int stalledAt = -1, still = 0, last = -1;
    panel.onEvents = [&] {
      mostQueued = std::max(mostQueued, link_->pendingBytes());
      if (stalledAt >= 0 || !sim_->holding()) return;
      still = panel.progress == last ? still + 1 : 0;
      last = panel.progress;
      if (still < 200) return;  // 200 passes of the piece's wait without progress
      stalledAt = panel.progress;
      sim_->release();
    };
    QVERIFY(SendViaSerial(*link_, QuickTarget(), "1", payload, panel, prompter));
    QCOMPARE(prompter.ids(), Ids{IMFMSG(14)});
    QVERIFY(sim_->memory(1) == payload);
    QVERIFY2(stalledAt > 0, "the send never waited for the held line");
    QVERIFY(stalledAt < 200);
    QVERIFY(mostQueued <= kSerialTransmitBuffer);
    QCOMPARE(panel.steps, 202);
  }

  // A line held for good: the piece that finds no room within the transmit time-out fails.
  void pieceWithoutRoomFailsAfterTheTransmitTimeout() {
    sim_->setIdentity("NQSIM,NQ-2000,000,1.000");
    sim_->holdBlockAt(0);
    SerialTarget target = QuickTarget();
    target.timing.transmitTimeout = milliseconds(300);
    test::RecordingPanel panel;
    test::FakePrompter prompter;
    QVERIFY(!SendViaSerial(*link_, target, "1", Payload(), panel, prompter));
    QCOMPARE(prompter.ids(), (Ids{ERRMSG(21), IMFMSG(21), ERRMSG(21)}));
    QVERIFY(panel.highest < 200);
    QVERIFY(!link_->isOpen());
    sim_->release();
    QVERIFY(sim_->memory(1) == std::vector<std::uint8_t>(kBlockCount, 0));
  }

  void silentDeviceEndsAtTheTimeOut() {
    sim_->setFault(nqsim::Fault::Silent);
    link_->open(Com3());
    link_->setReadTimeout(milliseconds(200));
    QCOMPARE(link_->readTimeout(), milliseconds(200));
    QVERIFY(link_->sendText("*IDN?\n"));
    const auto start = Clock::now();
    QCOMPARE(ReadText(*link_, IdentityReplyLength("\n")), std::string());
    const auto waited = Clock::now() - start;
    QVERIFY(waited >= milliseconds(150));
    QVERIFY2(waited < milliseconds(2500), "the short time-out was not applied");
  }

  // Faulty blocks reach the line, and each ends at its test without waiting for ever.
  void faultyBlockEndsAtItsTest_data() {
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("header");
    QTest::addColumn<int>("collected");
    QTest::newRow("half the announced bytes")
        << int(nqsim::Fault::ShortBlock) << int(HeaderStatus::Ok) << int(kBlockCount / 2);
    QTest::newRow("#7 header") << int(nqsim::Fault::Hash7Header)
                               << int(HeaderStatus::NotDefiniteLength) << 0;
    QTest::newRow("count not a number") << int(nqsim::Fault::BadCount)
                                        << int(HeaderStatus::BadCount) << 0;
  }

  void faultyBlockEndsAtItsTest() {
    QFETCH(int, fault);
    sim_->setFault(nqsim::Fault(fault));
    sim_->loadMemory(1, std::vector<std::uint8_t>(kBlockCount, 0x5A));
    link_->open(Com3());
    link_->setReadTimeout(milliseconds(200));
    QVERIFY(link_->sendText(BuildFetchQuery("1") + "\n"));
    std::vector<std::uint8_t> head(kBlockHeaderLength);
    QCOMPARE(link_->read(head), long(kBlockHeaderLength));
    const BlockHeader header = ParseBlockHeader(head);
    QTEST(int(header.status), "header");
    std::vector<std::uint8_t> block;
    if (header.status == HeaderStatus::Ok) {
      const CollectResult result = CollectBlock(
          header.count, Interface::Serial, block,
          [&](std::span<std::uint8_t> buffer) { return link_->read(buffer); },
          [](std::size_t) { return true; });
      QCOMPARE(result.end, CollectEnd::Stalled);
    }
    QTEST(int(block.size()), "collected");
    std::vector<std::int32_t> words;
    QCOMPARE(DecodeReceivedBlock(block, words), -1);
  }

  void failuresAreReportedNotHidden() {
    // Not open: nothing is sent or read.
    QVERIFY(!link_->sendText("*IDN?\n"));
    QVERIFY(link_->sendText("") == false);
    std::vector<std::uint8_t> buffer(4);
    QCOMPARE(link_->read(buffer), -1L);
    QCOMPARE(link_->pendingBytes(), std::size_t(0));
    QCOMPARE(link_->ctsState(), CtsState::Unknown);

    // A device that is not there, and property values no line can take.
    struct Case {
      SerialSettings settings;
      const char* mentions;
    };
    const Case cases[] = {
        {MakeSerialSettings(4, 3, 0, 1, 0), "/nonexistent/tty"},
        {MakeSerialSettings(-1, 3, 0, 1, 0), "COM0"},
        {MakeSerialSettings(kPortIndex, 99, 0, 1, 0), "COM3"},
        {MakeSerialSettings(kPortIndex, 3, 3, 1, 0), "COM3"},
        {MakeSerialSettings(kPortIndex, 3, 0, 1, 2), "COM3"},
    };
    for (const Case& c : cases) {
      try {
        link_->open(c.settings);
        QFAIL("open did not throw");
      } catch (const SerialError& e) {
        QVERIFY2(std::string(e.what()).find(c.mentions) != std::string::npos, e.what());
      }
      QVERIFY(!link_->isOpen());
    }
    // The link is still usable afterwards.
    link_->open(Com3());
    QVERIFY(link_->sendText(""));
  }
};

QTEST_GUILESS_MAIN(TestSerialLink)
#include "tst_serial_link.moc"
