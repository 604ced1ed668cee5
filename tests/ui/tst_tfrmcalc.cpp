// The "Math" dialog offscreen: its controls, an operand taken from the clipboard and shown
// in the thumbnail, Preview drawing into the document and Cancel taking it back.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "core/wave/WaveDocFixtures.h"
#include "core/wave/WaveTestClipboard.h"
#include "support/WaveWindowFixture.h"
#include "ui/wave/TfrmCalc.h"
#include "ui/wave/TfrmWave.h"
#include "ui/wave/WaveCommands.h"

using namespace averoz;

class TestTfrmCalc : public QObject {
  Q_OBJECT

 private slots:
  void previewThenCancelRestoresTheDocument() {
    test::TextClipboard clipboard;
    clipboard.text = "2548\r\n";  // one value: fitted, it covers the whole selection
    SetDesktopClipboard(&clipboard);
    test::WaveWindow window;
    TfrmWave* wave = window.wave;
    QVERIFY(wave);
    WaveDoc& doc = wave->doc();
    test::DrawTo(doc, 99);
    doc.SetSelection(10, 29);
    QVERIFY(CombineEnabled(*wave));
    const WaveDoc before = doc;

    bool checked = false;
    QTimer::singleShot(0, this, [&] {
      TfrmCalc& dialog = TfrmCalc::instance(window.form);
      QCOMPARE(dialog.windowTitle(), QString("Add"));
      QCOMPARE(dialog.findChild<QGroupBox*>("gbSrc")->title(), QString("Operand Waveform"));
      QCOMPARE(dialog.findChild<QLabel*>("lblClip")->text(), QString("Clipboard"));
      QCOMPARE(dialog.findChild<QLabel*>("lblFit")->text(), QString("Fit to X"));
      QVERIFY(dialog.findChild<QToolButton*>("sbFit")->isEnabled());
      QVERIFY(dialog.findChild<QCheckBox*>("chkYfit")->isHidden());
      auto* thumb = dialog.findChild<QLabel*>("imgthumb");
      QCOMPARE(thumb->size(), QSize(157, 96));

      dialog.findChild<QToolButton*>("sbFit")->click();
      // the operand 2548 lies at 96 - round(2548 * 96 / 4095) = 36
      const QImage image = thumb->pixmap().toImage();
      QCOMPARE(image.pixelColor(78, 36), QColor(255, 0, 255));
      dialog.findChild<QPushButton*>("bnpreview")->click();
      QCOMPARE(doc.waveData[10], test::CodeAt(10) + 500);
      QCOMPARE(doc.waveData[29], test::CodeAt(29) + 500);
      QCOMPARE(doc.waveData[30], test::CodeAt(30));
      checked = true;
      dialog.findChild<QPushButton*>("bnCancel")->click();
    });
    mnMathAddClick(window.form, *wave);
    QVERIFY(checked);
    QVERIFY(doc.waveData == before.waveData);
    QVERIFY(doc.isSaved);
    QVERIFY(window.prompter.shown.empty());
    SetDesktopClipboard(nullptr);
  }
};

QTEST_MAIN(TestTfrmCalc)
#include "tst_tfrmcalc.moc"
