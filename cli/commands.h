// SPDX-License-Identifier: GPL-3.0-or-later
// brevimo-calc's commands in one table: each command's name, description,
// options, results and calculation. The command line, its help and the
// results' keys are all made from it.
#pragma once

#include "options.h"

#include "calc/boiling.h"
#include "calc/concentration.h"
#include "calc/distillation.h"
#include "calc/run_plan.h"
#include "calc/vapour_pressure.h"

#include <string>
#include <utility>
#include <vector>

namespace brevimo::cli {

// One result: its name (also its JSON key) and value.
using Results = std::vector<std::pair<std::string, double>>;

// A result a command gives: its name and, for the help, its meaning.
struct ResultKey {
  std::string name;
  std::string meaning;
};

// A calculation's outcome: values by their index in the command's results,
// or the message of its refusal.
struct Outcome {
  bool ok = true;
  std::vector<std::pair<int, double>> values;
  std::string error;
};

Outcome Refused(std::string message);

struct ConvertArgs {
  int from = VolPct;
  Number value, amount;
  bool contraction = true;
};
struct BoilingArgs {
  Number liquid, temperature;
  int unit = LiquidVolume;
};
struct CorrectArgs {
  Number reading, temperature;
  Number to{kTableTemperature};
};
struct DiluteArgs {
  Number strength, target, spirit, water, result;
};
struct MixArgs {
  Number volume1, strength1, volume2, strength2, volume, strength;
};
struct OutputArgs {
  Number power, losses, reflux, strength;
  int per = PerSecond;
};
struct VacuumArgs {
  Number strength, pressure, temperature;
  int unit = VolPct;
  int pressureUnit = MmHg;
  std::string substance;
};
struct SugarArgs {
  Number perLitre, density, perKg;                             // wanted
  Number sugarWeight, waterVolume, resultVolume, resultWeight; // given
};
struct RunArgs {
  Number startTemperature, startStrength, endTemperature, endStrength, wash;
  bool steps = false;
};

struct PlanArgs {
  Number volume, strength, temperature;
  Number plates{0.0}, reflux{0.0}, power, losses{0.0}, heads{0.0};
  Number heartsEndStrength, heartsEndTemperature, endStrength, endTemperature;
  bool steps = false;
};

// Everything a command line sets, reset before each one.
struct Inputs {
  bool json = false;
  int digits = -1;
  ConvertArgs convert;
  Number density;
  BoilingArgs boiling;
  CorrectArgs correct;
  DiluteArgs dilute;
  MixArgs mix;
  OutputArgs output;
  VacuumArgs vacuum;
  SugarArgs sugar;
  RunArgs run;
  PlanArgs plan;
};

// Each command's results by their index in its row of the table, in the
// order the row lists them (Commands() checks the counts).
enum ConvertResult : int {
  ConvertVol,
  ConvertMass,
  ConvertMol,
  ConvertDensity,
  AlcoholMassL,
  AlcoholVolumeL,
  WaterMassL,
  WaterVolumeL,
  AlcoholMassKg,
  AlcoholVolumeKg,
  WaterMassKg,
  WaterVolumeKg,
  ConvertResults
};
enum DensityResult : int { DensityVol, DensityMass, DensityMol, DensityResults };
enum BoilingResult : int {
  BoilingTemperature,
  BoilingLiquidVol,
  BoilingLiquidMass,
  BoilingLiquidMol,
  BoilingVapourVol,
  BoilingVapourMass,
  BoilingVapourMol,
  BoilingResults
};
enum CorrectResult : int { CorrectDensity, CorrectDensityTo, CorrectReadingTo, CorrectResults };
enum DiluteResult : int {
  DiluteSpiritVolume,
  DiluteWaterVolume,
  DiluteResultVolume,
  DiluteResults
};
enum MixResult : int { MixVolume, MixStrength, MixVolume2, MixStrength2, MixResults };
enum OutputResult : int { TotalFlow, OutputFlow, OutputResults };
enum VacuumResult : int { VacuumBoiling, VacuumPressure, VacuumStrength, VacuumResults };
enum SugarResult : int {
  SugarWeight,
  SugarWaterVolume,
  SugarResultVolume,
  SugarResultWeight,
  SugarResultDensity,
  SugarResults
};
// The run's own results; its rows' keys with --steps follow them (the
// results file's columns).
enum RunResult : int { RunDistillate, RunStrength, RunRemaining, RunSteps, RunResults };

// A planned run's results: for heads, hearts and tails in turn (kPlanFraction
// results each) volume, strength, alcohol, minutes, clock at the end, the
// pot's temperature and the stream's strength at the end; then the pot.
enum PlanFractionResult : int {
  PlanVolume,
  PlanStrength,
  PlanAlcohol,
  PlanMinutes,
  PlanEndMinutes,
  PlanEndPotTemperature,
  PlanEndStreamStrength,
  kPlanFractionResults
};
enum PlanResult : int {
  PlanPotVolume = kPlanFractions * kPlanFractionResults,
  PlanPotStrength,
  PlanPotAlcohol,
  PlanHeartsShare,
  PlanSteps,
  PlanResults
};
// The keys of a planned run's rows with --steps.
inline constexpr const char* kPlanStepKeys[] = {"pot_temperature", "pot_strength", "pot_volume",
                                                "stream_strength", "collected",    "minutes",
                                                "fraction"};

// The calculations, by command (calculations.cpp). Run keeps its steps, as
// rows keyed by the results file's header, in *steps with --steps.
Outcome Convert(const ConvertArgs& a);
Outcome Density(const Number& density);
Outcome Boiling(const BoilingArgs& a);
Outcome Correct(const CorrectArgs& a);
Outcome Dilute(const DiluteArgs& a);
Outcome Mix(const MixArgs& a);
Outcome Output(const OutputArgs& a);
Outcome Vacuum(const VacuumArgs& a);
Outcome Sugar(const SugarArgs& a);
Outcome Run(const RunArgs& a, std::vector<Results>* steps);
Outcome Plan(const PlanArgs& a, std::vector<Results>* steps);

// A command of the table. `results` are all it may give, in the order
// written; a calculation gives values by their index there. The batch
// command has no options, results or calculation of its own.
struct Command {
  std::string name;
  std::string description;
  void (*options)(CLI::App* command, Inputs& in);
  std::vector<ResultKey> results;
  Outcome (*calculate)(const Inputs& in, std::vector<Results>* steps);
};

// The commands in the order the help lists them.
const std::vector<Command>& Commands();

} // namespace brevimo::cli
