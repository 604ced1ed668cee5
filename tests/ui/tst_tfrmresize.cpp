// The "Resize" dialog offscreen: labels and defaults from the selection, the field check,
// Preview drawing into the document and Cancel taking it back.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "core/wave/WaveDocFixtures.h"
#include "support/WaveWindowFixture.h"
#include "ui/wave/TfrmResize.h"
#include "ui/wave/TfrmWave.h"
#include "ui/wave/WaveCommands.h"

using namespace averoz;

class TestTfrmResize : public QObject {
  Q_OBJECT

 private slots:
  void previewThenCancelRestoresTheDocument() {
    test::WaveWindow window;
    TfrmWave* wave = window.wave;
    QVERIFY(wave);
    WaveDoc& doc = wave->doc();
    test::DrawTo(doc, 299);
    doc.SetSelection(100, 199);
    const WaveDoc before = doc;

    bool checked = false;
    QTimer::singleShot(0, this, [&] {
      TfrmResize& dialog = TfrmResize::instance(window.form);
      QCOMPARE(dialog.windowTitle(), QString("Resize"));
      auto* edData = dialog.findChild<QLineEdit*>("edData");
      QCOMPARE(edData->text(), QString("100"));
      QCOMPARE(dialog.findChild<QLineEdit*>("edAmp")->text(), QString("99"));
      QCOMPARE(dialog.findChild<QLineEdit*>("edOfs")->text(), QString("0"));
      QCOMPARE(dialog.findChild<QLabel*>("lblDataPts")->text(), QString("Data Length(8_16184)"));
      QCOMPARE(dialog.findChild<QLabel*>("lblAmp")->text(), QString("Amplitude P-P(0_4095)"));
      QCOMPARE(dialog.findChild<QLabel*>("lblOfs")->text(), QString("Offset(-2048_2047)"));

      edData->setText("7");  // below 8: refused, the last accepted text comes back
      QVERIFY(!dialog.CheckField(ResizeField::Data));
      QCOMPARE(edData->text(), QString("100"));
      edData->setText("50");
      dialog.findChild<QPushButton*>("bnpreview")->click();
      QCOMPARE(doc.lastDrawn(), 249);
      QCOMPARE(doc.waveData[150], test::CodeAt(200));
      checked = true;
      dialog.findChild<QPushButton*>("bnCancel")->click();
    });
    mnMathResizeClick(window.form, *wave);
    QVERIFY(checked);
    QVERIFY(doc.waveData == before.waveData);
    QCOMPARE(doc.selEnd, 199);
    QVERIFY(doc.isSaved);
    QCOMPARE(window.prompter.ids(), std::vector<MessageId>{ERRMSG(3)});
  }
};

QTEST_MAIN(TestTfrmResize)
#include "tst_tfrmresize.moc"
