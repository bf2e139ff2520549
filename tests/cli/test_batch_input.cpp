// SPDX-License-Identifier: GPL-3.0-or-later
// A batch fed from files in any encoding: every line is answered whatever
// its bytes, and the user's text shows in full.
#include "cli/calc_command.h"
#include "cli/quoted_text.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace brevimo::cli;
using namespace std::string_literals;

constexpr const char* kGood = "convert --from vol --value 40\n";

// Lines whose message quotes bytes a message cannot show as they are, and
// the quoted text the message must hold.
const std::pair<std::string, std::string> kBadLines[] = {
    {"\xff", "unknown command \"\\xFF\""},
    {"convert --from vol --value '4\xd0\xee'", "not a number: \"4\\xD0\\xEE\""}, // CP1251
    {"dilute --strength 96 --target 40 --spirit '5\0x'"s, "not a number: \"5\\x00x\""},
    {"convert --from '\xe2\x82' --value 4", "\"\\xE2\\x82\" is not one of vol|mass|mol"},
    {"dilute --stren\xc3 96", "unknown option \"--stren\\xC3\""},
    {"correct --reading 40 --temperature 20 '\0\x7f'"s, "\"\\x00\\x7F\""},
    {"dilute --strength 96 --target 40 --spirit 5 --digits '2\0'"s, "\"2\\x00\""},
    {"convert --from vol --value 'сорок \"40\"\\'", "\"сорок \\\"40\\\"\\\\\""}, // UTF-8 kept
};

TEST(BatchBytes, EveryLineIsAnsweredAndQuotesItsBytes) {
  std::string input;
  for (const auto& [line, quoted] : kBadLines)
    input += line + '\n' + kGood;
  for (const bool json : {true, false}) {
    SCOPED_TRACE(json ? "--json" : "text");
    std::istringstream in(input);
    std::ostringstream out, err;
    std::vector<std::string> args{"brevimo-calc", "batch"};
    if (json) args.push_back("--json");
    EXPECT_EQ(RunCalc(args, in, out, err, Language::English), ExitUsage);
    std::istringstream answers(out.str());
    long number = 0;
    for (const auto& [line, quoted] : kBadLines) {
      std::string bad, good;
      ASSERT_TRUE(std::getline(answers, bad) && std::getline(answers, good)) << quoted;
      number += 2;
      if (json) {
        const nlohmann::json answer = nlohmann::json::parse(bad); // valid UTF-8 and JSON
        EXPECT_NE(answer["error"].get<std::string>().find(quoted), std::string::npos) << bad;
        EXPECT_EQ(answer["line"], number - 1);
        EXPECT_EQ(nlohmann::json::parse(good)["vol"], 40);
      } else {
        EXPECT_NE(bad.find(quoted), std::string::npos) << bad;
        EXPECT_EQ(ValidUtf8(bad), bad);
        EXPECT_TRUE(bad.ends_with("\tline=" + std::to_string(number - 1))) << bad;
        EXPECT_TRUE(good.starts_with("vol=40\t")) << good;
      }
    }
  }
  // A single command quotes the same way, and the same quoted text goes
  // into its JSON.
  std::istringstream none;
  std::ostringstream out, err;
  EXPECT_EQ(RunCalc({"brevimo-calc", "convert", "--from", "vol", "--value", "4\xd0", "--json"},
                    none, out, err, Language::English),
            ExitUsage);
  EXPECT_NE(err.str().find("not a number: \"4\\xD0\""), std::string::npos) << err.str();
  EXPECT_EQ(ValidUtf8("a\xff\xc3\xa9\xed\xa0\x80"), "a\\xFFé\\xED\\xA0\\x80"); // no surrogates
}

// A word far longer than any name is no near miss: no suggestion, however
// near it comes to a name, so that a huge word is answered at once.
TEST(BatchBytes, OnlyAWordOfSensibleLengthGetsASuggestion) {
  const std::string name(80, 'a');
  EXPECT_EQ(NearestName(std::string(63, 'a') + 'b', {std::string(64, 'a')}), std::string(64, 'a'));
  EXPECT_EQ(NearestName(name.substr(1) + 'b', {name}), "");
}

} // namespace
