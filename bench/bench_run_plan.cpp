// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/run_plan.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace brevimo;

// 100 l of a 10 % vol wash boiled down to a pot at 99 °C: 5 % heads, hearts
// until the pot passes 96 °C, on `plates` plates with reflux 3 at 2000 W.
void BM_PlanRun(benchmark::State& state) {
  const RunPlanInput input{RunByStrength, 10.0,   100.0,        static_cast<int>(state.range(0)),
                           3.0,           2000.0, 10.0,         5.0,
                           RunByBoiling,  96.0,   RunByBoiling, 99.0};
  TableBoiling boiling;
  int steps = 0;
  for (auto _ : state) {
    RunPlan plan;
    std::string err;
    if (!PlanRun(input, boiling, &plan, &err)) {
      state.SkipWithError(err.c_str());
      break;
    }
    steps = plan.steps;
    benchmark::DoNotOptimize(plan);
  }
  state.counters["steps"] = steps;
}
BENCHMARK(BM_PlanRun)->Arg(0)->Arg(5)->Arg(30)->Unit(benchmark::kMillisecond);

} // namespace
