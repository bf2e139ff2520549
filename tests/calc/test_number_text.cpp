// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/number_text.h"

#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

using brevimo::FormatC;
using brevimo::ParseFieldNumber;
using brevimo::ParseLeadingNumber;
using brevimo::ParseStrictNumber;

namespace {

// Switches the process locale for the length of a scope.
class LocaleGuard {
public:
  explicit LocaleGuard(const char* name) : m_old(std::setlocale(LC_ALL, nullptr)) {
    m_ok = std::setlocale(LC_ALL, name) != nullptr;
  }
  ~LocaleGuard() { std::setlocale(LC_ALL, m_old.c_str()); }
  bool ok() const { return m_ok; }

private:
  std::string m_old;
  bool m_ok = false;
};

TEST(FieldNumber, ReadsLikeAUserMeansIt) {
  struct Row {
    const char* text;
    double value;
  } rows[] = {{"96", 96},       {"96,5", 96.5}, {"96.5", 96.5}, {" 12.5 ", 12.5},
              {"\t-3\r\n", -3}, {"+4", 4},      {"1e3", 1000},  {"0", 0},
              {",5", 0.5},      {"5.", 5},      {"-0", 0},      {"2E-1", 0.2}};
  for (const Row& row : rows) {
    double v = -999;
    EXPECT_TRUE(ParseFieldNumber(row.text, &v)) << row.text;
    EXPECT_EQ(v, row.value) << row.text;
  }
}

// A number read from part of the text would be silently wrong: "1,2,3" is
// not 1.2, nor "12.5kg" 12.5. Decimal only: "0x10" is no number either.
TEST(FieldNumber, RefusesAnythingButOneNumberBetweenBlanks) {
  for (const char* text :
       {"",          "   ",   "abc",    "-",     ".",     ",",       "inf",     "nan",
        "-infinity", "1e999", "x12",    "1,2,3", "1.5.5", " 12.5kg", "12.5 kg", "1,5 л",
        "5 5",       "0x10",  "-0x1p3", "1e",    "2e+x",  "12.5\x01"}) {
    double v = 42;
    EXPECT_FALSE(ParseFieldNumber(text, &v)) << text;
    EXPECT_EQ(v, 42) << text;
  }
}

// Outputs the user cannot correct are read as their leading number.
TEST(LeadingNumber, ReadsTheNumberAtTheStart) {
  double v = 0;
  EXPECT_TRUE(ParseLeadingNumber("  940.04 mm", &v));
  EXPECT_EQ(v, 940.04);
  EXPECT_FALSE(ParseLeadingNumber("-", &v));
  EXPECT_FALSE(ParseLeadingNumber("1e999", &v));
}

TEST(StrictNumber, AcceptsOnlyANumberBetweenBlanks) {
  double v = 0;
  EXPECT_TRUE(ParseStrictNumber(" 92.5\t", &v));
  EXPECT_EQ(v, 92.5);
  EXPECT_TRUE(ParseStrictNumber("1,25", &v));
  EXPECT_EQ(v, 1.25);
  EXPECT_TRUE(ParseStrictNumber("0", &v));
  EXPECT_EQ(v, 0);
  EXPECT_TRUE(ParseStrictNumber("0.000", &v));
  for (const char* text :
       {"", ".0", "-0", "12kg", "abc", "1e999", "nan", "5 5", "0x10", "0x1p3", "0X1A"}) {
    double w = 42;
    EXPECT_FALSE(ParseStrictNumber(text, &w)) << text;
    EXPECT_EQ(w, 42) << text;
  }
  // only the first 31 characters count
  EXPECT_TRUE(ParseStrictNumber(std::string(31, '1').substr(0, 30) + " x", &v));
  EXPECT_FALSE(ParseStrictNumber("1" + std::string(29, ' ') + "x", &v));
}

TEST(FormatC, Formats) {
  EXPECT_EQ(FormatC("%.2f", 96.0), "96.00");
  EXPECT_EQ(FormatC("%8.2f", 940.04), "  940.04");
  EXPECT_EQ(FormatC("%.*g", 15, 92.5), "92.5");
  EXPECT_EQ(FormatC("%.*g", 15, 0.1), "0.1");
  EXPECT_EQ(FormatC("%s", std::string(300, 'a').c_str()).size(), 300u);
}

// The user's locale may use a decimal comma; numbers never do.
// Not run under Wine (cmake/Windows.cmake): the Windows C library has no
// "ru_RU.UTF-8" locale (it names it "ru-RU"), and the Windows program never
// leaves the "C" locale anyway.
TEST(Locale, RussianLocaleDoesNotChangeNumbers) {
  LocaleGuard guard("ru_RU.UTF-8");
  ASSERT_TRUE(guard.ok()) << "the ru_RU.UTF-8 locale is missing (run the set-up step)";
  EXPECT_EQ(FormatC("%.2f", 96.0), "96.00");
  EXPECT_EQ(FormatC("%.4f", 0.8075), "0.8075");
  double v = 0;
  ASSERT_TRUE(ParseFieldNumber("96.5", &v));
  EXPECT_EQ(v, 96.5);
  ASSERT_TRUE(ParseFieldNumber("96,5", &v));
  EXPECT_EQ(v, 96.5);
  ASSERT_TRUE(ParseStrictNumber("92.5", &v));
  EXPECT_EQ(v, 92.5);
}

} // namespace

namespace {

// FormatFixed took over from to_chars with a precision in the results file:
// the same digits for ties, extremes and random doubles, whatever the locale.
TEST(FormatFixed, GivesTheDigitsOfToChars) {
  LocaleGuard russian("ru_RU.UTF-8"); // decimal comma in printf, if present
  std::mt19937_64 random(24);
  std::vector<double> values = {0.125, 2.675, -0.004, 5e-324, 1.7e308, -1e20, 0.0, -0.0};
  for (int i = 0; i < 20000; ++i) {
    double v = 0.0;
    const std::uint64_t bits = random();
    std::memcpy(&v, &bits, sizeof v);
    if (std::isfinite(v)) values.push_back(v);
    values.push_back(std::uniform_real_distribution<double>(-200.0, 200.0)(random));
  }
  char ours[400], theirs[400];
  for (double v : values)
    for (int decimals : {0, 1, 2, 4}) {
      const std::size_t n = brevimo::FormatFixed(v, decimals, ours, sizeof ours);
      const char* end =
          std::to_chars(theirs, theirs + sizeof theirs, v, std::chars_format::fixed, decimals).ptr;
      ASSERT_EQ(std::string(ours, n), std::string(static_cast<const char*>(theirs), end))
          << v << " " << decimals;
    }
  char small[4];
  EXPECT_EQ(brevimo::FormatFixed(123.5, 1, small, sizeof small), 0u); // does not fit
}

} // namespace
