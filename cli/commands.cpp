// SPDX-License-Identifier: GPL-3.0-or-later
// The table of brevimo-calc's commands. The limits its help names are the
// core's own constants.
#include "commands.h"

#include "number_format.h"

#include "calc/blending.h"
#include "calc/sugar.h"
#include "calc/temperature_correction.h"

#include <iterator>
#include <stdexcept>

namespace brevimo::cli {

namespace {

// A limit as the help writes it.
std::string N(double value) { return ShortestNumber(value); }
// A range as the help writes it: "LO..HI".
std::string Range(double lo, double hi) { return N(lo) + ".." + N(hi); }
const std::string kPercent = Range(kPercentMin, kPercentMax);

const std::vector<std::pair<std::string, int>> kConcUnits{
    {"vol", VolPct}, {"mass", MassPct}, {"mol", MolPct}};
const std::vector<std::pair<std::string, int>> kLiquidKinds{
    {"vol", LiquidVolume}, {"mass", LiquidMass}, {"mol", LiquidMolar}};
const std::vector<std::pair<std::string, int>> kPressureUnits{
    {"mmhg", MmHg},   {"cmh2o", CmWater}, {"kpa", KiloPascal}, {"at", TechAtm},
    {"atm", PhysAtm}, {"bar", Bar},       {"psi", Psi}};

void ConvertOptions(CLI::App* c, Inputs& in) {
  auto& convert = in.convert;
  AddChoice(c, "--from", convert.from, kConcUnits, "Kind of the given strength: vol, mass or mol")
      ->required();
  AddNumber(c, "--value", convert.value, "Strength, % of the kind --from, " + kPercent)->required();
  AddNumber(c, "--amount", convert.amount,
            "Quantity N of the mixture: adds the composition of N litres and N kilograms");
  AddChoice(c, "--contraction", convert.contraction,
            std::vector<std::pair<std::string, bool>>{{"on", true}, {"off", false}},
            "on: component volumes are those of the pure liquids before mixing (default); off: "
            "shares of the mixture's volume");
}

void DensityOptions(CLI::App* c, Inputs& in) {
  AddNumber(c, "--density", in.density,
            "Density at " + N(kTableTemperature) + " °C, kg/l, " + Range(kDensityMin, kDensityMax))
      ->required();
}

void BoilingOptions(CLI::App* c, Inputs& in) {
  auto& boiling = in.boiling;
  AddNumber(c, "--liquid", boiling.liquid,
            "Liquid strength in --unit (above 0, up to the azeotrope: " + N(kAzeotropeVol) +
                " vol, " + N(kAzeotropeMass) + " mass, " + N(kAzeotropeMol) + " mol)");
  AddChoice(c, "--unit", boiling.unit, kLiquidKinds,
            "Kind of --liquid: vol (default), mass or mol");
  AddNumber(c, "--temperature", boiling.temperature,
            "Boiling temperature, °C, from " + N(kAzeotropeBoiling) + " to below " +
                N(kWaterBoiling));
}

void CorrectOptions(CLI::App* c, Inputs& in) {
  auto& correct = in.correct;
  const std::string range = Range(kCorrectionMinTemperature, kCorrectionMaxTemperature);
  AddNumber(c, "--reading", correct.reading, "Hydrometer reading, % vol, " + kPercent)->required();
  AddNumber(c, "--temperature", correct.temperature, "Temperature of the reading, °C, " + range)
      ->required();
  AddNumber(c, "--to", correct.to,
            "Temperature to correct to, °C, " + range + " (default " + N(kTableTemperature) + ")");
}

void DiluteOptions(CLI::App* c, Inputs& in) {
  auto& dilute = in.dilute;
  AddNumber(c, "--strength", dilute.strength,
            "Strength of the spirit, % vol, up to " + N(kPercentMax))
      ->required();
  AddNumber(c, "--target", dilute.target,
            "Strength of the result, % vol, above " + N(kPercentMin) + ", not above --strength")
      ->required();
  AddNumber(c, "--spirit", dilute.spirit, "Volume of the spirit, litres");
  AddNumber(c, "--water", dilute.water, "Volume of the water added, litres");
  AddNumber(c, "--result", dilute.result, "Volume of the result, litres");
}

void MixOptions(CLI::App* c, Inputs& in) {
  auto& mix = in.mix;
  const std::string none = N(0.0) + " or more"; // a volume
  AddNumber(c, "--volume1", mix.volume1, "Volume of solution 1, " + none)->required();
  AddNumber(c, "--strength1", mix.strength1, "Strength of solution 1, % vol, " + kPercent)
      ->required();
  AddNumber(c, "--volume2", mix.volume2, "Volume of solution 2, " + none);
  AddNumber(c, "--strength2", mix.strength2, "Strength of solution 2, % vol, " + kPercent);
  AddNumber(c, "--volume", mix.volume, "Volume of the result, not below --volume1");
  AddNumber(c, "--strength", mix.strength, "Strength of the result, % vol, " + kPercent);
}

void OutputOptions(CLI::App* c, Inputs& in) {
  auto& output = in.output;
  AddNumber(c, "--power", output.power, "Heater power, W, above 0")->required();
  AddNumber(c, "--losses", output.losses,
            "Heat losses, % of the power, " + Range(kPercentMin, kFlowMaxLosses))
      ->required();
  AddNumber(c, "--reflux", output.reflux, "Reflux ratio, " + Range(0.0, kFlowMaxReflux))
      ->required();
  AddNumber(c, "--strength", output.strength,
            "Distillate strength, % vol, " + Range(kPercentMin, kFlowMaxStrength))
      ->required();
  AddChoice(c, "--per", output.per,
            std::vector<std::pair<std::string, int>>{
                {"s", PerSecond}, {"min", PerMinute}, {"h", PerHour}},
            "Time unit of the flows: s (default), min or h");
}

void VacuumOptions(CLI::App* c, Inputs& in) {
  auto& vacuum = in.vacuum;
  AddNumber(c, "--strength", vacuum.strength, "Strength of the solution in --unit, " + kPercent);
  AddChoice(c, "--unit", vacuum.unit, kConcUnits,
            "Kind of the strength: vol (default), mass or mol");
  AddNumber(c, "--pressure", vacuum.pressure,
            "Pressure in --pressure-unit (the tables span " +
                Range(kVapourPressureMin, kVapourPressureMax) + " mm Hg)");
  AddChoice(c, "--pressure-unit", vacuum.pressureUnit, kPressureUnits,
            "Unit of every pressure: mmhg (default), cmh2o, kpa, at, atm, bar or psi");
  AddNumber(c, "--temperature", vacuum.temperature,
            "Boiling temperature, °C (ethanol " + Range(kEthanolBoilingMin, kEthanolBoilingMax) +
                ", water " + Range(kWaterBoilingMin, kWaterBoilingMax) + ")");
  AddChoice(
      c, "--substance", vacuum.substance,
      std::vector<std::pair<std::string, std::string>>{{"ethanol", "ethanol"}, {"water", "water"}},
      "Pure liquid instead of a solution");
}

void SugarOptions(CLI::App* c, Inputs& in) {
  auto& sugar = in.sugar;
  const std::string at = " at " + N(kTableTemperature) + " °C";
  AddNumber(c, "--sugar-per-litre", sugar.perLitre,
            "Wanted: sugar per litre of solution, g/l, " + Range(0.0, kSugarPerLitreMax));
  AddNumber(c, "--density", sugar.density,
            "Wanted: solution density, g/l, " + Range(kSugarPageDensityMin, kSugarPageDensityMax));
  AddNumber(c, "--sugar-per-kg", sugar.perKg,
            "Wanted: sugar per kilogram of solution, g/kg, " + Range(0.0, kSugarPerKgMax));
  AddNumber(c, "--sugar-weight", sugar.sugarWeight, "Given: sugar weight, g");
  AddNumber(c, "--water-volume", sugar.waterVolume, "Given: water volume, ml" + at);
  AddNumber(c, "--result-volume", sugar.resultVolume, "Given: result volume, ml" + at);
  AddNumber(c, "--result-weight", sugar.resultWeight, "Given: result weight, g");
}

void RunOptions(CLI::App* c, Inputs& in) {
  auto& run = in.run;
  AddNumber(c, "--start-temperature", run.startTemperature,
            "Start: boiling temperature of the still liquid, °C");
  AddNumber(c, "--start-strength", run.startStrength, "Start: strength of the still liquid, % vol");
  AddNumber(c, "--end-temperature", run.endTemperature,
            "End: boiling temperature of the still liquid, °C");
  AddNumber(c, "--end-strength", run.endStrength, "End: strength of the still liquid, % vol");
  AddNumber(c, "--wash", run.wash, "Volume of the wash, above 0 (results in its unit)")->required();
  c->add_flag("--steps", run.steps,
              "Write every step instead: the results file's tab-separated header and a row "
              "per step (with --json an array of objects keyed by the header's names)");
}

void PlanOptions(CLI::App* c, Inputs& in) {
  auto& plan = in.plan;
  AddNumber(c, "--volume", plan.volume, "Charge: its volume, l, above 0")->required();
  AddNumber(c, "--strength", plan.strength, "Charge: its strength, % vol");
  AddNumber(c, "--temperature", plan.temperature, "Charge: its boiling temperature, °C");
  AddNumber(c, "--plates", plan.plates,
            "Theoretical plates above the pot, a whole number " + Range(0, kPlanMaxPlates) +
                " (default 0: the pot alone)");
  AddNumber(c, "--reflux", plan.reflux,
            "Reflux ratio, " + Range(0.0, kPlanMaxReflux) + " (default 0; ignored without plates)");
  AddNumber(c, "--power", plan.power, "Heater power, W, above 0")->required();
  AddNumber(c, "--losses", plan.losses,
            "Heat losses, % of the power, " + Range(0.0, kPlanMaxLosses) + " (default 0)");
  AddNumber(c, "--heads", plan.heads,
            "Heads, % of the absolute alcohol charged, " + Range(0.0, kPlanMaxHeads) +
                " (default 0)");
  AddNumber(c, "--hearts-end-strength", plan.heartsEndStrength,
            "Hearts end when the stream's strength falls below this, % vol");
  AddNumber(c, "--hearts-end-temperature", plan.heartsEndTemperature,
            "Hearts end when the pot's boiling temperature passes this, °C");
  AddNumber(c, "--end-strength", plan.endStrength,
            "The run ends when the stream's strength falls below this, % vol");
  AddNumber(c, "--end-temperature", plan.endTemperature,
            "The run ends when the pot's boiling temperature passes this, °C");
  c->add_flag("--steps", plan.steps,
              "Write every step instead: a tab-separated header and a row per step (with --json "
              "an array of objects keyed by the header's names)");
}

// A planned run's results: each fraction's, then the pot's; its rows' keys
// with --steps follow them.
std::vector<ResultKey> PlanResultKeys() {
  std::vector<ResultKey> keys;
  const char* const fractions[kPlanFractions][2] = {
      {"heads", "heads"}, {"hearts", "hearts"}, {"tails", "tails"}};
  for (const auto& [prefix, name] : fractions) {
    const std::string p = prefix, n = name;
    keys.insert(
        keys.end(),
        {{p + "_volume", n + ": volume, l"},
         {p + "_strength", n + ": strength, % vol"},
         {p + "_alcohol", n + ": absolute alcohol, l"},
         {p + "_minutes", n + ": how long they take, minutes"},
         {p + "_end_minutes", n + ": end, minutes from the start"},
         {p + "_end_pot_temperature", n + ": the pot's boiling temperature at their end, °C"},
         {p + "_end_stream_strength", n + ": the stream's strength at their end, % vol"}});
  }
  keys.insert(keys.end(), {{"pot_volume", "left in the pot: volume, l"},
                           {"pot_strength", "left in the pot: strength, % vol"},
                           {"pot_alcohol", "left in the pot: absolute alcohol, l"},
                           {"hearts_share", "hearts' alcohol, % of the alcohol charged"},
                           {"steps", "number of steps"}});
  const char* const columns[std::size(kPlanStepKeys)] = {
      "--steps: the pot's boiling temperature, °C",
      "--steps: the pot's strength, % vol",
      "--steps: liquid left in the pot, l",
      "--steps: the step's stream, % vol",
      "--steps: distillate collected so far, l",
      "--steps: clock at the step's end, minutes",
      "--steps: the fraction, counted from 0: heads, hearts, tails"};
  for (std::size_t i = 0; i < std::size(kPlanStepKeys); ++i)
    keys.push_back({kPlanStepKeys[i], columns[i]});
  return keys;
}

void NoOptions(CLI::App*, Inputs&) {}

// The run's results, then its rows' keys with --steps: the results file's
// columns, in their order.
std::vector<ResultKey> RunResultKeys() {
  std::vector<ResultKey> keys{{"distillate", "distillate collected, in the unit of --wash"},
                              {"distillate_strength", "its strength, % vol"},
                              {"remaining", "liquid left in the still, in the unit of --wash"},
                              {"steps", "number of steps"}};
  const char* const columns[kDistillationColumnCount] = {
      "--steps: boiling temperature of the still liquid, °C",
      "--steps: strength of the still liquid, % vol",
      "--steps: liquid left in the still",
      "--steps: strength of the step's vapour, % vol",
      "--steps: distillate collected so far",
      "--steps: strength of all distillate so far, % vol"};
  for (int i = 0; i < kDistillationColumnCount; ++i)
    keys.push_back({kDistillationColumns[i].name, columns[i]});
  return keys;
}

std::vector<Command> MakeCommands() {
  const std::string at20 = " at " + N(kTableTemperature) + " °C";
  std::vector<Command> commands{
      {"convert",
       "Volume, mass and molar percent and density" + at20 +
           " of a strength; with --amount the ethanol and water in that many litres and "
           "kilograms",
       ConvertOptions,
       {{"vol", "% vol (ethanol by volume" + at20 + ")"},
        {"mass", "% mass (ethanol by mass)"},
        {"mol", "% mol (ethanol by amount of substance)"},
        {"density", "density" + at20 + ", kg/l"},
        {"alcohol_mass_l", "with --amount: ethanol in N litres of the mixture, kg"},
        {"alcohol_volume_l", "with --amount: ethanol in N litres, l"},
        {"water_mass_l", "with --amount: water in N litres, kg"},
        {"water_volume_l", "with --amount: water in N litres, l"},
        {"alcohol_mass_kg", "with --amount: ethanol in N kilograms, kg"},
        {"alcohol_volume_kg", "with --amount: ethanol in N kilograms, l"},
        {"water_mass_kg", "with --amount: water in N kilograms, kg"},
        {"water_volume_kg", "with --amount: water in N kilograms, l"}},
       [](const Inputs& in, std::vector<Results>*) { return Convert(in.convert); }},
      {"density",
       "Volume, mass and molar percent of a mixture of a density",
       DensityOptions,
       {{"vol", "% vol"}, {"mass", "% mass"}, {"mol", "% mol"}},
       [](const Inputs& in, std::vector<Results>*) { return Density(in.density); }},
      {"boiling",
       "Boiling temperature and vapour of a liquid at normal pressure, or the liquid and vapour "
       "at a boiling temperature",
       BoilingOptions,
       {{"boiling", "with --liquid: boiling temperature, °C"},
        {"liquid_vol", "with --temperature: the liquid, % vol"},
        {"liquid_mass", "with --temperature: the liquid, % mass"},
        {"liquid_mol", "with --temperature: the liquid, % mol"},
        {"vapour_vol", "the vapour over the liquid, % vol"},
        {"vapour_mass", "the vapour, % mass"},
        {"vapour_mol", "the vapour, % mol"}},
       [](const Inputs& in, std::vector<Results>*) { return Boiling(in.boiling); }},
      {"correct",
       "Temperature correction of a hydrometer reading: the density it stands for, the liquid's "
       "density at another temperature and the reading there",
       CorrectOptions,
       {{"density", "density of the liquid at the reading's temperature, kg/l"},
        {"density_to", "its density at --to, kg/l"},
        {"reading_to", "the reading at --to, % vol"}},
       [](const Inputs& in, std::vector<Results>*) { return Correct(in.correct); }},
      {"dilute",
       "Diluting spirit with water, with the contraction of mixing: give exactly one of "
       "--spirit, --water, --result",
       DiluteOptions,
       {{"spirit", "litres of spirit"},
        {"water", "litres of water to add, counted as kilograms at " + N(kDilutionWaterDensity) +
                      " kg/l, as the window does"},
        {"result", "litres of the result, after the contraction"}},
       [](const Inputs& in, std::vector<Results>*) { return Dilute(in.dilute); }},
      {"mix",
       "Mixing two solutions (--volume2, --strength2), or the solution 2 that turns solution 1 "
       "into a result (--volume, --strength)",
       MixOptions,
       {{"volume", "with --volume2: volume of the mixture, in the unit of the volumes given"},
        {"strength", "with --volume2: its strength, % vol"},
        {"volume2", "with --volume: volume of solution 2"},
        {"strength2", "with --volume: its strength, % vol"}},
       [](const Inputs& in, std::vector<Results>*) { return Mix(in.mix); }},
      {"output",
       "Vapour and distillate flow of a still, ml per second, minute or hour",
       OutputOptions,
       {{"total_flow", "vapour flow, ml per --per"},
        {"output_flow", "distillate drawn off, ml per --per"}},
       [](const Inputs& in, std::vector<Results>*) { return Output(in.output); }},
      {"vacuum",
       "Boiling under reduced or raised pressure: a solution's boiling temperature (--strength, "
       "--pressure), its pressure (--strength, --temperature) or its strength (--temperature, "
       "--pressure); pure ethanol or water with --substance",
       VacuumOptions,
       {{"boiling", "boiling temperature, °C"},
        {"pressure", "pressure, in --pressure-unit"},
        {"strength", "strength of the solution, in --unit"}},
       [](const Inputs& in, std::vector<Results>*) { return Vacuum(in.vacuum); }},
      {"sugar",
       "Make-up of a sugar solution batch" + at20 +
           ": give exactly one wanted value (--sugar-per-litre, --density, --sugar-per-kg) and "
           "one known amount (--sugar-weight, --water-volume, --result-volume, --result-weight)",
       SugarOptions,
       {{"sugar_weight", "sugar, g"},
        {"water_volume", "water, ml" + at20},
        {"result_volume", "the solution, ml" + at20},
        {"result_weight", "the solution, g"},
        {"result_density", "its density" + at20 + ", g/l"}},
       [](const Inputs& in, std::vector<Results>*) { return Sugar(in.sugar); }},
      {"run",
       "Batch distillation of a wash in a pot still, simulated step by step: the distillate "
       "collected and what is left in the still",
       RunOptions, RunResultKeys(),
       [](const Inputs& in, std::vector<Results>* steps) { return Run(in.run, steps); }},
      {"plan",
       "A planned run of a still with a column of plates and reflux: heads (a share of the "
       "alcohol charged), hearts and tails, what is left in the pot, and how long each takes at "
       "the heater's power",
       PlanOptions, PlanResultKeys(),
       [](const Inputs& in, std::vector<Results>* steps) { return Plan(in.plan, steps); }},
      {"batch",
       "Read one command line per line of standard input (words split as a POSIX shell splits "
       "them, without expansions; # comments and blank lines skipped) and write one answer line "
       "for each, in order",
       NoOptions,
       {},
       nullptr},
  };
  // Each calculation gives its results by index into its row.
  const std::size_t counts[] = {ConvertResults,
                                DensityResults,
                                BoilingResults,
                                CorrectResults,
                                DiluteResults,
                                MixResults,
                                OutputResults,
                                VacuumResults,
                                SugarResults,
                                RunResults + kDistillationColumnCount,
                                PlanResults + std::size(kPlanStepKeys),
                                0};
  for (std::size_t i = 0; i < commands.size(); ++i)
    if (commands[i].results.size() != counts[i])
      throw std::logic_error("brevimo-calc: the results of " + commands[i].name +
                             " do not match its calculation");
  return commands;
}

} // namespace

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = MakeCommands();
  return commands;
}

} // namespace brevimo::cli
