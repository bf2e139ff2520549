// SPDX-License-Identifier: GPL-3.0-or-later
// The run chart: building its series from a run's steps, putting a run into
// the window, and the window's time to first paint. Run on the offscreen
// platform (or under a real display for the paint time):
//   QT_QPA_PLATFORM=offscreen ./build-release/bench/chart_bench
#include "app/run_chart.h"
#include "app/run_series.h"
#include "calc/distillation.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QtCharts/QChartView>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

using namespace brevimo;

std::shared_ptr<const DistillationRun> Record(const DistillationInput& input) {
  auto run = std::make_shared<DistillationRun>();
  run->input = input;
  TableBoiling boiling;
  DistillationRecorder recorder(run.get());
  std::string err;
  if (!RunDistillation(input, boiling, &recorder, &run->result, &err))
    std::fprintf(stderr, "run failed: %s\n", err.c_str());
  return run;
}

// The page's opening run (224 steps), the long run from a 10 % vol wash
// down to 0.5 % vol, and the strongest start the tables allow (over 50 000
// steps).
const DistillationInput kWorked{RunByBoiling, 92.5, RunByBoiling, 98.0, 1.0};
const DistillationInput kLong{RunByStrength, 10.0, RunByStrength, 0.5, 20.0};
const DistillationInput kStrongest{RunByStrength, 97.17, RunByStrength, 2.0, 1.0};

void Series(benchmark::State& state, const DistillationInput& input) {
  const auto run = Record(input);
  RunSeries series;
  for (auto _ : state) {
    BuildRunSeries(*run, kRunChartColumns, &series);
    benchmark::DoNotOptimize(series);
  }
  state.counters["steps"] = static_cast<double>(run->steps.size());
  state.counters["points"] = static_cast<double>(series.stillTemperature.size());
}

void Window(benchmark::State& state, const DistillationInput& input) {
  const auto run = Record(input);
  CRunChart window;
  for (auto _ : state)
    window.SetRun(run);
  state.counters["steps"] = static_cast<double>(run->steps.size());
}

void BM_SeriesWorked(benchmark::State& state) { Series(state, kWorked); }
void BM_SeriesLong(benchmark::State& state) { Series(state, kLong); }
void BM_SeriesStrongest(benchmark::State& state) { Series(state, kStrongest); }
void BM_SetRunWorked(benchmark::State& state) { Window(state, kWorked); }
void BM_SetRunLong(benchmark::State& state) { Window(state, kLong); }
void BM_SetRunStrongest(benchmark::State& state) { Window(state, kStrongest); }
BENCHMARK(BM_SeriesWorked)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SeriesLong)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SeriesStrongest)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SetRunWorked)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SetRunLong)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SetRunStrongest)->Unit(benchmark::kMicrosecond);

// Notes when the chart has been painted once.
class PaintWatch : public QObject {
public:
  bool painted = false;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted = true;
    return QObject::eventFilter(watched, event);
  }
};

// From making the window to the end of the chart's first paint.
double FirstPaintMs(const DistillationInput& input) {
  const auto run = Record(input);
  QElapsedTimer timer;
  timer.start();
  CRunChart window;
  window.SetRun(run);
  PaintWatch watch;
  auto* view = window.findChild<QChartView*>(QString::number(CRunChart::IDC_CHART));
  view->viewport()->installEventFilter(&watch);
  window.show();
  while (!watch.painted && timer.elapsed() < 10000)
    QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
  // The paint event has been delivered; let it finish.
  QApplication::processEvents();
  return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  FirstPaintMs(kWorked); // warms up fonts and styles
  std::printf("first paint of the chart window: worked run %.1f ms, long run %.1f ms, "
              "strongest run %.1f ms\n",
              FirstPaintMs(kWorked), FirstPaintMs(kLong), FirstPaintMs(kStrongest));
  return 0;
}
