// SPDX-License-Identifier: GPL-3.0-or-later
// The planned run: without plates it is the batch run step for step; with
// them the column's distillate against total reflux and against itself
// (more plates, more reflux), the masses kept, the refusals, and a worked
// plan.
#include "calc/boiling.h"
#include "calc/concentration.h"
#include "calc/run_plan.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

using namespace brevimo;

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct Planned {
  int ok;
  RunPlan plan;
  std::string err;
};

Planned Plan(const RunPlanInput& in) {
  TableBoiling boiling;
  Planned p;
  p.ok = PlanRun(in, boiling, &p.plan, &p.err);
  return p;
}

class Steps final : public DistillationSink {
public:
  void OnStep(const DistillationStep& step) override { rows.push_back(step); }
  std::vector<DistillationStep> rows;
};

// The pot's vapour stepped up `stages` times along y = x, in mass %.
double StepUp(double pot, int stages) {
  for (int k = 0; k < stages; ++k) {
    double t = 0, vapourMass = 0, vapourMolar = 0;
    EXPECT_EQ(BoilingLookup(pot, &t, &vapourMass, &vapourMolar), 1) << pot;
    pot = vapourMass;
  }
  return pot;
}

TEST(PlanRun, WithoutPlatesItIsTheRunStepForStep) {
  // The run page's opening example, and a 20-litre wash cut into fractions
  // (the cuts do not change the course).
  struct Case {
    DistillationInput run;
    double heads;
    int heartsKind;
    double heartsEnd;
  };
  for (const Case& c :
       {Case{{RunByBoiling, 92.5, RunByBoiling, 98.0, 1.0}, 0.0, RunByBoiling, 98.0},
        Case{{RunByStrength, 10.0, RunByBoiling, 99.0, 20.0}, 5.0, RunByStrength, 40.0}}) {
    TableBoiling boiling;
    Steps run;
    DistillationResult result;
    std::string err;
    ASSERT_EQ(RunDistillation(c.run, boiling, &run, &result, &err), 1) << err;
    // Reflux out of range is ignored without plates.
    const Planned p =
        Plan({c.run.startKind, c.run.startValue, c.run.washVolume, 0, -1.0, 1000.0, 10.0, c.heads,
              c.heartsKind, c.heartsEnd, c.run.endKind, c.run.endValue});
    ASSERT_EQ(p.ok, 1) << p.err;
    ASSERT_EQ(p.plan.course.size(), run.rows.size());
    for (std::size_t i = 0; i < run.rows.size(); ++i) {
      const RunPlanStep& s = p.plan.course[i];
      const DistillationStep& r = run.rows[i];
      ASSERT_EQ(s.potBoiling, r.TKipBak) << i;
      ASSERT_EQ(s.potStrength, r.VConBak) << i;
      ASSERT_EQ(s.potVolume, r.VolBak) << i;
      ASSERT_EQ(s.stream, r.ParVolCon) << i;
      ASSERT_EQ(s.collected, r.OutVol) << i;
    }
    EXPECT_NEAR(p.plan.pot.volume, result.VolBak, 1e-12 * result.VolBak);
  }
  // The worked run's figures, through the plan.
  const Planned worked = Plan(
      {RunByBoiling, 92.5, 1.0, 0, 3.0, 1000.0, 10.0, 0.0, RunByBoiling, 98.0, RunByBoiling, 98.0});
  ASSERT_EQ(worked.ok, 1) << worked.err;
  EXPECT_EQ(worked.plan.steps, 224);
  const RunPlanFraction& hearts = worked.plan.fractions[PlanHearts];
  EXPECT_EQ(worked.plan.fractions[PlanHeads].steps, 0);
  EXPECT_EQ(worked.plan.fractions[PlanTails].steps, 0);
  EXPECT_NEAR(hearts.liquid.volume, 0.2087, 5e-5);
  EXPECT_NEAR(hearts.liquid.strength, 40.6487, 5e-5);
  EXPECT_NEAR(worked.plan.pot.volume, 0.7908, 5e-5);
}

TEST(PlanRun, MassesAreKeptAndTheClockAddsUp) {
  // The last: a column that strips the pot of its ethanol.
  struct Case {
    int plates;
    double reflux, end;
  };
  for (auto [plates, reflux, end] :
       {Case{0, 3.0, 99.0}, Case{5, 3.0, 99.0}, Case{30, 3.0, 99.0}, Case{30, 1000.0, 99.9}}) {
    const Planned p = Plan({RunByStrength, 10.0, 100.0, plates, reflux, 2000.0, 10.0, 5.0,
                            RunByBoiling, 96.0, RunByBoiling, end});
    ASSERT_EQ(p.ok, 1) << p.err;
    const RunPlan& plan = p.plan;
    double mass = plan.pot.mass, alcohol = plan.pot.alcoholMass, minutes = 0;
    for (const RunPlanFraction& f : plan.fractions) {
      mass += f.liquid.mass;
      alcohol += f.liquid.alcoholMass;
      minutes += f.minutes;
      EXPECT_GT(f.steps, 0) << plates;
    }
    EXPECT_NEAR(mass, plan.charge.mass, 1e-9 * plan.charge.mass) << plates;
    EXPECT_NEAR(alcohol, plan.charge.alcoholMass, 1e-9 * plan.charge.alcoholMass) << plates;
    EXPECT_NEAR(minutes, plan.fractions[PlanTails].endMinutes, 1e-9 * minutes) << plates;
    EXPECT_DOUBLE_EQ(plan.course.back().minutes, plan.fractions[PlanTails].endMinutes);
    // Heads come within half a step's alcohol of their share (a step takes
    // at most the azeotrope's 95.57 % of a thousandth of the pot).
    const double halfStep =
        0.5 * kRunStepFraction * 95.57 * plan.charge.mass / plan.charge.alcoholMass / 100.0;
    EXPECT_NEAR(plan.fractions[PlanHeads].liquid.alcoholMass / plan.charge.alcoholMass, 0.05,
                halfStep)
        << plates;
    // The first step lasts its volume over the still's output at its strength.
    double total = 0, output = 0;
    ASSERT_EQ(DistillateFlow(2000.0, 10.0, plates ? reflux : 0.0, plan.course[0].stream, PerMinute,
                             &total, &output, nullptr, nullptr),
              1);
    EXPECT_NEAR(plan.course[0].minutes, plan.course[0].collected * 1000.0 / output,
                1e-9 * plan.course[0].minutes);
  }
}

TEST(ColumnDistillate, TotalRefluxStepsPlatesPlusOneStagesUp) {
  for (double pot : {0.5, 5.0, 10.0, 33.3, 80.0, 95.0})
    for (int plates : {1, 3, 10, 50}) {
      double x = 0;
      ASSERT_EQ(ColumnDistillate(pot, plates, kInfinity, 0.0, &x), 1);
      EXPECT_NEAR(x, StepUp(pot, plates + 1), 1e-9) << pot << " " << plates;
    }
  // The plan's first stream at the largest reflux comes close, from below.
  const Planned p = Plan({RunByStrength, 10.0, 20.0, 3, kPlanMaxReflux, 2000.0, 10.0, 0.0,
                          RunByBoiling, 95.0, RunByBoiling, 98.0});
  ASSERT_EQ(p.ok, 1) << p.err;
  double m0 = 0, total = 0;
  ASSERT_EQ(ConvertConcentration(VolPct, MassPct, 10.0, &m0, nullptr, nullptr), 1);
  ASSERT_EQ(ConvertConcentration(MassPct, VolPct, StepUp(m0, 4), &total, nullptr, nullptr), 1);
  EXPECT_LT(p.plan.course[0].stream, total);
  EXPECT_GT(p.plan.course[0].stream, total - 0.02);
}

TEST(ColumnDistillate, MorePlatesOrRefluxNeverWeaken) {
  const double refluxes[] = {0.0, 0.5, 1.0, 3.0, 10.0, 100.0, 1000.0, kInfinity};
  for (double pot : {0.05, 1.0, 5.0, 12.0, 40.0, 80.0, 95.5}) {
    double previousRow[std::size(refluxes)] = {};
    for (int plates = 0; plates <= kPlanMaxPlates; plates += plates < 6 ? 1 : 11) {
      double previous = 0;
      for (std::size_t r = 0; r < std::size(refluxes); ++r) {
        double x = 0, warm = 0;
        ASSERT_EQ(ColumnDistillate(pot, plates, refluxes[r], 0.0, &x), 1);
        EXPECT_GE(x, previous - 1e-9) << pot << " " << plates << " " << refluxes[r];
        EXPECT_GE(x, previousRow[r] - 1e-9) << pot << " " << plates << " " << refluxes[r];
        EXPECT_LE(x, 95.57) << pot << " " << plates << " " << refluxes[r];
        // A search started from a nearby answer finds the same.
        ASSERT_EQ(ColumnDistillate(pot, plates, refluxes[r], x * 1.001, &warm), 1);
        EXPECT_NEAR(warm, x, 1e-9);
        previous = previousRow[r] = x;
      }
    }
  }
}

TEST(PlanRun, RefusesBadInput) {
  const RunPlanInput base; // the worked plan
  struct Case {
    const char* what;
    void (*change)(RunPlanInput*);
    const char* message;
  };
  const Case cases[] = {
      {"no wash", [](RunPlanInput* in) { in->washVolume = 0.0; },
       "Ошибка, объем браги должен быть больше 0"},
      {"endless wash", [](RunPlanInput* in) { in->washVolume = kInfinity; },
       "Ошибка, объем браги должен быть больше 0"},
      {"strength", [](RunPlanInput* in) { in->startValue = 100.5; },
       "Ошибка в параметрах. Концентрация 0..100 (%)"},
      {"above the azeotrope", [](RunPlanInput* in) { in->startValue = 97.5; }, ">97.17%"},
      {"boiling",
       [](RunPlanInput* in) {
         *in = {RunByBoiling, 100.0};
       },
       ">=100*C"},
      {"plates", [](RunPlanInput* in) { in->plates = 51; }, "Число теоретических тарелок 0..50"},
      {"negative plates", [](RunPlanInput* in) { in->plates = -1; },
       "Число теоретических тарелок 0..50"},
      {"reflux", [](RunPlanInput* in) { in->reflux = 1000.5; }, "Флегмовое число 0..1000"},
      {"no reflux", [](RunPlanInput* in) { in->reflux = std::nan(""); }, "Флегмовое число 0..1000"},
      {"power", [](RunPlanInput* in) { in->power = 0.0; }, "Мощность <=0"},
      {"no losses", [](RunPlanInput* in) { in->losses = std::nan(""); }, "Процент потерь 0..99.9"},
      {"losses", [](RunPlanInput* in) { in->losses = 100.0; }, "Процент потерь 0..99.9"},
      {"heads", [](RunPlanInput* in) { in->heads = 50.5; }, "Головы 0..50 % от абсолютного спирта"},
      {"stream cut", [](RunPlanInput* in) { in->heartsEndValue = 0.0; },
       "Крепость отбора на отсечке должна быть больше 0 и меньше 100 % об."},
      {"stream cuts' order",
       [](RunPlanInput* in) {
         in->endKind = RunByStrength;
         in->endValue = 85.0;
       },
       "Ошибка, тело должно кончиться не позже конца перегонки"},
      {"pot cuts' order",
       [](RunPlanInput* in) {
         in->heartsEndKind = RunByBoiling;
         in->heartsEndValue = 98.5;
       },
       "Ошибка, тело должно кончиться не позже конца перегонки"},
      {"pot cut above the charge", [](RunPlanInput* in) { in->startValue = 1.0; },
       "Ошибка, стартовая концентрация  ниже или равна стоповой"},
      {"stream cut above the first stream", [](RunPlanInput* in) { in->plates = 0; },
       "Ошибка, крепость отбора в начале перегонки не выше крепости отсечки"},
  };
  for (const Case& c : cases) {
    RunPlanInput in = base;
    c.change(&in);
    const Planned p = Plan(in);
    EXPECT_EQ(p.ok, 0) << c.what;
    EXPECT_EQ(p.err, c.message) << c.what;
  }
}

// The manual's example: a second run of 20 l of raw spirit at 40 % vol on
// 5 plates with reflux 3 at 2000 W, 10 % lost; 5 % heads, hearts until the
// stream falls below 80 % vol, the run until the pot passes 98 °C.
TEST(PlanRun, WorkedPlan) {
  const Planned p = Plan({});
  ASSERT_EQ(p.ok, 1) << p.err;
  const RunPlan& plan = p.plan;
  EXPECT_EQ(plan.steps, 457);
  struct Figures {
    double volume, strength, alcohol, minutes, endMinutes, potBoiling, stream;
  };
  const Figures expected[] = {{0.4368, 93.4202, 0.4081, 13.61, 13.61, 84.279, 93.408},
                              {7.6338, 92.6834, 7.0755, 242.80, 256.41, 96.394, 80.092},
                              {0.3844, 69.3171, 0.2664, 18.83, 275.24, 98.043, 57.147}};
  for (int i = 0; i < kPlanFractions; ++i) {
    const RunPlanFraction& f = plan.fractions[i];
    EXPECT_NEAR(f.liquid.volume, expected[i].volume, 5e-5) << i;
    EXPECT_NEAR(f.liquid.strength, expected[i].strength, 5e-5) << i;
    EXPECT_NEAR(f.liquid.alcohol, expected[i].alcohol, 5e-5) << i;
    EXPECT_NEAR(f.minutes, expected[i].minutes, 5e-3) << i;
    EXPECT_NEAR(f.endMinutes, expected[i].endMinutes, 5e-3) << i;
    EXPECT_NEAR(f.endPotBoiling, expected[i].potBoiling, 5e-4) << i;
    EXPECT_NEAR(f.endStreamVol, expected[i].stream, 5e-4) << i;
  }
  EXPECT_NEAR(plan.pot.volume, 12.0611, 5e-5);
  EXPECT_NEAR(plan.pot.strength, 2.0755, 5e-5);
  EXPECT_NEAR(plan.pot.alcohol, 0.2499, 5e-5);
  EXPECT_NEAR(plan.heartsShare, 88.45, 5e-3);
  EXPECT_EQ(plan.course.back().fraction, PlanTails);
}

// The course's table, as the chart window and the web app write it.
TEST(PlanCourseFile, WritesAHeaderAndARowPerStep) {
  const std::vector<RunPlanStep> course = {
      {84.279, 60.0, 19.5, 93.408, 0.4368, 13.61, PlanHeads},
      {98.043, 2.0755, 12.0611, 57.147, 8.4550, 275.24, PlanTails}};
  EXPECT_EQ(PlanCourseFile::Text(course),
            "collected,stream_strength,pot_temperature,pot_strength,pot_volume,minutes,fraction\n"
            "0.4368,93.41,84.28,60.00,19.5000,13.6,heads\n"
            "8.4550,57.15,98.04,2.08,12.0611,275.2,tails\n");
  EXPECT_EQ(PlanCourseFile::Text({}, '\t'),
            "collected\tstream_strength\tpot_temperature\tpot_strength\tpot_volume\tminutes\t"
            "fraction\n");
}

} // namespace
