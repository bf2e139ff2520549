// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/boiling.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void BM_BoilingFromLiquid(benchmark::State& state) {
  double liquid = 0.005, t = 0.0, vm = 0.0, vv = 0.0;
  std::string err;
  for (auto _ : state) {
    brevimo::BoilingFromLiquid(liquid, &t, &vm, &vv, &err);
    benchmark::DoNotOptimize(t);
    benchmark::DoNotOptimize(vv);
    liquid = liquid < 95.0 ? liquid + 0.377 : 0.005; // walks the whole table
  }
}
BENCHMARK(BM_BoilingFromLiquid);

void BM_LiquidFromBoiling(benchmark::State& state) {
  double boiling = 78.15, liquid = 0.0;
  std::string err;
  for (auto _ : state) {
    brevimo::LiquidFromBoiling(boiling, &liquid, &err);
    benchmark::DoNotOptimize(liquid);
    boiling = boiling < 99.9 ? boiling + 0.0871 : 78.15;
  }
}
BENCHMARK(BM_LiquidFromBoiling);

} // namespace
