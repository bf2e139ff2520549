// SPDX-License-Identifier: GPL-3.0-or-later
// Every number brevimo-calc's help names is a named constant of the core (or
// an exit status in the notes): a changed limit or a new literal fails here.
#include "calc/blending.h"
#include "calc/boiling.h"
#include "calc/concentration.h"
#include "calc/distillation.h"
#include "calc/run_plan.h"
#include "calc/sugar.h"
#include "calc/temperature_correction.h"
#include "calc/vapour_pressure.h"
#include "cli/calc_command.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace brevimo;
using brevimo::cli::ShortestNumber;

std::string Help(std::vector<std::string> args) {
  args.insert(args.begin(), "brevimo-calc");
  std::ostringstream out, err;
  EXPECT_EQ(cli::RunCalc(args, out, err), cli::ExitOk) << err.str();
  return out.str();
}

// The numbers of a help text as it writes them: "0..100" is two, a digit in
// a name ("--volume2", "cmh2o", "solution 2") or in quotes ("-0") is none.
std::vector<std::string> Numbers(std::string text) {
  text = std::regex_replace(text, std::regex("\"[^\"\n]*\""), " ");
  text = std::regex_replace(text, std::regex("solution [12]\\b"), "solution");
  text = std::regex_replace(text, std::regex("\\.\\."), " .. ");
  static const std::regex number("(?:^|[^\\w.-])(-?\\d+(?:\\.\\d+)?)(?![\\w.])");
  std::vector<std::string> numbers;
  for (std::sregex_iterator it(text.begin(), text.end(), number), end; it != end; ++it)
    numbers.push_back((*it)[1]);
  return numbers;
}

TEST(HelpLimits, EveryNumberIsANamedConstant) {
  const std::map<std::string, double> constants{
      {"kPercentMin", kPercentMin},
      {"kPercentMax", kPercentMax},
      {"kTableTemperature", kTableTemperature},
      {"kDensityMin", kDensityMin},
      {"kDensityMax", kDensityMax},
      {"kAzeotropeVol", kAzeotropeVol},
      {"kAzeotropeMass", kAzeotropeMass},
      {"kAzeotropeMol", kAzeotropeMol},
      {"kAzeotropeBoiling", kAzeotropeBoiling},
      {"kWaterBoiling", kWaterBoiling},
      {"kCorrectionMinTemperature", kCorrectionMinTemperature},
      {"kCorrectionMaxTemperature", kCorrectionMaxTemperature},
      {"kDilutionWaterDensity", kDilutionWaterDensity},
      {"kFlowMaxLosses", kFlowMaxLosses},
      {"kFlowMaxReflux", kFlowMaxReflux},
      {"kFlowMaxStrength", kFlowMaxStrength},
      {"kVapourPressureMin", kVapourPressureMin},
      {"kVapourPressureMax", kVapourPressureMax},
      {"kEthanolBoilingMin", kEthanolBoilingMin},
      {"kEthanolBoilingMax", kEthanolBoilingMax},
      {"kWaterBoilingMin", kWaterBoilingMin},
      {"kWaterBoilingMax", kWaterBoilingMax},
      {"kSugarPerLitreMax", kSugarPerLitreMax},
      {"kSugarPageDensityMin", kSugarPageDensityMin},
      {"kSugarPageDensityMax", kSugarPageDensityMax},
      {"kSugarPerKgMax", kSugarPerKgMax},
      {"kPlanMaxPlates", kPlanMaxPlates},
      {"kPlanMaxHeads", kPlanMaxHeads},
  };
  std::set<std::string> allowed;
  for (const auto& [name, value] : constants)
    allowed.insert(ShortestNumber(value));
  const std::set<std::string> exitStatuses{
      std::to_string(cli::ExitOk), std::to_string(cli::ExitRefused), std::to_string(cli::ExitUsage),
      std::to_string(cli::ExitWrite)};

  std::vector<std::vector<std::string>> helps{{"--help"}, {"--help-all"}};
  for (const char* command : {"convert", "density", "boiling", "correct", "dilute", "mix", "output",
                              "vacuum", "sugar", "run", "plan", "batch"})
    helps.push_back({command, "--help"});
  std::set<std::string> shown;
  for (const auto& args : helps) {
    const std::string text = Help(args);
    // The notes every help ends with name only exit statuses.
    const std::size_t notes = text.find("\nOutput:\n");
    ASSERT_NE(notes, std::string::npos) << args[0];
    for (const std::string& number : Numbers(text.substr(0, notes))) {
      EXPECT_TRUE(allowed.count(number)) << args[0] << ": " << number;
      shown.insert(number);
    }
    for (const std::string& number : Numbers(text.substr(notes)))
      EXPECT_TRUE(exitStatuses.count(number)) << args[0] << " notes: " << number;
  }
  // And every constant listed is one the help shows.
  for (const auto& [name, value] : constants)
    EXPECT_TRUE(shown.count(ShortestNumber(value))) << name;
}

} // namespace
