// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc_command.h"

#include "shell_words.h"

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
#include <istream>
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
  if (value == 0.0) value = 0.0; // no "-0"
  std::array<char, 64> buffer;
  const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  if (ec != std::errc()) return "nan";
  return std::string(buffer.data(), end);
}

std::string FormatNumber(double value, int digits) {
  if (digits < 0) return ShortestNumber(value);
  std::string text = FormatC("%.*f", digits, value);
  // A value that rounds to zero is "0.00", never "-0.00".
  if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
  return text;
}

NumberText ReadNumber(std::string_view text, double* value) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && blank(text.back()))
    text.remove_suffix(1);
  std::string number(text);
  const auto digit = [&](std::size_t i) {
    return i < number.size() && number[i] >= '0' && number[i] <= '9';
  };
  std::size_t i = 0;
  if (i < number.size() && (number[i] == '+' || number[i] == '-')) ++i;
  std::size_t digits = 0;
  for (; digit(i); ++i)
    ++digits;
  if (i < number.size() && (number[i] == '.' || number[i] == ',')) {
    number[i++] = '.';
    for (; digit(i); ++i)
      ++digits;
  }
  if (digits == 0) return NumberText::NotANumber;
  if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
    ++i;
    if (i < number.size() && (number[i] == '+' || number[i] == '-')) ++i;
    if (!digit(i)) return NumberText::NotANumber;
    while (digit(i))
      ++i;
  }
  if (i != number.size()) return NumberText::NotANumber;
  // from_chars reads no plus sign, and reads in the "C" locale whatever the
  // process locale is.
  const char* first = number.data() + (number[0] == '+' ? 1 : 0);
  double read = 0.0;
  const auto [end, ec] = std::from_chars(first, number.data() + number.size(), read);
  if (ec == std::errc::result_out_of_range) return NumberText::OutOfRange;
  if (ec != std::errc() || end != number.data() + number.size()) return NumberText::NotANumber;
  *value = read;
  return NumberText::Ok;
}

namespace {

std::size_t EditDistance(std::string_view a, std::string_view b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j)
    row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
      diagonal = above;
    }
  }
  return row[b.size()];
}

} // namespace

std::string NearestName(std::string_view word, const std::vector<std::string>& names) {
  const std::size_t letters = word.size() - std::min(word.find_first_not_of('-'), word.size());
  std::string best;
  std::size_t bestDistance = std::string::npos;
  for (const std::string& name : names) {
    // A name the word begins, three letters at least, is as near as it gets.
    const bool prefix = letters >= 3 && name.size() > word.size() && name.starts_with(word);
    const std::size_t distance = prefix ? 0 : EditDistance(word, name);
    if (distance < bestDistance) bestDistance = distance, best = name;
  }
  // Only a near miss: at most two edits, and fewer than half the word's letters.
  return bestDistance <= 2 && 2 * bestDistance < letters ? best : std::string();
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

// A number option; `given` tells whether it was on the command line. Its
// whole text must be one decimal number (ReadNumber), the same for every
// option; the window's fields keep their own reading rules.
struct Number {
  double value = 0.0;
  CLI::Option* option = nullptr;
  bool given() const { return option && option->count() > 0; }
  // Resetting the inputs for the next command line resets the value; the
  // option stays bound to it.
  Number& operator=(const Number& other) {
    value = other.value;
    return *this;
  }
};

CLI::Option* AddNumber(CLI::App* app, const std::string& name, Number& number,
                       const std::string& help) {
  number.option = app->add_option_function<std::string>(
      name, [&number](const std::string& text) { ReadNumber(text, &number.value); }, help);
  number.option->check(CLI::Validator(
      [](std::string& text) {
        double value = 0.0;
        switch (ReadNumber(text, &value)) {
        case NumberText::Ok:
          return std::string();
        case NumberText::OutOfRange:
          return "\"" + text + "\" is beyond the range of a double";
        default:
          return "not a number: \"" + text + "\"";
        }
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

// Help in sections help2man keeps apart in the man page: "Commands:" lists
// the commands; with --help-all each command follows under a heading of its
// own ("Command NAME:") with its options and its results (its footer).
class HelpFormatter final : public CLI::Formatter {
public:
  std::string make_expanded(const CLI::App* sub) const override {
    std::string text = "\nCommand " + sub->get_name() + ":\n  " + sub->get_description() + "\n\n";
    // The options without their group's heading line.
    std::istringstream groups(make_groups(sub, CLI::AppFormatMode::Sub));
    for (std::string line; std::getline(groups, line);)
      if (!line.empty() && line.back() != ':') text += line + "\n";
    if (!sub->get_footer().empty()) text += "\n" + sub->get_footer() + "\n";
    return text;
  }
  // A command's own help ends with its results and then the program's
  // notes on output and exit status.
  std::string make_footer(const CLI::App* app) const override {
    std::string footer = app->get_footer();
    if (const CLI::App* parent = app->get_parent())
      footer += (footer.empty() ? "" : "\n\n") + parent->get_footer();
    return footer.empty() ? footer : footer + "\n";
  }
  std::string make_subcommands(const CLI::App* app, CLI::AppFormatMode mode) const override {
    const std::vector<const CLI::App*> commands = app->get_subcommands({});
    if (commands.empty()) return {};
    std::string text = "\nCommands:\n";
    for (const CLI::App* command : commands)
      text += make_subcommand(command);
    if (mode == CLI::AppFormatMode::All)
      for (const CLI::App* command : commands)
        text += make_expanded(command);
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
    // The azeotrope in each kind, as documented: accepted up to exactly
    // these. Above, the window's own message; within, a liquid the
    // conversion's rounding puts a trace past the table's last row (89.41 %
    // mol reads 95.5706 % mass) is the azeotrope itself.
    static constexpr double kAzeotrope[] = {97.17, 95.57, 89.41}; // by LiquidKind
    static const char* const kAbove[] = {">97.17%", ">95.57%", ">89.41%"};
    if (a.liquid.value > kAzeotrope[a.unit]) return Refused(kAbove[a.unit]);
    liquid[a.unit] = a.liquid.value;
    if (!BoilingFromStrength(a.unit, &liquid[LiquidVolume], &liquid[LiquidMass],
                             &liquid[LiquidMolar], &boiling, &vapourMass, &vapourMol, &vapourVol,
                             &error)) {
      if (error != kAbove[a.unit]) return Refused(error);
      liquid[LiquidMass] = kAzeotrope[LiquidMass];
      if (!BoilingFromStrength(LiquidMass, &liquid[LiquidVolume], &liquid[LiquidMass],
                               &liquid[LiquidMolar], &boiling, &vapourMass, &vapourMol, &vapourVol,
                               &error))
        return Refused(error);
    }
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

// A command's answer, before it is written out.
struct Answer {
  int status = ExitOk;
  std::string message; // a refusal's (translated) or a usage error's
  std::string text;    // help or version, written as it is
  Results results;
  bool isSteps = false; // run --steps: the steps instead of the results
  std::vector<Results> steps;
  bool json = false;
  int digits = -1; // decimals of every number; -1 full precision
  bool batch = false;
};

Answer Malformed(std::string message) {
  Answer a;
  a.status = ExitUsage;
  a.message = std::move(message);
  return a;
}

Outcome RunResults(const RunArgs& a, std::vector<Results>* steps) {
  RequireOne("run", {&a.startTemperature, &a.startStrength});
  RequireOne("run", {&a.endTemperature, &a.endStrength});
  DistillationInput input;
  input.startKind = a.startStrength.given() ? RunByStrength : RunByBoiling;
  input.startValue = a.startStrength.given() ? a.startStrength.value : a.startTemperature.value;
  input.endKind = a.endStrength.given() ? RunByStrength : RunByBoiling;
  input.endValue = a.endStrength.given() ? a.endStrength.value : a.endTemperature.value;
  input.washVolume = a.wash.value;

  TableBoiling boiling;
  DistillationRun kept;
  std::optional<DistillationRecorder> recorder;
  if (a.steps) recorder.emplace(&kept);
  DistillationResult result;
  std::string error;
  if (!RunDistillation(input, boiling, recorder ? &*recorder : nullptr, &result, &error))
    return Refused(error);
  for (const DistillationStep& step : kept.steps) {
    Results row;
    for (const DistillationColumn& c : kDistillationColumns)
      row.emplace_back(c.name, step.*c.value);
    steps->push_back(std::move(row));
  }
  return {true,
          {{"distillate", result.OutVol},
           {"distillate_strength", result.OutVolCon},
           {"remaining", result.VolBak},
           {"steps", static_cast<double>(result.steps)}},
          {}};
}

// --- writing ---------------------------------------------------------------

std::string JsonString(const std::string& text) { return nlohmann::json(text).dump(); }

std::string JsonObject(const Results& results, int digits) {
  std::string text = "{";
  for (const auto& [name, value] : results) {
    if (text.size() > 1) text += ',';
    text += JsonString(name) + ':' + FormatNumber(value, digits);
  }
  return text + '}';
}

std::string JsonArray(const std::vector<Results>& rows, int digits) {
  std::string text = "[";
  for (const Results& row : rows)
    text += (text.size() > 1 ? "," : "") + JsonObject(row, digits);
  return text + ']';
}

// The answer of one command line, as brevimo-calc writes it.
int Write(const Answer& a, std::ostream& out, std::ostream& err) {
  if (a.status == ExitUsage) {
    err << "brevimo-calc: " << a.message << "\nRun with --help for more information.\n";
    return ExitUsage;
  }
  if (a.status == ExitRefused) {
    err << a.message << '\n';
    if (a.json) out << "{\"error\":" << JsonString(a.message) << "}\n";
    return ExitRefused;
  }
  if (!a.text.empty()) {
    out << a.text;
  } else if (a.isSteps && a.json) {
    out << JsonArray(a.steps, a.digits) << '\n';
  } else if (a.isSteps) {
    out << DistillationFile::kHeader;
    for (const Results& row : a.steps) {
      for (const auto& [name, value] : row)
        out << (&row.front().second == &value ? "" : "\t") << FormatNumber(value, a.digits);
      out << '\n';
    }
  } else if (a.json) {
    out << JsonObject(a.results, a.digits) << '\n';
  } else {
    for (const auto& [name, value] : a.results)
      out << name << ' ' << FormatNumber(value, a.digits) << '\n';
  }
  return ExitOk;
}

// --- help texts --------------------------------------------------------------

// Each command's results, for its help and the man page.
std::string ResultsHelp(const char* command,
                        std::initializer_list<std::pair<const char*, const char*>> keys) {
  std::string text = std::string("Results of ") + command + " (NAME VALUE lines, or JSON keys):\n";
  for (const auto& [key, meaning] : keys) {
    std::string line = std::string("  ") + key;
    line.resize(std::max<std::size_t>(line.size() + 2, 24), ' ');
    text += line + meaning + "\n";
  }
  text.pop_back();
  return text;
}

constexpr const char* kGeneralFooter =
    "Output:\n"
    "  text                  one \"NAME VALUE\" line per result, in the order listed\n"
    "  --json                one JSON object on one line: {\"NAME\": VALUE, ...}\n"
    "  refusal               nothing on standard output (with --json: {\"error\": "
    "\"MESSAGE\"}); the message on standard error\n"
    "  run --steps           a tab-separated header line and a row per step; with --json an "
    "array of objects keyed by the header's names: [{\"TKipBak\": VALUE, ...}, ...]\n"
    "  batch                 one answer line per command line: NAME=VALUE pairs separated by "
    "tabs, or with --json one JSON object; a refused or malformed line gives "
    "error=MESSAGE<tab>line=N, or {\"error\": \"MESSAGE\", \"line\": N}\n"
    "  numbers               the shortest text that reads back as the same double, or with "
    "--digits N rounded to N decimals; never \"-0\"\n"
    "  messages              in English under an English locale (LC_ALL, LC_MESSAGES, "
    "LANG; on Windows, where none is set, the interface language), in Russian otherwise\n"
    "\n"
    "Exit status:\n"
    "  0                     results written (in a batch: every line answered)\n"
    "  1                     the calculation refused its inputs (in a batch: a line refused)\n"
    "  2                     usage error: unknown command or option, missing or excess option, "
    "a number that is not one (in a batch: a line malformed)\n"
    "  3                     the output could not be written (a full disk, a closed standard "
    "output); the error on standard error\n"
    "\n"
    "Run 'brevimo-calc COMMAND --help' for a command's options and results.";

// --- the command line ----------------------------------------------------------

// The names a word on the command line may be, for an unknown one's
// nearest: every option of the command and of the program.
std::vector<std::string> OptionNames(const CLI::App* command) {
  std::vector<std::string> names;
  for (const CLI::App* app : {command, command->get_parent()}) {
    if (!app) continue;
    for (const CLI::Option* option : app->get_options()) {
      for (const std::string& name : option->get_lnames())
        names.push_back("--" + name);
      for (const std::string& name : option->get_snames())
        names.push_back("-" + name);
    }
  }
  return names;
}

const CLI::Option* FindOption(const CLI::App* command, const std::string& name) {
  for (const CLI::App* app : {command, command->get_parent()}) {
    if (!app) continue;
    for (const CLI::Option* option : app->get_options())
      if (option->check_name(name)) return option;
  }
  return nullptr;
}

// Unknown commands and options, found before CLI11 looks for missing ones,
// with the nearest valid name when there is one.
void CheckNames(const CLI::App& app, const std::vector<std::string>& words) {
  const auto unknown = [](const char* what, const std::string& word, const std::string& nearest) {
    throw UsageError{"unknown " + std::string(what) + " \"" + word + "\"" +
                     (nearest.empty() ? "" : "; did you mean \"" + nearest + "\"?")};
  };
  const CLI::App* command = &app;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (word.size() > 1 && word[0] == '-' && !(word[1] >= '0' && word[1] <= '9') &&
        word[1] != '.') {
      const std::string name = word.substr(0, word.find('='));
      const CLI::Option* option = FindOption(command, name);
      if (!option) unknown("option", name, NearestName(name, OptionNames(command)));
      // An option's value is not checked as a name ("--to -25").
      if (option->get_items_expected_min() != 0 && name.size() == word.size()) ++i;
      continue;
    }
    if (command != &app) continue; // a stray word: CLI11 reports it
    std::vector<std::string> names;
    for (const CLI::App* sub : app.get_subcommands({}))
      names.push_back(sub->get_name());
    if (std::find(names.begin(), names.end(), word) == names.end())
      unknown("command", word, NearestName(word, names));
    command = app.get_subcommand(word);
  }
}

// The first line of a CLI11 error, the program name before it.
std::string ParseErrorText(const CLI::ParseError& e, const CLI::App& app) {
  std::string text = e.what();
  // The command's name for messages about one of its options.
  for (const CLI::App* sub : app.get_subcommands({}))
    if (sub->parsed()) return sub->get_name() + ": " + text;
  return text;
}

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
};

// The program's command line, built once and parsed for each line of a
// batch again.
class CommandLine {
public:
  CommandLine();
  CommandLine(const CommandLine&) = delete;
  CommandLine& operator=(const CommandLine&) = delete;
  Answer Evaluate(const std::vector<std::string>& args, Language language);

private:
  CLI::App app_{"", "brevimo-calc"};
  Inputs in_;
  CLI::App *cConvert = nullptr, *cDensity = nullptr, *cBoiling = nullptr, *cCorrect = nullptr,
           *cDilute = nullptr, *cMix = nullptr, *cOutput = nullptr, *cVacuum = nullptr,
           *cSugar = nullptr, *cRun = nullptr, *cBatch = nullptr;
};

CommandLine::CommandLine() {
  CLI::App& app = app_;
  app.description("Calculations of the Brevimo distiller's calculator for ethanol-water mixtures: "
                  "the same numbers as the window's pages, at full precision.\n"
                  "Numbers take a point or a comma as decimal separator: the whole text of an "
                  "option is one decimal number, blanks around it allowed.");
  auto formatter = std::make_shared<HelpFormatter>();
  formatter->label("SUBCOMMAND", "COMMAND");
  formatter->label("REQUIRED", "(required)");
  formatter->column_width(38);
  app.formatter(formatter);
  app.set_version_flag("--version", "brevimo-calc " BREVIMO_VERSION);
  app.set_help_all_flag("--help-all", "Print this help with every command's options and results");
  app.require_subcommand(1);
  app.fallthrough();
  const char* kJsonHelp = "Write the results as JSON on one line";
  const char* kDigitsHelp = "Round every number to N decimals (default: full precision)";
  app.add_flag("--json", in_.json, kJsonHelp);
  app.add_option("--digits", in_.digits, kDigitsHelp)
      ->check(CLI::Range(0, 17).description(""))
      ->type_name("N");
  app.footer(kGeneralFooter);

  auto& convert = in_.convert;
  cConvert = app.add_subcommand(
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
  cConvert->footer(ResultsHelp(
      "convert", {{"vol", "% vol (ethanol by volume at 20 °C)"},
                  {"mass", "% mass (ethanol by mass)"},
                  {"mol", "% mol (ethanol by amount of substance)"},
                  {"density", "density at 20 °C, kg/l"},
                  {"alcohol_mass_l", "with --amount: ethanol in N litres of the mixture, kg"},
                  {"alcohol_volume_l", "with --amount: ethanol in N litres, l"},
                  {"water_mass_l", "with --amount: water in N litres, kg"},
                  {"water_volume_l", "with --amount: water in N litres, l"},
                  {"alcohol_mass_kg", "with --amount: ethanol in N kilograms, kg"},
                  {"alcohol_volume_kg", "with --amount: ethanol in N kilograms, l"},
                  {"water_mass_kg", "with --amount: water in N kilograms, kg"},
                  {"water_volume_kg", "with --amount: water in N kilograms, l"}}));

  auto& density = in_.density;
  cDensity =
      app.add_subcommand("density", "Volume, mass and molar percent of a mixture of a density");
  AddNumber(cDensity, "--density", density, "Density at 20 °C, kg/l, 0.78927..0.99823")->required();
  cDensity->footer(
      ResultsHelp("density", {{"vol", "% vol"}, {"mass", "% mass"}, {"mol", "% mol"}}));

  auto& boiling = in_.boiling;
  cBoiling = app.add_subcommand(
      "boiling", "Boiling temperature and vapour of a liquid at normal pressure, or the liquid "
                 "and vapour at a boiling temperature");
  AddNumber(cBoiling, "--liquid", boiling.liquid,
            "Liquid strength in --unit (above 0, up to the azeotrope: 97.17 vol, 95.57 mass, "
            "89.41 mol)");
  AddChoice(cBoiling, "--unit", boiling.unit, kLiquidKinds,
            "Kind of --liquid: vol (default), mass or mol");
  AddNumber(cBoiling, "--temperature", boiling.temperature,
            "Boiling temperature, °C, from 78.15 to below 100");
  cBoiling->footer(
      ResultsHelp("boiling", {{"boiling", "with --liquid: boiling temperature, °C"},
                              {"liquid_vol", "with --temperature: the liquid, % vol"},
                              {"liquid_mass", "with --temperature: the liquid, % mass"},
                              {"liquid_mol", "with --temperature: the liquid, % mol"},
                              {"vapour_vol", "the vapour over the liquid, % vol"},
                              {"vapour_mass", "the vapour, % mass"},
                              {"vapour_mol", "the vapour, % mol"}}));

  auto& correct = in_.correct;
  cCorrect = app.add_subcommand(
      "correct", "Temperature correction of a hydrometer reading: the density it stands for, "
                 "the liquid's density at another temperature and the reading there");
  AddNumber(cCorrect, "--reading", correct.reading, "Hydrometer reading, % vol, 0..100")
      ->required();
  AddNumber(cCorrect, "--temperature", correct.temperature,
            "Temperature of the reading, °C, -25..40")
      ->required();
  AddNumber(cCorrect, "--to", correct.to, "Temperature to correct to, °C, -25..40 (default 20)");
  cCorrect->footer(ResultsHelp(
      "correct", {{"density", "density of the liquid at the reading's temperature, kg/l"},
                  {"density_to", "its density at --to, kg/l"},
                  {"reading_to", "the reading at --to, % vol"}}));

  auto& dilute = in_.dilute;
  cDilute = app.add_subcommand(
      "dilute", "Diluting spirit with water, with the contraction of mixing: give exactly one "
                "of --spirit, --water, --result");
  AddNumber(cDilute, "--strength", dilute.strength, "Strength of the spirit, % vol, up to 100")
      ->required();
  AddNumber(cDilute, "--target", dilute.target,
            "Strength of the result, % vol, above 0, not above --strength")
      ->required();
  AddNumber(cDilute, "--spirit", dilute.spirit, "Volume of the spirit, litres");
  AddNumber(cDilute, "--water", dilute.water, "Volume of the water added, litres");
  AddNumber(cDilute, "--result", dilute.result, "Volume of the result, litres");
  cDilute->footer(ResultsHelp(
      "dilute",
      {{"spirit", "litres of spirit"},
       {"water", "litres of water to add, counted as kilograms at 1 kg/l, as the window does"},
       {"result", "litres of the result, after the contraction"}}));

  auto& mix = in_.mix;
  cMix = app.add_subcommand(
      "mix", "Mixing two solutions (--volume2, --strength2), or the solution 2 that turns "
             "solution 1 into a result (--volume, --strength)");
  AddNumber(cMix, "--volume1", mix.volume1, "Volume of solution 1, 0 or more")->required();
  AddNumber(cMix, "--strength1", mix.strength1, "Strength of solution 1, % vol, 0..100")
      ->required();
  AddNumber(cMix, "--volume2", mix.volume2, "Volume of solution 2, 0 or more");
  AddNumber(cMix, "--strength2", mix.strength2, "Strength of solution 2, % vol, 0..100");
  AddNumber(cMix, "--volume", mix.volume, "Volume of the result, not below --volume1");
  AddNumber(cMix, "--strength", mix.strength, "Strength of the result, % vol, 0..100");
  cMix->footer(ResultsHelp("mix", {{"volume", "with --volume2: volume of the mixture, in the "
                                              "unit of the volumes given"},
                                   {"strength", "with --volume2: its strength, % vol"},
                                   {"volume2", "with --volume: volume of solution 2"},
                                   {"strength2", "with --volume: its strength, % vol"}}));

  auto& output = in_.output;
  cOutput = app.add_subcommand(
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
  cOutput->footer(ResultsHelp("output", {{"total_flow", "vapour flow, ml per --per"},
                                         {"output_flow", "distillate drawn off, ml per --per"}}));

  auto& vacuum = in_.vacuum;
  cVacuum = app.add_subcommand(
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
  cVacuum->footer(ResultsHelp("vacuum", {{"boiling", "boiling temperature, °C"},
                                         {"pressure", "pressure, in --pressure-unit"},
                                         {"strength", "strength of the solution, in --unit"}}));

  auto& sugar = in_.sugar;
  cSugar = app.add_subcommand(
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
  cSugar->footer(ResultsHelp("sugar", {{"sugar_weight", "sugar, g"},
                                       {"water_volume", "water, ml at 20 °C"},
                                       {"result_volume", "the solution, ml at 20 °C"},
                                       {"result_weight", "the solution, g"},
                                       {"result_density", "its density at 20 °C, g/l"}}));

  auto& run = in_.run;
  cRun = app.add_subcommand(
      "run", "Batch distillation of a wash in a pot still, simulated step by step: the "
             "distillate collected and what is left in the still");
  AddNumber(cRun, "--start-temperature", run.startTemperature,
            "Start: boiling temperature of the still liquid, °C");
  AddNumber(cRun, "--start-strength", run.startStrength,
            "Start: strength of the still liquid, % vol");
  AddNumber(cRun, "--end-temperature", run.endTemperature,
            "End: boiling temperature of the still liquid, °C");
  AddNumber(cRun, "--end-strength", run.endStrength, "End: strength of the still liquid, % vol");
  AddNumber(cRun, "--wash", run.wash, "Volume of the wash, above 0 (results in its unit)")
      ->required();
  cRun->add_flag("--steps", run.steps,
                 "Write every step instead: the results file's tab-separated header and a row "
                 "per step (with --json an array of objects keyed by the header's names)");
  cRun->footer(
      ResultsHelp("run", {{"distillate", "distillate collected, in the unit of --wash"},
                          {"distillate_strength", "its strength, % vol"},
                          {"remaining", "liquid left in the still, in the unit of --wash"},
                          {"steps", "number of steps"},
                          {"TKipBak", "--steps: boiling temperature of the still liquid, °C"},
                          {"VConBak", "--steps: strength of the still liquid, % vol"},
                          {"VolBak", "--steps: liquid left in the still"},
                          {"ParVolCon", "--steps: strength of the step's vapour, % vol"},
                          {"OutVol", "--steps: distillate collected so far"},
                          {"OutVolCon", "--steps: strength of all distillate so far, % vol"}}));

  cBatch = app.add_subcommand(
      "batch", "Read one command line per line of standard input (words split as a POSIX shell "
               "splits them, without expansions; # comments and blank lines skipped) and write "
               "one answer line for each, in order");

  for (CLI::App* command : app.get_subcommands({})) {
    command->group("Commands");
    command->add_flag("--json", in_.json, kJsonHelp);
    command->add_option("--digits", in_.digits, kDigitsHelp)
        ->check(CLI::Range(0, 17).description(""))
        ->type_name("N");
  }
}

Answer CommandLine::Evaluate(const std::vector<std::string>& args, Language language) {
  // Each command line starts from the defaults (a Number keeps its option).
  in_ = Inputs{};
  CLI::App& app = app_;
  const auto& run = in_.run;
  Answer answer;
  try {
    std::vector<std::string> words(args.begin() + (args.empty() ? 0 : 1), args.end());
    CheckNames(app, words);
    // CLI11 takes the arguments in reverse order.
    std::reverse(words.begin(), words.end());
    try {
      app.parse(std::move(words));
    } catch (const CLI::Success&) {
      throw; // help or version
    } catch (const CLI::ParseError& e) {
      throw UsageError{ParseErrorText(e, app)};
    }

    answer.json = in_.json;
    answer.digits = in_.digits;
    Outcome o;
    std::vector<Results> steps;
    if (*cConvert)
      o = Convert(in_.convert);
    else if (*cDensity)
      o = Density(in_.density);
    else if (*cBoiling)
      o = Boiling(in_.boiling);
    else if (*cCorrect)
      o = Correct(in_.correct);
    else if (*cDilute)
      o = Dilute(in_.dilute);
    else if (*cMix)
      o = Mix(in_.mix);
    else if (*cOutput)
      o = Output(in_.output);
    else if (*cVacuum)
      o = Vacuum(in_.vacuum);
    else if (*cSugar)
      o = Sugar(in_.sugar);
    else if (*cRun)
      o = RunResults(run, &steps);
    else if (*cBatch)
      answer.batch = true;
    if (o.ok)
      for (const auto& result : o.results)
        if (!AllFinite({result.second})) o = Refused(kNonFiniteMessage);
    if (!o.ok) {
      answer.status = ExitRefused;
      answer.message = TranslateMessage(o.error, language);
    } else if (run.steps) {
      answer.isSteps = true;
      answer.steps = std::move(steps);
    } else {
      answer.results = std::move(o.results);
    }
  } catch (const CLI::ParseError& e) {
    // Help and version: their text is the answer.
    std::ostringstream text, error;
    answer.status = app.exit(e, text, error) == 0 ? ExitOk : ExitUsage;
    answer.text = text.str();
    answer.message = error.str();
  } catch (const UsageError& e) {
    answer.status = ExitUsage;
    answer.message = e.message;
  }
  return answer;
}

// One line of a batch answer: the results as NAME=VALUE pairs separated by
// tabs, or one JSON object; a refused or malformed line its message.
std::string BatchLine(const Answer& a, bool json, int digits, long line) {
  if (a.status != ExitOk) {
    if (json)
      return "{\"error\":" + JsonString(a.message) + ",\"line\":" + std::to_string(line) + "}";
    std::string message = a.message;
    std::replace(message.begin(), message.end(), '\n', ' ');
    std::replace(message.begin(), message.end(), '\t', ' ');
    return "error=" + message + "\tline=" + std::to_string(line);
  }
  if (json) return a.isSteps ? JsonArray(a.steps, digits) : JsonObject(a.results, digits);
  std::string text;
  for (const auto& [name, value] : a.results)
    text += (text.empty() ? "" : "\t") + name + '=' + FormatNumber(value, digits);
  return text;
}

int RunBatch(CommandLine& commandLine, std::istream& in, std::ostream& out, bool json, int digits,
             Language language) {
  int status = ExitOk;
  long number = 0;
  std::vector<std::string> words{"brevimo-calc"};
  for (std::string line; std::getline(in, line);) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    words.resize(1);
    std::string error;
    if (!SplitShellWords(line, &words, &error)) {
      out << BatchLine(Malformed(error), json, digits, number) << '\n';
      status = ExitUsage;
    } else if (words.size() > 1) {
      Answer a = commandLine.Evaluate(words, language);
      if (a.status == ExitOk && a.batch) a = Malformed("batch: a batch cannot hold a batch");
      if (a.status == ExitOk && !a.text.empty())
        a = Malformed("batch: --help and --version have no answer line");
      if (a.status == ExitOk && a.isSteps && !json)
        a = Malformed("batch: run --steps needs the batch's --json (one array per line)");
      if (a.status == ExitUsage && !a.message.empty() && a.message.back() == '\n')
        a.message.pop_back();
      out << BatchLine(a, json, a.digits >= 0 ? a.digits : digits, number) << '\n';
      if (a.status != ExitOk && status != ExitUsage) status = a.status;
    } else {
      continue; // blank or a comment
    }
    // Each answer leaves at once: a program may wait for it before the next line.
    out.flush();
    if (!out) return ExitWrite;
  }
  return status;
}

} // namespace

int RunCalc(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
            std::ostream& err, Language language) {
  CommandLine commandLine;
  const Answer answer = commandLine.Evaluate(args, language);
  if (answer.status == ExitOk && answer.batch)
    return RunBatch(commandLine, in, out, answer.json, answer.digits, language);
  return Write(answer, out, err);
}

int RunCalc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::istringstream none;
  return RunCalc(args, none, out, err, LanguageFromEnvironment());
}

} // namespace brevimo::cli
