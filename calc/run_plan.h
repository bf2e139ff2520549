// SPDX-License-Identifier: GPL-3.0-or-later
// A planned run: the batch run of distillation.h on a still with a column of
// theoretical plates and reflux above the pot, cut into heads, hearts and
// tails, timed by the still's output at its heater's power.
//
// The pot is boiled off in the run's steps (kRunStepFraction of its mass a
// step). Without plates the stream drawn off is the pot's vapour and the
// course is the run's, step for step. With N plates the stream is the
// distillate of N equilibrium stages above the pot (constant molar
// overflow, total condenser, reflux ratio R): the composition x_D whose
// stepping down the stages, along the operating line
// y = R/(R+1) x + x_D/(R+1) and the boiling table's equilibrium in molar
// terms (its liquid and vapour mass % turned molar in closed form, so that
// R = 0 gives the pot's vapour again), ends at the vapour of the pot. It never passes the
// azeotrope, and a step takes at most half of the pot's ethanol (much reflux strips a nearly spent
// pot faster than a step's share of its mass would carry). Each step lasts its distillate's volume
// over the output flow of the still (DistillateOutputPerSecond) at that strength.
#pragma once

#include "distillation.h"

#include <iterator>
#include <string>
#include <vector>

namespace brevimo {

// Limits of the inputs, for the faces to show.
inline constexpr int kPlanMaxPlates = 50;     // theoretical plates above the pot
inline constexpr double kPlanMaxHeads = 50.0; // heads, % of the absolute alcohol charged
inline constexpr double kPlanMaxReflux = kFlowMaxReflux;
inline constexpr double kPlanMaxLosses = kFlowMaxLosses;

// The fractions of a planned run, in their order.
enum RunPlanCut : int {
  PlanHeads = 0,
  PlanHearts = 1,
  PlanTails = 2,
};
inline constexpr int kPlanFractions = 3;

// The inputs of a plan; the defaults are the worked plan: a second run of
// 20 l of raw spirit.
struct RunPlanInput {
  // The charge, as a run's start: RunByStrength gives its strength (% vol),
  // RunByBoiling its boiling temperature (°C).
  int startKind = RunByStrength;
  double startValue = 40.0;
  double washVolume = 20.0; // l
  // The still.
  int plates = 5;        // 0 = the pot alone
  double reflux = 3.0;   // reflux ratio; ignored without plates
  double power = 2000.0; // heater, W
  double losses = 10.0;  // heat losses, % of the power
  // The cuts. Heads: a share (%) of the absolute alcohol charged, met to
  // within half a step (a step is heads while the middle of its alcohol
  // lies below the share). The hearts' end and the run's end:
  // RunByStrength is the stream's strength (% vol) falling below the
  // value, any other kind the pot's boiling temperature (°C) passing it,
  // as a run's end. The run's end cuts the hearts short when it comes
  // first, which only cuts of two kinds allow.
  double heads = 5.0;
  int heartsEndKind = RunByStrength;
  double heartsEndValue = 80.0;
  int endKind = RunByBoiling;
  double endValue = 98.0;
};

// A liquid collected or left: volume (l), strength (% vol), absolute
// alcohol (l), and its masses (kg).
struct PlanLiquid {
  double volume = 0.0;
  double strength = 0.0;
  double alcohol = 0.0;
  double mass = 0.0;
  double alcoholMass = 0.0;
};

struct RunPlanFraction {
  PlanLiquid liquid;
  double minutes = 0.0;       // how long it takes
  double endMinutes = 0.0;    // clock at its end, minutes from the start
  double endPotBoiling = 0.0; // the pot's temperature at its end, °C
  double endStreamVol = 0.0;  // the stream's strength at its end, % vol
  int steps = 0;
};

// The state after one step, for the chart and the steps table.
struct RunPlanStep {
  double potBoiling;  // °C
  double potStrength; // % vol
  double potVolume;   // l
  double stream;      // strength of this step's distillate, % vol
  double collected;   // all distillate so far, l
  double minutes;     // clock at the end of the step
  int fraction;       // RunPlanCut
};

struct RunPlan {
  PlanLiquid charge;
  RunPlanFraction fractions[kPlanFractions];
  PlanLiquid pot;           // left in the pot
  double heartsShare = 0.0; // hearts' alcohol, % of the alcohol charged
  int steps = 0;
  std::vector<RunPlanStep> course; // every step, in order
};

// The course as a table: the chart window's steps table and CSV and the web
// app's. A header line of the column names, then a row per step; numbers in
// the "C" locale, the fraction by its name (kPlanFractionNames).
struct PlanCourseColumn {
  const char* name;
  int decimals;
  double RunPlanStep::*value;
};
inline constexpr PlanCourseColumn kPlanCourseColumns[] = {
    {"collected", 4, &RunPlanStep::collected},
    {"stream_strength", 2, &RunPlanStep::stream},
    {"pot_temperature", 2, &RunPlanStep::potBoiling},
    {"pot_strength", 2, &RunPlanStep::potStrength},
    {"pot_volume", 4, &RunPlanStep::potVolume},
    {"minutes", 1, &RunPlanStep::minutes},
};
// The numbers' columns, then the fraction's.
inline constexpr int kPlanCourseFractionColumn = static_cast<int>(std::size(kPlanCourseColumns));
inline constexpr int kPlanCourseColumnCount = kPlanCourseFractionColumn + 1;
inline constexpr const char* kPlanFractionNames[kPlanFractions] = {"heads", "hearts", "tails"};

class PlanCourseFile {
public:
  static const char* ColumnName(int column); // "fraction" for the last
  static std::string Header(char separator = ',');
  // One cell as the row has it.
  static std::string Cell(const RunPlanStep& step, int column);
  static std::string Text(const std::vector<RunPlanStep>& course, char separator = ',');
};

// The stream of a column: the distillate (mass %) of `plates` equilibrium
// stages with reflux ratio `reflux` (infinity: total reflux) above a pot of
// potMass mass %. hint, when above 0, is a previous answer the search
// starts from. Returns 0 outside 0 < potMass <= 95.57, for plates < 0 or
// for a reflux not at least 0 (NaN).
int ColumnDistillate(double potMass, int plates, double reflux, double hint,
                     double* distillateMass);

// Plans the run. Returns 1 with the plan in *plan, or 0 with the message in
// *errorText (a boiling failure's is the boiling object's ErrorText());
// *plan is then not to be relied on. Refused, in this order: the wash
// volume, the charge, the plates, the power, losses and reflux (the
// reflux only with plates), the heads, each cut's value, cuts of a kind in
// the wrong order, a charge not above a pot cut, a first stream not above
// a stream cut.
int PlanRun(const RunPlanInput& input, BoilingOperations& boiling, RunPlan* plan,
            std::string* errorText);

} // namespace brevimo
