// The pattern view offscreen: presses and drags on `Mousepad` in each tool, the zoom with
// its limit and "done" labels, the scroll bar and the wheel, the channel headers, the
// inversion markers, and what the picture shows at both kinds of zoom.
#include <QFrame>
#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include "core/ppg/PpgViewPen.h"
#include "ui/ppg/PpgChannelHeader.h"
#include "ui/ppg/PpgView.h"
#include "ui/wave/Mousepad.h"

using namespace averoz;

class TestPpgView : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<PpgDoc> doc;
  std::unique_ptr<PpgView> view;
  QWidget* pad = nullptr;

  // Pad point over address a (its first pixel) in display row `row`, at the High level.
  QPoint At(int address, int row) const {
    return {view->geom().ViewX(address), HighY(row)};
  }
  void Press(QPoint p, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = {}) {
    QTest::mousePress(pad, b, m, p);
  }
  void Move(QPoint p, Qt::MouseButtons held, Qt::KeyboardModifiers m = {}) {
    // QTest's move carries no buttons; the gestures read the event's own.
    QMouseEvent e(QEvent::MouseMove, p, pad->mapToGlobal(p), Qt::NoButton, held, m);
    QApplication::sendEvent(pad, &e);
  }
  void Release(QPoint p) { QTest::mouseRelease(pad, Qt::LeftButton, {}, p); }
  void ZoomTo(int index) {
    view->ZoomStep(view->geom().zoomIndex - index);
    view->FinishZoom();
    QCOMPARE(view->geom().zoomIndex, index);
  }
  // A plain wheel turn over the pad: up (+120) or down (-120).
  void Wheel(int delta) {
    const QPoint at(100, 50), global = pad->mapToGlobal(at);
    QWheelEvent e(at, global, {}, QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(pad, &e);
  }
  QLabel* Limit() const { return view->findChild<QLabel*>("lblLimit"); }
  QRgb Pixel(int x, int y) const { return view->renderer().image().pixel(x, y); }

 private slots:
  void init() {
    doc = std::make_unique<PpgDoc>();
    view = std::make_unique<PpgView>(*doc);
    view->resize(576, 306);
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    pad = view->mousepad();
  }
  void cleanup() {
    view.reset();
    doc.reset();
  }

  void initialViewAndHeaders() {
    const PpgViewGeometry& g = view->geom();
    QCOMPARE(g.zoomIndex, 8);
    QCOMPARE(g.contentWidth(), 819);
    QVERIFY(view->hScrollBar()->isVisible());  // 819 pixels do not fit
    QCOMPARE(view->hScrollBar()->singleStep(), 10);

    QSignalSpy order(view.get(), &PpgView::orderChanged);
    doc->SetOrder(kPairOrder);
    QCOMPARE(order.count(), 1);
    QStringList captions;
    for (int k = 1; k <= 6; ++k)
      captions << view->findChild<PpgChannelHeader*>(QStringLiteral("pn%1").arg(k))->caption();
    QCOMPARE(captions, QStringList({"CH1", "CH4", "CH2", "CH5", "CH3", "CH6"}));

    // A left press selects the whole row, a right press asks for CH View.
    auto* pn3 = view->findChild<PpgChannelHeader*>("pn3");
    QSignalSpy finished(view.get(), &PpgView::selectionFinished);
    QSignalSpy chView(view.get(), &PpgView::chViewRequested);
    QTest::mousePress(pn3, Qt::LeftButton);
    QVERIFY(doc->rangeSelected);
    QCOMPARE(doc->selBegin, (PpgPoint{0, 2}));
    QCOMPARE(doc->selEnd, (PpgPoint{16383, 2}));
    QCOMPARE(doc->SelectedMask(), 1u << 1);  // row 2 shows CH2
    QCOMPARE(finished.count(), 1);
    QVERIFY(view->findChild<QWidget*>("selBox")->isVisible());
    QTest::mousePress(pn3, Qt::RightButton);
    QCOMPARE(chView.count(), 1);
  }

  void selectDragGrowsRightAndDownOnly() {
    Press(At(500, 2));
    QCOMPARE(doc->selBegin, (PpgPoint{500, 2}));
    QCOMPARE(doc->selEnd, doc->selBegin);
    QVERIFY(view->findChild<QWidget*>("selStart")->isVisible());
    Move(At(100, 0), Qt::LeftButton);  // left and up: stays at the start
    QCOMPARE(doc->selEnd, (PpgPoint{500, 2}));
    Move(At(1000, 4), Qt::LeftButton);
    QCOMPARE(doc->selEnd, (PpgPoint{1000, 4}));
    Move(At(3000, 5), Qt::LeftButton, Qt::AltModifier);  // Alt freezes it
    QCOMPARE(doc->selEnd, (PpgPoint{1000, 4}));
    QSignalSpy finished(view.get(), &PpgView::selectionFinished);
    Release(At(1000, 4));
    QCOMPARE(finished.count(), 1);
    const QRect box = view->findChild<QWidget*>("selBox")->geometry();
    QCOMPARE(box.height(), 3 * 41);
    QCOMPARE(box.width(), view->geom().ViewX(1000) - view->geom().ViewX(500) + 1);

    // A press right of the pattern's end clears the selection.
    ZoomTo(9);  // 328 pixels: the view reaches beyond the content
    Press({400, 20});
    QVERIFY(!doc->rangeSelected);
    QCOMPARE(doc->selBegin, (PpgPoint{0, 0}));
    QVERIFY(!view->findChild<QWidget*>("selBox")->isVisible());
    Release({400, 20});
  }

  void penPressNoticesItsColumnAndDragWritesOn() {
    view->SetEditMode(kEditPen);
    QCOMPARE(view->pointer(), GraphPointer::BitPen);
    QSignalSpy notices(view.get(), &PpgView::dataChanged);
    QSignalSpy modified(view.get(), &PpgView::modifiedChanged);
    Press({10, HighY(0)});  // column 10 at 20 addresses a pixel: 200..219
    QCOMPARE(notices.count(), 1);
    QCOMPARE(notices[0][0].toInt(), 200);
    QCOMPARE(notices[0][1].toInt(), 219);
    QCOMPARE(modified.count(), 1);
    QVERIFY(doc->undoReady);
    QCOMPARE(doc->bit(0, 199), 0);
    QCOMPARE(doc->bit(0, 200), 1);
    QCOMPARE(doc->bit(0, 219), 1);
    QCOMPARE(doc->bit(0, 220), 0);
    Move({13, HighY(0)}, Qt::LeftButton);  // the columns passed are written, no notice
    QCOMPARE(doc->bit(0, 279), 1);
    QCOMPARE(doc->bit(0, 280), 0);
    QCOMPARE(notices.count(), 1);
    Move({14, HighY(0)}, Qt::LeftButton, Qt::AltModifier);  // Alt: Lo
    QCOMPARE(doc->bit(0, 280), 0);
    QCOMPARE(doc->bit(0, 279), 0);
    Release({14, HighY(0)});
    // One undo removes the whole stroke.
    doc->RestoreUndo();
    QCOMPARE(doc->bit(0, 200), 0);

    // Outside the pattern the pens do nothing.
    doc->DropUndo();
    Press({10, kPpgAreaHeight + 2});
    QVERIFY(!doc->undoReady);
    Release({10, kPpgAreaHeight + 2});
  }

  void penWithAutoInvertWritesThePairAndShowsTheMarker() {
    ZoomTo(0);
    doc->autoInvert = true;
    view->SetEditMode(kEditPenHigh);
    QCOMPARE(view->pointer(), GraphPointer::BitPenHInv);
    const int base = view->geom().AddressAt(0);
    for (int a = base; a <= base + 10; ++a) doc->bit(1, a) = 1;  // CH2
    view->RedrawAll();
    QSignalSpy status(view.get(), &PpgView::statusText);
    // Row 4 shows CH5; the pen High paints it and CH2 becomes its inverse.
    Press(At(base + 5, 4), Qt::LeftButton, Qt::AltModifier);  // Alt changes nothing
    Move(At(base + 7, 4), Qt::LeftButton);
    Release(At(base + 7, 4));
    for (int a = base + 5; a <= base + 7; ++a) {
      QCOMPARE(doc->bit(4, a), 1);
      QCOMPARE(doc->bit(1, a), 0);
    }
    QCOMPARE(doc->bit(1, base + 4), 1);
    QCOMPARE(doc->bit(1, base + 8), 1);
    QWidget* shape2 = view->marker(1);
    QVERIFY(shape2->isVisible());
    QCOMPARE(shape2->objectName(), QStringLiteral("Shape2"));
    QCOMPARE(shape2->geometry().top(), view->graphPanel()->contentsRect().y() + RowTop(1));
    QVERIFY(!view->marker(0)->isVisible());
    // The count-down shows the status text and then takes the marker away.
    QTRY_VERIFY_WITH_TIMEOUT(!shape2->isVisible(), 5000);
    QVERIFY(status.contains(QVariantList{QString("Auto Inverting...")}));
    QCOMPARE(status.last()[0].toString(), QString());

    // A marker goes with a scroll.
    Press(At(base + 9, 4));
    Release(At(base + 9, 4));
    QVERIFY(shape2->isVisible());
    view->hScrollBar()->setValue(view->hScrollBar()->value() + 50);
    QVERIFY(!shape2->isVisible());
  }

  void cursorDragStopsBeforeTheOtherCursor() {
    doc->xCursorOn = true;
    view->SetEditMode(kEditCursor);
    view->PlaceInitialCursors();
    QCOMPARE(doc->csrX1, 176 * 20);  // a third of 529 visible pixels at 20 per pixel
    const int x2 = doc->csrX2;
    auto* line1 = view->findChild<QWidget*>("Xcsr1");
    QVERIFY(line1->isVisible());
    const int left = view->geom().ViewX(doc->csrX1);
    Move({left - 8, 30}, Qt::NoButton);  // within the wider side of cursor 1
    QCOMPARE(view->pointer(), GraphPointer::HCur1);
    Move({left + 6, 30}, Qt::NoButton);  // beyond its narrow side
    QCOMPARE(view->pointer(), GraphPointer::CurOn);
    Move({left, 30}, Qt::NoButton);
    Press({left, 30});
    QSignalSpy moved(view.get(), &PpgView::cursorsChanged);
    Move({view->geom().ViewX(x2) + 40, 30}, Qt::LeftButton);
    QCOMPARE(doc->csrX1, x2 - 1);
    QCOMPARE(moved.count(), 1);
    QCOMPARE(line1->x(), view->graphPanel()->contentsRect().x() + view->geom().ViewX(x2 - 1));
    Release({view->geom().ViewX(x2) + 40, 30});
    QCOMPARE(doc->csrX2, x2);
  }

  void zoomAtTheMouseWithLimitAndDone() {
    // Ctrl + left press magnifies around the pointer: the address there stays.
    const QPoint p(200, 60);
    const int before = view->geom().AddressAt(p.x());
    Press(p, Qt::LeftButton, Qt::ControlModifier);
    QCOMPARE(view->zoomState().state(), PpgZoom::State::Animating);
    QVERIFY(view->zoomState().zoomingIn());
    QTRY_COMPARE_WITH_TIMEOUT(view->zoomState().state(), PpgZoom::State::Idle, 3000);
    QCOMPARE(view->geom().zoomIndex, 7);
    QCOMPARE(view->geom().AddressAt(p.x()), before);
    Press(p, Qt::RightButton, Qt::ControlModifier);
    view->FinishZoom();
    QCOMPARE(view->geom().zoomIndex, 8);

    // "All" at 20 addresses a pixel: "done", and the label returns to "limit".
    view->ZoomAll();
    QVERIFY(Limit()->isVisible());
    QCOMPARE(Limit()->text(), QStringLiteral("done"));
    QTRY_VERIFY_WITH_TIMEOUT(!Limit()->isVisible(), 3000);
    QCOMPARE(Limit()->text(), QStringLiteral("limit"));

    // At step 0 a magnification shows "limit" and changes nothing.
    view->ZoomMax();
    view->FinishZoom();
    QCOMPARE(view->geom().zoomIndex, 0);
    QSignalSpy zoomed(view.get(), &PpgView::zoomChanged);
    Press(p, Qt::LeftButton, Qt::ControlModifier);
    QVERIFY(Limit()->isVisible());
    QCOMPARE(Limit()->text(), QStringLiteral("limit"));
    QCOMPARE(view->zoomState().state(), PpgZoom::State::Limit);
    QCOMPARE(view->geom().zoomIndex, 0);
    QCOMPARE(zoomed.count(), 0);
  }

  void penFallsBackToSelectAboveOneAddressPerPixel() {
    ZoomTo(4);
    view->SetEditMode(kEditPenLo);
    QSignalSpy zoomed(view.get(), &PpgView::zoomChanged);
    view->ZoomStep(+1);
    view->FinishZoom();
    QCOMPARE(doc->editMode, kEditPenLo);  // 0.5 addresses a pixel: the pen stays
    view->ZoomStep(-2);
    view->FinishZoom();
    QCOMPARE(zoomed.count(), 2);
    QCOMPARE(doc->editMode, kEditSelect);
    QCOMPARE(view->pointer(), GraphPointer::Arrow);
  }

  void wheelScrollsWhileTheBarShows() {
    QScrollBar* bar = view->hScrollBar();
    Wheel(-120);  // wheel down: right
    QCOMPARE(view->geom().scrollX, 10);
    QCOMPARE(bar->value(), 10);
    Wheel(120);
    Wheel(120);
    QCOMPARE(view->geom().scrollX, 0);
    ZoomTo(9);
    QVERIFY(!bar->isVisible());
    Wheel(-120);
    QCOMPARE(view->geom().scrollX, 0);
  }

  void rightPressAsksForTheMenu() {
    QSignalSpy popup(view.get(), &PpgView::popupRequested);
    Press({50, 50}, Qt::RightButton);
    QCOMPARE(popup.count(), 1);
    Press({50, 50}, Qt::RightButton, Qt::ShiftModifier);
    QCOMPARE(popup.count(), 1);
  }

  void columnsShowDotsAndStrokesStepsShowLevels() {
    const QRgb graph = qRgb(255, 0, 255), back = qRgb(0, 0, 0);
    // CH1: High over 200..209 (column 10 rounds 190..209), Low elsewhere.
    for (int a = 200; a <= 209; ++a) doc->bit(0, a) = 1;
    doc->NotifyDataChanged(200, 209);
    QCOMPARE(Pixel(10, HighY(0)), graph);  // a stroke: both levels in the column
    QCOMPARE(Pixel(10, HighY(0) + 10), graph);
    QCOMPARE(Pixel(10, LowY(0)), graph);
    QCOMPARE(Pixel(11, HighY(0)), graph);  // 210 is Low: the step down
    QCOMPARE(Pixel(12, LowY(0)), graph);   // a dot at Low
    QCOMPARE(Pixel(12, LowY(0) - 10), back);
    QCOMPARE(Pixel(12, HighY(0)), back);

    // 25 pixels an address: address 8 (High) spans pixels 200..225 at the High level.
    ZoomTo(0);
    view->ScrollTo(0);
    doc->bit(1, 8) = 1;
    doc->NotifyDataChanged(8, 8);
    QCOMPARE(Pixel(200, LowY(1) - 16), graph);  // the rising edge
    QCOMPARE(Pixel(212, HighY(1)), graph);
    QCOMPARE(Pixel(212, LowY(1)), back);
    QCOMPARE(Pixel(230, LowY(1)), graph);
    QCOMPARE(Pixel(230, HighY(1)), back);
  }
};

QTEST_MAIN(TestPpgView)
#include "tst_ppgview.moc"
