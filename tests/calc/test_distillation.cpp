// SPDX-License-Identifier: GPL-3.0-or-later
// The run simulation against a boiling model simple enough to solve by hand:
// the boiling temperature falls linearly with the strength and the vapour is
// k times as strong as the liquid (by mass). Then every step multiplies the
// still's ethanol by (1 - 0.001 k) and its mass by 0.999, and the whole run
// has a closed form to check the step loop against.
#include "calc/concentration.h"
#include "calc/distillation.h"
#include "tests/calc/alloc_count.h"
#include "tests/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace brevimo;

namespace {

const std::string kStartNotAboveEnd = "Ошибка, стартовая концентрация  ниже или равна стоповой";
const std::string kNoProgress =
    "Ошибка, крепость в кубе больше не снижается: стоповая концентрация недостижима";

// T = 100 - 0.4 m, vapour y = k m (mass %). Optionally fails at a given call
// of BoilingFromLiquid (counted from 1).
class LinearBoiling : public BoilingOperations {
public:
  explicit LinearBoiling(double k) : m_k(k) {}

  int LiquidFromBoiling(double boiling, double* liquidMass) override {
    ++liquidCalls;
    if (!(boiling < 100.0 && boiling >= 60.0)) return Fail("fake: no liquid");
    *liquidMass = (100.0 - boiling) / 0.4;
    return 1;
  }
  int BoilingFromLiquid(double m, double* boiling, double* vapourMass,
                        double* vapourVolume) override {
    ++boilingCalls;
    if (boilingCalls == failAtCall) return Fail("fake: failure on call");
    if (!(m > 0.0 && m * m_k <= 100.0)) return Fail("fake: no boiling");
    *boiling = 100.0 - 0.4 * m;
    if (vapourMass) *vapourMass = m_k * m;
    if (vapourVolume)
      ConvertConcentration(MassPct, VolPct, m_k * m, vapourVolume, nullptr, nullptr);
    return 1;
  }
  const std::string& ErrorText() const override { return m_err; }

  int liquidCalls = 0;
  int boilingCalls = 0;
  int failAtCall = -1;

private:
  int Fail(const char* message) {
    m_err = message;
    return 0;
  }
  double m_k;
  std::string m_err;
};

// Keeps every step (tests only: allocation here is fine).
class Recorder : public DistillationSink {
public:
  void OnStep(const DistillationStep& step) override { rows.push_back(step); }
  std::vector<DistillationStep> rows;
};

double Density(double mass) {
  double volume = 0, density = 0;
  EXPECT_EQ(ConvertConcentration(MassPct, VolPct, mass, &volume, &density, nullptr), 1) << mass;
  return density;
}

double Volume(double mass) {
  double volume = 0;
  EXPECT_EQ(ConvertConcentration(MassPct, VolPct, mass, &volume, nullptr, nullptr), 1) << mass;
  return volume;
}

DistillationInput ByTemperature(double start, double end, double wash) {
  return {RunByBoiling, start, RunByBoiling, end, wash};
}

struct RunOutcome {
  int ok;
  DistillationResult result;
  std::vector<DistillationStep> rows;
  std::string err;
};

RunOutcome Simulate(const DistillationInput& in, BoilingOperations& boiling) {
  RunOutcome r;
  Recorder rec;
  r.ok = RunDistillation(in, boiling, &rec, &r.result, &r.err);
  r.rows = std::move(rec.rows);
  return r;
}

// ---- the step loop against the closed form ----

struct ClosedFormCase {
  double k;
  double startT, endT, wash;
};

class ClosedForm : public ::testing::TestWithParam<ClosedFormCase> {};

TEST_P(ClosedForm, StepsAndResultsMatchTheSolvedRun) {
  const ClosedFormCase c = GetParam();
  LinearBoiling boiling(c.k);
  const RunOutcome run = Simulate(ByTemperature(c.startT, c.endT, c.wash), boiling);
  ASSERT_EQ(run.ok, 1) << run.err;

  const double m0 = (100.0 - c.startT) / 0.4, mEnd = (100.0 - c.endT) / 0.4;
  const double r = (1.0 - 0.001 * c.k) / 0.999; // strength ratio of one step
  // The run stops at the first n with m0 r^n < mEnd.
  const int n = static_cast<int>(std::floor(std::log(mEnd / m0) / std::log(r))) + 1;
  ASSERT_EQ(run.result.steps, n);
  ASSERT_EQ(run.rows.size(), static_cast<std::size_t>(n));

  const double M0 = Density(m0) * c.wash;
  const double mN = m0 * std::pow(r, n);
  const double left = M0 * std::pow(0.999, n); // mass in the still
  const double alcohol = M0 * m0 * 0.01 * (1.0 - std::pow(1.0 - 0.001 * c.k, n));
  const double outMass = alcohol / (M0 - left) * 100.0;
  const DistillationStep& last = run.rows.back();
  EXPECT_NEAR(last.TKipBak, 100.0 - 0.4 * mN, 1e-9);
  EXPECT_NEAR(last.VConBak, Volume(mN), 1e-9);
  EXPECT_NEAR(last.VolBak, left / Density(mN), 1e-9 * c.wash);
  EXPECT_NEAR(last.OutVolCon, Volume(outMass), 1e-9);
  EXPECT_NEAR(last.OutVol, (M0 - left) / Density(outMass), 1e-9 * c.wash);
  // The last step's vapour came off the liquid as it was before that step.
  EXPECT_NEAR(last.ParVolCon, Volume(c.k * mN / r), 1e-9);

  // The page shows the last row.
  EXPECT_EQ(run.result.OutVol, last.OutVol);
  EXPECT_EQ(run.result.OutVolCon, last.OutVolCon);
  EXPECT_EQ(run.result.VolBak, last.VolBak);
  // The state before the last step had not yet passed the end.
  if (n > 1) {
    EXPECT_LE(run.rows[n - 2].TKipBak, c.endT);
  }
  EXPECT_GT(last.TKipBak, c.endT);
}

INSTANTIATE_TEST_SUITE_P(
    LinearModel, ClosedForm,
    ::testing::Values(ClosedFormCase{3.0, 96.0, 98.0, 1.0},     // 10 % to 5 % by mass
                      ClosedFormCase{5.0, 92.0, 99.5, 20.0},    // a long run, big charge
                      ClosedFormCase{2.0, 97.0, 97.001, 0.5},   // ends after one step
                      ClosedFormCase{10.0, 97.0, 99.9, 1e-3})); // volumes scale with the wash

TEST(RunDistillation, BoilingFailuresStopWithTheBoilingMessage) {
  // Call 1 checks the start liquid; step s makes calls 2s and 2s + 1.
  struct Case {
    int failAt;
    int stepsDone;
  };
  for (Case c : {Case{1, 0}, Case{2, 0}, Case{3, 0}, Case{10, 4}, Case{11, 4}}) {
    LinearBoiling boiling(3.0);
    boiling.failAtCall = c.failAt;
    const RunOutcome run = Simulate(ByTemperature(96.0, 98.0, 1.0), boiling);
    EXPECT_EQ(run.ok, 0);
    EXPECT_EQ(run.err, "fake: failure on call") << c.failAt;
    EXPECT_EQ(run.err, boiling.ErrorText());
    ASSERT_EQ(run.rows.size(), static_cast<std::size_t>(c.stepsDone)) << c.failAt;
    EXPECT_EQ(run.result.steps, c.stepsDone);
    if (c.stepsDone > 0) {
      EXPECT_EQ(run.result.OutVol, run.rows.back().OutVol);
      EXPECT_EQ(run.result.VolBak, run.rows.back().VolBak);
    }
  }
}

TEST(RunDistillation, AllocatesNothingPerStep) {
  auto allocationsOf = [](double endT, int* steps) {
    LinearBoiling boiling(3.0);
    DistillationResult result;
    std::string err;
    const long before = test::AllocationCount();
    EXPECT_EQ(RunDistillation(ByTemperature(96.0, endT, 1.0), boiling, nullptr, &result, &err), 1);
    *steps = result.steps;
    return test::AllocationCount() - before;
  };
  int shortSteps = 0, longSteps = 0;
  const long shortRun = allocationsOf(97.0, &shortSteps);
  const long longRun = allocationsOf(99.9, &longSteps);
  EXPECT_GT(longSteps, shortSteps + 1000);
  EXPECT_EQ(longRun, shortRun);
}

// ---- the results file ----

// Not run under Wine (cmake/Windows.cmake): the Windows C library has no
// "ru_RU.UTF-8" locale (it names it "ru-RU"), and the Windows program never
// leaves the "C" locale anyway.
TEST(ResultsFile, RowsAreFormattedLikePrintfWhateverTheLocale) {
  const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
  ASSERT_NE(std::setlocale(LC_NUMERIC, "ru_RU.UTF-8"), nullptr); // decimal comma
  char row[DistillationFile::kRowCapacity];
  const DistillationStep step{92.525001, 10.114, 0.99887, 55.785, 0.00113, -0.004};
  // 55.785 is stored just below, so printf rounds it down.
  EXPECT_EQ(std::string(row, DistillationFile::FormatRow(step, row)),
            "92.53\t10.11\t0.9989\t55.78\t0.0011\t-0.00\n");

  // Ties, large and tiny values round as printf rounds them in the C locale.
  std::setlocale(LC_NUMERIC, "C");
  const double values[] = {0.125, 0.375,   2.675,    0.00005, 12345.67895,
                           1e20,  1.7e308, -3.14159, 5e-324};
  for (double a : values) {
    const DistillationStep s{a, -a, a, a / 3, a * 7, 100.0 - a};
    char expected[DistillationFile::kRowCapacity];
    std::snprintf(expected, sizeof expected, "%.2f\t%.2f\t%.4f\t%.2f\t%.4f\t%.2f\n", s.TKipBak,
                  s.VConBak, s.VolBak, s.ParVolCon, s.OutVol, s.OutVolCon);
    std::setlocale(LC_NUMERIC, "ru_RU.UTF-8");
    EXPECT_EQ(std::string(row, DistillationFile::FormatRow(s, row)), expected) << a;
    std::setlocale(LC_NUMERIC, "C");
  }
  std::setlocale(LC_NUMERIC, previous.c_str());
}

TEST(ResultsFile, ASinkGetsTheStepsDoneBeforeAFailure) {
  LinearBoiling boiling(3.0);
  boiling.failAtCall = 2 * 6; // the second lookup of step 6
  DistillationResult result;
  struct Counter final : DistillationSink {
    void OnStep(const DistillationStep&) override { ++steps; }
    int steps = 0;
  } rows;
  EXPECT_EQ(RunDistillation(ByTemperature(96.0, 98.0, 1.0), boiling, &rows, &result, nullptr), 0);
  EXPECT_EQ(rows.steps, 5);
  EXPECT_EQ(result.steps, 5);
}

} // namespace

// ---- the run over the built-in boiling table ----

namespace {

struct TableRun {
  int ok;
  DistillationResult result;
  std::string firstRow, lastRow;
  DistillationStep last;
  std::string err;
};

class RowKeeper : public DistillationSink {
public:
  void OnStep(const DistillationStep& step) override {
    if (!seen) first = step;
    last = step;
    seen = true;
  }
  std::string Row(const DistillationStep& step) const {
    char row[DistillationFile::kRowCapacity];
    return seen ? std::string(row, DistillationFile::FormatRow(step, row)) : std::string();
  }
  bool seen = false;
  DistillationStep first{}, last{};
};

TableRun OverTable(const DistillationInput& in) {
  TableBoiling boiling;
  RowKeeper rows;
  TableRun r{};
  r.ok = RunDistillation(in, boiling, &rows, &r.result, &r.err);
  r.firstRow = rows.Row(rows.first);
  r.lastRow = rows.Row(rows.last);
  r.last = rows.last;
  return r;
}

// The two worked runs: the page's opening inputs, and a 20-litre wash run
// between strengths.
TEST(RunOverBoilingTable, WorkedRuns) {
  const TableRun page = OverTable({RunByBoiling, 92.5, RunByBoiling, 98.0, 1.0});
  ASSERT_EQ(page.ok, 1) << page.err;
  EXPECT_EQ(page.result.steps, 224);
  EXPECT_NEAR(page.result.OutVol, 0.2087, 5e-5);
  EXPECT_NEAR(page.result.OutVolCon, 40.6487, 5e-5);
  EXPECT_NEAR(page.result.VolBak, 0.7908, 5e-5);
  EXPECT_EQ(page.firstRow, "92.53\t10.11\t0.9989\t55.79\t0.0011\t55.79\n");
  EXPECT_EQ(page.lastRow, "98.00\t2.12\t0.7908\t20.90\t0.2087\t40.65\n");

  const TableRun wash = OverTable({RunByStrength, 10.0, RunByStrength, 2.0, 20.0});
  ASSERT_EQ(wash.ok, 1) << wash.err;
  EXPECT_EQ(wash.result.steps, 228);
  EXPECT_NEAR(wash.result.OutVol, 4.2361, 5e-5);
  EXPECT_NEAR(wash.result.OutVolCon, 39.8368, 5e-5);
  EXPECT_NEAR(wash.result.VolBak, 15.7519, 5e-5);
}

TEST(RunOverBoilingTable, KindsMixAfterConversionToMassPercent) {
  // 10 % vol (8.05 % by mass) against 98 °C (1.84 % by mass)
  const TableRun mixed = OverTable({RunByStrength, 10.0, RunByBoiling, 98.0, 1.0});
  ASSERT_EQ(mixed.ok, 1) << mixed.err;
  // the first state past 98 °C
  EXPECT_GT(mixed.last.TKipBak, 98.0);
  EXPECT_LT(mixed.last.TKipBak, 98.02);
  // 2 % vol boils at 98.12 °C, after 92.5 °C's 10.16 % vol: 2 % vol is passed later.
  const TableRun strengths = OverTable({RunByBoiling, 92.5, RunByStrength, 2.0, 1.0});
  ASSERT_EQ(strengths.ok, 1);
  EXPECT_GT(strengths.result.steps, 224);
  // a start weaker than the end, in another kind
  const TableRun refused = OverTable({RunByStrength, 2.0, RunByBoiling, 92.5, 1.0});
  EXPECT_EQ(refused.err, kStartNotAboveEnd);
}

// Runs that cannot reach their end stop with a message in bounded steps.
TEST(RunOverBoilingTable, UnreachableEndsStop) {
  // The azeotrope boils off unchanged.
  const TableRun azeotrope = OverTable({RunByBoiling, 78.15, RunByBoiling, 99.0, 1.0});
  EXPECT_EQ(azeotrope.err, kNoProgress);
  EXPECT_EQ(azeotrope.result.steps, 0);
  // An end of 0 % vol is never passed.
  EXPECT_EQ(OverTable({RunByStrength, 10.0, RunByStrength, 0.0, 20.0}).err,
            "Ошибка, стоповая концентрация должна быть больше 0");
  // Ends so small that the still's ethanol underflows first.
  for (double end : {1e-300, 1e-320, 5e-324}) {
    const TableRun tiny = OverTable({RunByStrength, 10.0, RunByStrength, end, 20.0});
    EXPECT_EQ(tiny.err, kNoProgress) << end;
    EXPECT_LT(tiny.result.steps, kRunMaxSteps);
  }
  // Starting just off the azeotrope the strength creeps away from it too
  // slowly to end.
  const TableRun creep = OverTable({RunByBoiling, 78.15001, RunByBoiling, 99.0, 1.0});
  EXPECT_EQ(creep.err, "Ошибка, стоповая концентрация не достигнута за 100000 шагов");
}

TEST(RunOverBoilingTable, LongestRunsThatEnd) {
  // the end just below 100 °C
  const TableRun hot = OverTable({RunByStrength, 10.0, RunByBoiling, 99.99999999999999, 20.0});
  ASSERT_EQ(hot.ok, 1) << hot.err;
  EXPECT_EQ(hot.lastRow.substr(0, 11), "100.00\t0.00");
  // the strongest start the table allows, 97.17 % vol
  const TableRun top = OverTable({RunByStrength, 97.17, RunByStrength, 2.0, 1.0});
  ASSERT_EQ(top.ok, 1) << top.err;
  EXPECT_GT(top.result.steps, 50000);
  EXPECT_NEAR(top.result.OutVolCon, 97.17, 0.01);
}

TEST(RunOverBoilingTable, ChargesBeyondDoublesAreRefused) {
  const TableRun huge = OverTable({RunByBoiling, 92.5, RunByBoiling, 98.0, 1.7e308});
  EXPECT_EQ(huge.ok, 0);
  EXPECT_EQ(huge.err, "Результат расчета вне допустимого диапазона.\nПроверьте исходные данные.");
  // a large but representable charge scales the worked run
  const TableRun big = OverTable({RunByBoiling, 92.5, RunByBoiling, 98.0, 1e300});
  ASSERT_EQ(big.ok, 1);
  EXPECT_NEAR(big.result.OutVol / 1e300, 0.2087, 5e-5);
}

} // namespace
