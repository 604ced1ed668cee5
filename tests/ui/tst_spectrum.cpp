// View ▸ Spectrum: the dock panel follows the active waveform, its window and sample rate
// are chosen in the panel and kept in the settings file.
#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <cmath>
#include <numbers>

#include "core/app/IniFile.h"
#include "support/MainWindowFixture.h"
#include "support/NoFileDialog.h"
#include "ui/ppg/TfrmPpg.h"
#include "ui/spectrum/SpectrumPanel.h"
#include "ui/spectrum/SpectrumPlot.h"
#include "ui/wave/TfrmWave.h"

using namespace averoz;

namespace {

// A full-scale sine of `cycles` over the first `length` samples, the rest undrawn, as one edit.
void DrawSine(TfrmWave& wave, int length, int cycles) {
  WaveDoc& doc = wave.doc();
  for (int i = 0; i < length; ++i)
    doc.waveData[std::size_t(i)] = int(std::lround(
        2047.5 + 2047.5 * std::sin(2 * std::numbers::pi * cycles * i / length)));
  for (int i = 0; i < length; ++i) doc.blockNo[std::size_t(i)] = kBlockFree;
  doc.ClearRange(length, WaveDoc::dataLen - 1);
  doc.CommitEdit(0, WaveDoc::dataLen - 1);
}

}  // namespace

class TestSpectrum : public QObject {
  Q_OBJECT
  test::NoFileDialog chooser_;
  test::MainWindowFixture f_;

  SpectrumPanel* panel() { return f_.form->findChild<SpectrumPanel*>("SpectrumPanel"); }
  QString peaksText() { return panel()->findChild<QLabel*>("lblSpectrumPeaks")->text(); }
  QString ini(const char* key) {
    return QString::fromStdString(
        IniFile(f_.iniPath.toStdString()).ReadString("Spectrum", key, "<none>"));
  }
  void openFromTheViewMenu() {
    QMenu* view = f_.form->findChild<QMenu*>("mnView");
    view->popup(f_.form->mapToGlobal(QPoint(10, 10)));
    QVERIFY(QTest::qWaitForWindowExposed(view));
    QTest::keyClick(view, Qt::Key_E);
    QTRY_VERIFY(f_.form->findChild<QDockWidget*>("dkSpectrum")->isVisible());
  }

 private slots:
  void init() { f_.Start(chooser_); }
  void cleanup() { f_.Stop(); }

  void viewMenuOpensAPanelThatFollowsEdits() {
    openFromTheViewMenu();
    QTRY_VERIFY(peaksText().contains("No drawn waveform"));
    auto* wave = qobject_cast<TfrmWave*>(f_.form->activeDocument());
    DrawSine(*wave, 16384, 7);
    QTRY_VERIFY(panel()->spectrum().hasFundamental());
    QCOMPARE(panel()->spectrum().peaks[0].bin, 7);
    QVERIFY(peaksText().contains("Fundamental"));
    QVERIFY(peaksText().contains("THD"));
    // Only the drawn samples are analysed.
    DrawSine(*wave, 1000, 3);
    QTRY_COMPARE(panel()->spectrum().length, 1000);
    QCOMPARE(panel()->spectrum().peaks[0].bin, 3);
  }

  void openPanelComesBackAfterARestart() {
    openFromTheViewMenu();
    f_.form->close();
    QCOMPARE(ini("Visible"), QString("1"));
    TMainForm next;
    next.show();
    QVERIFY(next.findChild<QDockWidget*>("dkSpectrum")->isVisible());
    QVERIFY(next.findChild<QAction*>("mnViewSpectrum")->isChecked());
    next.findChild<QAction*>("mnViewSpectrum")->trigger();
    next.close();
    QCOMPARE(ini("Visible"), QString("0"));
  }

  void followsTheActiveDocumentKind() {
    openFromTheViewMenu();
    DrawSine(*qobject_cast<TfrmWave*>(f_.form->activeDocument()), 16384, 5);
    QTRY_VERIFY(panel()->spectrum().hasFundamental());
    QVERIFY(f_.form->FileNewPPG1Execute());
    QTRY_VERIFY(peaksText().contains("No waveform"));
    QVERIFY(!panel()->spectrum().hasFundamental());
    TfrmWave* second = f_.form->FileNewMod1Execute();
    QVERIFY(second);
    DrawSine(*second, 16384, 11);
    QTRY_VERIFY(panel()->spectrum().hasFundamental());
    QCOMPARE(panel()->spectrum().peaks[0].bin, 11);
  }

  void windowAndRateAreTypedAndRemembered() {
    openFromTheViewMenu();
    DrawSine(*qobject_cast<TfrmWave*>(f_.form->activeDocument()), 16384, 8);
    auto* window = panel()->findChild<QComboBox*>("cbSpectrumWindow");
    QCOMPARE(window->currentText(), QString("Hann"));
    window->setFocus();
    QTest::keyClick(window, Qt::Key_Down);
    QCOMPARE(window->currentText(), QString("Blackman-Harris"));
    QCOMPARE(ini("Window"), QString("2"));

    auto* rate = panel()->findChild<QLineEdit*>("edSampleRate");
    QTest::keyClicks(rate, "16384");
    QTest::keyClick(rate, Qt::Key_Return);
    QCOMPARE(panel()->sampleRate(), 16384.0);
    QTRY_VERIFY(peaksText().contains("8 Hz"));
    QCOMPARE(ini("SampleRate"), QString("16384"));
    // Not a rate: the last good one comes back.
    rate->selectAll();
    QTest::keyClicks(rate, "fast");
    QTest::keyClick(rate, Qt::Key_Return);
    QCOMPARE(rate->text(), QString("16384"));
    QCOMPARE(panel()->sampleRate(), 16384.0);

    auto* log = panel()->findChild<QCheckBox*>("cbSpectrumLog");
    auto* plot = panel()->findChild<SpectrumPlot*>("pbSpectrum");
    QVERIFY(log->isChecked());
    const double logX = plot->pointOf(8, 0).x();
    QTest::mouseClick(log, Qt::LeftButton, {}, QPoint(5, log->height() / 2));
    QVERIFY(!plot->logAxis());
    QVERIFY(plot->pointOf(8, 0).x() < logX);  // the low bins crowd to the left again
    QCOMPARE(ini("LogAxis"), QString("0"));

    SpectrumPanel fresh;
    QVERIFY(!fresh.findChild<QCheckBox*>("cbSpectrumLog")->isChecked());
    QCOMPARE(fresh.sampleRate(), 16384.0);
    QCOMPARE(fresh.findChild<QComboBox*>("cbSpectrumWindow")->currentIndex(), 2);
  }
};

QTEST_MAIN(TestSpectrum)
#include "tst_spectrum.moc"
