// SPDX-License-Identifier: GPL-3.0-or-later
// brevimo-calc as a script sees it: strict numbers, exit statuses, nothing
// written on a refusal, the documented ranges at their edges, messages in
// the user's language, batch mode and the documented output.
#include "cli/calc_command.h"
#include "cli/messages.h"
#include "cli/shell_words.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <fstream>
#include <limits>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace brevimo::cli;

struct Outcome {
  int status;
  std::string out, err;
};

Outcome Calc(const std::vector<std::string>& args, const std::string& input = "",
             Language language = Language::Russian) {
  std::vector<std::string> line{"brevimo-calc"};
  line.insert(line.end(), args.begin(), args.end());
  std::istringstream in(input);
  std::ostringstream out, err;
  const int status = RunCalc(line, in, out, err, language);
  return {status, out.str(), err.str()};
}

// Text that is not one number is a usage error naming the option and
// quoting the text; nothing is computed from a part of it.
TEST(ScriptingNumbers, OnlyAWholeDecimalNumberIsRead) {
  for (const char* text : {"2kW", "20 000", "1e", "0x10", "1.5.5", "1,5,5", "1_000", "10abc", "",
                           "inf", "nan", "--", "+-1"}) {
    const Outcome o =
        Calc({"output", "--power", text, "--losses", "10", "--reflux", "3", "--strength", "96"});
    EXPECT_EQ(o.status, ExitUsage) << text;
    EXPECT_EQ(o.out, "") << text;
    EXPECT_NE(o.err.find("--power"), std::string::npos) << o.err;
    // Appended, not concatenated: GCC 12 at -O3 warns a false -Wrestrict there.
    std::string quoted(1, '"');
    quoted.append(text).push_back('"');
    EXPECT_NE(o.err.find(quoted), std::string::npos) << o.err;
  }
  const Outcome huge = Calc({"convert", "--from", "vol", "--value", "1e400"});
  EXPECT_EQ(huge.status, ExitUsage);
  EXPECT_NE(huge.err.find("beyond the range of a double"), std::string::npos) << huge.err;

  const std::pair<const char*, double> good[] = {{" 2,5\t", 2.5}, {"-3", -3.0}, {"+1e2", 100.0},
                                                 {".5", 0.5},     {"7.", 7.0},  {"1,5E-1", 0.15}};
  for (const auto& [text, value] : good) {
    double read = 0.0;
    EXPECT_EQ(ReadNumber(text, &read), NumberText::Ok) << text;
    EXPECT_EQ(read, value) << text;
  }
  // The run's options, without the window's 31-character cut.
  EXPECT_EQ(Calc({"run", "--start-temperature", "92.50000000000000000000000000000000000001",
                  "--end-temperature", "98", "--wash", "1"})
                .status,
            ExitOk);
}

TEST(ScriptingOutput, ARefusalWritesNothingAndNoNumberIsMinusZero) {
  const Outcome refused = Calc({"run", "--start-temperature", "92.5", "--end-temperature", "92.5",
                                "--wash", "1", "--steps"});
  EXPECT_EQ(refused.status, ExitRefused);
  EXPECT_EQ(refused.out, "");

  const Outcome zero = Calc({"convert", "--from", "vol", "--value", "-0"});
  EXPECT_EQ(zero.status, ExitOk);
  EXPECT_EQ(zero.out.find("-0"), std::string::npos) << zero.out;
  EXPECT_EQ(FormatNumber(-0.0, -1), "0");
  EXPECT_EQ(FormatNumber(-0.0001, 2), "0.00");
  EXPECT_EQ(FormatNumber(-0.006, 2), "-0.01");

  const Outcome rounded =
      Calc({"dilute", "--strength", "96", "--target", "40", "--spirit", "5", "--digits", "2"});
  EXPECT_EQ(rounded.out, "spirit 5.00\nwater 7.34\nresult 12.00\n");
  EXPECT_EQ(Calc({"dilute", "--strength", "96", "--target", "40", "--spirit", "5", "--json",
                  "--digits", "1"})
                .out,
            "{\"spirit\":5.0,\"water\":7.3,\"result\":12.0}\n");
}

// The mistake the user made comes first, with the name they likely meant.
TEST(ScriptingUsage, NamesTheRealMistakeWithASuggestion) {
  const std::pair<std::vector<std::string>, const char*> cases[] = {
      {{"density", "--dens", "0.9"}, "unknown option \"--dens\"; did you mean \"--density\"?"},
      {{"dilut"}, "unknown command \"dilut\"; did you mean \"dilute\"?"},
      {{"dilute", "--strenght", "96", "--target", "40", "--spirit", "1"},
       "did you mean \"--strength\"?"},
      {{"correct", "--reading", "40", "--temperature", "20", "--to=-5", "--tempo", "3"},
       "unknown option \"--tempo\""},
      {{"frobnicate"}, "unknown command \"frobnicate\"\n"},
  };
  for (const auto& [args, message] : cases) {
    const Outcome o = Calc(args);
    EXPECT_EQ(o.status, ExitUsage);
    EXPECT_NE(o.err.find(message), std::string::npos) << o.err;
  }
  EXPECT_EQ(NearestName("--x", {"--to"}), "");
}

// The program's own flags before the command take no value: the command and
// its options after them are read as usual.
TEST(ScriptingUsage, GlobalFlagsBeforeTheCommandKeepItsOptions) {
  const Outcome o = Calc({"--json", "dilute", "--strength", "96", "--target", "40", "--spirit", "5"});
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(o.out, "{\"spirit\":5,\"water\":7.339836282285948,\"result\":12.000550597950266}\n");
}

// Every documented bound: one ulp inside is computed, one ulp outside is
// refused.
struct Bound {
  const char* args; // the command line, {} for the value
  double bound;
  double inside; // the direction of the accepted side
};

class DocumentedRange : public ::testing::TestWithParam<Bound> {};

TEST_P(DocumentedRange, IsTheAcceptedRangeAtItsEdge) {
  const Bound& b = GetParam();
  const auto run = [&](double value) {
    std::string line = b.args;
    line.replace(line.find("{}"), 2, ShortestNumber(value));
    std::vector<std::string> words;
    std::string error;
    SplitShellWords(line, &words, &error);
    return Calc(words);
  };
  const double in = std::nextafter(b.bound, b.inside * std::numeric_limits<double>::infinity());
  const double out = std::nextafter(b.bound, -b.inside * std::numeric_limits<double>::infinity());
  EXPECT_EQ(run(in).status, ExitOk) << ShortestNumber(in) << run(in).err;
  EXPECT_EQ(run(out).status, ExitRefused) << ShortestNumber(out);
}

INSTANTIATE_TEST_SUITE_P(
    Help, DocumentedRange,
    ::testing::Values(
        Bound{"convert --from vol --value {}", 0, 1},
        Bound{"convert --from vol --value {}", 100, -1},
        Bound{"convert --from mass --value {}", 100, -1},
        Bound{"convert --from mol --value {}", 0, 1},
        Bound{"convert --from mol --value {}", 100, -1}, Bound{"density --density {}", 0.78927, 1},
        Bound{"density --density {}", 0.99823, -1}, Bound{"boiling --liquid {}", 0, 1},
        Bound{"boiling --liquid {} --unit vol", 97.17, -1},
        Bound{"boiling --liquid {} --unit mass", 95.57, -1},
        Bound{"boiling --liquid {} --unit mol", 89.41, -1},
        Bound{"boiling --temperature {}", 78.15, 1}, Bound{"boiling --temperature {}", 100, -1},
        Bound{"correct --reading {} --temperature 20", 0, 1},
        Bound{"correct --reading {} --temperature 20", 100, -1},
        Bound{"correct --reading 40 --temperature {}", -25, 1},
        Bound{"correct --reading 40 --temperature {}", 40, -1},
        Bound{"correct --reading 40 --temperature 20 --to {}", -25, 1},
        Bound{"correct --reading 40 --temperature 20 --to {}", 40, -1},
        Bound{"dilute --strength {} --target 40 --spirit 1", 100, -1},
        Bound{"dilute --strength 100 --target {} --spirit 1", 100, -1},
        Bound{"mix --volume1 {} --strength1 40 --volume2 1 --strength2 40", 0, 1},
        Bound{"mix --volume1 1 --strength1 {} --volume2 1 --strength2 40", 0, 1},
        Bound{"mix --volume1 1 --strength1 {} --volume2 1 --strength2 40", 100, -1},
        Bound{"mix --volume1 1 --strength1 40 --volume2 {} --strength2 40", 0, 1},
        Bound{"mix --volume1 1 --strength1 40 --volume2 1 --strength2 {}", 0, 1},
        Bound{"mix --volume1 1 --strength1 40 --volume2 1 --strength2 {}", 100, -1},
        Bound{"output --power {} --losses 10 --reflux 3 --strength 96", 0, 1},
        Bound{"output --power 1000 --losses {} --reflux 3 --strength 96", 0, 1},
        Bound{"output --power 1000 --losses {} --reflux 3 --strength 96", 99.9, -1},
        Bound{"output --power 1000 --losses 10 --reflux {} --strength 96", 0, 1},
        Bound{"output --power 1000 --losses 10 --reflux {} --strength 96", 1000, -1},
        Bound{"output --power 1000 --losses 10 --reflux 3 --strength {}", 0, 1},
        Bound{"output --power 1000 --losses 10 --reflux 3 --strength {}", 97.17, -1},
        Bound{"vacuum --strength {} --pressure 760", 0, 1},
        Bound{"vacuum --strength {} --pressure 760", 100, -1},
        Bound{"vacuum --substance ethanol --pressure {}", 4.57, 1},
        Bound{"vacuum --substance water --pressure {}", 21730, -1},
        Bound{"vacuum --substance ethanol --temperature {}", -13.18, 1},
        Bound{"vacuum --substance ethanol --temperature {}", 199, -1},
        Bound{"vacuum --substance water --temperature {}", 0, 1},
        Bound{"vacuum --substance water --temperature {}", 231.9, -1},
        Bound{"sugar --sugar-per-litre {} --sugar-weight 100", 0, 1},
        Bound{"sugar --sugar-per-litre {} --result-volume 100", 1208.41, -1},
        Bound{"sugar --density {} --result-volume 100", 1000, 1},
        Bound{"sugar --density {} --result-volume 100", 1441.7, -1},
        Bound{"sugar --sugar-per-kg {} --result-volume 100", 0, 1},
        Bound{"sugar --sugar-per-kg {} --result-volume 100", 840, -1}));

TEST(ScriptingMessages, InTheLanguageOfTheLocale) {
  const std::vector<std::string> args{"density", "--density", "1.0"};
  EXPECT_EQ(Calc(args, "", Language::English).err,
            "Parameter error. Density 0.7893...0.9982 (kg/l)\n");
  EXPECT_EQ(Calc(args, "", Language::Russian).err,
            "Ошибка в параметрах. Плотность 0.7893...0.9982 (кг/л)\n");
  EXPECT_EQ(
      Calc({"dilute", "--strength", "40", "--target", "96", "--spirit", "1"}, "", Language::English)
          .err,
      "The result is stronger than the starting spirit\n");
  for (const char* locale : {"en_US.UTF-8", "en", "en_GB"})
    EXPECT_EQ(LanguageOfLocale(locale), Language::English) << locale;
  for (const char* locale : {"ru_RU.UTF-8", "C", "C.UTF-8", "", "de_DE"})
    EXPECT_EQ(LanguageOfLocale(locale), Language::Russian) << locale;
}

TEST(ScriptingBatch, SplitsWordsAsAShellDoes) {
  const std::pair<const char*, std::vector<std::string>> cases[] = {
      {"  a  'b c'  \"d \\\" e\"  f\\ g # h", {"a", "b c", "d \" e", "f g"}},
      {"'' x#y \"\\n\"", {"", "x#y", "\\n"}},
      {"# only a comment", {}},
  };
  for (const auto& [line, expected] : cases) {
    std::vector<std::string> words;
    std::string error;
    EXPECT_TRUE(SplitShellWords(line, &words, &error)) << line;
    EXPECT_EQ(words, expected) << line;
  }
  for (const char* bad : {"a 'b", "a \"b", "a\\"}) {
    std::vector<std::string> words;
    std::string error;
    EXPECT_FALSE(SplitShellWords(bad, &words, &error)) << bad;
  }
}

TEST(ScriptingBatch, AnswersEveryLineInOrder) {
  const std::string input = "dilute --strength 96 --target 40 --spirit 5\n"
                            "# a comment\n"
                            "\n"
                            "dilute --strength 40 --target 96 --spirit 1\r\n"
                            "convert --from vol --value '40'\n";
  // The results of a command line alone, as NAME=VALUE pairs.
  const auto pairs = [](const std::vector<std::string>& args) {
    std::string text = Calc(args).out;
    text = std::regex_replace(text, std::regex(" "), "=");
    text = std::regex_replace(text, std::regex("\n(?!$)"), "\t");
    return text;
  };
  Outcome o = Calc({"batch"}, input);
  EXPECT_EQ(o.status, ExitRefused);
  EXPECT_EQ(o.out, pairs({"dilute", "--strength", "96", "--target", "40", "--spirit", "5"}) +
                       "error=Конечный раствор крепче исходного\tline=4\n" +
                       pairs({"convert", "--from", "vol", "--value", "40"}));

  o = Calc({"batch", "--json"}, input + "dilute --strength 'x\nfoo\n");
  EXPECT_EQ(o.status, ExitUsage);
  std::istringstream lines(o.out);
  std::vector<nlohmann::json> answers;
  for (std::string line; std::getline(lines, line);)
    answers.push_back(nlohmann::json::parse(line));
  ASSERT_EQ(answers.size(), 5u);
  EXPECT_EQ(answers[0]["water"], 7.339836282285948);
  EXPECT_EQ(answers[1]["line"], 4);
  EXPECT_EQ(answers[3]["line"], 6);
  EXPECT_EQ(answers[4], nlohmann::json({{"error", "unknown command \"foo\""}, {"line", 7}}));
}

// The batch parses every line afresh: no option, default or word carries
// over from one line to the next.
TEST(ScriptingBatch, EachLineAnswersAsItWouldAlone) {
  const std::vector<std::vector<std::string>> lines = {
      {"correct", "--reading", "40", "--temperature", "30", "--to", "25"},
      {"correct", "--reading", "40", "--temperature", "30"},
      {"vacuum", "--substance", "ethanol", "--temperature", "78.39", "--pressure-unit", "kpa"},
      {"vacuum", "--strength", "40", "--temperature", "84.1"},
      {"boiling", "--liquid", "20", "--unit", "mol", "--digits", "3"},
      {"boiling", "--liquid", "20"},
      {"convert", "--from", "vol", "--value", "40", "--amount", "10", "--contraction", "off"},
      {"convert", "--from", "vol", "--value", "40", "--amount", "10"},
  };
  std::string input;
  for (const auto& line : lines) {
    for (const std::string& word : line)
      input += word + ' ';
    input += '\n';
  }
  std::istringstream answers(Calc({"batch", "--json"}, input).out);
  for (std::vector<std::string> line : lines) {
    std::string answer;
    std::getline(answers, answer);
    line.push_back("--json");
    EXPECT_EQ(answer + '\n', Calc(line).out) << line[0];
  }
}

// A stream that refuses every write, as a full disk does.
class FullDisk : public std::streambuf {
protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
};

TEST(ScriptingBatch, StopsAtAWriteError) {
  FullDisk full;
  std::ostream out(&full);
  std::ostringstream err;
  std::istringstream in("density --density 0.9\ndensity --density 0.9\n");
  EXPECT_EQ(RunCalc({"brevimo-calc", "batch"}, in, out, err, Language::Russian), ExitWrite);
}

// Each command's --help names every key it answers with, and the statuses.
TEST(ScriptingHelp, ListsEveryResultKeyAndExitStatus) {
  const std::vector<std::vector<std::string>> lines = {
      {"convert", "--from", "vol", "--value", "40", "--amount", "1"},
      {"density", "--density", "0.9"},
      {"boiling", "--liquid", "40"},
      {"boiling", "--temperature", "85"},
      {"correct", "--reading", "40", "--temperature", "30"},
      {"dilute", "--strength", "96", "--target", "40", "--spirit", "1"},
      {"mix", "--volume1", "1", "--strength1", "96", "--volume2", "1", "--strength2", "40"},
      {"mix", "--volume1", "1", "--strength1", "96", "--volume", "2", "--strength", "50"},
      {"output", "--power", "1000", "--losses", "10", "--reflux", "3", "--strength", "96"},
      {"vacuum", "--strength", "40", "--pressure", "760"},
      {"vacuum", "--strength", "40", "--temperature", "84"},
      {"vacuum", "--temperature", "84", "--pressure", "760"},
      {"sugar", "--sugar-per-litre", "100", "--result-volume", "1000"},
      {"run", "--start-temperature", "92.5", "--end-temperature", "98", "--wash", "1"},
      {"run", "--start-temperature", "92.5", "--end-temperature", "98", "--wash", "1", "--steps"},
  };
  for (std::vector<std::string> args : lines) {
    const std::string help = Calc({args[0], "--help"}).out;
    args.push_back("--json");
    nlohmann::json answer = nlohmann::json::parse(Calc(args).out);
    if (answer.is_array()) answer = answer[0];
    for (const auto& [key, value] : answer.items())
      EXPECT_NE(help.find("\n  " + key + " "), std::string::npos) << args[0] << ": " << key;
    for (const char* status : {"\n  0 ", "\n  1 ", "\n  2 ", "\n  3 "})
      EXPECT_NE(help.find(status), std::string::npos) << args[0];
  }
}

// The completion script offers every command, option and option word the
// program has.
TEST(ScriptingHelp, BashCompletionKnowsEveryName) {
  std::ifstream file(BREVIMO_COMPLETION_FILE);
  const std::string script((std::istreambuf_iterator<char>(file)), {});
  ASSERT_FALSE(script.empty());
  const std::string help = Calc({"--help-all"}).out;
  std::vector<std::string> names;
  const std::regex command(R"(\nCommand ([a-z]+):)"), option(R"(\n  (--[a-z0-9-]+)( [a-z0-9|]+)?)");
  for (std::sregex_iterator it(help.begin(), help.end(), command), end; it != end; ++it)
    names.push_back((*it)[1]);
  EXPECT_EQ(names.size(), 12u);
  for (std::sregex_iterator it(help.begin(), help.end(), option), end; it != end; ++it) {
    names.push_back((*it)[1]);
    std::istringstream words(std::regex_replace((*it)[2].str(), std::regex("[|]"), " "));
    for (std::string word; words >> word;)
      if (word.find('|') == std::string::npos && (*it)[2].str().find('|') != std::string::npos)
        names.push_back(word);
  }
  EXPECT_GT(names.size(), 60u);
  for (const std::string& name : names)
    EXPECT_TRUE(std::regex_search(script, std::regex("[ \"]" + name + "[ \")]"))) << name;
}

} // namespace
