// SPDX-License-Identifier: GPL-3.0-or-later
// brevimo-calc through its command function: the pages' worked examples,
// refusals, usage errors and the two output forms.
#include "calc/number_text.h"
#include "cli/calc_command.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace {

using brevimo::FormatC;
using brevimo::cli::RunCalc;

struct Outcome {
  int status;
  std::string out, err;
};

Outcome Calc(const std::vector<std::string>& args) {
  std::vector<std::string> line{"brevimo-calc"};
  line.insert(line.end(), args.begin(), args.end());
  std::ostringstream out, err;
  const int status = RunCalc(line, out, err);
  return {status, out.str(), err.str()};
}

// The results of a command run with --json, parsed back.
nlohmann::json Json(std::vector<std::string> args) {
  args.push_back("--json");
  const Outcome o = Calc(args);
  EXPECT_EQ(o.status, 0) << o.err;
  return nlohmann::json::parse(o.out);
}

// One command with its inputs from a page's test, and results as the page
// shows them (its format applied to the full-precision value).
struct Example {
  std::vector<std::string> args;
  std::vector<std::pair<const char*, const char*>> shown; // key, "%.Nf" text
};

class WorkedExample : public ::testing::TestWithParam<Example> {};

TEST_P(WorkedExample, GivesThePagesNumbers) {
  const Example& e = GetParam();
  const nlohmann::json results = Json(e.args);
  for (const auto& [key, text] : e.shown) {
    ASSERT_TRUE(results.contains(key)) << key;
    const int decimals =
        static_cast<int>(std::string(text).size() - std::string(text).find('.') - 1);
    EXPECT_EQ(FormatC("%.*f", decimals, results[key].get<double>()), text) << key;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Pages, WorkedExample,
    ::testing::Values(
        Example{{"convert", "--from", "vol", "--value", "40", "--amount", "10"},
                {{"mass", "33.30"},
                 {"mol", "16.34"},
                 {"density", "0.9481"},
                 {"alcohol_mass_l", "3.1570"},
                 {"alcohol_volume_l", "4.0000"},
                 {"water_mass_l", "6.3235"},
                 {"water_volume_l", "6.3347"},
                 {"alcohol_volume_kg", "4.2191"},
                 {"water_volume_kg", "6.6818"}}},
        Example{
            {"convert", "--from", "vol", "--value", "40", "--amount", "10", "--contraction", "off"},
            {{"water_volume_l", "6.0000"},
             {"water_volume_kg", "6.3288"},
             {"alcohol_volume_kg", "4.2192"}}},
        Example{{"convert", "--from", "mol", "--value", "50"},
                {{"mass", "71.88"}, {"vol", "78.60"}, {"density", "0.8632"}}},
        Example{{"density", "--density", "0.9"}, {{"mass", "56.12"}}},
        Example{{"boiling", "--liquid", "40", "--unit", "vol"},
                {{"boiling", "84.09"},
                 {"vapour_vol", "79.25"},
                 {"vapour_mass", "72.62"},
                 {"vapour_mol", "50.93"}}},
        Example{{"boiling", "--liquid", "20", "--unit", "mol"}, {{"boiling", "83.30"}}},
        Example{{"boiling", "--temperature", "85"},
                {{"liquid_mol", "13.21"},
                 {"vapour_vol", "77.22"},
                 {"vapour_mass", "70.30"},
                 {"vapour_mol", "48.08"}}},
        Example{{"correct", "--reading", "40", "--temperature", "30"},
                {{"density", "0.9481"}, {"density_to", "0.9544"}, {"reading_to", "35.84"}}},
        Example{{"correct", "--reading", "50", "--temperature", "40", "--to", "-25"},
                {{"density", "0.9302"}, {"density_to", "0.9724"}, {"reading_to", "21.11"}}},
        Example{{"dilute", "--strength", "96", "--target", "40", "--spirit", "1000"},
                {{"spirit", "1000.00"}, {"water", "1467.97"}, {"result", "2400.11"}}},
        Example{{"dilute", "--strength", "96", "--target", "40", "--result", "1000"},
                {{"spirit", "416.65"}, {"water", "611.62"}, {"result", "1000.00"}}},
        Example{{"mix", "--volume1", "1000", "--strength1", "96", "--volume2", "1000",
                 "--strength2", "40"},
                {{"volume", "1976.02"}, {"strength", "68.83"}}},
        Example{{"mix", "--volume1", "100", "--strength1", "100", "--volume", "300", "--strength",
                 "100"},
                {{"volume2", "200.00"}, {"strength2", "100.00"}}},
        Example{{"output", "--power", "1000", "--losses", "10", "--reflux", "3", "--strength", "96",
                 "--per", "h"},
                {{"total_flow", "4171.86"}, {"output_flow", "1042.96"}}},
        Example{{"vacuum", "--strength", "40", "--unit", "vol", "--pressure", "760"},
                {{"boiling", "84.10"}}},
        Example{{"vacuum", "--strength", "40", "--temperature", "84.10"}, {{"pressure", "760.09"}}},
        Example{{"vacuum", "--temperature", "84.10", "--pressure", "760"}, {{"strength", "39.99"}}},
        Example{{"vacuum", "--strength", "40", "--pressure", "1", "--pressure-unit", "atm"},
                {{"boiling", "84.10"}}},
        Example{{"vacuum", "--strength", "40", "--temperature", "84.10", "--pressure-unit", "kpa"},
                {{"pressure", "101.34"}}},
        Example{{"vacuum", "--substance", "ethanol", "--temperature", "78.39"},
                {{"pressure", "759.71"}}},
        Example{{"vacuum", "--substance", "water", "--pressure", "760"}, {{"boiling", "100.00"}}},
        Example{{"sugar", "--sugar-per-litre", "100", "--result-volume", "1000"},
                {{"sugar_weight", "100.19"},
                 {"water_volume", "940.04"},
                 {"result_volume", "1000.00"},
                 {"result_weight", "1038.57"},
                 {"result_density", "1038.57"}}},
        Example{{"run", "--start-temperature", "92.5", "--end-temperature", "98", "--wash", "1"},
                {{"distillate", "0.2087"},
                 {"distillate_strength", "40.6487"},
                 {"remaining", "0.7908"},
                 {"steps", "224.0"}}}));

// The same message as the window, on standard error, and with --json also
// as {"error": ...} on standard output; exit status 1.
struct Refusal {
  std::vector<std::string> args;
  const char* message;
};

class Refused : public ::testing::TestWithParam<Refusal> {};

TEST_P(Refused, WithThePagesMessage) {
  const Refusal& r = GetParam();
  Outcome o = Calc(r.args);
  EXPECT_EQ(o.status, 1);
  EXPECT_EQ(o.err, std::string(r.message) + "\n");
  EXPECT_EQ(o.out, "");
  std::vector<std::string> json = r.args;
  json.push_back("--json");
  o = Calc(json);
  EXPECT_EQ(o.status, 1);
  EXPECT_EQ(nlohmann::json::parse(o.out), nlohmann::json({{"error", r.message}}));
}

INSTANTIATE_TEST_SUITE_P(
    Pages, Refused,
    ::testing::Values(
        Refusal{{"convert", "--from", "mol", "--value", "100.5"},
                "Ошибка в параметрах\nКоцентрация 0..100%"},
        Refusal{{"convert", "--from", "vol", "--value", "101"},
                "Ошибка в параметрах. Концентрация 0..100 (%)"},
        Refusal{{"density", "--density", "1.0"},
                "Ошибка в параметрах. Плотность 0.7893...0.9982 (кг/л)"},
        Refusal{{"boiling", "--liquid", "96", "--unit", "mass"}, ">95.57%"},
        Refusal{{"boiling", "--liquid", "90", "--unit", "mol"}, ">89.41%"},
        Refusal{{"boiling", "--temperature", "78.14"}, "<78.15*C"},
        Refusal{{"correct", "--reading", "40", "--temperature", "40.1"},
                "Выход за пределы допустимых температур"},
        Refusal{{"correct", "--reading", "10", "--temperature", "-5"}, "Выход за пределы таблицы"},
        Refusal{{"dilute", "--strength", "96", "--target", "96.5", "--spirit", "1000"},
                "Конечный раствор крепче исходного"},
        Refusal{{"dilute", "--strength", "96", "--target", "40", "--spirit", "1e308"},
                "Результат расчета вне допустимого диапазона.\nПроверьте исходные данные."},
        Refusal{{"mix", "--volume1", "-1", "--strength1", "96", "--volume2", "1000", "--strength2",
                 "40"},
                "Объем <0"},
        Refusal{
            {"output", "--power", "1000", "--losses", "10", "--reflux", "1001", "--strength", "96"},
            "Флегмовое число 0..1000"},
        Refusal{{"vacuum", "--strength", "100.5", "--pressure", "760"},
                "Концентрация спирта должна быть 0...100%"},
        Refusal{{"sugar", "--density", "999", "--sugar-weight", "100"},
                "Плотность раствора 1000..1441.7 г/л"},
        Refusal{{"sugar", "--sugar-per-kg", "0", "--sugar-weight", "100"},
                "Ошибка - получится чистая вода бесконечного объема"},
        Refusal{{"run", "--start-temperature", "92.5", "--end-temperature", "92.5", "--wash", "1"},
                "Ошибка, стартовая концентрация  ниже или равна стоповой"},
        // past the azeotrope, the limit in the unit the start was given in
        Refusal{{"run", "--start-strength", "97.5", "--end-temperature", "98", "--wash", "1"},
                ">97.17%"}));

TEST(CalcCommandUsage, ErrorsExitWith2AndWriteNoResults) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"distil"},
      {"dilute", "--strength", "96", "--spirit", "1000"},
      {"dilute", "--strength", "96", "--target", "40", "--spirit", "1000", "--water", "500"},
      {"dilute", "--strength", "96", "--target", "40"},
      {"dilute", "--strength", "abc", "--target", "40", "--spirit", "1000"},
      {"convert", "--from", "proof", "--value", "40"},
      {"mix", "--volume1", "1", "--strength1", "2", "--volume2", "3", "--strength", "4"},
      {"vacuum", "--strength", "40"},
      {"run", "--start-temperature", "92", "--start-strength", "10", "--end-temperature", "98",
       "--wash", "1"},
      // the run page's fields take a number and nothing else
      {"run", "--start-temperature", "92", "--end-temperature", "98", "--wash", "1l"},
  };
  for (const auto& args : cases) {
    const Outcome o = Calc(args);
    EXPECT_EQ(o.status, 2) << ::testing::PrintToString(args);
    EXPECT_EQ(o.out, "") << ::testing::PrintToString(args);
    EXPECT_FALSE(o.err.empty()) << ::testing::PrintToString(args);
  }
}

TEST(CalcCommandUsage, HelpAndVersionExitWith0) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--help"}, {"dilute", "--help"}, {"--version"}}) {
    const Outcome o = Calc(args);
    EXPECT_EQ(o.status, 0);
    EXPECT_FALSE(o.out.empty());
  }
  EXPECT_NE(Calc({"--help"}).out.find("dilute"), std::string::npos);
  EXPECT_NE(Calc({"correct", "--help"}).out.find("-25..40"), std::string::npos);
}

// Full precision in the shortest form that reads back as the same double,
// in a fixed order, one "name value" line each.
TEST(CalcCommandOutput, TextLinesMatchTheJsonNumbers) {
  const std::vector<std::string> args{"dilute", "--strength", "96",  "--target",
                                      "40",     "--spirit",   "1000"};
  const Outcome text = Calc(args);
  ASSERT_EQ(text.status, 0);
  const nlohmann::json json = Json(args);
  std::istringstream lines(text.out);
  std::vector<std::string> names;
  std::string name, value;
  while (lines >> name >> value) {
    names.push_back(name);
    EXPECT_EQ(std::stod(value), json[name].get<double>()) << name;
    EXPECT_EQ(value, brevimo::cli::ShortestNumber(std::stod(value)));
  }
  EXPECT_EQ(names, (std::vector<std::string>{"spirit", "water", "result"}));
  EXPECT_NE(text.out.find("\nwater 1467.967256"), std::string::npos); // not rounded
}

TEST(CalcCommandOutput, ShortestNumberRoundTrips) {
  for (double v : {0.1, 1467.9712345678901, 1e-300, -2.5, 100.0}) {
    const std::string text = brevimo::cli::ShortestNumber(v);
    EXPECT_EQ(std::stod(text), v) << text;
  }
  EXPECT_EQ(brevimo::cli::ShortestNumber(0.1), "0.1");
  EXPECT_EQ(brevimo::cli::ShortestNumber(100.0), "100");
}

// A comma reads like a point, as in the window's fields; blanks around the
// number are allowed.
TEST(CalcCommandInput, CommaIsADecimalSeparator) {
  EXPECT_EQ(Json({"dilute", "--strength", "96,5", "--target", "40,25", "--water", "1,5"}),
            Json({"dilute", "--strength", "96.5", "--target", "40.25", "--water", "1.5"}));
  EXPECT_EQ(Json({"correct", "--reading", "42,5", "--temperature", "26"}),
            Json({"correct", "--reading", "42.5", "--temperature", "26"}));
  EXPECT_EQ(Json({"dilute", "--strength", " 96\t", "--target", "40", "--spirit", "1000 "}),
            Json({"dilute", "--strength", "96", "--target", "40", "--spirit", "1000"}));
  EXPECT_EQ(Json({"run", "--start-temperature", "92,5", "--end-strength", "2,5", "--wash", "1"}),
            Json({"run", "--start-temperature", "92.5", "--end-strength", "2.5", "--wash", "1"}));
}

TEST(CalcCommandRun, StepsAsRowsOrAJsonArray) {
  const std::vector<std::string> args{
      "run", "--start-temperature", "92.5", "--end-temperature", "98", "--wash", "1", "--steps"};
  const Outcome rows = Calc(args);
  ASSERT_EQ(rows.status, 0) << rows.err;
  EXPECT_EQ(rows.out.rfind("TKipBak\tVConBak\tVolBak\tParVolCon\tOutVol\tOutVolCon\n", 0), 0u);
  EXPECT_EQ(std::count(rows.out.begin(), rows.out.end(), '\n'), 1 + 224);

  const nlohmann::json steps = Json(args);
  ASSERT_TRUE(steps.is_array());
  ASSERT_EQ(steps.size(), 224u);
  // The results file's first and last rows, as the window writes them.
  const auto shown = [](const nlohmann::json& step) {
    return FormatC("%.2f\t%.2f\t%.4f\t%.2f\t%.4f\t%.2f", step["TKipBak"].get<double>(),
                   step["VConBak"].get<double>(), step["VolBak"].get<double>(),
                   step["ParVolCon"].get<double>(), step["OutVol"].get<double>(),
                   step["OutVolCon"].get<double>());
  };
  EXPECT_EQ(shown(steps.front()), "92.53\t10.11\t0.9989\t55.79\t0.0011\t55.79");
  EXPECT_EQ(shown(steps.back()), "98.00\t2.12\t0.7908\t20.90\t0.2087\t40.65");
}

} // namespace
