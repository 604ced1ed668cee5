// Configure Interface offscreen: what it shows from the settings file, and exactly what OK
// and Cancel leave in it.
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <system_error>

#include "core/app/Prompter.h"
#include "core/comm/ComPortMap.h"
#include "support/TempDir.h"
#include "ui/app/AppContext.h"
#include "ui/comm/GpibLibraryField.h"
#include "ui/comm/TfrmTransCfg.h"
#include "ui/files/FileChooser.h"

#ifdef NQSIM_GPIB_LIBRARY
#include "LanServer.h"
#include "PtySerial.h"
#include "support/NqsimGpib.h"
#endif

using namespace averoz;

namespace {

// Records the texts shown instead of opening message boxes.
struct RecordingPrompter : Prompter {
  QStringList shown;
  std::vector<MessageId> asked;
  Answer ask(const Message& message, Buttons, Icon) override {
    asked.push_back(message.id);
    return Answer::Ok;
  }
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
  QTest::mouseClick(dialog->findChild<QAbstractButton*>(button), Qt::LeftButton);
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

// The open dialog chooses one file and keeps what it was asked.
struct ChosenFile : FileChooser {
  std::string file;
  std::optional<OpenDialogRequest> asked;
  std::optional<std::string> Open(const OpenDialogRequest& request) override {
    asked = request;
    return file;
  }
  std::optional<SaveDialogChoice> Run(const SaveDialogRequest&) override { return std::nullopt; }
};

QLineEdit* Field(QWidget* dialog, const char* name) {
  auto* field = dialog->findChild<QLineEdit*>(name);
  if (!field) qFatal("no field %s", name);
  return field;
}

void TypeOver(QLineEdit* field, const QString& text) {
  field->setFocus();
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  if (text.isEmpty()) QTest::keyClick(field, Qt::Key_Delete);
  else QTest::keyClicks(field, text);
}

// True when the field shows its text from the first character to the last without scrolling:
// the cursor moves across the text's full width from Home to End.
bool ShowsWholeText(QLineEdit* field) {
  const auto cursor = [field] {
    field->repaint();  // the field scrolls to its cursor when it paints
    return field->inputMethodQuery(Qt::ImCursorRectangle).toRect();
  };
  field->home(false);
  const int start = cursor().center().x();
  field->end(false);
  const QRect end = cursor();
  const int width = field->fontMetrics().horizontalAdvance(field->text());
  return end.center().x() - start >= width - 1 && end.right() <= field->contentsRect().right();
}

QString TestResult(QWidget* dialog) {
  return dialog->findChild<QPlainTextEdit*>("edTestResult")->toPlainText();
}

#ifdef NQSIM_GPIB_LIBRARY
// Starts a simulator on a pseudo-terminal or a port; why not, when the machine has none.
template <class Simulator>
std::optional<std::string> Start(std::optional<Simulator>& simulator) {
  try {
    simulator.emplace();
    return std::nullopt;
  } catch (const std::system_error& e) {
    return std::string(e.what());
  }
}
#endif

const char* const kAllDefaults =
    "[GPIB]\nAddress=4\nDelim=0\n\n"
    "[TCPIP]\nIPAddress=192.168.0.1\nPortNo=10330\nDelim=1\n\n"
    "[RS]\nPort=0\nRate=3\nDatabit=1\nDelim=0\nStopbit=0\nParity=0\n";

}  // namespace

class TestTransCfg : public QObject {
  Q_OBJECT

  RecordingPrompter prompter_;
#ifdef NQSIM_GPIB_LIBRARY
  std::unique_ptr<test::NqsimGpib> sim_;
#endif

 private slots:
  void initTestCase() {
    AppContext::instance().setPrompter(&prompter_);
#ifdef NQSIM_GPIB_LIBRARY
    sim_ = std::make_unique<test::NqsimGpib>(NQSIM_GPIB_LIBRARY);
    QVERIFY(sim_->ok());
#endif
  }

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
      QCOMPARE(d->findChild<QGroupBox*>("gbLAN")->title(), QStringLiteral("LAN"));
      QVERIFY(d->findChild<QGroupBox*>("gbLAN")->isVisible());

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

  void lanValuesAsLoadedPassThrough_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("written");
    QTest::newRow("compact") << "10.1.2.3" << "10.1.2.3";
    QTest::newRow("leading zeros") << "010.001.002.003" << "10.1.2.3";
    QTest::newRow("padded groups") << "172. 16.  0. 99" << "172.16.0.99";
    QTest::newRow("group above 255") << "300.1.1.1" << "";
    QTest::newRow("no address") << "instrument.local" << "";
  }

  void lanValuesAsLoadedPassThrough() {
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

  // What the user types into the LAN fields is checked on OK: an address that does not
  // normalise, or a port outside 1..65535, gives ERRMSG 3, the old text back and the dialog
  // stays open; a good entry is written.
  void typedLanFieldsAreCheckedOnOk_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("good");
    QTest::newRow("group above 255") << "meIpaddress" << "256.  0.  0.  1" << false;
    QTest::newRow("letters") << "meIpaddress" << "abc.def" << false;
    QTest::newRow("three groups") << "meIpaddress" << "10.  0.  0" << false;
    QTest::newRow("port 0") << "edPort" << "0" << false;
    QTest::newRow("port 65536") << "edPort" << "65536" << false;
    QTest::newRow("port text") << "edPort" << "5o25" << false;
    QTest::newRow("good address") << "meIpaddress" << " 10.  0.  0.  9" << true;
    QTest::newRow("compact address") << "meIpaddress" << "10.0.0.9" << true;
    QTest::newRow("port 65535") << "edPort" << "65535" << true;
  }

  void typedLanFieldsAreCheckedOnOk() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(bool, good);
    test::WriteText(SettingsPath(),
                    "[GPIB]\nAddress=4\n[TCPIP]\nIPAddress=10.0.0.2\nPortNo=5025\n");
    prompter_.asked.clear();
    const QString old =
        field == "edPort" ? QStringLiteral("5025") : QStringLiteral(" 10.  0.  0.  2");
    bool openAfterOk = false;
    QString shownAfterOk;
    const bool stored = RunDialog([&](TfrmTransCfg* d) {
      TypeOver(Field(d, field.toLatin1().constData()), typed);
      Click(d, "bnOK");
      openAfterOk = d->isVisible();
      shownAfterOk = Field(d, field.toLatin1().constData())->text();
    });
    const IniFile& ini = AppContext::instance().settings();
    if (good) {
      QVERIFY(stored && !openAfterOk);
      QVERIFY(prompter_.asked.empty());
      QCOMPARE(ini.ReadString("TCPIP", "IPAddress", ""),
               std::string(field == "edPort" ? "10.0.0.2" : "10.0.0.9"));
      QCOMPARE(ini.ReadInteger("TCPIP", "PortNo", 0), field == "edPort" ? 65535 : 5025);
    } else {
      QVERIFY(openAfterOk && !stored);
      QCOMPARE(prompter_.asked, std::vector<MessageId>{ERRMSG(3)});
      QCOMPARE(shownAfterOk, old);
      QCOMPARE(ini.ReadString("TCPIP", "IPAddress", ""), std::string("10.0.0.2"));
    }
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
      auto* device = d->findChild<QLineEdit*>("edPortDevice");
      QCOMPARE(device->text(), QStringLiteral("/dev/ttyUSB0"));
      port->setCurrentIndex(1);
      QCOMPARE(device->text(), QStringLiteral("/dev/ttyS1"));
      Click(d, "bnOK");
    }));
    QCOMPARE(AppContext::instance().settings().ReadString("RS", "COM3", ""), "/dev/ttyUSB0");
  }

  // The driver library and the device of each COM name are edited in the dialog. OK writes
  // the ones that changed; a device cleared is the default one again.
  void libraryAndComDevicesAreEditedAndStored() {
    test::WriteText(SettingsPath(),
                    "[GPIB]\nLibrary=/opt/gpib/libold.so\n[RS]\nCOM2=/dev/ttyUSB1\nCOM3=/dev/ttyUSB2\n");
    ChosenFile chooser;
    chooser.file = "/opt/gpib/libnew.so.1";
    QVERIFY(RunDialog([&](TfrmTransCfg* d) {
      QLineEdit* library = Field(d, "edGpibLibrary");
      QCOMPARE(library->text(), QStringLiteral("/opt/gpib/libold.so"));
      d->findChild<GpibLibraryField*>()->setChooser(&chooser);
      Click(d, "bnGpibLibrary");
      QVERIFY(chooser.asked);
      QCOMPARE(chooser.asked->fileName, std::string("/opt/gpib/libold.so"));
      QCOMPARE(library->text(), QStringLiteral("/opt/gpib/libnew.so.1"));

      QComboBox* port = Combo(d, "cbPort");
      QLineEdit* device = Field(d, "edPortDevice");
      port->setCurrentIndex(1);
      TypeOver(device, QStringLiteral("/dev/ttyACM0"));
      port->setCurrentIndex(2);
      QCOMPARE(device->text(), QStringLiteral("/dev/ttyUSB2"));
      TypeOver(device, QString());
      port->setCurrentIndex(4);
      TypeOver(device, QString());  // already the default: nothing to store
      port->setCurrentIndex(1);
      QCOMPARE(device->text(), QStringLiteral("/dev/ttyACM0"));  // the edit stays with COM2
      Click(d, "bnOK");
    }));
    const IniFile& ini = AppContext::instance().settings();
    QCOMPARE(ini.ReadString("GPIB", "Library", "?"), "/opt/gpib/libnew.so.1");
    QCOMPARE(ini.ReadString("RS", "COM2", "?"), "/dev/ttyACM0");
    QCOMPARE(ini.ReadString("RS", "COM3", "?"), "");
    QCOMPARE(ComDevicePath(ini, 3), "/dev/ttyS2");
    QCOMPARE(ini.ReadString("RS", "COM5", "?"), "?");
    QCOMPARE(ini.ReadString("RS", "COM1", "?"), "?");

    // Blank is the default library; Cancel keeps what was stored.
    QVERIFY(!RunDialog([](TfrmTransCfg* d) {
      TypeOver(Field(d, "edGpibLibrary"), QString());
      TypeOver(Field(d, "edPortDevice"), QStringLiteral("/dev/ttyUSB9"));
      Click(d, "bnCancel");
    }));
    QCOMPARE(ini.ReadString("GPIB", "Library", "?"), "/opt/gpib/libnew.so.1");
    QVERIFY(RunDialog([](TfrmTransCfg* d) {
      TypeOver(Field(d, "edGpibLibrary"), QString());
      Click(d, "bnOK");
    }));
    QCOMPARE(ini.ReadString("GPIB", "Library", "?"), "");
  }

  // A long adapter path is seen whole, and choosing another port or typing a longer one
  // leaves the dialog at its size.
  void longDevicePathIsShownWhole() {
    const QString longPath = QStringLiteral(
        "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A10KQ7X3-if00-port0");
    test::WriteText(SettingsPath(), "[RS]\nPort=0\nCOM3=" + longPath.toStdString() + "\n");
    QVERIFY(!RunDialog([&](TfrmTransCfg* d) {
      const QSize size = d->size();
      QComboBox* port = Combo(d, "cbPort");
      QLineEdit* device = Field(d, "edPortDevice");
      QVERIFY(ShowsWholeText(device));  // /dev/ttyS0
      port->setCurrentIndex(2);
      QCOMPARE(device->text(), longPath);
      QVERIFY(ShowsWholeText(device));
      TypeOver(device, longPath + QStringLiteral("-and-then-some-more"));
      port->setCurrentIndex(0);
      QCoreApplication::processEvents();
      QCOMPARE(d->size(), size);
      Click(d, "bnCancel");
    }));
  }

#ifdef NQSIM_GPIB_LIBRARY
  // Test asks the simulated instrument over GPIB with the library typed in the field, not yet
  // stored, and shows its identity line.
  void testShowsTheIdentityOverGpib() {
    sim_->reset();
    QVERIFY(!RunDialog([](TfrmTransCfg* d) {
      TypeOver(Field(d, "edGpibLibrary"), QStringLiteral(NQSIM_GPIB_LIBRARY));
      QCOMPARE(Combo(d, "cbTestMethod")->currentText(), QStringLiteral("GPIB"));
      Click(d, "bnTest");
      QCOMPARE(TestResult(d), QStringLiteral("NQSIM,NQ-2000,0,1.00"));
      Click(d, "bnCancel");
    }));
    QVERIFY(!std::filesystem::exists(SettingsPath()));
  }

  // Over RS-232C, the interface the transfers last used: the simulator on a pseudo-terminal
  // behind COM1, typed in as COM1's device.
  void testShowsTheIdentityOverRs232c() {
    std::optional<nqsim::PtySerial> line;
    if (const auto none = Start(line)) QSKIP(none->c_str());
    line->setIdentity("NQSIM,NQ-2000,000,1.000");  // the 23 characters the read asks for
    test::WriteText(SettingsPath(), "[Trans]\nInterface=1\n");
    QVERIFY(!RunDialog([&](TfrmTransCfg* d) {
      QCOMPARE(Combo(d, "cbTestMethod")->currentText(), QStringLiteral("RS-232C"));
      TypeOver(Field(d, "edPortDevice"), QString::fromStdString(line->slavePath()));
      Click(d, "bnTest");
      QCOMPARE(TestResult(d), QStringLiteral("NQSIM,NQ-2000,000,1.000"));
      Click(d, "bnCancel");
    }));
  }

  // Over the LAN, to the simulator on a loopback port stored as the instrument's address.
  void testShowsTheIdentityOverLan() {
    std::optional<nqsim::LanServer> server;
    if (const auto none = Start(server)) QSKIP(none->c_str());
    test::WriteText(SettingsPath(), "[TCPIP]\nIPAddress=127.0.0.1\nPortNo=" +
                                        std::to_string(server->port()) + "\nDelim=1\n");
    QVERIFY(!RunDialog([](TfrmTransCfg* d) {
      Combo(d, "cbTestMethod")->setCurrentIndex(2);
      QCOMPARE(Combo(d, "cbTestMethod")->currentText(), QStringLiteral("LAN"));
      Click(d, "bnTest");
      QCOMPARE(TestResult(d), QStringLiteral("NQSIM,NQ-2000,0,1.00"));
      Click(d, "bnCancel");
    }));
  }

  void testShowsTheFailure_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("library");
    QTest::addColumn<QString>("device");  // empty: GPIB
    QTest::addColumn<QString>("shown");
    const QString sim = QStringLiteral(NQSIM_GPIB_LIBRARY);
    const AppContext& app = AppContext::instance();
    QTest::newRow("no library") << "none" << "/nonexistent/libgpib-none.so" << ""
                                << app.text(GPMSG(1));
    QTest::newRow("silent instrument") << "silent" << sim << "" << app.text(GPMSG(4));
    QTest::newRow("refused identity") << "one_field_idn" << sim << "" << app.text(ERRMSG(20));
    QTest::newRow("no serial device") << "none" << sim << "/nonexistent/ttyNONE"
                                      << "/nonexistent/ttyNONE";
  }

  // The failure's message comes in the result field, the dialog keeps its size.
  void testShowsTheFailure() {
    QFETCH(QString, fault);
    QFETCH(QString, library);
    QFETCH(QString, device);
    QFETCH(QString, shown);
    sim_->reset();
    QCOMPARE(sim_->fault(fault.toLatin1().constData()), 0);
    QVERIFY(!RunDialog([&](TfrmTransCfg* d) {
      const QSize size = d->size();
      TypeOver(Field(d, "edGpibLibrary"), library);
      if (!device.isEmpty()) {
        TypeOver(Field(d, "edPortDevice"), device);
        Combo(d, "cbTestMethod")->setCurrentIndex(1);
      }
      Click(d, "bnTest");
      const QString result = TestResult(d);
      QVERIFY2(result.contains(shown), qPrintable(result));
      QVERIFY(d->findChild<QPushButton*>("bnTest")->isEnabled());
      QCoreApplication::processEvents();
      QCOMPARE(d->size(), size);
      Click(d, "bnCancel");
    }));
  }
#endif

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
