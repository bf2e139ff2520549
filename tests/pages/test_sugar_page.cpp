// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/ui/ui_fixture.h"

#include <QKeyEvent>

namespace {

// Given kind -> its option button; wanted kind -> its option button.
constexpr int kGivenButton[] = {1036, 1037, 1038, 1039};
constexpr int kWantedButton[] = {1040, 1041, 1043};

// The five result fields, in the order sugar, water, volume, weight, density.
constexpr int kResults[] = {1048, 1044, 1045, 1049, 1050};

const char* const kPerLitreMessage = "Масса сахара на 1 л раствора 0..1208.41 г";
const char* const kDensityMessage = "Плотность раствора 1000..1441.7 г/л";
const char* const kPerKilogramMessage = "Масса сахара на 1 кг раствора 0..840 г/кг";
const char* const kPureWaterMessage = "Ошибка - получится чистая вода бесконечного объема";

// A value as "%8.2f" shows it: right-aligned in eight characters.
QString Field(const char* digits) { return QStringLiteral("%1").arg(U(digits), 8); }

class SugarPage : public UiTest {
protected:
  void SetUp() override {
    UiTest::SetUp();
    ShowPage("CPP_ShugarConc");
  }

  // Fills the inputs as a user would and presses "Расчет".
  void Calculate(int given, const char* amount, int wanted, const char* value) {
    Click(kGivenButton[given]);
    Type(1046, U(amount));
    Click(kWantedButton[wanted]);
    Type(1047, U(value));
    Click(1042);
  }

  std::vector<QString> Results() {
    std::vector<QString> texts;
    for (int id : kResults)
      texts.push_back(Text(id));
    return texts;
  }
};

TEST_F(SugarPage, OpensOnTheWorkedExample) {
  EXPECT_EQ(Tabs()->tabText(Tabs()->currentIndex()), U("Сахар"));
  EXPECT_EQ(Text(1047), U("100.0000"));
  EXPECT_EQ(Text(1046), U(" 1000.00"));
  EXPECT_EQ(Text(1045), U(" 1000.00"));
  EXPECT_EQ(Text(1048), U("  100.19"));
  EXPECT_EQ(Text(1044), U("  940.04"));
  EXPECT_EQ(Text(1049), U(" 1038.57"));
  EXPECT_EQ(Text(1050), U(" 1038.57"));
  EXPECT_TRUE(Checked(1038)); // result volume given
  EXPECT_TRUE(Checked(1040)); // sugar per litre wanted
  EXPECT_FALSE(Checked(1036));
  EXPECT_FALSE(Checked(1041));
}

TEST_F(SugarPage, CalculatingAtOnceReproducesTheDefaults) {
  const std::vector<QString> before = Results();
  Click(1042);
  EXPECT_EQ(Results(), before);
  EXPECT_EQ(Text(1047), U("100.0000"));
  EXPECT_EQ(Text(1046), U(" 1000.00"));
}

// The page is built when its tab is first chosen, after the window is shown.
TEST_F(SugarPage, ControlsOfALaterTabAreShown) {
  for (int id : {1036, 1039, 1040, 1043, 1042, 1046, 1047, 1048, 1050})
    EXPECT_TRUE(Control(id)->isVisible()) << id;
}

struct Batch {
  const char* name;
  int given;
  const char* amount;
  int wanted;
  const char* value;
  const char* expected[5]; // sugar, water, volume, weight, density
};

void PrintTo(const Batch& b, std::ostream* os) { *os << b.name; }

class SugarBatches : public SugarPage, public ::testing::WithParamInterface<Batch> {};

TEST_P(SugarBatches, ShowTheWholeBatch) {
  const Batch& b = GetParam();
  Calculate(b.given, b.amount, b.wanted, b.value);
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(Text(kResults[i]), Field(b.expected[i])) << "field " << kResults[i];
  EXPECT_TRUE(Checked(kGivenButton[b.given]));
  EXPECT_TRUE(Checked(kWantedButton[b.wanted]));
}

INSTANTIATE_TEST_SUITE_P(
    WorkedBatches, SugarBatches,
    ::testing::Values(Batch{"SugarWeightGiven",
                            0,
                            "100",
                            0,
                            "100",
                            {"100.00", "938.31", "998.15", "1036.65", "1038.57"}},
                      Batch{"WaterVolumeGiven",
                            1,
                            "1000",
                            0,
                            "100",
                            {"106.57", "1000.00", "1063.78", "1104.80", "1038.57"}},
                      Batch{"ResultWeightPerKilogram",
                            3,
                            "1000",
                            2,
                            "100",
                            {"100.00", "901.60", "961.51", "1000.00", "1040.03"}},
                      Batch{"DensityWanted",
                            2,
                            "1000",
                            1,
                            "1100",
                            {"261.50", "839.98", "1000.00", "1100.00", "1100.00"}},
                      // no sugar wanted: the fit still leaves a trace, so the batch is huge
                      Batch{"ZeroPerLitre",
                            0,
                            "100",
                            0,
                            "0",
                            {"100.00", "8056410.51", "8042168.83", "8042250.66", "1000.01"}},
                      // water's own density: the fit gives a slightly negative sugar weight
                      Batch{"WaterDensity",
                            2,
                            "1000",
                            1,
                            "1000",
                            {"-0.00", "1001.77", "1000.00", "1000.00", "1000.00"}}),
    [](const ::testing::TestParamInfo<Batch>& info) { return info.param.name; });

TEST_F(SugarPage, InputsAreShownInTheirFormatsAfterACalculation) {
  Calculate(2, "500", 0, "150,5"); // a decimal comma is read as well
  EXPECT_EQ(Text(1047), U("150.5000"));
  EXPECT_EQ(Text(1046), U("  500.00"));
  EXPECT_EQ(Text(1045), U("  500.00"));
}

struct Refusal {
  const char* name;
  int given;
  int wanted;
  const char* value;
  const char* message;
};

void PrintTo(const Refusal& r, std::ostream* os) { *os << r.name; }

class SugarRefusals : public SugarPage, public ::testing::WithParamInterface<Refusal> {};

TEST_P(SugarRefusals, ShowTheMessageAndKeepTheFieldsAsTyped) {
  const Refusal& r = GetParam();
  const std::vector<QString> before = Results();
  Calculate(r.given, " 250", r.wanted, r.value);
  EXPECT_EQ(TakeMessage(), U(r.message));
  EXPECT_EQ(Text(1047), U(r.value));
  EXPECT_EQ(Text(1046), U(" 250"));
  EXPECT_EQ(Results(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, SugarRefusals,
    ::testing::Values(Refusal{"PerLitreAbove", 2, 0, "1208.42", kPerLitreMessage},
                      Refusal{"PerLitreJustAbove", 2, 0, "1208.4100000001", kPerLitreMessage},
                      Refusal{"PerLitreBelow", 2, 0, "-0.01", kPerLitreMessage},
                      Refusal{"DensityBelow", 2, 1, "999.99", kDensityMessage},
                      Refusal{"DensityJustBelow", 2, 1, "999.9999999999", kDensityMessage},
                      Refusal{"DensityAbove", 2, 1, "1441.71", kDensityMessage},
                      Refusal{"PerKilogramAbove", 2, 2, "840.01", kPerKilogramMessage},
                      Refusal{"PerKilogramBelow", 2, 2, "-1", kPerKilogramMessage},
                      Refusal{"NoSugarBySugarWeight", 0, 2, "0", kPureWaterMessage},
                      Refusal{"WaterDensityBySugarWeight", 0, 1, "1000", kPureWaterMessage}),
    [](const ::testing::TestParamInfo<Refusal>& info) { return info.param.name; });

struct Bound {
  const char* name;
  int wanted;
  const char* value;
  const char* sugar; // for a litre of result
};

void PrintTo(const Bound& b, std::ostream* os) { *os << b.name; }

class SugarBounds : public SugarPage, public ::testing::WithParamInterface<Bound> {};

// Every value a range message names as allowed is accepted and computed.
TEST_P(SugarBounds, NamedBoundsAreAccepted) {
  const Bound& b = GetParam();
  Calculate(2, "1000", b.wanted, b.value);
  EXPECT_TRUE(NoMessage());
  EXPECT_EQ(Text(1048), Field(b.sugar));
  EXPECT_EQ(Text(1045), U(" 1000.00"));
}

INSTANTIATE_TEST_SUITE_P(Bounds, SugarBounds,
                         ::testing::Values(Bound{"PerLitreTop", 0, "1208.41", "1211.00"},
                                           Bound{"PerLitreJustInside", 0, "1208.4", "1210.99"},
                                           Bound{"PerLitreZero", 0, "0", "0.01"},
                                           Bound{"DensityTop", 1, "1441.7", "1211.01"},
                                           Bound{"DensityBottom", 1, "1000", "-0.00"},
                                           Bound{"PerKilogramTop", 2, "840", "1210.99"},
                                           Bound{"PerKilogramZero", 2, "0", "0.00"}),
                         [](const ::testing::TestParamInfo<Bound>& info) {
                           return info.param.name;
                         });

TEST_F(SugarPage, RefusesTextThatIsNotANumber) {
  Type(1046, U("abc"));
  Click(1042);
  EXPECT_EQ(TakeMessage(), U("Please enter a number."));
  EXPECT_EQ(Text(1046), U("abc"));
  EXPECT_EQ(Text(1048), U("  100.19"));
}

TEST_F(SugarPage, AnOverflowingAmountIsReportedNotShown) {
  Calculate(1, "1.7e308", 0, "100");
  EXPECT_EQ(TakeMessage(), U(kNonFiniteMessage));
  EXPECT_EQ(Text(1046), U("1.7e308"));
  EXPECT_EQ(Text(1049), U(" 1038.57"));
}

TEST_F(SugarPage, NegativeAmountsAreNotChecked) {
  Calculate(3, "-1000", 2, "100");
  EXPECT_TRUE(NoMessage());
  EXPECT_EQ(Text(1048), Field("-100.00"));
  EXPECT_EQ(Text(1049), Field("-1000.00"));
}

// Enter runs "Расчет" on this page, which keeps the standard apply, and
// never closes the window.
TEST_F(SugarPage, EnterCalculatesAndKeepsTheWindowOpen) {
  Type(1047, U("200"));
  QTest::keyClick(Control<QLineEdit>(1047), Qt::Key_Return);
  EXPECT_TRUE(Sheet().isVisible());
  EXPECT_EQ(Sheet().result(), 0);
  EXPECT_EQ(Text(1047), U("200.0000"));
  EXPECT_EQ(Text(1048), Field("200.37"));
  QTest::keyClick(&Sheet(), Qt::Key_Enter);
  EXPECT_TRUE(Sheet().isVisible());
  EXPECT_TRUE(Sheet().m_ShugarConc.OnApply());
}

TEST_F(SugarPage, TypedValuesSurviveASwitchOfTabs) {
  Type(1047, U("150"));
  Click(1036);
  ShowPage("CPP_VolMasMol");
  ShowPage("CPP_ShugarConc");
  EXPECT_EQ(Text(1047), U("150.0000"));
  EXPECT_TRUE(Checked(1036));
  // The value read on leaving the tab is what the next calculation uses.
  Type(1046, U("100"));
  Click(1042);
  EXPECT_EQ(Text(1048), Field("100.00"));
  EXPECT_EQ(Text(1045), Field("665.43"));
}

} // namespace
