// Configure Interface offscreen: what it shows from the settings file, and exactly what OK
// and Cancel leave in it.
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <functional>

#include "core/app/Prompter.h"
#include "support/TempDir.h"
#include "ui/app/AppContext.h"
#include "ui/comm/TfrmTransCfg.h"

using namespace averoz;

namespace {

// Records the texts shown instead of opening message boxes.
struct RecordingPrompter : Prompter {
  QStringList shown;
  Answer ask(const Message&, Buttons, Icon) override { return Answer::Ok; }
  void showText(const std::string& text, Icon) override { shown << QString::fromStdString(text); }
  void status(const std::string&) override {}
  void processEvents() override {}
};

std::string SettingsPath() { return AppContext::instance().settings().path(); }

QComboBox* Combo(QWidget* dialog, const char* name) {
  auto* box = dialog->findChild<QComboBox*>(name);
  if (!box) qFatal("no combo box %s", name);
  return box;
}

QStringList Items(QComboBox* box) {
  QStringList items;
  for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
  return items;
}

void Click(QWidget* dialog, const char* button) {
  QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
}

// Runs the menu command; act sees the open dialog and must close it.
bool RunDialog(const std::function<void(TfrmTransCfg*)>& act) {
  bool acted = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<TfrmTransCfg*>(QApplication::activeModalWidget());
    if (!dialog) qFatal("the dialog is not open");
    acted = true;
    act(dialog);
    if (dialog->isVisible()) dialog->reject();
  });
  const bool stored = TfrmTransCfg::Execute(nullptr);
  if (!acted) qFatal("the dialog never ran");
  return stored;
}

const char* const kAllDefaults =
    "[GPIB]\nAddress=4\nDelim=0\n\n"
    "[TCPIP]\nIPAddress=192.168.0.1\nPortNo=10330\nDelim=1\n\n"
    "[RS]\nPort=0\nRate=3\nDatabit=1\nDelim=0\nStopbit=0\nParity=0\n";

}  // namespace

class TestTransCfg : public QObject {
  Q_OBJECT

  RecordingPrompter prompter_;

 private slots:
  void initTestCase() { AppContext::instance().setPrompter(&prompter_); }

  void init() {
    std::error_code ec;
    std::filesystem::remove_all(SettingsPath(), ec);
    prompter_.shown.clear();
  }

  void cleanupTestCase() {
    std::error_code ec;
    std::filesystem::remove_all(SettingsPath(), ec);
    AppContext::instance().setPrompter(nullptr);
  }

  void freshFileShowsDefaultsAndOkWritesEveryKeyInOrder() {
    const bool stored = RunDialog([](TfrmTransCfg* d) {
      QCOMPARE(d->windowTitle(), QStringLiteral("Configure Interface"));
      QVERIFY(!(d->windowFlags() & Qt::WindowCloseButtonHint));
      QCOMPARE(d->findChild<QGroupBox*>("gbGPIB")->title(), QStringLiteral("GP-IB"));
      QCOMPARE(d->findChild<QGroupBox*>("gbRS")->title(), QStringLiteral("RS-232C"));
      QVERIFY(!d->findChild<QGroupBox*>("gbLAN")->isVisible());

      QCOMPARE(Items(Combo(d, "cbAdr")).size(), 31);
      QCOMPARE(Items(Combo(d, "cbAdr")).back(), QStringLiteral("30"));
      QCOMPARE(Items(Combo(d, "cbRate")),
               QStringList({"1200", "2400", "4800", "9600", "19200"}));
      QCOMPARE(Items(Combo(d, "cbParity")), QStringList({"NONE", "ODD", "EVEN"}));
      QCOMPARE(Items(Combo(d, "cbDatabit")), QStringList({"7", "8"}));
      QCOMPARE(Items(Combo(d, "cbStopbit")), QStringList({"1", "2"}));
      QCOMPARE(Items(Combo(d, "cbDelRs")), QStringList({"CR+LF", "LF"}));
      QCOMPARE(Items(Combo(d, "cbPort")).size(), 16);
      QCOMPARE(Items(Combo(d, "cbPort")).back(), QStringLiteral("COM16"));
      for (const char* name : {"cbAdr", "cbDel", "cbPort", "cbRate", "cbParity", "cbDatabit",
                               "cbStopbit", "cbDelRs", "cbLANdel"})
        QVERIFY2(!Combo(d, name)->isEditable(), name);

      const std::pair<const char*, const char*> shown[] = {
          {"cbAdr", "4"},      {"cbDel", "CR+LF"},    {"cbPort", "COM1"},
          {"cbRate", "9600"},  {"cbParity", "NONE"},  {"cbDatabit", "8"},
          {"cbStopbit", "1"},  {"cbDelRs", "CR+LF"},  {"cbLANdel", "LF"},
      };
      for (const auto& [name, text] : shown) QCOMPARE(Combo(d, name)->currentText(), QString(text));
      QCOMPARE(d->findChild<QLineEdit*>("meIpaddress")->text(), QStringLiteral("192.168.  0.  1"));
      QCOMPARE(d->findChild<QLineEdit*>("edPort")->text(), QStringLiteral("10330"));
      Click(d, "bnOK");
    });
    QVERIFY(stored);
    QCOMPARE(QString::fromStdString(test::ReadText(SettingsPath())), QString(kAllDefaults));
    QVERIFY(prompter_.shown.isEmpty());
  }

  void chosenValuesAreWritten() {
    test::WriteText(SettingsPath(), "[GPIB]\nBoardID=1\nModelNumber=NQ-2\n");
    QVERIFY(RunDialog([](TfrmTransCfg* d) {
      const std::pair<const char*, int> choices[] = {
          {"cbAdr", 30},   {"cbDel", 1},    {"cbPort", 15},    {"cbRate", 4},
          {"cbParity", 2}, {"cbDatabit", 0}, {"cbStopbit", 1}, {"cbDelRs", 1},
      };
      for (const auto& [name, index] : choices) Combo(d, name)->setCurrentIndex(index);
      Click(d, "bnOK");
    }));
    QCOMPARE(QString::fromStdString(test::ReadText(SettingsPath())),
             QStringLiteral("[GPIB]\nBoardID=1\nModelNumber=NQ-2\nAddress=30\nDelim=1\n\n"
                            "[TCPIP]\nIPAddress=192.168.0.1\nPortNo=10330\nDelim=1\n\n"
                            "[RS]\nPort=15\nRate=4\nDatabit=0\nDelim=1\nStopbit=1\nParity=2\n"));
  }

  void storedIndexOutsideItsListShowsNoSelectionAndWritesMinusOne() {
    test::WriteText(SettingsPath(), "[GPIB]\nAddress=31\n[RS]\nRate=7\nParity=-2\n");
    QVERIFY(RunDialog([](TfrmTransCfg* d) {
      QCOMPARE(Combo(d, "cbRate")->currentIndex(), -1);
      QCOMPARE(Combo(d, "cbRate")->currentText(), QString());
      QCOMPARE(Combo(d, "cbAdr")->currentIndex(), -1);
      QCOMPARE(Combo(d, "cbParity")->currentIndex(), -1);
      QCOMPARE(Combo(d, "cbPort")->currentText(), QStringLiteral("COM1"));
      Click(d, "bnOK");
    }));
    const IniFile& ini = AppContext::instance().settings();
    QCOMPARE(ini.ReadInteger("RS", "Rate", 0), -1);
    QCOMPARE(ini.ReadInteger("GPIB", "Address", 0), -1);
    QCOMPARE(ini.ReadInteger("RS", "Parity", 0), -1);
    QCOMPARE(ini.ReadInteger("RS", "Databit", 0), 1);
  }

  void cancelWritesNothing() {
    const std::string before = "; mine\n[GPIB]\nAddress=7\n";
    test::WriteText(SettingsPath(), before);
    QVERIFY(!RunDialog([](TfrmTransCfg* d) {
      QCOMPARE(Combo(d, "cbAdr")->currentText(), QStringLiteral("7"));
      Combo(d, "cbAdr")->setCurrentIndex(12);
      Click(d, "bnCancel");
    }));
    QCOMPARE(test::ReadText(SettingsPath()), before);
    // Nothing stays from the cancelled change: the next opening shows the file again.
    QVERIFY(!RunDialog([](TfrmTransCfg* d) {
      QCOMPARE(Combo(d, "cbAdr")->currentText(), QStringLiteral("7"));
      Click(d, "bnCancel");
    }));
  }

  void lanValuesPassThroughTheHiddenGroup_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("written");
    QTest::newRow("compact") << "10.1.2.3" << "10.1.2.3";
    QTest::newRow("leading zeros") << "010.001.002.003" << "10.1.2.3";
    QTest::newRow("padded groups") << "172. 16.  0. 99" << "172.16.0.99";
    QTest::newRow("group above 255") << "300.1.1.1" << "";
    QTest::newRow("no address") << "instrument.local" << "";
  }

  void lanValuesPassThroughTheHiddenGroup() {
    QFETCH(QString, stored);
    QFETCH(QString, written);
    test::WriteText(SettingsPath(),
                    "[TCPIP]\nIPAddress=" + stored.toStdString() + "\nPortNo=5025\nDelim=0\n");
    QVERIFY(RunDialog([](TfrmTransCfg* d) { Click(d, "bnOK"); }));
    const IniFile& ini = AppContext::instance().settings();
    QCOMPARE(QString::fromStdString(ini.ReadString("TCPIP", "IPAddress", "?")), written);
    QCOMPARE(ini.ReadInteger("TCPIP", "PortNo", 0), 5025);
    QCOMPARE(ini.ReadInteger("TCPIP", "Delim", 1), 0);
  }

  void portListShowsTheDeviceOfEachComName() {
    test::WriteText(SettingsPath(), "[RS]\nPort=2\nCOM3=/dev/ttyUSB0\n");
    QVERIFY(RunDialog([](TfrmTransCfg* d) {
      QComboBox* port = Combo(d, "cbPort");
      const auto* model = qobject_cast<QStandardItemModel*>(port->model());
      QVERIFY(model);
      QCOMPARE(model->item(0, 1)->text(), QStringLiteral("/dev/ttyS0"));
      QCOMPARE(model->item(2, 1)->text(), QStringLiteral("/dev/ttyUSB0"));
      QCOMPARE(model->item(15, 1)->text(), QStringLiteral("/dev/ttyS15"));
      QCOMPARE(port->currentText(), QStringLiteral("COM3"));
      auto* device = d->findChild<QLabel*>("lblPortDevice");
      QCOMPARE(device->text(), QStringLiteral("/dev/ttyUSB0"));
      port->setCurrentIndex(1);
      QCOMPARE(device->text(), QStringLiteral("/dev/ttyS1"));
      Click(d, "bnOK");
    }));
    QCOMPARE(AppContext::instance().settings().ReadString("RS", "COM3", ""), "/dev/ttyUSB0");
  }

  void failedWriteIsShownOnce() {
    // A folder where the settings file should be: it reads as empty and cannot be written.
    std::filesystem::create_directory(SettingsPath());
    QVERIFY(!RunDialog([](TfrmTransCfg* d) {
      QCOMPARE(Combo(d, "cbAdr")->currentText(), QStringLiteral("4"));
      Click(d, "bnOK");
    }));
    QCOMPARE(prompter_.shown.size(), 1);
    QVERIFY(prompter_.shown.front().contains(QString::fromStdString(SettingsPath())));
  }
};

QTEST_MAIN(TestTransCfg)
#include "tst_transcfg.moc"
