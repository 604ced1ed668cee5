// The data browser offscreen: filling the table from a completely drawn document (Data
// View, Refresh) and from a pattern document, the row update of 1000 addresses after an
// edit below the refresh limit, and the highlight following each step of a selection drag
// in the waveform window.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "ui/app/TMainForm.h"
#include "ui/app/TfrmData.h"
#include "ui/ppg/TfrmPpg.h"
#include "ui/wave/TfrmWave.h"
#include "QtBenchMain.h"

namespace {

struct Browsed {
  averoz::TMainForm form;
  averoz::TfrmWave* wave;
  averoz::TfrmData* browser;
  Browsed() {
    form.show();
    wave = form.FileNewMod1Execute();
    averoz::WaveDoc& doc = wave->doc();
    for (int i = 0; i < doc.dataLen; ++i) {
      doc.waveData[i] = i % 4096;
      doc.blockNo[i] = averoz::kBlockFree;
    }
    browser = &averoz::TfrmData::instance(form);
    browser->FillBrowser(*wave);
    QCoreApplication::processEvents();
  }
  ~Browsed() { wave->setSaved(true); }
};

}  // namespace

static void BM_FillFullDocument(benchmark::State& state) {
  Browsed b;
  for (auto _ : state) {
    b.browser->FillBrowser(*b.wave);
    QCoreApplication::processEvents();  // the view lays out and paints the new table
  }
}
BENCHMARK(BM_FillFullDocument)->Unit(benchmark::kMillisecond);

// Every address a different word: 16384 rows of bits, "Dec" and "Hex".
static void BM_FillPatternDocument(benchmark::State& state) {
  averoz::TMainForm form;
  form.show();
  averoz::TfrmPpg* ppg = form.FileNewPPG1Execute();
  averoz::PpgDoc& doc = ppg->doc();
  for (int a = 0; a < doc.dataLen; ++a)
    for (int ch = 0; ch < averoz::kPpgChannels; ++ch) doc.bit(ch, a) = (a >> ch) & 1;
  averoz::TfrmData& browser = averoz::TfrmData::instance(form);
  for (auto _ : state) {
    browser.FillBrowser(*ppg);
    QCoreApplication::processEvents();
  }
  ppg->setSaved(true);
}
BENCHMARK(BM_FillPatternDocument)->Unit(benchmark::kMillisecond);

static void BM_RowUpdate1000(benchmark::State& state) {
  Browsed b;
  averoz::WaveDoc& doc = b.wave->doc();
  int v = 0;
  for (auto _ : state) {
    v = (v + 1) % 4096;
    for (int i = 5000; i < 6000; ++i) doc.waveData[i] = v;
    b.browser->UpdateBrowserRows(*b.wave, 5000, 5999);
    QCoreApplication::processEvents();  // the visible rows repaint
  }
  benchmark::DoNotOptimize(b.browser->browserStale());
}
BENCHMARK(BM_RowUpdate1000)->Unit(benchmark::kMillisecond);

// The browser follows every selection change of its document, a drag in the waveform
// window reports one per pointer move: each step grows the selection by 32 samples.
static void BM_SelectionDragStep(benchmark::State& state) {
  Browsed b;
  averoz::WaveDoc& doc = b.wave->doc();
  int end = 0;
  for (auto _ : state) {
    end = (end + 32) % doc.dataLen;
    doc.SetSelection(0, end);
    QCoreApplication::processEvents();  // the highlighted rows repaint
  }
  benchmark::DoNotOptimize(end);
}
BENCHMARK(BM_SelectionDragStep)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) { return RunOffscreenBenchmarks(argc, argv); }
