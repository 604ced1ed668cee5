// The waveform window offscreen: strokes drawn with the mouse on `Mousepad`, zoom through
// the buttons and the tool-bar entries of the active document.
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>
#include <tuple>

#include "support/FakePrompter.h"
#include "support/JapaneseSettings.h"
#include "ui/app/AppContext.h"
#include "ui/app/TMainForm.h"
#include "ui/wave/TfrmWave.h"
#include "ui/wave/WaveRenderer.h"
#include "ui/wave/WaveView.h"

using namespace averoz;

class TestWaveView : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TMainForm> form;
  test::FakePrompter prompter;
  TfrmWave* wave = nullptr;
  QWidget* pad = nullptr;

  // View pixel of (index, code) at the current zoom.
  QPoint At(int index, int code) const {
    const ViewGeometry& g = wave->view()->geom();
    return {g.ViewX(index), g.ViewY(code)};
  }
  // A move without a button, sent straight to the mouse area: after earlier tests QTest
  // does not always deliver a button-less move.
  void Hover(QPoint pos) {
    QMouseEvent move(QEvent::MouseMove, pos, pad->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(pad, &move);
  }

  // Types into a field of the main window's tool bars and presses Enter.
  void Type(const char* name, const QString& text) {
    auto* e = form->findChild<QLineEdit*>(name);
    QVERIFY2(e && e->isEnabled(), name);
    e->selectAll();
    QTest::keyClicks(e, text);
    QTest::keyClick(e, Qt::Key_Return);
  }
  QString Field(const char* name) const { return form->findChild<QLineEdit*>(name)->text(); }

 private slots:
  void init() {
    test::WriteJapaneseSettings(AppContext::besideExecutable(".INI"));
    prompter = test::FakePrompter();
    form = std::make_unique<TMainForm>();
    form->setPrompter(&prompter);
    wave = form->CreateStartupDocument();
    form->show();
    QCoreApplication::processEvents();
    wave->FormActivate();
    pad = wave->findChild<QWidget*>("Mousepad");
    QVERIFY(pad);
  }
  void cleanup() {
    form->setSaveHandler([](DocumentWindow& d) { d.setSaved(true); return true; });
    prompter.answers.assign(40, Answer::No);
    form.reset();
  }

  void initialView() {
    const ViewGeometry& g = wave->view()->geom();
    QCOMPARE(g.contentWidth(), 512);
    QCOMPARE(g.contentHeight(), 256);
    QCOMPARE(wave->findChild<QWidget*>("pngraph")->geometry().topLeft(), QPoint(45, 30));
    QVERIFY(wave->findChild<QWidget*>("ImgWave"));
  }

  void freehandStrokeIsOneUndoStep() {
    wave->SetEditMode(2);
    QCOMPARE(wave->graphPointer(), GraphPointer::Free);
    QTest::mousePress(pad, Qt::LeftButton, {}, At(320, 1024));
    // Empty document: the click joins (0, 2048) to the clicked point.
    QCOMPARE(wave->doc().waveData[0], 2048);
    QCOMPARE(wave->doc().lastDrawn(), 320);
    QTest::mouseMove(pad, At(640, 3072));
    QTest::mouseMove(pad, At(960, 2048));
    QTest::mouseRelease(pad, Qt::LeftButton, {}, At(960, 2048));
    const WaveDoc& doc = wave->doc();
    QCOMPARE(doc.lastDrawn(), 960);
    QCOMPARE(doc.waveData[640], 3072);
    QCOMPARE(doc.waveData[800], 2560);  // halfway down the second segment
    QVERIFY(doc.undoReady);
    QVERIFY(!doc.isSaved);
    QTest::mouseMove(pad, At(1280, 0));  // button up: the stroke is over
    QCOMPARE(doc.lastDrawn(), 960);
    QVERIFY(wave->doc().RestoreUndo());
    QCOMPARE(doc.lastDrawn(), -1);  // the snapshot was taken once, before the press
  }

  void lineToolWithRubberBand() {
    WaveDoc& doc = wave->doc();
    for (int i = 0; i < 1000; ++i) doc.waveData[i] = 1024, doc.blockNo[i] = kBlockFree;
    doc.CommitEdit(0, 999);
    doc.MarkSaved();
    wave->SetEditMode(3);
    const QImage before = wave->view()->renderer().image();
    QTest::mouseClick(pad, Qt::LeftButton, {}, At(320, 1024));
    QVERIFY(wave->lineTool().pending());
    QTest::mouseMove(pad, At(2000, 3000));
    QVERIFY(wave->view()->renderer().image() != before);  // the band is drawn
    QTest::mouseMove(pad, At(3000, 4000));
    QTest::mouseClick(pad, Qt::LeftButton, {}, At(3200, 3072));
    QVERIFY(!wave->lineTool().pending());
    QCOMPARE(doc.lastDrawn(), 3200);
    QCOMPARE(doc.waveData[320], 1024);  // the codes under the pointer at both clicks
    QCOMPARE(doc.waveData[1760], 2048);
    QVERIFY(doc.RestoreUndo());
    QCOMPARE(doc.lastDrawn(), 999);
    // The band left no trace: the picture is the one drawn from the data again.
    wave->RedrawAll();
    QCOMPARE(wave->view()->renderer().image(), before);
  }

  void lineCancelledByEscOrRightButton() {
    wave->SetEditMode(3);
    QTest::mouseClick(pad, Qt::LeftButton, {}, At(320, 1000));
    QVERIFY(wave->lineTool().pending());
    QTest::keyClick(wave, Qt::Key_Escape);
    QVERIFY(!wave->lineTool().pending());
    QVERIFY(!wave->doc().undoReady);

    // An edit elsewhere while the band is shown, then the line is cancelled: no trace of
    // the band is left on the picture.
    QTest::mouseClick(pad, Qt::LeftButton, {}, At(320, 1024));
    Hover(At(6000, 3000));
    WaveDoc& doc = wave->doc();
    for (int i = 0; i <= 3000; ++i) doc.waveData[i] = 1000, doc.blockNo[i] = kBlockFree;
    doc.CommitEdit(0, 3000);
    QTest::mouseClick(pad, Qt::RightButton, Qt::AltModifier, At(400, 1024));
    QVERIFY(!wave->lineTool().pending());
    const QImage shown = wave->view()->renderer().image();
    wave->RedrawAll();
    QCOMPARE(shown, wave->view()->renderer().image());
  }

  void selectDragAndDoubleClick() {
    WaveDoc& doc = wave->doc();
    for (int i = 0; i < 4000; ++i) doc.waveData[i] = 2000, doc.blockNo[i] = i < 2000 ? 1 : -1;
    doc.CommitEdit(0, 3999);
    QTest::mousePress(pad, Qt::LeftButton, {}, At(640, 2000));
    QTest::mouseMove(pad, At(1280, 2000));
    QTest::mouseRelease(pad, Qt::LeftButton, {}, At(1280, 2000));
    QVERIFY(doc.rangeSelected);
    QCOMPARE(doc.selBegin, 640);
    QCOMPARE(doc.selEnd, 1280);
    QVERIFY(wave->findChild<QWidget*>("selBox")->isVisible());
    QTest::mouseDClick(pad, Qt::LeftButton, {}, At(2560, 2000));
    QCOMPARE(doc.selBegin, 2000);  // the run of unprotected samples
    QCOMPARE(doc.selEnd, 3999);
  }

  void zoomButtonsAndLimitLabel() {
    const ViewGeometry& g = wave->view()->geom();
    const int cx = RoundDiv(g.viewWidth, 2);
    const int before = g.IndexAt(cx);
    wave->bnzallClick();  // already the whole document
    auto* limit = wave->findChild<QLabel*>("lblLimit");
    QVERIFY(limit->isVisible());
    QCOMPARE(limit->text(), QString("done"));
    QTRY_VERIFY_WITH_TIMEOUT(!limit->isVisible(), 2000);
    QCOMPARE(limit->text(), QString("limit"));

    wave->bnzmaxClick();
    QCOMPARE(wave->zoomState().state(), ViewZoom::State::Animating);
    QTRY_COMPARE_WITH_TIMEOUT(wave->zoomState().state(), ViewZoom::State::Idle, 2000);
    QCOMPARE(g.zoomX(), 1);
    QCOMPARE(g.zoomY(), 1);
    QCOMPARE(g.IndexAt(cx), before);
    QVERIFY(wave->findChild<QWidget*>("pnxscr")->isVisible());
    if (auto* edzx = form->findChild<QLineEdit*>("edzx")) QCOMPARE(edzx->text(), QString("1"));

    // The plain wheel scrolls the vertical bar by its small change while it is shown.
    const int scrollY = g.scrollY;
    const QPoint global = pad->mapToGlobal(QPoint(50, 50));
    QWheelEvent down(wave->mapFromGlobal(global), global, {}, QPoint(0, -120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(wave, &down);
    QCOMPARE(g.scrollY, scrollY + WaveView::kVSmallChange);
    QCOMPARE(wave->findChild<QScrollBar*>("VScrollBar")->value(), g.scrollY);
  }

  void rescaleEntriesRefuseOutOfRange() {
    auto* norX = form->findChild<QLineEdit*>("edNorX");
    auto* norY1 = form->findChild<QLineEdit*>("edNorY1");
    if (!norX || !norY1) QSKIP("the rescale tool bar is not there");
    norX->setText("16");
    wave->edNorXExit();
    QCOMPARE(prompter.ids(), std::vector<MessageId>{ERRMSG(3)});
    QCOMPARE(prompter.shown.back().message.suffix, std::string(" (17_16384)"));
    QCOMPARE(norX->text(), QString("16384"));
    norY1->setText("-5000");
    wave->edNorY1Exit();
    QCOMPARE(prompter.shown.back().message.suffix, std::string(" (-4095<=Value<4095)"));
    QCOMPARE(norY1->text(), QString("0"));
    QCOMPARE(wave->doc().rescaleYMin, 0.0);
  }

  void cursorEntryClampsAndDragStops() {
    auto* edX2 = form->findChild<QLineEdit*>("edX2");
    wave->SetCursorMode(true);
    WaveDoc& doc = wave->doc();
    QCOMPARE(doc.editMode, 1);
    if (edX2) {
      edX2->setText(QString::number(doc.csrX1 - 100));
      wave->CursorEntered(CursorField::X2, edX2);
      QCOMPARE(doc.csrX2, doc.csrX1 + 1);
      QCOMPARE(edX2->text(), QString::number(doc.csrX2));
    }
    doc.csrX1 = 3200, doc.csrX2 = 6400;
    wave->SetXCursor(true);
    Hover(At(3200, 2048) + QPoint(30, 0));  // away from the cursors
    QCOMPARE(wave->graphPointer(), GraphPointer::CurOn);
    Hover(At(3200, 2048) + QPoint(1, 0));  // on Xcsr1
    QCOMPARE(wave->graphPointer(), GraphPointer::HCur1);
    QTest::mousePress(pad, Qt::LeftButton, {}, At(3200, 2048) + QPoint(1, 0));
    QTest::mouseMove(pad, At(9600, 2048));
    QTest::mouseRelease(pad, Qt::LeftButton, {}, At(9600, 2048));
    QCOMPARE(doc.csrX1, 6399);
    if (auto* ud = form->findChild<QScrollBar*>("udX2")) {
      ud->triggerAction(QAbstractSlider::SliderSingleStepSub);  // the up arrow
      QCOMPARE(doc.csrX2, 6401);
      QCOMPARE(ud->value(), 6401);
      ud->triggerAction(QAbstractSlider::SliderSingleStepAdd);
      ud->triggerAction(QAbstractSlider::SliderSingleStepAdd);  // held above csrX1
      QCOMPARE(doc.csrX2, 6400);
    }
  }

  // dX and dY are entries too; a span beyond the 32-bit range reaches the end.
  void cursorDifferencesAreTyped() {
    QTest::mouseClick(form->findChild<QToolButton*>("bnselcsr"), Qt::LeftButton);
    struct Axis {
      const char *first, *diff, *second, *end;
    };
    for (const Axis& a :
         {Axis{"edX1", "eddx", "edX2", "16383"}, Axis{"edY1", "eddy", "edY2", "4095"}}) {
      Type(a.first, "1000");
      Type(a.diff, "100");
      QCOMPARE(Field(a.second), QString("1099"));
      QCOMPARE(Field(a.diff), QString("100"));
      Type(a.diff, "9999999999");
      QCOMPARE(Field(a.second), QString(a.end));
      QCOMPARE(Field(a.diff), QString::number(QString(a.end).toInt() - 1000 + 1));
    }
    QCOMPARE(wave->doc().csrX2, 16383);
    QCOMPARE(wave->doc().csrY2, 4095);
  }

  void hugeSelectionEntriesReachTheLastDrawnSample() {
    WaveDoc& doc = wave->doc();
    for (int i = 0; i < 1000; ++i) doc.waveData[i] = 2000, doc.blockNo[i] = kBlockFree;
    doc.CommitEdit(0, 999);
    doc.SetSelection(100, 200);
    Type("edsdx", "9999999999");
    QCOMPARE(Field("edss"), QString("100"));
    QCOMPARE(Field("edse"), QString("999"));
    QCOMPARE(Field("edsdx"), QString("900"));
    Type("edse", "9999999999");
    QCOMPARE(Field("edse"), QString("999"));
    Type("edss", "9999999999");
    QCOMPARE(Field("edss"), QString("999"));
    QCOMPARE(Field("edsdx"), QString("1"));
  }

  // No selection is selBegin = selEnd = 0: the read-outs say so, disabled.
  void resetSelectionReadsZeroAndOneSample() {
    wave->doc().SetSelection(100, 200);
    QTest::mouseClick(form->findChild<QToolButton*>("bnselres"), Qt::LeftButton);
    QVERIFY(!wave->doc().rangeSelected);
    const std::pair<const char*, const char*> shown[] = {
        {"edss", "0"}, {"edse", "0"}, {"edsdx", "1"}};
    for (const auto& [name, text] : shown) {
      QCOMPARE(Field(name), QString(text));
      QVERIFY(!form->findChild<QLineEdit*>(name)->isEnabled());
    }
  }

  // An edit repaints only the columns it touched; the picture must still be the one a full
  // redraw of the new data gives, at every zoom and with and without Connect Dots.
  void rangeRedrawMatchesFullRedraw() {
    WaveDoc doc;
    for (int i = 0; i < 6000; ++i) {
      doc.waveData[i] = (i * 37) % 4096;
      doc.blockNo[i] = i >= 2000 && i < 2500 ? 1 : kBlockFree;
    }
    struct Edit {
      int from, to, code;  // samples from..to become code (-1: cut the drawn part there)
    };
    const Edit edits[] = {{100, 100, 4095}, {1990, 2010, 0}, {3000, 3400, 2048},
                          {5990, 5999, -1}, {0, 0, 0}};
    for (const bool dots : {true, false}) {
      for (const auto& [zx, zy, scroll] : {std::tuple{5, 4, 0}, {0, 0, 1900}, {3, 2, 200}}) {
        ViewGeometry v;
        v.viewWidth = 400, v.viewHeight = 250, v.zoomXIdx = zx, v.zoomYIdx = zy;
        v.scrollX = scroll, v.scrollY = zy == 0 ? 1000 : 0;
        WaveDoc d = doc;
        d.lineDisp = dots;
        WaveRenderer partial, full;
        partial.Resize(400, 250);
        full.Resize(400, 250);
        partial.DrawAll(d, v);
        for (const Edit& e : edits) {
          for (int i = e.from; i <= e.to; ++i) {
            d.waveData[i] = e.code;
            if (e.code < 0) d.blockNo[i] = kBlockNever;
          }
          partial.DrawRange(d, v, e.from, e.code < 0 ? 5999 : e.to);
          full.DrawAll(d, v);
          QVERIFY2(partial.image() == full.image(),
                   qPrintable(QString("zoom %1/%2 edit at %3").arg(zx).arg(zy).arg(e.from)));
        }
      }
    }
  }

  void protectedSamplesInTheirOwnColour() {
    WaveDoc doc;
    for (int i = 0; i < 200; ++i) doc.waveData[i] = 2050, doc.blockNo[i] = i < 100 ? -1 : 3;
    ViewGeometry v;
    v.viewWidth = 300, v.viewHeight = 100, v.zoomXIdx = 0, v.zoomYIdx = 0, v.scrollY = 2000;
    WaveRenderer r;
    r.Resize(300, 100);
    r.DrawAll(doc, v);
    const int y = v.ViewY(2050);  // off the grid lines
    QCOMPARE(r.image().pixelColor(50, y), QColor(255, 0, 255));
    QCOMPARE(r.image().pixelColor(150, y), QColor(255, 0, 0));
    QCOMPARE(r.image().pixelColor(250, y), QColor(0, 0, 0));  // undrawn: background
  }

  void ctrlWheelZoomsAtThePointer() {
    const ViewGeometry& g = wave->view()->geom();
    const QPoint at(100, 60);
    const int index = g.IndexAt(at.x());
    const QPoint global = pad->mapToGlobal(at);
    QWheelEvent wheel(wave->mapFromGlobal(global), global, {}, QPoint(0, 120), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(wave, &wheel);  // the window takes the wheel wherever it is
    wave->FinishZoom();
    QCOMPARE(g.zoomX(), 16);
    QCOMPARE(g.zoomY(), 16);
    QCOMPARE(g.IndexAt(at.x()), index);
  }
};

QTEST_MAIN(TestWaveView)
#include "tst_waveview.moc"
