// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/concentration.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ConvertConcentration(benchmark::State& state) {
  double value = 0.5, result = 0.0, density = 0.0;
  for (auto _ : state) {
    brevimo::ConvertConcentration(brevimo::VolPct, brevimo::MassPct, value, &result, &density,
                                  nullptr);
    benchmark::DoNotOptimize(result);
    benchmark::DoNotOptimize(density);
    value = value < 99.0 ? value + 0.731 : 0.5; // walks the whole table
  }
}
BENCHMARK(BM_ConvertConcentration);

void BM_ConcentrationFromDensity(benchmark::State& state) {
  double density = 0.79, result = 0.0;
  for (auto _ : state) {
    brevimo::ConcentrationFromDensity(density, brevimo::VolPct, &result, nullptr);
    benchmark::DoNotOptimize(result);
    density = density < 0.998 ? density + 0.00173 : 0.79;
  }
}
BENCHMARK(BM_ConcentrationFromDensity);

} // namespace
