// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/distillation.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace {

using namespace brevimo;

// The results file's rows written out as the run goes, as the page does.
class RowsToFile final : public DistillationSink {
public:
  explicit RowsToFile(std::FILE* file) : m_file(file) {
    std::fputs(DistillationFile::kHeader, file);
  }
  void OnStep(const DistillationStep& step) override {
    char row[DistillationFile::kRowCapacity];
    std::fwrite(row, 1, DistillationFile::FormatRow(step, row), m_file);
  }

private:
  std::FILE* m_file;
};

// The page's opening run (224 steps) and a long run from a 10 % vol wash
// down to 0.5 % vol (363 steps).
const DistillationInput kWorkedRun{RunByBoiling, 92.5, RunByBoiling, 98.0, 1.0};
const DistillationInput kLongRun{RunByStrength, 10.0, RunByStrength, 0.5, 20.0};

void Run(benchmark::State& state, const DistillationInput& input, bool toFile) {
  TableBoiling boiling;
  const std::string path =
      (std::filesystem::temp_directory_path() / "brevimo_bench_run.txt").string();
  int steps = 0;
  for (auto _ : state) {
    DistillationResult result;
    std::string err;
    std::FILE* file = toFile ? std::fopen(path.c_str(), "w") : nullptr;
    if (toFile && !file) {
      state.SkipWithError("cannot create the results file");
      break;
    }
    std::optional<RowsToFile> rows;
    if (file) rows.emplace(file);
    const int ok = RunDistillation(input, boiling, rows ? &*rows : nullptr, &result, &err);
    if (file) std::fclose(file);
    if (!ok) {
      state.SkipWithError(err.c_str());
      break;
    }
    steps = result.steps;
    benchmark::DoNotOptimize(result);
  }
  state.counters["steps"] = steps;
  if (toFile) std::filesystem::remove(path);
}

void BM_RunWorked(benchmark::State& state) { Run(state, kWorkedRun, false); }
void BM_RunWorkedToFile(benchmark::State& state) { Run(state, kWorkedRun, true); }
void BM_RunLong(benchmark::State& state) { Run(state, kLongRun, false); }
void BM_RunLongToFile(benchmark::State& state) { Run(state, kLongRun, true); }
// A run recorded for its chart: every step kept in memory.
void Record(benchmark::State& state, const DistillationInput& input) {
  TableBoiling boiling;
  std::size_t steps = 0;
  for (auto _ : state) {
    DistillationRun run;
    std::string err;
    DistillationRecorder recorder(&run);
    if (!RunDistillation(input, boiling, &recorder, &run.result, &err)) {
      state.SkipWithError(err.c_str());
      break;
    }
    steps = run.steps.size();
    benchmark::DoNotOptimize(run);
  }
  state.counters["steps"] = static_cast<double>(steps);
}

void BM_RecordWorked(benchmark::State& state) { Record(state, kWorkedRun); }
void BM_RecordLong(benchmark::State& state) { Record(state, kLongRun); }
BENCHMARK(BM_RecordWorked)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RecordLong)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RunWorked)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RunWorkedToFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RunLong)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RunLongToFile)->Unit(benchmark::kMicrosecond);

} // namespace
