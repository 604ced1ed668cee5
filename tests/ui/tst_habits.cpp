// What the editor takes from the desktop and keeps between runs: the language of its texts,
// the main window's size and state, the folders of the file dialogs, and the keys its menus
// show.
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QStyleOptionMenuItem>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "support/JapaneseSettings.h"
#include "support/TempDir.h"
#include "ui/app/AppContext.h"
#include "ui/app/DocumentWindow.h"
#include "ui/app/Habits.h"
#include "ui/app/TMainForm.h"
#include "ui/app/TfrmData.h"
#include "ui/files/QtFileChooser.h"

using namespace averoz;

namespace {

// The text a menu draws for an item: caption, then the key column after a tab.
class MenuPeek : public QMenu {
 public:
  static QString Drawn(QMenu& menu, QAction* item) {
    QStyleOptionMenuItem option;
    static_cast<MenuPeek&>(menu).initStyleOption(&option, item);
    return option.text;
  }
};

// Sets one environment variable for the life of the object.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const QByteArray& value)
      : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
    qputenv(name, value);
  }
  ~ScopedEnv() {
    if (had_) qputenv(name_, old_);
    else qunsetenv(name_);
  }

 private:
  const char* name_;
  bool had_;
  QByteArray old_;
};

// Runs `inDialog` on the file dialog that the next modal loop opens.
template <typename F>
void OnFileDialog(QObject* context, F inDialog) {
  QTimer::singleShot(0, context, [inDialog] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    QVERIFY(dialog);
    inDialog(*dialog);
  });
}

}  // namespace

class TestHabits : public QObject {
  Q_OBJECT

  QString iniPath = AppContext::besideExecutable(".INI");
  std::unique_ptr<TMainForm> form;

  // A main window as the program starts it; a later one is the next run.
  void startForm() {
    form = std::make_unique<TMainForm>();
    form->CreateStartupDocument();
    ShowMainWindow(*form);
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
  }
  void closeForm() {
    QVERIFY(form->close());
    form.reset();
  }
  void writeIni(const QByteArray& text) {
    QFile f(iniPath);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text);
  }

 private slots:
  void init() { QFile::remove(iniPath); }
  void cleanup() {
    if (form) {
      for (DocumentWindow* d : form->documents()) d->setSaved(true);
      form.reset();
    }
    QFile::remove(iniPath);
    AppContext::instance().setLanguage("Japanese");
  }

  void languageFollowsTheKeyElseTheLocale_data() {
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QString>("shown");
    const QString japanese = QStringLiteral("全てクリアします。よろしいですか？");
    const QString english = QStringLiteral("Everything will be cleared. Is that OK?");
    QTest::newRow("no key, ja_JP") << QByteArray() << QByteArray("ja_JP.UTF-8") << japanese;
    QTest::newRow("no key, en_US") << QByteArray() << QByteArray("en_US.UTF-8") << english;
    QTest::newRow("no key, C") << QByteArray("[View]\nLineDisp=1\n") << QByteArray("C") << english;
    QTest::newRow("no key, settings override the English text")
        << QByteArray("[Message]\nIMFMSG15=Wipe it all?\n") << QByteArray("C")
        << QStringLiteral("Wipe it all?");
    QTest::newRow("key Japanese, en_US")
        << QByteArray("[View]\nLanguage=Japanese\n") << QByteArray("en_US.UTF-8") << japanese;
    QTest::newRow("key English without texts, ja_JP")
        << QByteArray("[View]\nLanguage=English\n") << QByteArray("ja_JP.UTF-8")
        << QStringLiteral("Message not found");
  }
  void languageFollowsTheKeyElseTheLocale() {
    QFETCH(QByteArray, settings);
    QFETCH(QByteArray, locale);
    QFETCH(QString, shown);
    if (!settings.isEmpty()) writeIni(settings);
    // English needs no file beside the program: its texts are built in.
    QVERIFY(!QFile::exists(QCoreApplication::applicationDirPath() + "/English.INI"));
    ScopedEnv lcAll("LC_ALL", locale);
    startForm();
    QString text;
    QTimer::singleShot(0, form.get(), [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box);
      text = box->text();
      box->reject();
    });
    form->action("EditClearAll1")->trigger();
    QCOMPARE(text, shown);
  }

  void mainWindowComesBackAsItWasLeft() {
    startForm();
    QVERIFY(form->isMaximized());  // the first run fills the screen
    form->showNormal();
    form->setGeometry(60, 50, 640, 480);
    QCoreApplication::processEvents();
    closeForm();

    startForm();
    QVERIFY(!form->isMaximized());
    QCOMPARE(form->size(), QSize(640, 480));
    form->showMaximized();
    QCoreApplication::processEvents();
    closeForm();

    startForm();
    QVERIFY(form->isMaximized());
    form->showNormal();
    QCoreApplication::processEvents();
    QCOMPARE(form->size(), QSize(640, 480));  // un-maximises to the size it had
  }

  void fileDialogsStartInTheirLastFolders() {
    test::TempDir opened, saved;
    test::WriteText(opened.file("a.awf"), "x");
    startForm();
    {
      QtFileChooser chooser(form.get());
      OnFileDialog(form.get(), [&](QFileDialog& d) {
        d.selectFile(QString::fromStdString(opened.file("a.awf")));
        static_cast<QDialog&>(d).accept();
      });
      QVERIFY(chooser.Open({"All Files(*.*)|*.*", 1, {}}));
      OnFileDialog(form.get(), [&](QFileDialog& d) {
        d.selectFile(QString::fromStdString(saved.file("b.awf")));
        static_cast<QDialog&>(d).accept();
      });
      QVERIFY(chooser.Run({"Binary Files(*.awf)|*.awf", 1, "pcwav001"}));
    }
    closeForm();

    // The next run: each dialog opens where it was left; a proposed path keeps its folder.
    startForm();
    QtFileChooser chooser(form.get());
    const auto folderIs = [](const std::filesystem::path& expected) {
      return [expected](QFileDialog& d) {
        QCOMPARE(QDir(d.directory()).canonicalPath(),
                 QDir(QString::fromStdString(expected.string())).canonicalPath());
        d.reject();
      };
    };
    OnFileDialog(form.get(), folderIs(opened.path()));
    QVERIFY(!chooser.Open({"All Files(*.*)|*.*", 1, {}}));
    OnFileDialog(form.get(), folderIs(saved.path()));
    QVERIFY(!chooser.Run({"Binary Files(*.awf)|*.awf", 1, "pcwav002"}));
    OnFileDialog(form.get(), folderIs(opened.path()));
    QVERIFY(!chooser.Run({"Binary Files(*.awf)|*.awf", 1, opened.file("a")}));
  }

  void menusShowTheKeysOfTheirCommands() {
    QVERIFY(test::WriteJapaneseSettings(iniPath));
    startForm();
    auto* view = form->findChild<QMenu*>("mnView");
    QCOMPARE(MenuPeek::Drawn(*view, form->action("mnViewData")), QString("Data View\tM"));
    auto* popup = form->findChild<QMenu*>("PopupMenu2");
    QCOMPARE(MenuPeek::Drawn(*popup, form->action("pmEditUndo")), QString("Undo\tCtrl+Z"));
    QCOMPARE(MenuPeek::Drawn(*popup, form->action("pmDatabrows")), QString("Data View\tM"));
    TfrmData& browser = TfrmData::instance(*form);
    auto* browserMenu = browser.findChild<QMenu*>();
    QVERIFY(browserMenu);
    QCOMPARE(MenuPeek::Drawn(*browserMenu, browser.findChild<QAction*>("pmEditRefresh")),
             QString("Refresh\tCtrl+R"));

    // Shown, not bound twice: the key still reaches its one command.
    QCOMPARE(MenuPeek::Drawn(*popup, form->action("pmEditSelectAll")),
             QString("Select All\tCtrl+A"));
    int selected = 0;
    form->setCommandHandler("EditSelectAll1", [&](TMainForm&, DocumentWindow&) { ++selected; });
    form->activateWindow();
    QTest::keyClick(form.get(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(selected, 1);
  }
};

QTEST_MAIN(TestHabits)
#include "tst_habits.moc"
