// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/blending.h"
#include "calc/concentration.h"

#include <benchmark/benchmark.h>

namespace {

// A dilution as the page runs it: both strengths converted, then the volumes.
void BM_DiluteSpirit(benchmark::State& state) {
  const int given = static_cast<int>(state.range(0));
  double result = 40.0, m0, d0, mf, df, v0, vw, vr;
  for (auto _ : state) {
    brevimo::ConvertConcentration(brevimo::VolPct, brevimo::MassPct, 96.0, &m0, &d0, nullptr);
    brevimo::ConvertConcentration(brevimo::VolPct, brevimo::MassPct, result, &mf, &df, nullptr);
    brevimo::DiluteSpirit(given, 1000.0, m0, d0, mf, df, &v0, &vw, &vr, nullptr);
    benchmark::DoNotOptimize(v0);
    benchmark::DoNotOptimize(vw);
    benchmark::DoNotOptimize(vr);
    result = result < 90.0 ? result + 0.731 : 1.5;
  }
}
BENCHMARK(BM_DiluteSpirit)
    ->Arg(brevimo::GivenSpirit)
    ->Arg(brevimo::GivenWater)
    ->Arg(brevimo::GivenResult);

// A mixing of two solutions, conversions there and back included.
void BM_MixSolutions(benchmark::State& state) {
  double strength2 = 1.5;
  for (auto _ : state) {
    double m1, d1, m2, d2, a1, w1, a2, w2, pr, dr;
    brevimo::ConvertConcentration(brevimo::VolPct, brevimo::MassPct, 96.0, &m1, &d1, nullptr);
    brevimo::ConvertConcentration(brevimo::VolPct, brevimo::MassPct, strength2, &m2, &d2, nullptr);
    brevimo::SolutionMasses(1000.0, m1, d1, &a1, &w1);
    brevimo::SolutionMasses(1000.0, m2, d2, &a2, &w2);
    const double mr = brevimo::MixtureMassPct(a1 + a2, w1 + w2);
    brevimo::ConvertConcentration(brevimo::MassPct, brevimo::VolPct, mr, &pr, &dr, nullptr);
    benchmark::DoNotOptimize(brevimo::MixtureVolume(a1 + a2, w1 + w2, dr));
    strength2 = strength2 < 90.0 ? strength2 + 0.731 : 1.5;
  }
}
BENCHMARK(BM_MixSolutions);

} // namespace
