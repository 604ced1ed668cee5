// Drawing of the waveform view: a full redraw of a full document at the initial zoom and
// at the largest zoom, and one step of a freehand stroke with its range redraw.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cmath>

#include "core/wave/Strokes.h"
#include "core/wave/WaveDoc.h"
#include "ui/app/TMainForm.h"
#include "ui/wave/TfrmWave.h"
#include "ui/wave/WaveRenderer.h"
#include "QtBenchMain.h"

using namespace averoz;

namespace {

constexpr int kViewWidth = 539, kViewHeight = 273;  // the image of a new window

// A full document: a sine with a protected block in the middle.
void FillSine(WaveDoc& doc) {
  for (int i = 0; i < doc.dataLen; ++i) {
    doc.waveData[i] = 2048 + int(std::lround(1800 * std::sin(i * 2 * M_PI / 2048)));
    doc.blockNo[i] = i >= 4096 && i < 8192 ? 1 : kBlockFree;
  }
}

ViewGeometry View(int zoomXIdx, int zoomYIdx) {
  ViewGeometry v;
  v.viewWidth = kViewWidth;
  v.viewHeight = kViewHeight;
  v.zoomXIdx = zoomXIdx;
  v.zoomYIdx = zoomYIdx;
  // At the largest zoom the view stands in the middle of the content.
  v.scrollX = std::max(0, (v.contentWidth() - kViewWidth) / 2);
  v.scrollY = std::max(0, (v.contentHeight() - kViewHeight) / 2);
  return v;
}

void FullRedraw(benchmark::State& state, int zoomXIdx, int zoomYIdx) {
  WaveDoc doc;
  FillSine(doc);
  const ViewGeometry view = View(zoomXIdx, zoomYIdx);
  WaveRenderer renderer;
  renderer.Resize(kViewWidth, kViewHeight);
  for (auto _ : state) {
    renderer.DrawAll(doc, view);
    benchmark::DoNotOptimize(renderer.image().constBits());
  }
}

void BM_FullRedrawInitialZoom(benchmark::State& state) {
  FullRedraw(state, kInitialZoomXIdx, kInitialZoomYIdx);
}
BENCHMARK(BM_FullRedrawInitialZoom)->Unit(benchmark::kMicrosecond);

void BM_FullRedrawMaxZoom(benchmark::State& state) { FullRedraw(state, 0, 0); }
BENCHMARK(BM_FullRedrawMaxZoom)->Unit(benchmark::kMicrosecond);

// Repaints what the document reports, as the window does.
class RangeRedraw : public WaveDocListener {
 public:
  RangeRedraw(WaveRenderer& r, const WaveDoc& d, const ViewGeometry& v) : r_(r), d_(d), v_(v) {}
  void DataChanged(int a, int b) override { r_.DrawRange(d_, v_, a, b); }

 private:
  WaveRenderer& r_;
  const WaveDoc& d_;
  const ViewGeometry& v_;
};

// One stroke of 1000 pointer moves over a full unprotected document, one pixel per move,
// back and forth across the view; the time is per move.
void BM_FreehandStrokeStep(benchmark::State& state) {
  WaveDoc doc;
  FillSine(doc);
  for (auto& b : doc.blockNo) b = kBlockFree;
  const ViewGeometry view = View(kInitialZoomXIdx, kInitialZoomYIdx);
  WaveRenderer renderer;
  renderer.Resize(kViewWidth, kViewHeight);
  renderer.DrawAll(doc, view);
  RangeRedraw listener(renderer, doc, view);
  doc.SetListener(&listener);
  constexpr int kMoves = 1000;
  for (auto _ : state) {
    FreehandStroke stroke;
    stroke.Begin(doc, {view.IndexAt(10), 2048});
    for (int k = 1; k <= kMoves; ++k) {
      const int x = 10 + (k % 960 < 480 ? k % 480 : 480 - k % 480);
      stroke.Move(doc, {view.IndexAt(x), view.CodeAt(40 + (k * 7) % 200)});
    }
    stroke.End();
  }
  state.SetItemsProcessed(state.iterations() * kMoves);  // moves per second
  doc.SetListener(nullptr);
}
BENCHMARK(BM_FreehandStrokeStep)->Unit(benchmark::kMillisecond);

// The window's own full redraw of a full document: picture, cursor lines, selection box,
// marker and the axis labels painted at once.
void BM_WindowFullRedraw(benchmark::State& state) {
  TMainForm form;
  TfrmWave* wave = form.CreateStartupDocument();
  form.show();
  QCoreApplication::processEvents();
  FillSine(wave->doc());
  wave->SetCursorMode(true);
  wave->doc().SetSelection(1000, 3000);
  for (auto _ : state) {
    wave->RedrawAll();
    wave->repaint();
  }
}
BENCHMARK(BM_WindowFullRedraw)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return RunOffscreenBenchmarks(argc, argv); }
