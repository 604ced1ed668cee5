// The Qt TCP link as the editor ships it, against the simulated instrument served on a port of
// the loopback address: the RS-232C sequence over the socket in both directions, replies read
// to their delimiter, Abort while the instrument is silent, a port nobody listens on.
#include <QTcpServer>
#include <QtTest>
#include <optional>
#include <system_error>

#include "LanServer.h"
#include "core/comm/Protocol.h"
#include "core/comm/ReceiveFlow.h"
#include "core/comm/SendFlow.h"
#include "platform/QtTcpLink.h"
#include "support/FakePrompter.h"
#include "support/RecordingPanel.h"

using namespace averoz;
using std::chrono::milliseconds;

namespace {

using Ids = std::vector<MessageId>;

std::vector<std::uint8_t> Payload(int seed) {
  std::vector<std::int32_t> samples(kBlockWords);
  for (std::size_t i = 0; i < samples.size(); ++i)
    samples[i] = std::int32_t((i * 2683 + std::size_t(seed)) % 4096);
  return BuildPayload(samples);
}

LanTarget TargetOf(const nqsim::LanServer& server, const std::string& delimiter) {
  LanTarget target;
  target.endpoint.host = "127.0.0.1";
  target.endpoint.port = server.port();
  target.delimiter = delimiter;
  target.timing.longTimeout = milliseconds(60000);  // only Abort or the data end a wait
  return target;
}

// A port of the loopback address that nobody listens on.
int ClosedPort() {
  QTcpServer probe;
  if (!probe.listen(QHostAddress::LocalHost)) return 0;
  const int port = probe.serverPort();
  probe.close();
  return port;
}

}  // namespace

class TestTcpLink : public QObject {
  Q_OBJECT

  std::optional<nqsim::LanServer> server;

 private slots:
  void init() {
    try {
      server.emplace();
    } catch (const std::system_error& e) {
      QSKIP(e.what());  // no loopback sockets here
    }
  }
  void cleanup() { server.reset(); }

  // Send then receive over the socket with either delimiter. The identification line is
  // longer than the serial read's count: the socket takes it whole up to its delimiter, so
  // nothing of it is left to be taken for the next acknowledgement.
  void roundTripWithALongIdentity_data() {
    QTest::addColumn<QString>("delimiter");
    QTest::newRow("LF") << QStringLiteral("\n");
    QTest::newRow("CR LF") << QStringLiteral("\r\n");
  }
  void roundTripWithALongIdentity() {
    QFETCH(QString, delimiter);
    server->with([](nqsim::Instrument& i) {
      i.setIdentity("NQSIM,NQ-2000,SN-0123456789ABCDEF,1.00.17");
    });
    const LanTarget target = TargetOf(*server, delimiter.toStdString());
    const auto payload = Payload(3);
    QtTcpLink link;
    test::RecordingPanel panel;
    test::FakePrompter prompter;
    QVERIFY(SendViaLan(link, target, "2", payload, panel, prompter));
    QCOMPARE(prompter.ids(), Ids{IMFMSG(14)});
    QVERIFY(!link.isOpen());
    const auto stored = server->with([](nqsim::Instrument& i) {
      return std::vector<std::uint8_t>(i.memory(2).begin(), i.memory(2).end());
    });
    QVERIFY(stored == payload);

    std::vector<std::int32_t> words;
    QCOMPARE(ReceiveViaLan(link, target, "2", panel, prompter, words), int(kBlockWords));
    QVERIFY(BuildPayload(words) == payload);
    QCOMPARE(server->connections(), 2);
  }

  // The instrument goes silent once the block is asked for: the read waits (for a minute at
  // most) while the window's events run, and Abort ends it there. No wait advice follows: the
  // socket's close drops whatever was still on its way.
  void abortWhileTheInstrumentIsSilent() {
    QtTcpLink link;
    test::FakePrompter prompter;
    // Silent from the moment the dialog shows the transfer, before the memory query goes out.
    struct SilencingPanel : test::RecordingPanel {
      nqsim::LanServer* server = nullptr;
      void showTransferring() override {
        RecordingPanel::showTransferring();
        server->with([](nqsim::Instrument& i) { i.setFault(nqsim::Fault::Silent); });
      }
    } silencing;
    silencing.server = &*server;
    silencing.onEvents = [&silencing] {
      if (silencing.eventRuns >= 5) silencing.transferOk = false;
    };
    std::vector<std::int32_t> words;
    QCOMPARE(ReceiveViaLan(link, TargetOf(*server, "\n"), "1", silencing, prompter, words), 0);
    QCOMPARE(silencing.eventRuns, 5);  // the wait stopped at the Abort
    QCOMPARE(prompter.ids(), Ids{ERRMSG(21)});
    QVERIFY(!link.isOpen());
  }

  // Nobody listens: the connect fails at once with the socket's reason, named by address; the
  // sequence shows it and ends idle with the link closed.
  void connectToAClosedPortFails() {
    const int port = ClosedPort();
    QVERIFY(port > 0);
    QtTcpLink link;
    LanEndpoint endpoint{"127.0.0.1", port};
    try {
      link.open(endpoint);
      QFAIL("connected to a closed port");
    } catch (const LinkError& e) {
      QVERIFY2(QString(e.what()).startsWith(QStringLiteral("LAN (127.0.0.1:%1): ").arg(port)),
               e.what());
    }
    QVERIFY(!link.isOpen());

    LanTarget target;
    target.endpoint = endpoint;
    test::RecordingPanel panel;
    test::FakePrompter prompter;
    QVERIFY(!SendViaLan(link, target, "0", Payload(1), panel, prompter));
    QCOMPARE(prompter.texts.size(), std::size_t(1));
    QVERIFY(prompter.ids().empty());
    QCOMPARE(panel.states, std::vector<std::string>{"idle"});
  }

  // An address that is no dotted IPv4 address (what an address field that did not normalise
  // leaves in the settings) is refused before anything is sent.
  void emptyAddressIsRefused() {
    QtTcpLink link;
    QVERIFY_THROWS_EXCEPTION(LinkError, link.open(LanEndpoint{"", server->port()}));
    QCOMPARE(server->connections(), 0);
  }
};

QTEST_MAIN(TestTcpLink)
#include "tst_tcp_link.moc"
