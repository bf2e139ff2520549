// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/ui/ui_fixture.h"

namespace {

constexpr int kReflux = 1000, kLosses = 1001, kPower = 1002, kStrength = 1003, kCalc = 1004;
constexpr int kTotal = 1005, kOutput = 1006, kPerSecond = 1007, kPerMinute = 1008, kPerHour = 1009;

class PowerAndOutTest : public UiTest {
protected:
  void SetUp() override {
    UiTest::SetUp();
    ShowPage("CPP_PowerAndOut");
  }

  void Inputs(const char* power, const char* losses, const char* reflux, const char* strength) {
    Type(kPower, U(power));
    Type(kLosses, U(losses));
    Type(kReflux, U(reflux));
    Type(kStrength, U(strength));
  }

  void ExpectFlows(const char* total, const char* output) {
    EXPECT_EQ(Text(kTotal), U(total));
    EXPECT_EQ(Text(kOutput), U(output));
  }
};

TEST_F(PowerAndOutTest, OpensOnTheWorkedExampleInMlPerSecond) {
  const int index = Tabs()->indexOf(Page());
  EXPECT_EQ(Tabs()->tabText(index), U("Выход дистиллята"));
  EXPECT_EQ(Text(kPower), "1000.00");
  EXPECT_EQ(Text(kLosses), "10.00");
  EXPECT_EQ(Text(kReflux), "3.0");
  EXPECT_EQ(Text(kStrength), "96.00");
  ExpectFlows("1.16", "0.29");
  EXPECT_TRUE(Checked(kPerSecond));
  EXPECT_FALSE(Checked(kPerMinute));
  EXPECT_TRUE(Control<QLineEdit>(kTotal)->isReadOnly());
  EXPECT_FALSE(Sheet().m_PowerAndOut.OnApply());
}

struct UnitCase {
  int option;
  const char* total;
  const char* output;
};

class PowerAndOutUnits : public PowerAndOutTest, public ::testing::WithParamInterface<UnitCase> {};

TEST_P(PowerAndOutUnits, WorkedExampleInEachUnit) {
  const UnitCase c = GetParam();
  Click(c.option);
  Click(kCalc);
  EXPECT_TRUE(NoMessage());
  ExpectFlows(c.total, c.output);
  EXPECT_TRUE(Checked(c.option));
  EXPECT_NEAR(Sheet().m_PowerAndOut.m_dMassPct, 93.84, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Flows, PowerAndOutUnits,
                         ::testing::Values(UnitCase{kPerSecond, "1.16", "0.29"},
                                           UnitCase{kPerMinute, "69.53", "17.38"},
                                           UnitCase{kPerHour, "4171.86", "1042.96"}));

TEST_F(PowerAndOutTest, OnlyTheEthanolHeatIsWeightedByTheDensity) {
  // 40 % vol: 33.300317 % by mass, 0.948054 kg/l; 900 W useful
  // H = 66.699683 * 22.56 + 0.948054 * 33.300317 * 8.415468 = 1770.43 J/ml
  Inputs("1000", "10", "2", "40");
  Click(kPerHour);
  Click(kCalc);
  ExpectFlows("1830.07", "610.02");
  // Water: 2256 J/ml, 900 W give 0.40 ml/s
  Type(kStrength, "0");
  Click(kPerSecond);
  Click(kCalc);
  ExpectFlows("0.40", "0.13");
}

// Inputs are shown again in their formats after a calculation.
TEST_F(PowerAndOutTest, RewritesInputsInTheirFormats) {
  Inputs("1500", "5.5", "2", "90,5");
  Click(kCalc);
  EXPECT_TRUE(NoMessage());
  EXPECT_EQ(Text(kPower), "1500.00");
  EXPECT_EQ(Text(kLosses), "5.50");
  EXPECT_EQ(Text(kReflux), "2.0");
  EXPECT_EQ(Text(kStrength), "90.50");
}

struct BoundCase {
  int field;
  const char* typed;
  const char* message; // nullptr: accepted
};

class PowerAndOutBounds : public PowerAndOutTest,
                          public ::testing::WithParamInterface<BoundCase> {};

TEST_P(PowerAndOutBounds, ChecksEachInputAtAndBeyondItsBounds) {
  const BoundCase c = GetParam();
  Type(c.field, U(c.typed));
  Click(kCalc);
  if (c.message) {
    EXPECT_EQ(TakeMessage(), U(c.message)) << c.typed;
    // nothing rewritten: the field keeps the typed text, the results stay
    EXPECT_EQ(Text(c.field), U(c.typed));
    ExpectFlows("1.16", "0.29");
  } else {
    EXPECT_TRUE(NoMessage()) << c.typed;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, PowerAndOutBounds,
    ::testing::Values(BoundCase{kPower, "0", "Мощность <=0"},
                      BoundCase{kPower, "-100", "Мощность <=0"}, BoundCase{kPower, "0.01", nullptr},
                      BoundCase{kLosses, "-0.01", "Процент потерь 0..99.9"},
                      BoundCase{kLosses, "0", nullptr}, BoundCase{kLosses, "99.9", nullptr},
                      BoundCase{kLosses, "99.91", "Процент потерь 0..99.9"},
                      BoundCase{kReflux, "-0.1", "Флегмовое число 0..1000"},
                      BoundCase{kReflux, "1000", nullptr},
                      BoundCase{kReflux, "1000.1", "Флегмовое число 0..1000"},
                      BoundCase{kStrength, "-1", "% дистиллята 0..97.17"},
                      BoundCase{kStrength, "0", nullptr}, BoundCase{kStrength, "97.17", nullptr},
                      BoundCase{kStrength, "97.18", "% дистиллята 0..97.17"},
                      BoundCase{kPower, "", "Please enter a number."},
                      BoundCase{kStrength, "abc", "Please enter a number."}));

TEST_F(PowerAndOutTest, ChecksRunInOrderAndShowOneMessage) {
  Inputs("0", "200", "-1", "99");
  Click(kCalc);
  EXPECT_EQ(TakeMessage(), U("Мощность <=0"));
  Type(kPower, "1000");
  Click(kCalc);
  EXPECT_EQ(TakeMessage(), U("Процент потерь 0..99.9"));
  Type(kLosses, "10");
  Click(kCalc);
  EXPECT_EQ(TakeMessage(), U("Флегмовое число 0..1000"));
  Type(kReflux, "3");
  Click(kCalc);
  EXPECT_EQ(TakeMessage(), U("% дистиллята 0..97.17"));
  EXPECT_TRUE(NoMessage());
}

TEST_F(PowerAndOutTest, RefluxZeroDrawsOffEverything) {
  Type(kReflux, "0");
  Click(kPerMinute);
  Click(kCalc);
  ExpectFlows("69.53", "69.53");
  EXPECT_EQ(Text(kReflux), "0.0");
}

TEST_F(PowerAndOutTest, APowerBeyondDoublesGivesAMessageNotInf) {
  Type(kPower, "1e308");
  Click(kCalc);
  EXPECT_EQ(TakeMessage(), U(kNonFiniteMessage));
  ExpectFlows("1.16", "0.29");
  EXPECT_EQ(Text(kPower), "1e308");
}

TEST_F(PowerAndOutTest, UnitIsReadOnlyWhenCalculating) {
  Click(kPerHour);
  ExpectFlows("1.16", "0.29"); // no handler on the options
  ShowPage("CPP_VolMasMol");
  ShowPage("CPP_PowerAndOut");
  EXPECT_TRUE(Checked(kPerHour));
  ExpectFlows("1.16", "0.29");
  Click(kCalc);
  ExpectFlows("4171.86", "1042.96");
}

} // namespace
