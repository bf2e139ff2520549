// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/temperature_correction.h"

#include <benchmark/benchmark.h>

namespace {

void BM_DensityAtTemperature(benchmark::State& state) {
  double c = 0.5, t = -24.9, density = 0.0;
  for (auto _ : state) {
    brevimo::DensityAtTemperature(c, t, &density);
    benchmark::DoNotOptimize(density);
    c = c < 99.0 ? c + 0.731 : 0.5; // walks the grid, weak corner included
    t = t < 39.0 ? t + 0.377 : -24.9;
  }
}
BENCHMARK(BM_DensityAtTemperature);

void BM_ConcentrationAtTemperature(benchmark::State& state) {
  double d = 0.78, t = -24.9, c = 0.0;
  for (auto _ : state) {
    brevimo::ConcentrationAtTemperature(d, t, &c);
    benchmark::DoNotOptimize(c);
    d = d < 0.998 ? d + 0.00173 : 0.78;
    t = t < 39.0 ? t + 0.377 : -24.9;
  }
}
BENCHMARK(BM_ConcentrationAtTemperature);

} // namespace
