// SPDX-License-Identifier: GPL-3.0-or-later
// The calculations of brevimo-calc's commands over the numeric core: each
// reads its options, calls the core as the page does and gives its results
// by their index in its row of the table.
#include "commands.h"

#include "calc/blending.h"
#include "calc/boiling.h"
#include "calc/concentration.h"
#include "calc/distillation.h"
#include "calc/sugar.h"
#include "calc/temperature_correction.h"
#include "calc/vapour_pressure.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace brevimo::cli {

Outcome Refused(std::string message) { return {false, {}, std::move(message)}; }

Outcome Convert(const ConvertArgs& a) {
  Strengths s;
  std::string error;
  if (!CompleteStrengths(a.from, a.value.value, &s, &error)) return Refused(error);
  Outcome o{true,
            {{ConvertVol, s.vol},
             {ConvertMass, s.mass},
             {ConvertMol, s.mol},
             {ConvertDensity, s.density}},
            {}};
  if (!a.amount.given()) return o;
  Composition c;
  if (!ComposeMixture(s.mass, s.vol, s.density, a.amount.value, a.contraction, &c, &error))
    return Refused(error);
  o.values.insert(o.values.end(), {{AlcoholMassL, c.alcoholMassL},
                                   {AlcoholVolumeL, c.alcoholVolumeL},
                                   {WaterMassL, c.waterMassL},
                                   {WaterVolumeL, c.waterVolumeL},
                                   {AlcoholMassKg, c.alcoholMassKg},
                                   {AlcoholVolumeKg, c.alcoholVolumeKg},
                                   {WaterMassKg, c.waterMassKg},
                                   {WaterVolumeKg, c.waterVolumeKg}});
  return o;
}

Outcome Density(const Number& density) {
  // As from the mass percent, which the window rounds to two decimals for
  // display first; here at full precision.
  Strengths s;
  std::string error;
  if (!StrengthsFromDensity(density.value, &s, &error)) return Refused(error);
  return {true, {{DensityVol, s.vol}, {DensityMass, s.mass}, {DensityMol, s.mol}}, {}};
}

Outcome Boiling(const BoilingArgs& a) {
  RequireOne("boiling", {&a.liquid, &a.temperature});
  double boiling = 0.0, vapourMass = 0.0, vapourMol = 0.0, vapourVol = 0.0;
  std::string error;
  if (a.liquid.given()) {
    if (!BoilingUpToAzeotrope(a.unit, a.liquid.value, &boiling, &vapourMass, &vapourMol, &vapourVol,
                              &error))
      return Refused(error);
    return {true,
            {{BoilingTemperature, boiling},
             {BoilingVapourVol, vapourVol},
             {BoilingVapourMass, vapourMass},
             {BoilingVapourMol, vapourMol}},
            {}};
  }
  double liquid[3] = {0.0, 0.0, 0.0}; // by LiquidKind
  if (!StrengthFromBoiling(a.temperature.value, &liquid[LiquidVolume], &liquid[LiquidMass],
                           &liquid[LiquidMolar], &vapourMass, &vapourMol, &vapourVol, &error))
    return Refused(error);
  return {true,
          {{BoilingLiquidVol, liquid[LiquidVolume]},
           {BoilingLiquidMass, liquid[LiquidMass]},
           {BoilingLiquidMol, liquid[LiquidMolar]},
           {BoilingVapourVol, vapourVol},
           {BoilingVapourMass, vapourMass},
           {BoilingVapourMol, vapourMol}},
          {}};
}

Outcome Correct(const CorrectArgs& a) {
  double density = 0.0, densityTo = 0.0, readingTo = 0.0;
  std::string error;
  if (!CorrectReading(a.reading.value, a.temperature.value, a.to.value, &density, &densityTo,
                      &readingTo, &error))
    return Refused(error);
  return {true,
          {{CorrectDensity, density}, {CorrectDensityTo, densityTo}, {CorrectReadingTo, readingTo}},
          {}};
}

Outcome Dilute(const DiluteArgs& a) {
  RequireOne("dilute", {&a.spirit, &a.water, &a.result});
  const int given = a.spirit.given() ? GivenSpirit : a.water.given() ? GivenWater : GivenResult;
  const double volume = a.spirit.given()  ? a.spirit.value
                        : a.water.given() ? a.water.value
                                          : a.result.value;
  double spirit = 0.0, water = 0.0, result = 0.0;
  std::string error;
  if (!DiluteByStrength(given, volume, a.strength.value, a.target.value, &spirit, &water, &result,
                        &error))
    return Refused(error);
  return {true,
          {{DiluteSpiritVolume, spirit}, {DiluteWaterVolume, water}, {DiluteResultVolume, result}},
          {}};
}

Outcome Mix(const MixArgs& a) {
  const bool second = a.volume2.given() || a.strength2.given();
  const bool result = a.volume.given() || a.strength.given();
  if (second == result || (second && !(a.volume2.given() && a.strength2.given())) ||
      (result && !(a.volume.given() && a.strength.given())))
    throw UsageError{"mix: give either --volume2 and --strength2 (the mixture) or --volume and "
                     "--strength (the solution 2 that gives it)"};
  double volume = 0.0, strength = 0.0;
  std::string error;
  if (second) {
    if (!MixSolutions(a.volume1.value, a.strength1.value, a.volume2.value, a.strength2.value,
                      &volume, &strength, nullptr, &error))
      return Refused(error);
    return {true, {{MixVolume, volume}, {MixStrength, strength}}, {}};
  }
  if (!FindSecondSolution(a.volume1.value, a.strength1.value, a.volume.value, a.strength.value,
                          &volume, &strength, nullptr, &error))
    return Refused(error);
  return {true, {{MixVolume2, volume}, {MixStrength2, strength}}, {}};
}

Outcome Output(const OutputArgs& a) {
  double total = 0.0, output = 0.0;
  std::string error;
  if (!DistillateFlow(a.power.value, a.losses.value, a.reflux.value, a.strength.value, a.per,
                      &total, &output, nullptr, &error))
    return Refused(error);
  return {true, {{TotalFlow, total}, {OutputFlow, output}}, {}};
}

Outcome Vacuum(const VacuumArgs& a) {
  const bool hasT = a.temperature.given(), hasP = a.pressure.given();
  std::string error;
  // A pressure typed in its unit, as the page reads it.
  double mmHg = 0.0;
  if (hasP && !PressureTypedToMmHg(a.pressureUnit, a.pressure.value, &mmHg, &error))
    return Refused(error);
  // A resulting pressure in the same unit (not finite, it is refused with
  // the other results).
  auto pressureResult = [&](double result) -> Outcome {
    double shown = 0.0;
    PressureFromMmHg(a.pressureUnit, result, &shown);
    return {true, {{VacuumPressure, shown}}, {}};
  };
  double result = 0.0;
  if (!a.substance.empty()) {
    if (a.strength.given() || hasT == hasP)
      throw UsageError{"vacuum: with --substance give exactly one of --temperature, --pressure"};
    const bool ethanol = a.substance == "ethanol";
    if (hasT) {
      const int ok = ethanol ? AlcoholPressureFromBoiling(a.temperature.value, &result, &error)
                             : WaterPressureFromBoiling(a.temperature.value, &result, &error);
      if (!ok) return Refused(error);
      return pressureResult(result);
    }
    const int ok = ethanol ? AlcoholBoilingFromPressure(mmHg, &result, &error)
                           : WaterBoilingFromPressure(mmHg, &result, &error);
    if (!ok) return Refused(error);
    return {true, {{VacuumBoiling, result}}, {}};
  }
  if (a.strength.given()) {
    if (hasT == hasP)
      throw UsageError{"vacuum: with --strength give exactly one of --temperature, --pressure"};
    if (hasP) {
      if (!SolutionBoilingAtPressure(a.unit, a.strength.value, mmHg, &result, &error))
        return Refused(error);
      return {true, {{VacuumBoiling, result}}, {}};
    }
    if (!SolutionPressureAtBoiling(a.unit, a.strength.value, a.temperature.value, &result, &error))
      return Refused(error);
    return pressureResult(result);
  }
  if (!(hasT && hasP))
    throw UsageError{"vacuum: give --strength, --substance, or both --temperature and --pressure"};
  if (!SolutionConcentrationAt(a.unit, a.temperature.value, mmHg, &result, &error))
    return Refused(error);
  return {true, {{VacuumStrength, result}}, {}};
}

Outcome Sugar(const SugarArgs& a) {
  RequireOne("sugar", {&a.perLitre, &a.density, &a.perKg});
  RequireOne("sugar", {&a.sugarWeight, &a.waterVolume, &a.resultVolume, &a.resultWeight});
  const std::pair<int, const Number*> wanted[] = {{WantedSugarPerLitre, &a.perLitre},
                                                  {WantedDensity, &a.density},
                                                  {WantedSugarPerKilogram, &a.perKg}};
  const std::pair<int, const Number*> given[] = {{GivenSugarWeight, &a.sugarWeight},
                                                 {GivenWaterVolume, &a.waterVolume},
                                                 {GivenResultVolume, &a.resultVolume},
                                                 {GivenResultWeight, &a.resultWeight}};
  // RequireOne has made sure one of each list is given; the check against
  // the end keeps that from resting on it (and the optimiser from warning).
  auto chosen = [](const auto& list) {
    const auto it = std::find_if(std::begin(list), std::end(list),
                                 [](const auto& item) { return item.second->given(); });
    if (it == std::end(list))
      throw UsageError{"sugar: a wanted value and a given amount are needed"};
    return *it;
  };
  const auto [wantedKind, wantedValue] = chosen(wanted);
  const auto [givenKind, givenValue] = chosen(given);
  SugarBatch batch;
  std::string error;
  if (!MakeSugarBatch(wantedKind, wantedValue->value, givenKind, givenValue->value, &batch, &error))
    return Refused(error);
  return {true,
          {{SugarWeight, batch.sugarWeight},
           {SugarWaterVolume, batch.waterVolume},
           {SugarResultVolume, batch.resultVolume},
           {SugarResultWeight, batch.resultWeight},
           {SugarResultDensity, batch.resultDensity}},
          {}};
}

Outcome Run(const RunArgs& a, std::vector<Results>* steps) {
  RequireOne("run", {&a.startTemperature, &a.startStrength});
  RequireOne("run", {&a.endTemperature, &a.endStrength});
  DistillationRun run;
  DistillationInput& input = run.input;
  input.startKind = a.startStrength.given() ? RunByStrength : RunByBoiling;
  input.startValue = a.startStrength.given() ? a.startStrength.value : a.startTemperature.value;
  input.endKind = a.endStrength.given() ? RunByStrength : RunByBoiling;
  input.endValue = a.endStrength.given() ? a.endStrength.value : a.endTemperature.value;
  input.washVolume = a.wash.value;
  TableBoiling boiling;
  std::string error;
  if (!RecordDistillation(&run, boiling, a.steps, nullptr, &error)) return Refused(error);
  for (const DistillationStep& step : run.steps) {
    Results row;
    for (const DistillationColumn& c : kDistillationColumns)
      row.emplace_back(c.name, step.*c.value);
    steps->push_back(std::move(row));
  }
  const DistillationResult& result = run.result;
  return {true,
          {{RunDistillate, result.OutVol},
           {RunStrength, result.OutVolCon},
           {RunRemaining, result.VolBak},
           {RunSteps, static_cast<double>(result.steps)}},
          {}};
}

Outcome Plan(const PlanArgs& a, std::vector<Results>* steps) {
  RequireOne("plan", {&a.strength, &a.temperature});
  RequireOne("plan", {&a.heartsEndStrength, &a.heartsEndTemperature});
  RequireOne("plan", {&a.endStrength, &a.endTemperature});
  RunPlanInput input;
  input.startKind = a.strength.given() ? RunByStrength : RunByBoiling;
  input.startValue = a.strength.given() ? a.strength.value : a.temperature.value;
  input.washVolume = a.volume.value;
  // A plate count that is not a whole number is out of the plates' range.
  const double plates = a.plates.value;
  input.plates = plates >= 0.0 && plates <= kPlanMaxPlates && plates == std::floor(plates)
                     ? static_cast<int>(plates)
                     : -1;
  input.reflux = a.reflux.value;
  input.power = a.power.value;
  input.losses = a.losses.value;
  input.heads = a.heads.value;
  input.heartsEndKind = a.heartsEndStrength.given() ? RunByStrength : RunByBoiling;
  input.heartsEndValue =
      a.heartsEndStrength.given() ? a.heartsEndStrength.value : a.heartsEndTemperature.value;
  input.endKind = a.endStrength.given() ? RunByStrength : RunByBoiling;
  input.endValue = a.endStrength.given() ? a.endStrength.value : a.endTemperature.value;
  TableBoiling boiling;
  RunPlan plan;
  std::string error;
  if (!PlanRun(input, boiling, &plan, &error)) return Refused(error);
  if (a.steps) {
    for (const RunPlanStep& step : plan.course) {
      const double values[] = {step.potBoiling, step.potStrength, step.potVolume,       step.stream,
                               step.collected,  step.minutes,     double(step.fraction)};
      Results row;
      for (std::size_t i = 0; i < std::size(kPlanStepKeys); ++i)
        row.emplace_back(kPlanStepKeys[i], values[i]);
      steps->push_back(std::move(row));
    }
  }
  Outcome o{true, {}, {}};
  for (int f = 0; f < kPlanFractions; ++f) {
    const RunPlanFraction& fr = plan.fractions[f];
    const int base = f * kPlanFractionResults;
    o.values.insert(o.values.end(), {{base + PlanVolume, fr.liquid.volume},
                                     {base + PlanStrength, fr.liquid.strength},
                                     {base + PlanAlcohol, fr.liquid.alcohol},
                                     {base + PlanMinutes, fr.minutes},
                                     {base + PlanEndMinutes, fr.endMinutes},
                                     {base + PlanEndPotTemperature, fr.endPotBoiling},
                                     {base + PlanEndStreamStrength, fr.endStreamVol}});
  }
  o.values.insert(o.values.end(), {{PlanPotVolume, plan.pot.volume},
                                   {PlanPotStrength, plan.pot.strength},
                                   {PlanPotAlcohol, plan.pot.alcohol},
                                   {PlanHeartsShare, plan.heartsShare},
                                   {PlanSteps, static_cast<double>(plan.steps)}});
  return o;
}

} // namespace brevimo::cli
