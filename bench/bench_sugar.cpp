// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/sugar.h"

#include <benchmark/benchmark.h>

namespace {

void BM_SugarFromVolumeContent(benchmark::State& state) {
  double content = 0.0, w = 0.0, rho = 0.0;
  for (auto _ : state) {
    brevimo::SugarFromVolumeContent(content, &w, &rho);
    benchmark::DoNotOptimize(w);
    benchmark::DoNotOptimize(rho);
    content = content < 120.0 ? content + 0.37 : 0.0;
  }
}
BENCHMARK(BM_SugarFromVolumeContent);

void BM_SugarFromDensity(benchmark::State& state) {
  double density = 1.0, content = 0.0, w = 0.0;
  for (auto _ : state) {
    brevimo::SugarFromDensity(density, &content, &w);
    benchmark::DoNotOptimize(content);
    benchmark::DoNotOptimize(w);
    density = density < 1.44 ? density + 0.0013 : 1.0;
  }
}
BENCHMARK(BM_SugarFromDensity);

// A whole batch as the page computes it: the solution, then its make-up.
void BM_SugarBatch(benchmark::State& state) {
  double w = 0.0, rho = 0.0;
  int given = 0;
  brevimo::SugarBatch batch;
  for (auto _ : state) {
    brevimo::SugarFromVolumeContent(10.0, &w, &rho);
    brevimo::ComposeSugarSolution(given, 1000.0, w, rho, &batch);
    benchmark::DoNotOptimize(batch);
    given = (given + 1) % 4;
  }
}
BENCHMARK(BM_SugarBatch);

} // namespace
