// The "Color" dialog offscreen: it shows the stored colours, themes and the chooser change
// the working colours, OK writes section "Color" and re-colours every waveform window.
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "support/FakePrompter.h"
#include "support/JapaneseSettings.h"
#include "ui/app/AppContext.h"
#include "ui/app/TMainForm.h"
#include "ui/app/TfrmColConfig.h"
#include "ui/wave/TfrmWave.h"
#include "ui/wave/WaveView.h"

using namespace averoz;

namespace {

QColor Swatch(TfrmColConfig& d, const char* name) {
  return d.findChild<QFrame*>(name)->palette().color(QPalette::Window);
}
QColor SamplePixel(TfrmColConfig& d, int x, int y) {
  return d.findChild<QLabel*>("imgSample")->pixmap().toImage().pixelColor(x, y);
}
std::string Stored(const char* key) {
  return AppContext::instance().settings().ReadString("Color", key, "<none>");
}

}  // namespace

class TestColConfig : public QObject {
  Q_OBJECT
  QString iniPath = AppContext::besideExecutable(".INI");

 private slots:
  void init() { test::WriteJapaneseSettings(iniPath); }
  void cleanup() {
    QFile::remove(iniPath);
    TfrmColConfig::setChooser(nullptr);
  }

  void showsDefaultsWithoutAColorSection() {
    TMainForm form;
    TfrmColConfig& d = TfrmColConfig::instance(form);
    QCOMPARE(&TfrmColConfig::instance(form), &d);
    QCOMPARE(d.windowTitle(), QString("Color"));
    QCOMPARE(d.findChild<QComboBox*>("cbColorTheme")->count(), 6);
    QVERIFY(d.findChild<QToolButton*>("sbini")->isHidden());
    for (const char* b : {"sbback", "sbGrid", "sbGraph", "sbGraphpro", "sbCursor", "sbSel",
                          "sbLine", "sbZoom"})
      QVERIFY2(d.findChild<QToolButton*>(b), b);
    QVERIFY(d.findChild<QWidget*>("selBox"));
    QVERIFY(d.findChild<QWidget*>("spZm"));
    d.FormShow();
    QCOMPARE(d.findChild<QComboBox*>("cbColorTheme")->currentIndex(), -1);
    QCOMPARE(Swatch(d, "spBack"), QColor(0, 0, 0));
    QCOMPARE(Swatch(d, "spGrid"), QColor(128, 128, 128));
    QCOMPARE(Swatch(d, "spGraph"), QColor(255, 0, 255));
    QCOMPARE(Swatch(d, "spGraphpro"), QColor(255, 0, 0));
    QCOMPARE(Swatch(d, "spCursor"), QColor(0, 255, 0));
    QCOMPARE(Swatch(d, "spSel"), QColor(255, 255, 255));
    QCOMPARE(Swatch(d, "spLine"), QColor(255, 255, 0));
    QCOMPARE(Swatch(d, "spZoom"), QColor(255, 0, 0));
    // the sample: background, grid at x = 60, cursor at x = 30, the white cross at (210, 104)
    QCOMPARE(SamplePixel(d, 5, 100), QColor(0, 0, 0));
    QCOMPARE(SamplePixel(d, 60, 100), QColor(128, 128, 128));
    QCOMPARE(SamplePixel(d, 30, 100), QColor(0, 255, 0));
    QCOMPARE(SamplePixel(d, 210, 104), QColor(255, 255, 255));
    // the sine starts protected (i <= 120) and ends in the graph colour
    const int h = TfrmColConfig::kSampleHeight;
    QCOMPARE(SamplePixel(d, 31, h - 128), QColor(255, 0, 0));  // y(31) = 128: the crest
    QCOMPARE(SamplePixel(d, 150, h - 128), QColor(255, 0, 255));  // y(150) = 128
  }

  void themeThenPickerKeepsTheOtherThemeColours() {
    TMainForm form;
    TfrmColConfig& d = TfrmColConfig::instance(form);
    d.FormShow();
    auto* themes = d.findChild<QComboBox*>("cbColorTheme");
    themes->setCurrentIndex(2);
    d.cbColorThemeChange(2);  // Ocean
    QCOMPARE(Swatch(d, "spBack"), QColor(0, 0, 255));
    QCOMPARE(Swatch(d, "spLine"), QColor(255, 128, 64));
    QCOMPARE(SamplePixel(d, 5, 100), QColor(0, 0, 255));

    TfrmColConfig::setChooser([](const QColor& current, QWidget*) -> std::optional<QColor> {
      if (current != QColor(0, 255, 0)) return std::nullopt;
      return QColor(17, 34, 51);
    });
    d.findChild<QToolButton*>("sbCursor")->click();
    QCOMPARE(themes->currentIndex(), -1);
    QCOMPARE(Swatch(d, "spCursor"), QColor(17, 34, 51));
    QCOMPARE(Swatch(d, "spBack"), QColor(0, 0, 255));
    // a cancelled chooser keeps the colour
    d.findChild<QToolButton*>("sbCursor")->click();
    QCOMPARE(Swatch(d, "spCursor"), QColor(17, 34, 51));

    d.findChild<QToolButton*>("sbini")->click();
    QCOMPARE(Swatch(d, "spBack"), QColor(0, 0, 0));
    QCOMPARE(Swatch(d, "spCursor"), QColor(0, 255, 0));
  }

  void okWritesTextsAndRecoloursTheWindows() {
    TMainForm form;
    TfrmWave* a = form.FileNewMod1Execute();
    TfrmWave* b = form.FileNewMod1Execute();
    QVERIFY(a && b);
    TfrmColConfig::setChooser([](const QColor&, QWidget*) { return std::optional(QColor(1, 2, 3)); });
    bool done = false;
    QTimer::singleShot(0, this, [&] {
      auto& d = TfrmColConfig::instance(form);
      d.cbColorThemeChange(2);  // Ocean
      d.findChild<QToolButton*>("sbZoom")->click();
      d.findChild<QPushButton*>("bnOK")->click();
      done = true;
    });
    QVERIFY(TfrmColConfig::Execute(form));
    QVERIFY(done);
    QCOMPARE(Stored("BackGround"), std::string("clBlue"));
    QCOMPARE(Stored("Line"), std::string("$004080FF"));
    QCOMPARE(Stored("Zoom"), std::string("$00030201"));
    for (TfrmWave* w : {a, b})
      QCOMPARE(w->view()->palette().color(QPalette::Window), QColor(0, 0, 255));
    QCOMPARE(ReadColorSet(AppContext::instance().settings())[kZoom], MakeColor(1, 2, 3));
  }

  void cancelChangesNothing() {
    TMainForm form;
    form.show();
    TfrmWave* w = form.FileNewMod1Execute();
    bool shown = false;
    QTimer::singleShot(0, this, [&] {
      auto& d = TfrmColConfig::instance(form);
      shown = d.isVisible();
      d.cbColorThemeChange(1);
      d.findChild<QPushButton*>("bnCancel")->click();
    });
    form.RunCommand("mnViewConfig");  // View > Color
    QVERIFY(shown);
    QCOMPARE(Stored("BackGround"), std::string("<none>"));
    QCOMPARE(w->view()->palette().color(QPalette::Window), QColor(0, 0, 0));
    // the next show starts from the stored colours again
    TfrmColConfig::instance(form).FormShow();
    QCOMPARE(Swatch(TfrmColConfig::instance(form), "spBack"), QColor(0, 0, 0));
  }
};

QTEST_MAIN(TestColConfig)
#include "tst_colconfig.moc"
