// Start-up of the editor to its first shown main window (offscreen platform): main window,
// start-up document, settings read at the first show.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "ui/app/TMainForm.h"

static void BM_StartupToFirstShow(benchmark::State& state) {
  for (auto _ : state) {
    averoz::TMainForm form;
    form.CreateStartupDocument();
    form.show();
    QCoreApplication::processEvents();
    benchmark::DoNotOptimize(form.isVisible());
  }
}
BENCHMARK(BM_StartupToFirstShow)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // The first QApplication also loads the platform plugin and fonts: that belongs to a
  // start-up too, so it is timed once on its own.
  const auto t0 = std::chrono::steady_clock::now();
  QApplication app(argc, argv);
  {
    averoz::TMainForm form;
    form.CreateStartupDocument();
    form.show();
    QCoreApplication::processEvents();
  }
  const auto ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0);
  std::printf("cold start (application + first main window): %.1f ms\n", ms.count());
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
