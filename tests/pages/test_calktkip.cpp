// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/CPP_CalkTkip.h"
#include "tests/ui/ui_fixture.h"

namespace {

constexpr int kConc = 1025, kTemp = 1030, kCalcConc = 1031, kCalcTemp = 1033;
constexpr int kVolume = 1032, kMass = 1034, kMolar = 1035;
constexpr int kVapMass = 1036, kVapMolar = 1037, kVapVolume = 1038;

// Names of the unit options in test output.
const char* OptionName(int option) {
  return option == kVolume ? "volume" : option == kMass ? "mass" : "molar";
}

const char* const kRangeMessage = "Ошибка в параметрах\nКоцентрация 0..100%";
const char* const kConcMessage = "Ошибка в параметрах. Концентрация 0..100 (%)";

class CalkTkipTest : public UiTest {
protected:
  void SetUp() override {
    UiTest::SetUp();
    ShowPage("CPP_CalkTkip");
  }

  // Every result and input field, for checking that a failure touched none.
  std::vector<QString> Fields() {
    return {Text(kConc), Text(kTemp), Text(kVapVolume), Text(kVapMass), Text(kVapMolar)};
  }

  void ExpectVapour(const char* volume, const char* mass, const char* molar) {
    EXPECT_EQ(Text(kVapVolume), U(volume));
    EXPECT_EQ(Text(kVapMass), U(mass));
    EXPECT_EQ(Text(kVapMolar), U(molar));
  }
};

TEST_F(CalkTkipTest, SitsOnTheSixthTabsPlaceAfterTheConcentrationPage) {
  const int index = Tabs()->indexOf(Sheet().findChild<QWidget*>(QStringLiteral("CPP_CalkTkip")));
  ASSERT_GE(index, 0);
  EXPECT_EQ(Tabs()->tabText(index), U("Темп. кипения, пар"));
  const int before = Tabs()->indexOf(Sheet().findChild<QWidget*>(QStringLiteral("CPP_VolMasMol")));
  EXPECT_LT(before, index);
  EXPECT_EQ(Sheet().GetPage(index), &Sheet().m_CalkTkip);
}

TEST_F(CalkTkipTest, OpensOnTheWorkedExample) {
  // built on first selection, after the sheet was shown: still visible
  for (int id : {kConc, kTemp, kCalcConc, kCalcTemp, kVolume, kMass, kMolar, kVapMass, kVapMolar,
                 kVapVolume}) {
    QWidget* control = Control(id);
    ASSERT_NE(control, nullptr);
    EXPECT_TRUE(control->isVisible()) << id;
  }
  EXPECT_EQ(Text(kConc), U("96.00"));
  EXPECT_TRUE(Checked(kVolume));
  EXPECT_FALSE(Checked(kMass));
  EXPECT_FALSE(Checked(kMolar));
  EXPECT_EQ(Text(kTemp), U("78.21"));
  ExpectVapour("96.15", "94.07", "86.13");
  EXPECT_EQ(Text(kCalcConc), U("Расчет"));
  EXPECT_EQ(Text(kCalcTemp), U("Расчет"));

  // recalculating the example reproduces it
  Click(kCalcConc);
  EXPECT_TRUE(NoMessage());
  EXPECT_EQ(Text(kTemp), U("78.21"));
  ExpectVapour("96.15", "94.07", "86.13");
  EXPECT_FALSE(Sheet().m_CalkTkip.OnApply());
}

struct ConcCase {
  int option;
  const char* typed;
  const char* shown; // the concentration field afterwards
  const char* temperature;
  const char* vapVolume;
  const char* vapMass;
  const char* vapMolar;
};

void PrintTo(const ConcCase& c, std::ostream* os) { *os << OptionName(c.option) << ':' << c.typed; }

class CalkTkipFromConc : public CalkTkipTest, public ::testing::WithParamInterface<ConcCase> {};

TEST_P(CalkTkipFromConc, FillsTemperatureAndVapour) {
  const ConcCase c = GetParam();
  Click(c.option);
  Type(kConc, U(c.typed));
  Click(kCalcConc);
  EXPECT_TRUE(NoMessage());
  EXPECT_EQ(Text(kConc), U(c.shown));
  EXPECT_EQ(Text(kTemp), U(c.temperature));
  ExpectVapour(c.vapVolume, c.vapMass, c.vapMolar);
  EXPECT_TRUE(Checked(c.option));
}

INSTANTIATE_TEST_SUITE_P(EachUnit, CalkTkipFromConc,
                         ::testing::Values(
                             // a row of the table; the vapour volume is a row of the density table
                             ConcCase{kMass, "50", "50.00", "81.90", "83.01", "77.00", "56.71"},
                             ConcCase{kMass, "10.5", "10.50", "91.05", "61.06", "53.15", "30.75"},
                             // 40 % by volume is 33.30 % by mass: rows 44-45 of the boiling table
                             ConcCase{kVolume, "40", "40.00", "84.09", "79.25", "72.62", "50.93"},
                             ConcCase{kVolume, "96", "96.00", "78.21", "96.15", "94.07", "86.13"},
                             // molar: through the mass %, the field shows the recomputed molar %
                             ConcCase{kMolar, "20", "20.00", "83.30", "80.70", "74.29", "53.07"},
                             ConcCase{kMolar, "85.63", "85.63", "78.21", "96.15", "94.07", "86.12"},
                             // a decimal comma is read as a point
                             ConcCase{kMass, "50,0", "50.00", "81.90", "83.01", "77.00", "56.71"}));

struct Refusal {
  int option;
  const char* typed;
  const char* message;
};

void PrintTo(const Refusal& c, std::ostream* os) { *os << OptionName(c.option) << ':' << c.typed; }

class CalkTkipFromConcRefused : public CalkTkipTest,
                                public ::testing::WithParamInterface<Refusal> {};

TEST_P(CalkTkipFromConcRefused, ShowsOneMessageAndKeepsTheFields) {
  const Refusal c = GetParam();
  Click(c.option);
  Type(kConc, U(c.typed));
  const auto before = Fields();
  Click(kCalcConc);
  EXPECT_EQ(TakeMessage(), U(c.message));
  EXPECT_TRUE(NoMessage());
  EXPECT_EQ(Fields(), before);
  EXPECT_EQ(Text(kConc), U(c.typed));
}

INSTANTIATE_TEST_SUITE_P(
    EachUnit, CalkTkipFromConcRefused,
    ::testing::Values(
        // nothing boils at 0 %, whatever the unit
        Refusal{kVolume, "0", "<=0%"}, Refusal{kMass, "0", "<=0%"}, Refusal{kMolar, "0", "<=0%"},
        // 100 passes the range check, then fails above the azeotrope, told
        // in the unit typed
        Refusal{kVolume, "100", ">97.17%"}, Refusal{kMass, "100", ">95.57%"},
        Refusal{kMolar, "100", ">89.41%"}, Refusal{kMass, "95.58", ">95.57%"},
        Refusal{kVolume, "97.2", ">97.17%"},
        // out of range: the helpers' own message, or the conversion's for mass
        Refusal{kVolume, "100.01", kRangeMessage}, Refusal{kMolar, "100.01", kRangeMessage},
        Refusal{kVolume, "-1", kRangeMessage}, Refusal{kMolar, "-0.01", kRangeMessage},
        Refusal{kMass, "100.01", kConcMessage}, Refusal{kMass, "-1", kConcMessage},
        // text that is no number
        Refusal{kMass, "abc", "Please enter a number."},
        Refusal{kVolume, "", "Please enter a number."}));

TEST_F(CalkTkipTest, ChangingTheUnitKeepsTheNumberAndReadsItInTheNewUnit) {
  Type(kConc, U("96"));
  Click(kMass);
  EXPECT_EQ(Text(kConc), U("96")); // not converted
  EXPECT_EQ(Sheet().m_CalkTkip.m_nUnit, 1);
  Click(kCalcConc);
  EXPECT_EQ(TakeMessage(), U(">95.57%"));

  Click(kMolar);
  EXPECT_EQ(Sheet().m_CalkTkip.m_nUnit, 2);
  Click(kCalcConc); // 96 % molar is 98.4 % by mass
  EXPECT_EQ(TakeMessage(), U(">89.41%"));

  Click(kVolume);
  EXPECT_EQ(Sheet().m_CalkTkip.m_nUnit, 0);
  Click(kCalcConc);
  EXPECT_TRUE(NoMessage());
  EXPECT_EQ(Text(kTemp), U("78.21"));
}

struct TempCase {
  int option;
  const char* typed;
  const char* shownTemp;
  const char* liquid; // in the selected unit
  const char* vapVolume;
  const char* vapMass;
  const char* vapMolar;
};

void PrintTo(const TempCase& c, std::ostream* os) { *os << OptionName(c.option) << ':' << c.typed; }

class CalkTkipFromTemp : public CalkTkipTest, public ::testing::WithParamInterface<TempCase> {};

TEST_P(CalkTkipFromTemp, FillsLiquidInTheSelectedUnitAndVapour) {
  const TempCase c = GetParam();
  Click(c.option);
  Type(kTemp, U(c.typed));
  Click(kCalcTemp);
  EXPECT_TRUE(NoMessage());
  EXPECT_EQ(Text(kTemp), U(c.shownTemp));
  EXPECT_EQ(Text(kConc), U(c.liquid));
  ExpectVapour(c.vapVolume, c.vapMass, c.vapMolar);
}

INSTANTIATE_TEST_SUITE_P(EachUnit, CalkTkipFromTemp,
                         ::testing::Values(
                             // row 23 of the table: 12 % by mass
                             TempCase{kMass, "90.5", "90.50", "12.00", "63.68", "55.80", "33.07"},
                             TempCase{kVolume, "90.5", "90.50", "14.88", "63.68", "55.80", "33.07"},
                             TempCase{kMolar, "90.5", "90.50", "5.07", "63.68", "55.80", "33.07"},
                             // the azeotrope, the lowest temperature accepted
                             TempCase{kMass, "78.15", "78.15", "95.57", "97.17", "95.57", "89.41"},
                             TempCase{kVolume, "78.15", "78.15", "97.17", "97.17", "95.57",
                                      "89.41"},
                             TempCase{kMolar, "85", "85.00", "13.21", "77.22", "70.30", "48.08"},
                             TempCase{kVolume, "80", "80.00", "78.70", "87.76", "82.80", "65.32"}));

TEST_F(CalkTkipTest, TemperatureOutsideTheTableIsRefused) {
  const struct {
    const char* typed;
    const char* message;
  } cases[] = {{"100", ">=100*C"},
               {"120", ">=100*C"},
               {"78.14", "<78.15*C"},
               {"0", "<78.15*C"},
               {"x", "Please enter a number."}};
  for (const auto& c : cases) {
    Type(kTemp, U(c.typed));
    const auto before = Fields();
    Click(kCalcTemp);
    EXPECT_EQ(TakeMessage(), U(c.message)) << c.typed;
    EXPECT_TRUE(NoMessage());
    EXPECT_EQ(Fields(), before) << c.typed;
  }
}

TEST_F(CalkTkipTest, TypedValuesAreShownAgainInTheirFormat) {
  Click(kMass);
  Type(kConc, U("50"));
  Click(kCalcConc);
  EXPECT_EQ(Text(kConc), U("50.00"));

  // leaving the page reads the fields, returning refills them
  Type(kConc, U("12"));
  Type(kTemp, U("90.5"));
  ShowPage("CPP_VolMasMol");
  ShowPage("CPP_CalkTkip");
  EXPECT_TRUE(NoMessage());
  EXPECT_EQ(Text(kConc), U("12.00"));
  EXPECT_EQ(Text(kTemp), U("90.50"));
  EXPECT_TRUE(Checked(kMass));
  // the results were not recalculated
  ExpectVapour("83.01", "77.00", "56.71");
}

// The boiling operations work on the sheet's page object before its tab was
// ever opened, and on a page object without any window.
TEST(CalkTkipOperations, WorkWithoutTheWindow) {
  CDial_Calc sheet(QStringLiteral("Brevimo"));
  CPP_CalkTkip& page = sheet.m_CalkTkip;
  ASSERT_FALSE(page.IsCreated());

  double t = 0, vm = 0, vv = 0;
  ASSERT_EQ(page.BoilingFromLiquid(50.0, &t, &vm, &vv), 1);
  EXPECT_NEAR(t, 81.9, 1e-12);
  EXPECT_NEAR(vm, 77.0, 1e-12);
  EXPECT_NEAR(vv, 83.01, 1e-12);

  EXPECT_EQ(page.BoilingFromLiquid(0.0, &t, &vm, nullptr), 0);
  EXPECT_EQ(page.ErrText, "<=0%");
  EXPECT_EQ(t, -1.0);
  EXPECT_EQ(vm, -1.0);
  EXPECT_EQ(page.BoilingFromLiquid(97.0, &t, nullptr, nullptr), 0);
  EXPECT_EQ(page.ErrText, ">95.57%%");

  double liquid = 7;
  ASSERT_EQ(page.LiquidFromBoiling(90.5, &liquid), 1);
  EXPECT_NEAR(liquid, 12.0, 1e-12);
  EXPECT_EQ(page.ErrText, ">95.57%%"); // success leaves the text alone
  EXPECT_EQ(page.LiquidFromBoiling(100.0, &liquid), 0);
  EXPECT_EQ(page.ErrText, ">=100*C");
  EXPECT_EQ(page.LiquidFromBoiling(78.0, &liquid), 0);
  EXPECT_EQ(page.ErrText, "<78.15*C");
  EXPECT_NEAR(liquid, 12.0, 1e-12);

  double lt = 0, lvm = 0, lvx = 0;
  ASSERT_EQ(CPP_CalkTkip::BoilingLookup(50.5, &lt, &lvm, &lvx), 1);
  EXPECT_NEAR(lvx, 56.92, 1e-12);
  EXPECT_FALSE(page.IsCreated());

  CPP_CalkTkip alone; // never attached to any window
  ASSERT_EQ(alone.LiquidFromBoiling(78.15, &liquid), 1);
  EXPECT_NEAR(liquid, 95.57, 1e-12);
  EXPECT_EQ(alone.ErrText, "");
}

} // namespace
