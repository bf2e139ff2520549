// SPDX-License-Identifier: GPL-3.0-or-later
// brevimo-calc plan: the planned run's results under their fixed keys, the
// same numbers as the model, its steps, and refusals with their status.
#include "calc/run_plan.h"
#include "cli/calc_command.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Outcome {
  int status;
  std::string out, err;
};

Outcome Calc(std::vector<std::string> args) {
  args.insert(args.begin(), {"brevimo-calc", "plan"});
  std::ostringstream out, err;
  const int status = brevimo::cli::RunCalc(args, out, err);
  return {status, out.str(), err.str()};
}

// The worked plan: 20 l at 40 % vol, 5 plates, reflux 3, 2000 W, 10 %
// losses, 5 % heads, hearts to an 80 % vol stream, the end at a 98 °C pot.
const std::vector<std::string> kWorked = {"--volume",
                                          "20",
                                          "--strength",
                                          "40",
                                          "--plates",
                                          "5",
                                          "--reflux",
                                          "3",
                                          "--power",
                                          "2000",
                                          "--losses",
                                          "10",
                                          "--heads",
                                          "5",
                                          "--hearts-end-strength",
                                          "80",
                                          "--end-temperature",
                                          "98"};

TEST(PlanCommand, GivesTheModelsPlanUnderItsKeys) {
  std::vector<std::string> args = kWorked;
  args.push_back("--json");
  const Outcome o = Calc(args);
  ASSERT_EQ(o.status, 0) << o.err;
  const nlohmann::json j = nlohmann::json::parse(o.out);

  brevimo::RunPlanInput input; // its defaults are the worked plan
  brevimo::TableBoiling boiling;
  brevimo::RunPlan plan;
  std::string error;
  ASSERT_EQ(brevimo::PlanRun(input, boiling, &plan, &error), 1) << error;
  const char* const prefixes[] = {"heads_", "hearts_", "tails_"};
  for (int f = 0; f < brevimo::kPlanFractions; ++f) {
    const std::string p = prefixes[f];
    const brevimo::RunPlanFraction& fr = plan.fractions[f];
    EXPECT_EQ(j.at(p + "volume").get<double>(), fr.liquid.volume) << p;
    EXPECT_EQ(j.at(p + "strength").get<double>(), fr.liquid.strength) << p;
    EXPECT_EQ(j.at(p + "alcohol").get<double>(), fr.liquid.alcohol) << p;
    EXPECT_EQ(j.at(p + "end_minutes").get<double>(), fr.endMinutes) << p;
  }
  EXPECT_EQ(j.at("pot_volume").get<double>(), plan.pot.volume);
  EXPECT_EQ(j.at("pot_strength").get<double>(), plan.pot.strength);
  EXPECT_EQ(j.at("hearts_share").get<double>(), plan.heartsShare);
}

TEST(PlanCommand, WritesEveryStepWithAHeader) {
  std::vector<std::string> args = kWorked;
  args.push_back("--steps");
  const Outcome o = Calc(args);
  ASSERT_EQ(o.status, 0) << o.err;
  std::istringstream lines(o.out);
  std::string header;
  std::getline(lines, header);
  EXPECT_EQ(header, "pot_temperature\tpot_strength\tpot_volume\tstream_strength\tcollected\t"
                    "minutes\tfraction");
  int rows = 0;
  for (std::string line; std::getline(lines, line);)
    ++rows;
  EXPECT_EQ(rows, 457); // the worked plan's steps
}

TEST(PlanCommand, RefusesWithTheModelsMessageOrAUsageError) {
  const struct {
    std::vector<std::string> change;
    int status;
    const char* message;
  } cases[] = {
      {{"--plates", "2.5"}, 1, "Число теоретических тарелок 0..50"},
      {{"--heads", "60"}, 1, "Головы 0..50 % от абсолютного спирта"},
      {{"--power", "0"}, 1, "Мощность <=0"},
      {{"--strength", "97.5"}, 1, ">97.17%"},
      {{"--temperature", "90"}, 2, "plan: give exactly one of --strength, --temperature"},
  };
  for (const auto& c : cases) {
    // The worked plan with one option's value changed, or one more option.
    std::vector<std::string> args = kWorked;
    auto it = std::find(args.begin(), args.end(), c.change[0]);
    if (it != args.end())
      it[1] = c.change[1];
    else
      args.insert(args.end(), c.change.begin(), c.change.end());
    const Outcome o = Calc(args);
    EXPECT_EQ(o.status, c.status) << c.message;
    EXPECT_NE(o.err.find(c.message), std::string::npos) << o.err;
    EXPECT_EQ(o.out, "");
  }
}

} // namespace
