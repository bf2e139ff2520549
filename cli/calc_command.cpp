// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc_command.h"

#include "calc/blending.h"
#include "calc/boiling.h"
#include "calc/concentration.h"
#include "calc/distillation.h"
#include "calc/number_text.h"
#include "calc/sugar.h"
#include "calc/temperature_correction.h"
#include "calc/vapour_pressure.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <charconv>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>
#include <utility>

#ifndef BREVIMO_VERSION
#define BREVIMO_VERSION "unknown"
#endif

namespace brevimo::cli {

std::string ShortestNumber(double value) {
  std::array<char, 64> buffer;
  const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  if (ec != std::errc()) return "nan";
  return std::string(buffer.data(), end);
}

namespace {

// One result: its name (also its JSON key) and value.
using Results = std::vector<std::pair<std::string, double>>;

// A command line that parsed but does not make a calculation.
struct UsageError {
  std::string message;
};

// A calculation's outcome: results, or the message of its refusal.
struct Outcome {
  bool ok = true;
  Results results;
  std::string error;
};

Outcome Refused(std::string message) { return {false, {}, std::move(message)}; }

// Numbers are read by the rule of the window's fields: leading blanks
// skipped, a point or a comma as decimal separator, anything after the
// number ignored. The run page's fields hold the stricter rule of a field
// bound to a number, and so do the run's options. No number, or one that
// is not finite, is a usage error.
using NumberRule = bool (*)(std::string_view, double*);

// A number option; `given` tells whether it was on the command line.
struct Number {
  double value = 0.0;
  CLI::Option* option = nullptr;
  bool given() const { return option && option->count() > 0; }
};

CLI::Option* AddNumber(CLI::App* app, const std::string& name, Number& number,
                       const std::string& help, NumberRule rule = ParseFieldNumber) {
  number.option = app->add_option_function<std::string>(
      name, [&number, rule](const std::string& text) { rule(text, &number.value); }, help);
  number.option->check(CLI::Validator(
      [rule](std::string& text) {
        double value = 0.0;
        return rule(text, &value) ? std::string() : "not a number: " + text;
      },
      "", "NUMBER"));
  return number.option->type_name("NUMBER");
}

// An option that takes one of a few words, each standing for a value.
template <class T>
CLI::Option* AddChoice(CLI::App* app, const std::string& name, T& target,
                       const std::vector<std::pair<std::string, T>>& choices,
                       const std::string& help) {
  std::string words;
  for (const auto& choice : choices)
    words += (words.empty() ? "" : "|") + choice.first;
  auto* option = app->add_option_function<std::string>(
      name,
      [&target, choices](const std::string& text) {
        for (const auto& [word, value] : choices)
          if (word == text) target = value;
      },
      help);
  option->check(CLI::Validator(
      [choices, words](std::string& text) {
        for (const auto& choice : choices)
          if (choice.first == text) return std::string();
        return text + " is not one of " + words;
      },
      "", "WORDS"));
  return option->type_name(words);
}

const std::vector<std::pair<std::string, int>> kConcUnits{
    {"vol", VolPct}, {"mass", MassPct}, {"mol", MolPct}};
const std::vector<std::pair<std::string, int>> kLiquidKinds{
    {"vol", LiquidVolume}, {"mass", LiquidMass}, {"mol", LiquidMolar}};
const std::vector<std::pair<std::string, int>> kPressureUnits{
    {"mmhg", MmHg},   {"cmh2o", CmWater}, {"kpa", KiloPascal}, {"at", TechAtm},
    {"atm", PhysAtm}, {"bar", Bar},       {"psi", Psi}};

// Help with every command's options under a heading line of its own
// ("Command NAME:"), which help2man turns into a section of the man page.
class HelpFormatter final : public CLI::Formatter {
public:
  std::string make_expanded(const CLI::App* sub) const override {
    std::string text = "\nCommand " + sub->get_name() + ":\n  " + sub->get_description() + "\n\n";
    // The options without their group's heading line.
    std::istringstream groups(make_groups(sub, CLI::AppFormatMode::Sub));
    for (std::string line; std::getline(groups, line);)
      if (!line.empty() && line.back() != ':') text += line + "\n";
    return text;
  }
};

// Exactly one of the options, or a usage error naming them.
void RequireOne(const char* command, std::initializer_list<const Number*> options) {
  int given = 0;
  std::string names;
  for (const Number* option : options) {
    given += option->given();
    if (!names.empty()) names += ", ";
    names += option->option->get_name();
  }
  if (given != 1) throw UsageError{std::string(command) + ": give exactly one of " + names};
}

// --- convert ---------------------------------------------------------------

struct ConvertArgs {
  int from = VolPct;
  Number value, amount;
  bool contraction = true;
};

Outcome Convert(const ConvertArgs& a) {
  Strengths s;
  std::string error;
  if (!CompleteStrengths(a.from, a.value.value, &s, &error)) return Refused(error);
  Outcome o;
  o.results = {{"vol", s.vol}, {"mass", s.mass}, {"mol", s.mol}, {"density", s.density}};
  if (!a.amount.given()) return o;
  Composition c;
  if (!ComposeMixture(s.mass, s.vol, s.density, a.amount.value, a.contraction, &c, &error))
    return Refused(error);
  o.results.insert(o.results.end(), {{"alcohol_mass_l", c.alcoholMassL},
                                     {"alcohol_volume_l", c.alcoholVolumeL},
                                     {"water_mass_l", c.waterMassL},
                                     {"water_volume_l", c.waterVolumeL},
                                     {"alcohol_mass_kg", c.alcoholMassKg},
                                     {"alcohol_volume_kg", c.alcoholVolumeKg},
                                     {"water_mass_kg", c.waterMassKg},
                                     {"water_volume_kg", c.waterVolumeKg}});
  return o;
}

// --- density ---------------------------------------------------------------

Outcome Density(const Number& density) {
  double mass = 0.0;
  std::string error;
  if (!ConcentrationFromDensity(density.value, MassPct, &mass, &error)) return Refused(error);
  // As from the mass percent, which the window rounds to two decimals for
  // display first; here at full precision.
  Strengths s;
  if (!CompleteStrengths(MassPct, mass, &s, &error)) return Refused(error);
  return {true, {{"vol", s.vol}, {"mass", s.mass}, {"mol", s.mol}}, {}};
}

// --- boiling ---------------------------------------------------------------

struct BoilingArgs {
  Number liquid, temperature;
  int unit = LiquidVolume;
};

Outcome Boiling(BoilingArgs a) {
  RequireOne("boiling", {&a.liquid, &a.temperature});
  double liquid[3] = {0.0, 0.0, 0.0}; // by LiquidKind
  double boiling = 0.0, vapourMass = 0.0, vapourMol = 0.0, vapourVol = 0.0;
  std::string error;
  if (a.liquid.given()) {
    liquid[a.unit] = a.liquid.value;
    if (!BoilingFromStrength(a.unit, &liquid[LiquidVolume], &liquid[LiquidMass],
                             &liquid[LiquidMolar], &boiling, &vapourMass, &vapourMol, &vapourVol,
                             &error))
      return Refused(error);
    return {true,
            {{"boiling", boiling},
             {"vapour_vol", vapourVol},
             {"vapour_mass", vapourMass},
             {"vapour_mol", vapourMol}},
            {}};
  }
  if (!StrengthFromBoiling(a.temperature.value, &liquid[LiquidVolume], &liquid[LiquidMass],
                           &liquid[LiquidMolar], &vapourMass, &vapourMol, &vapourVol, &error))
    return Refused(error);
  return {true,
          {{"liquid_vol", liquid[LiquidVolume]},
           {"liquid_mass", liquid[LiquidMass]},
           {"liquid_mol", liquid[LiquidMolar]},
           {"vapour_vol", vapourVol},
           {"vapour_mass", vapourMass},
           {"vapour_mol", vapourMol}},
          {}};
}

// --- correct ---------------------------------------------------------------

struct CorrectArgs {
  Number reading, temperature;
  Number to{20.0};
};

Outcome Correct(const CorrectArgs& a) {
  double density = 0.0, densityTo = 0.0, readingTo = 0.0;
  std::string error;
  if (!CorrectReading(a.reading.value, a.temperature.value, a.to.value, &density, &densityTo,
                      &readingTo, &error))
    return Refused(error);
  return {true, {{"density", density}, {"density_to", densityTo}, {"reading_to", readingTo}}, {}};
}

// --- dilute ----------------------------------------------------------------

struct DiluteArgs {
  Number strength, target, spirit, water, result;
};

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
  return {true, {{"spirit", spirit}, {"water", water}, {"result", result}}, {}};
}

// --- mix -------------------------------------------------------------------

struct MixArgs {
  Number volume1, strength1, volume2, strength2, volume, strength;
};

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
    return {true, {{"volume", volume}, {"strength", strength}}, {}};
  }
  if (!FindSecondSolution(a.volume1.value, a.strength1.value, a.volume.value, a.strength.value,
                          &volume, &strength, nullptr, &error))
    return Refused(error);
  return {true, {{"volume2", volume}, {"strength2", strength}}, {}};
}

// --- output ----------------------------------------------------------------

struct OutputArgs {
  Number power, losses, reflux, strength;
  int per = PerSecond;
};

Outcome Output(const OutputArgs& a) {
  double total = 0.0, output = 0.0;
  std::string error;
  if (!DistillateFlow(a.power.value, a.losses.value, a.reflux.value, a.strength.value, a.per,
                      &total, &output, nullptr, &error))
    return Refused(error);
  return {true, {{"total_flow", total}, {"output_flow", output}}, {}};
}

// --- vacuum ----------------------------------------------------------------

struct VacuumArgs {
  Number strength, pressure, temperature;
  int unit = VolPct;
  int pressureUnit = MmHg;
  std::string substance;
};

Outcome Vacuum(const VacuumArgs& a) {
  const bool hasT = a.temperature.given(), hasP = a.pressure.given();
  std::string error;
  // A pressure typed in its unit; one whose conversion, or whose showing in
  // the same unit, would overflow is refused.
  double mmHg = 0.0;
  if (hasP) {
    double shown = 0.0;
    PressureToMmHg(a.pressureUnit, a.pressure.value, &mmHg);
    PressureFromMmHg(a.pressureUnit, mmHg, &shown);
    if (!AllFinite({mmHg, shown})) return Refused(kNonFiniteMessage);
  }
  // A resulting pressure in the same unit (Report refuses it if not finite).
  auto pressureResult = [&](double result) -> Outcome {
    double shown = 0.0;
    PressureFromMmHg(a.pressureUnit, result, &shown);
    return {true, {{"pressure", shown}}, {}};
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
    return {true, {{"boiling", result}}, {}};
  }
  if (a.strength.given()) {
    if (hasT == hasP)
      throw UsageError{"vacuum: with --strength give exactly one of --temperature, --pressure"};
    if (hasP) {
      if (!SolutionBoilingAtPressure(a.unit, a.strength.value, mmHg, &result, &error))
        return Refused(error);
      return {true, {{"boiling", result}}, {}};
    }
    if (!SolutionPressureAtBoiling(a.unit, a.strength.value, a.temperature.value, &result, &error))
      return Refused(error);
    return pressureResult(result);
  }
  if (!(hasT && hasP))
    throw UsageError{"vacuum: give --strength, --substance, or both --temperature and --pressure"};
  if (!SolutionConcentrationAt(a.unit, a.temperature.value, mmHg, &result, &error))
    return Refused(error);
  return {true, {{"strength", result}}, {}};
}

// --- sugar -----------------------------------------------------------------

struct SugarArgs {
  Number perLitre, density, perKg;                             // wanted
  Number sugarWeight, waterVolume, resultVolume, resultWeight; // given
};

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
          {{"sugar_weight", batch.sugarWeight},
           {"water_volume", batch.waterVolume},
           {"result_volume", batch.resultVolume},
           {"result_weight", batch.resultWeight},
           {"result_density", batch.resultDensity}},
          {}};
}

// --- run -------------------------------------------------------------------

struct RunArgs {
  Number startTemperature, startStrength, endTemperature, endStrength, wash;
  bool steps = false;
};

// Writes each step as a tab-separated row at full precision.
class StepRows final : public DistillationSink {
public:
  explicit StepRows(std::ostream& out) : m_out(out) {}
  void OnStep(const DistillationStep& step) override {
    for (const DistillationColumn& c : kDistillationColumns)
      m_out << (&c == kDistillationColumns ? "" : "\t") << ShortestNumber(step.*c.value);
    m_out << '\n';
  }

private:
  std::ostream& m_out;
};

// --- output ----------------------------------------------------------------

std::string JsonString(const std::string& text) { return nlohmann::json(text).dump(); }

std::string JsonObject(const Results& results) {
  std::string text = "{";
  for (const auto& [name, value] : results) {
    if (text.size() > 1) text += ',';
    text += JsonString(name) + ':' + ShortestNumber(value);
  }
  return text + '}';
}

int Report(const Outcome& o, bool json, std::ostream& out, std::ostream& err) {
  if (o.ok) {
    for (const auto& result : o.results)
      if (!AllFinite({result.second})) return Report(Refused(kNonFiniteMessage), json, out, err);
  }
  if (!o.ok) {
    err << o.error << '\n';
    if (json) out << "{\"error\":" << JsonString(o.error) << "}\n";
    return ExitRefused;
  }
  if (json) {
    out << JsonObject(o.results) << '\n';
  } else {
    for (const auto& [name, value] : o.results)
      out << name << ' ' << ShortestNumber(value) << '\n';
  }
  return ExitOk;
}

int Run(const RunArgs& a, bool json, std::ostream& out, std::ostream& err) {
  RequireOne("run", {&a.startTemperature, &a.startStrength});
  RequireOne("run", {&a.endTemperature, &a.endStrength});
  DistillationInput input;
  input.startKind = a.startStrength.given() ? RunByStrength : RunByBoiling;
  input.startValue = a.startStrength.given() ? a.startStrength.value : a.startTemperature.value;
  input.endKind = a.endStrength.given() ? RunByStrength : RunByBoiling;
  input.endValue = a.endStrength.given() ? a.endStrength.value : a.endTemperature.value;
  input.washVolume = a.wash.value;

  TableBoiling boiling;
  StepRows rows(out);
  DistillationRun kept; // the steps for a JSON array
  std::optional<DistillationRecorder> recorder;
  DistillationSink* sink = nullptr;
  if (a.steps && json) {
    sink = &recorder.emplace(&kept);
  } else if (a.steps) {
    out << DistillationFile::kHeader;
    sink = &rows;
  }
  DistillationResult result;
  std::string error;
  const int ok = RunDistillation(input, boiling, sink, &result, &error);
  if (!ok) return Report(Refused(error), json, out, err);
  if (!a.steps) {
    const Outcome o{true,
                    {{"distillate", result.OutVol},
                     {"distillate_strength", result.OutVolCon},
                     {"remaining", result.VolBak},
                     {"steps", static_cast<double>(result.steps)}},
                    {}};
    return Report(o, json, out, err);
  }
  if (json) {
    out << '[';
    for (const DistillationStep& step : kept.steps) {
      Results row;
      for (const DistillationColumn& c : kDistillationColumns)
        row.emplace_back(c.name, step.*c.value);
      out << (&step == kept.steps.data() ? "" : ",") << JsonObject(row);
    }
    out << "]\n";
  }
  return ExitOk;
}

} // namespace

int RunCalc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CLI::App app{"Calculations of the Brevimo distiller's calculator for ethanol-water mixtures: "
               "the same numbers as the window's pages, at full precision.\n"
               "Numbers take a point or a comma as decimal separator.",
               "brevimo-calc"};
  auto formatter = std::make_shared<HelpFormatter>();
  formatter->label("SUBCOMMAND", "COMMAND");
  formatter->label("REQUIRED", "(required)");
  formatter->column_width(34);
  app.formatter(formatter);
  app.set_version_flag("--version", "brevimo-calc " BREVIMO_VERSION);
  app.set_help_all_flag("--help-all", "Print this help with every command's options");
  app.require_subcommand(1);
  app.fallthrough();
  bool json = false;
  app.add_flag("--json", json, "Write the results as one JSON object on one line");
  app.footer("Exit status: 0 results written, 1 the calculation refused (its message on standard "
             "error), 2 usage error.\nRun 'brevimo-calc COMMAND --help' for a command's options.");

  ConvertArgs convert;
  auto* cConvert = app.add_subcommand(
      "convert", "Volume, mass and molar percent and density at 20 °C of a strength; with "
                 "--amount the ethanol and water in that many litres and kilograms");
  AddChoice(cConvert, "--from", convert.from, kConcUnits,
            "Kind of the given strength: vol, mass or mol")
      ->required();
  AddNumber(cConvert, "--value", convert.value, "Strength, % of the kind --from, 0..100")
      ->required();
  AddNumber(cConvert, "--amount", convert.amount,
            "Quantity N of the mixture: adds the composition of N litres and N kilograms");
  AddChoice(cConvert, "--contraction", convert.contraction,
            std::vector<std::pair<std::string, bool>>{{"on", true}, {"off", false}},
            "on: component volumes are those of the pure liquids before mixing (default); off: "
            "shares of the mixture's volume");

  Number density;
  auto* cDensity =
      app.add_subcommand("density", "Volume, mass and molar percent of a mixture of a density");
  AddNumber(cDensity, "--density", density, "Density at 20 °C, kg/l, 0.78927..0.99823")->required();

  BoilingArgs boiling;
  auto* cBoiling = app.add_subcommand(
      "boiling", "Boiling temperature and vapour of a liquid at normal pressure, or the liquid "
                 "and vapour at a boiling temperature");
  AddNumber(cBoiling, "--liquid", boiling.liquid,
            "Liquid strength in --unit (above 0, up to the azeotrope: 97.17 vol, 95.57 mass, "
            "89.41 mol)");
  AddChoice(cBoiling, "--unit", boiling.unit, kLiquidKinds,
            "Kind of --liquid: vol (default), mass or mol");
  AddNumber(cBoiling, "--temperature", boiling.temperature,
            "Boiling temperature, °C, from 78.15 to below 100");

  CorrectArgs correct;
  auto* cCorrect = app.add_subcommand(
      "correct", "Temperature correction of a hydrometer reading: the density it stands for, "
                 "the liquid's density at another temperature and the reading there");
  AddNumber(cCorrect, "--reading", correct.reading, "Hydrometer reading, % vol, 0..100")
      ->required();
  AddNumber(cCorrect, "--temperature", correct.temperature,
            "Temperature of the reading, °C, -25..40")
      ->required();
  AddNumber(cCorrect, "--to", correct.to, "Temperature to correct to, °C, -25..40 (default 20)");

  DiluteArgs dilute;
  auto* cDilute = app.add_subcommand(
      "dilute", "Diluting spirit with water, with the contraction of mixing: give exactly one "
                "of --spirit, --water, --result");
  AddNumber(cDilute, "--strength", dilute.strength, "Strength of the spirit, % vol, 0..100")
      ->required();
  AddNumber(cDilute, "--target", dilute.target,
            "Strength of the result, % vol, 0..100, not above --strength")
      ->required();
  AddNumber(cDilute, "--spirit", dilute.spirit, "Volume of the spirit, litres");
  AddNumber(cDilute, "--water", dilute.water, "Volume of the water added, litres");
  AddNumber(cDilute, "--result", dilute.result, "Volume of the result, litres");

  MixArgs mix;
  auto* cMix = app.add_subcommand(
      "mix", "Mixing two solutions (--volume2, --strength2), or the solution 2 that turns "
             "solution 1 into a result (--volume, --strength)");
  AddNumber(cMix, "--volume1", mix.volume1, "Volume of solution 1, 0 or more")->required();
  AddNumber(cMix, "--strength1", mix.strength1, "Strength of solution 1, % vol, 0..100")
      ->required();
  AddNumber(cMix, "--volume2", mix.volume2, "Volume of solution 2, 0 or more");
  AddNumber(cMix, "--strength2", mix.strength2, "Strength of solution 2, % vol, 0..100");
  AddNumber(cMix, "--volume", mix.volume, "Volume of the result, not below --volume1");
  AddNumber(cMix, "--strength", mix.strength, "Strength of the result, % vol, 0..100");

  OutputArgs output;
  auto* cOutput = app.add_subcommand(
      "output", "Vapour and distillate flow of a still, ml per second, minute or hour");
  AddNumber(cOutput, "--power", output.power, "Heater power, W, above 0")->required();
  AddNumber(cOutput, "--losses", output.losses, "Heat losses, % of the power, 0..99.9")->required();
  AddNumber(cOutput, "--reflux", output.reflux, "Reflux ratio, 0..1000")->required();
  AddNumber(cOutput, "--strength", output.strength, "Distillate strength, % vol, 0..97.17")
      ->required();
  AddChoice(cOutput, "--per", output.per,
            std::vector<std::pair<std::string, int>>{
                {"s", PerSecond}, {"min", PerMinute}, {"h", PerHour}},
            "Time unit of the flows: s (default), min or h");

  VacuumArgs vacuum;
  auto* cVacuum = app.add_subcommand(
      "vacuum", "Boiling under reduced or raised pressure: a solution's boiling temperature "
                "(--strength, --pressure), its pressure (--strength, --temperature) or its "
                "strength (--temperature, --pressure); pure ethanol or water with --substance");
  AddNumber(cVacuum, "--strength", vacuum.strength, "Strength of the solution in --unit, 0..100");
  AddChoice(cVacuum, "--unit", vacuum.unit, kConcUnits,
            "Kind of the strength: vol (default), mass or mol");
  AddNumber(cVacuum, "--pressure", vacuum.pressure,
            "Pressure in --pressure-unit (the tables span 4.57..21730 mm Hg)");
  AddChoice(cVacuum, "--pressure-unit", vacuum.pressureUnit, kPressureUnits,
            "Unit of every pressure: mmhg (default), cmh2o, kpa, at, atm, bar or psi");
  AddNumber(cVacuum, "--temperature", vacuum.temperature,
            "Boiling temperature, °C (ethanol -13.18..199, water 0..231.9)");
  AddChoice(
      cVacuum, "--substance", vacuum.substance,
      std::vector<std::pair<std::string, std::string>>{{"ethanol", "ethanol"}, {"water", "water"}},
      "Pure liquid instead of a solution");

  SugarArgs sugar;
  auto* cSugar = app.add_subcommand(
      "sugar", "Make-up of a sugar solution batch at 20 °C: give exactly one wanted value "
               "(--sugar-per-litre, --density, --sugar-per-kg) and one known amount "
               "(--sugar-weight, --water-volume, --result-volume, --result-weight)");
  AddNumber(cSugar, "--sugar-per-litre", sugar.perLitre,
            "Wanted: sugar per litre of solution, g/l, 0..1208.41");
  AddNumber(cSugar, "--density", sugar.density, "Wanted: solution density, g/l, 1000..1441.7");
  AddNumber(cSugar, "--sugar-per-kg", sugar.perKg,
            "Wanted: sugar per kilogram of solution, g/kg, 0..840");
  AddNumber(cSugar, "--sugar-weight", sugar.sugarWeight, "Given: sugar weight, g");
  AddNumber(cSugar, "--water-volume", sugar.waterVolume, "Given: water volume, ml at 20 °C");
  AddNumber(cSugar, "--result-volume", sugar.resultVolume, "Given: result volume, ml at 20 °C");
  AddNumber(cSugar, "--result-weight", sugar.resultWeight, "Given: result weight, g");

  RunArgs run;
  auto* cRun = app.add_subcommand(
      "run", "Batch distillation of a wash in a pot still, simulated step by step: the "
             "distillate collected and what is left in the still");
  AddNumber(cRun, "--start-temperature", run.startTemperature,
            "Start: boiling temperature of the still liquid, °C", ParseStrictNumber);
  AddNumber(cRun, "--start-strength", run.startStrength,
            "Start: strength of the still liquid, % vol", ParseStrictNumber);
  AddNumber(cRun, "--end-temperature", run.endTemperature,
            "End: boiling temperature of the still liquid, °C", ParseStrictNumber);
  AddNumber(cRun, "--end-strength", run.endStrength, "End: strength of the still liquid, % vol",
            ParseStrictNumber);
  AddNumber(cRun, "--wash", run.wash, "Volume of the wash, above 0 (results in its unit)",
            ParseStrictNumber)
      ->required();
  cRun->add_flag("--steps", run.steps,
                 "Write every step instead: the results file's tab-separated header and a row "
                 "per step (with --json an array of objects keyed by the header's names)");

  for (CLI::App* command : app.get_subcommands({})) {
    command->group("Commands");
    command->add_flag("--json", json, "Write the results as one JSON object on one line");
  }

  try {
    // CLI11 takes the arguments in reverse order, without the program name.
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    if (!reversed.empty()) reversed.pop_back();
    app.parse(std::move(reversed));

    if (*cConvert) return Report(Convert(convert), json, out, err);
    if (*cDensity) return Report(Density(density), json, out, err);
    if (*cBoiling) return Report(Boiling(boiling), json, out, err);
    if (*cCorrect) return Report(Correct(correct), json, out, err);
    if (*cDilute) return Report(Dilute(dilute), json, out, err);
    if (*cMix) return Report(Mix(mix), json, out, err);
    if (*cOutput) return Report(Output(output), json, out, err);
    if (*cVacuum) return Report(Vacuum(vacuum), json, out, err);
    if (*cSugar) return Report(Sugar(sugar), json, out, err);
    if (*cRun) return Run(run, json, out, err);
    return ExitUsage;
  } catch (const CLI::ParseError& e) {
    const int status = app.exit(e, out, err);
    return status == 0 ? ExitOk : ExitUsage;
  } catch (const UsageError& e) {
    err << "brevimo-calc " << e.message << "\nRun with --help for more information.\n";
    return ExitUsage;
  }
}

} // namespace brevimo::cli
