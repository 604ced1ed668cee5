// Fit to Window and keyboard scrolling in the waveform and the pattern window, through the
// zoom tool bar's button, the View menu item, Ctrl+click and the keys, in the real main
// window offscreen.
#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "support/MainWindowFixture.h"
#include "ui/app/AppContext.h"
#include "ui/app/TMainForm.h"
#include "ui/files/FileChooser.h"
#include "ui/ppg/PpgView.h"
#include "ui/ppg/TfrmPpg.h"
#include "ui/app/ReadoutFields.h"
#include "ui/wave/TfrmWave.h"
#include "ui/wave/WaveView.h"

using namespace averoz;

namespace {

enum Kind { kWave, kPattern };

class NoFiles : public FileChooser {
 public:
  std::optional<std::string> Open(const OpenDialogRequest&) override { return {}; }
  std::optional<SaveDialogChoice> Run(const SaveDialogRequest&) override { return {}; }
};

// What the tests need of either kind of window: the view's size and zoom, its bar, its
// picture, and a finished zoom.
struct Shown {
  DocumentWindow* window = nullptr;

  TfrmWave* wave() const { return qobject_cast<TfrmWave*>(window); }
  TfrmPpg* ppg() const { return qobject_cast<TfrmPpg*>(window); }
  bool fitting() const { return wave() ? wave()->fitToWindow() : ppg()->view()->fitToWindow(); }
  int viewWidth() const {
    return wave() ? wave()->view()->geom().viewWidth : ppg()->view()->geom().viewWidth;
  }
  int contentWidth() const {
    return wave() ? wave()->view()->geom().contentWidth() : ppg()->view()->geom().contentWidth();
  }
  double zoomX() const {
    return wave() ? wave()->view()->geom().zoomX() : ppg()->view()->geom().zoomX();
  }
  QScrollBar* hBar() const {
    return wave() ? wave()->view()->hScrollBar() : ppg()->view()->hScrollBar();
  }
  int scrollX() const {
    return wave() ? wave()->view()->geom().scrollX : ppg()->view()->geom().scrollX;
  }
  QWidget* pad() const { return window->findChild<QWidget*>("Mousepad"); }
  void FinishZoom() const {
    if (wave()) wave()->FinishZoom();
    else ppg()->view()->FinishZoom();
  }
  // The pattern window scrolls only along X; the waveform window also up and down.
  QScrollBar* vBar() const { return wave() ? wave()->view()->vScrollBar() : nullptr; }
};

}  // namespace

class TestFitWindow : public QObject, public test::MainWindowFixture {
  Q_OBJECT

 private:
  NoFiles chooser;

  Shown Open(Kind kind) {
    Shown s;
    if (kind == kWave) s.window = form->FileNewMod1Execute();
    else s.window = form->FileNewPPG1Execute();
    QCoreApplication::processEvents();
    if (s.window) s.window->FormActivate();
    return s;
  }
  QToolButton* FitButton() const { return form->findChild<QToolButton*>("bnzfit"); }
  QString Field(const char* name) const { return form->findChild<QLineEdit*>(name)->text(); }
  void ResizeFrame(const Shown& s, int width, int height) {
    s.window->parentWidget()->resize(width, height);
    QCoreApplication::processEvents();
  }

 private slots:
  void init() {
    Start(chooser);
    form->resize(1000, 760);
    QCoreApplication::processEvents();
  }
  void cleanup() { Stop(); }

  void kinds_data() {
    QTest::addColumn<int>("kind");
    QTest::newRow("waveform") << int(kWave);
    QTest::newRow("pattern") << int(kPattern);
  }

  // The button switches fit mode on: the content fills the picture at the ratio that takes,
  // follows every resize, and the zoom read-out shows that ratio.
  void buttonFitsAndResizeFollows_data() { kinds_data(); }
  void buttonFitsAndResizeFollows() {
    QFETCH(int, kind);
    const Shown s = Open(Kind(kind));
    QVERIFY(s.window);
    QVERIFY(!s.fitting());  // off by default: the table's steps
    QVERIFY(FitButton() && FitButton()->isVisible());
    QTest::mouseClick(FitButton(), Qt::LeftButton);
    QVERIFY(s.fitting());
    QVERIFY(FitButton()->isChecked());
    QCOMPARE(s.contentWidth(), s.viewWidth() - 1);
    QVERIFY(!s.hBar()->isVisible());

    const int before = s.viewWidth();
    ResizeFrame(s, 900, 420);
    QVERIFY(s.viewWidth() > before);
    QCOMPARE(s.contentWidth(), s.viewWidth() - 1);
    QCOMPARE(Field("edzx"), ZoomText(16384.0 / (s.viewWidth() - 1)));
    ResizeFrame(s, 400, 300);
    QCOMPARE(s.contentWidth(), s.viewWidth() - 1);
    QCOMPARE(Field("edzx"), ZoomText(s.zoomX()));
  }

  // Maximised and tiled windows of both kinds fill their own pictures.
  void maximisedAndTiledWindowsFill() {
    const Shown wave = Open(kWave), ppg = Open(kPattern);
    QTest::mouseClick(FitButton(), Qt::LeftButton);  // every open window follows
    QVERIFY(wave.fitting() && ppg.fitting());
    ppg.window->parentWidget()->showMaximized();
    QCoreApplication::processEvents();
    QCOMPARE(ppg.contentWidth(), ppg.viewWidth() - 1);
    QVERIFY(ppg.viewWidth() > 800);
    ppg.window->parentWidget()->showNormal();
    form->mdiArea()->tileSubWindows();
    QCoreApplication::processEvents();
    for (const Shown& s : {wave, ppg}) QCOMPARE(s.contentWidth(), s.viewWidth() - 1);
  }

  // A zoom step (Ctrl+click on the picture) and Max leave fit mode for the table; the
  // button and the menu item follow.
  void zoomLeavesFit_data() { kinds_data(); }
  void zoomLeavesFit() {
    QFETCH(int, kind);
    const Shown s = Open(Kind(kind));
    QAction* item = form->action("mnViewFit");
    QVERIFY(item);
    item->trigger();
    QVERIFY(s.fitting());
    QVERIFY(item->isChecked());
    const double fitted = s.zoomX();
    QTest::mouseClick(s.pad(), Qt::LeftButton, Qt::ControlModifier, QPoint(100, 60));
    s.FinishZoom();
    QVERIFY(!s.fitting());
    QVERIFY(!FitButton()->isChecked());
    QVERIFY(!item->isChecked());
    QVERIFY(s.zoomX() < fitted);  // magnified from the fitted ratio
    QCOMPARE(Field("edzx"), ZoomText(s.zoomX()));

    QTest::mouseClick(FitButton(), Qt::LeftButton);
    QVERIFY(s.fitting());
    QTest::mouseClick(form->findChild<QToolButton*>("bnzmax"), Qt::LeftButton);
    s.FinishZoom();
    QVERIFY(!s.fitting());
    QVERIFY(!FitButton()->isChecked());
    QVERIFY(s.hBar()->isVisible());

    // The menu item switches it off again: back to the table entry the view had.
    QTest::mouseClick(FitButton(), Qt::LeftButton);
    const double table = kind == kWave ? 1.0 : 0.04;
    item->trigger();
    QVERIFY(!s.fitting());
    QCOMPARE(s.zoomX(), table);
  }

  // The choice is written to the settings file and a new main window's documents start
  // fitted, the button checked.
  void choiceIsRemembered() {
    QTest::mouseClick(FitButton(), Qt::LeftButton);
    QFile ini(iniPath);
    QVERIFY(ini.open(QIODevice::ReadOnly));
    const QByteArray text = ini.readAll();
    QVERIFY2(text.contains("[View]") && text.contains("FitToWindow=1"), text.constData());
    ini.close();

    Stop();
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write(text);
    ini.close();
    form = std::make_unique<TMainForm>();  // the new main window reads the file
    form->setPrompter(&prompter);
    form->show();
    QCoreApplication::processEvents();
    QVERIFY(FitButton()->isChecked());
    for (Kind kind : {kWave, kPattern}) {
      const Shown s = Open(kind);
      QVERIFY(s.fitting());
      QCOMPARE(s.contentWidth(), s.viewWidth() - 1);
    }
  }

  // The arrow keys, Page Up/Down, Home and End scroll the graph of the active window.
  void keysScroll_data() { kinds_data(); }
  void keysScroll() {
    QFETCH(int, kind);
    const Shown s = Open(Kind(kind));
    QTest::mouseClick(form->findChild<QToolButton*>("bnzmax"), Qt::LeftButton);
    s.FinishZoom();
    QScrollBar* h = s.hBar();
    QVERIFY(h->isVisible() && h->maximum() > 1000);
    struct Step {
      Qt::Key key;
      int expected;
    } steps[] = {{Qt::Key_End, h->maximum()},
                 {Qt::Key_Home, 0},
                 {Qt::Key_Right, h->singleStep()},
                 {Qt::Key_PageDown, h->singleStep() + h->pageStep()},
                 {Qt::Key_PageUp, h->singleStep()},
                 {Qt::Key_Left, 0}};
    for (const Step& step : steps) {
      QTest::keyClick(s.window, step.key);
      QCOMPARE(h->value(), step.expected);
    }
    // The view went with the bar.
    QTest::keyClick(s.window, Qt::Key_End);
    QCOMPARE(s.scrollX(), h->maximum());
    if (QScrollBar* v = s.vBar()) {
      QVERIFY(v->isVisible());
      const int top = v->value();
      QTest::keyClick(s.window, Qt::Key_Down);
      QCOMPARE(v->value(), top + v->singleStep());
      QTest::keyClick(s.window, Qt::Key_Up);
      QCOMPARE(v->value(), top);
    }
  }
};

QTEST_MAIN(TestFitWindow)
#include "tst_fitwindow.moc"
