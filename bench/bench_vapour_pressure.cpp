// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/vapour_pressure.h"

#include <benchmark/benchmark.h>

namespace {

// The stepped pressure search: about ten thousand error evaluations.
void BM_SolutionPressureAtBoiling(benchmark::State& state) {
  double pressure = 0.0;
  for (auto _ : state) {
    brevimo::SolutionPressureAtBoiling(brevimo::VolPct, 40.0, 84.1, &pressure, nullptr);
    benchmark::DoNotOptimize(pressure);
  }
}
BENCHMARK(BM_SolutionPressureAtBoiling)->Unit(benchmark::kMillisecond);

// One table lookup, walking the whole pressure range.
void BM_WaterBoilingFromPressure(benchmark::State& state) {
  double pressure = 4.57, temperature = 0.0;
  for (auto _ : state) {
    brevimo::WaterBoilingFromPressure(pressure, &temperature, nullptr);
    benchmark::DoNotOptimize(temperature);
    pressure = pressure < 20000.0 ? pressure * 1.0173 : 4.57;
  }
}
BENCHMARK(BM_WaterBoilingFromPressure);

void BM_AlcoholPressureFromBoiling(benchmark::State& state) {
  double temperature = -13.0, pressure = 0.0;
  for (auto _ : state) {
    brevimo::AlcoholPressureFromBoiling(temperature, &pressure, nullptr);
    benchmark::DoNotOptimize(pressure);
    temperature = temperature < 198.0 ? temperature + 0.731 : -13.0;
  }
}
BENCHMARK(BM_AlcoholPressureFromBoiling);

void BM_SolutionBoilingAtPressure(benchmark::State& state) {
  double pressure = 5.0, temperature = 0.0;
  for (auto _ : state) {
    brevimo::SolutionBoilingAtPressure(brevimo::VolPct, 40.0, pressure, &temperature, nullptr);
    benchmark::DoNotOptimize(temperature);
    pressure = pressure < 20000.0 ? pressure * 1.0173 : 5.0;
  }
}
BENCHMARK(BM_SolutionBoilingAtPressure);

void BM_SolutionConcentrationAt(benchmark::State& state) {
  double conc = 0.0;
  for (auto _ : state) {
    brevimo::SolutionConcentrationAt(brevimo::VolPct, 84.1, 760.0, &conc, nullptr);
    benchmark::DoNotOptimize(conc);
  }
}
BENCHMARK(BM_SolutionConcentrationAt);

} // namespace
