// SPDX-License-Identifier: GPL-3.0-or-later
// The dilution page through its widgets.
#include "tests/ui/ui_fixture.h"

namespace {

const char* const kStronger = "Конечный раствор крепче исходного";
const char* const kConcMessage = "Ошибка в параметрах. Концентрация 0..100 (%)";

class RazvedSpirtaTest : public UiTest {
protected:
  void SetUp() override {
    UiTest::SetUp();
    ShowPage("CPP_RazvedSpirta");
  }

  // Chooses the given volume and types it with both strengths.
  void Enter(int option, const char* volume, const char* spirit, const char* result) {
    Click(option);
    Type(1041, U(volume));
    Type(1039, U(spirit));
    Type(1040, U(result));
  }

  void ExpectVolumes(const char* spirit, const char* water, const char* result) {
    EXPECT_EQ(Text(1043), U(spirit));
    EXPECT_EQ(Text(1044), U(water));
    EXPECT_EQ(Text(1045), U(result));
  }

  // After a refusal the typed texts stay and the results keep the example.
  void ExpectUntouched(const char* volume, const char* spirit, const char* result) {
    EXPECT_EQ(Text(1041), U(volume));
    EXPECT_EQ(Text(1039), U(spirit));
    EXPECT_EQ(Text(1040), U(result));
    ExpectVolumes("1000.00", "1467.97", "2400.11");
  }
};

TEST_F(RazvedSpirtaTest, OpensOnTheWorkedExampleAndRecomputesIt) {
  EXPECT_TRUE(Checked(1036));
  EXPECT_EQ(Text(1041), U("1000.00"));
  EXPECT_EQ(Text(1039), U("96.00"));
  EXPECT_EQ(Text(1040), U("40.00"));
  ExpectVolumes("1000.00", "1467.97", "2400.11");
  for (int id : {1043, 1044, 1045})
    EXPECT_TRUE(Control<QLineEdit>(id)->isReadOnly()) << id;
  Type(1041, U("1000"));
  Click(1042);
  EXPECT_EQ(Text(1041), U("1000.00"));
  ExpectVolumes("1000.00", "1467.97", "2400.11");
}

struct GivenCase {
  int option;
  const char* volume;
  const char *spirit, *water, *result;
};

class RazvedSpirtaGiven : public RazvedSpirtaTest,
                          public ::testing::WithParamInterface<GivenCase> {};

TEST_P(RazvedSpirtaGiven, FillsAllThreeVolumes) {
  const GivenCase c = GetParam();
  Enter(c.option, c.volume, "96", "40");
  Click(1042);
  ExpectVolumes(c.spirit, c.water, c.result);
  EXPECT_EQ(Text(1039), U("96.00"));
  EXPECT_TRUE(Checked(c.option));
}

// 96 % to 40 %; the water and the result of the opening example give its
// spirit back.
INSTANTIATE_TEST_SUITE_P(
    From96To40, RazvedSpirtaGiven,
    ::testing::Values(GivenCase{1038, "1000", "416.65", "611.62", "1000.00"},
                      GivenCase{1037, "1000", "681.21", "1000.00", "1634.99"},
                      GivenCase{1037, "1467.97", "1000.00", "1467.97", "2400.11"},
                      GivenCase{1038, "2400.11", "1000.00", "1467.97", "2400.11"},
                      GivenCase{1036, "250,5", "250.50", "367.73", "601.23"}));

TEST_F(RazvedSpirtaTest, EqualStrengthsTakeNoWater) {
  Enter(1036, "1000", "96", "96");
  Click(1042);
  ExpectVolumes("1000.00", "0.00", "1000.00");
  // a strength whose formulas leave a negative residue
  Enter(1038, "1000", "50", "50");
  Click(1042);
  ExpectVolumes("1000.00", "0.00", "1000.00");
}

TEST_F(RazvedSpirtaTest, AStrongerResultIsRefusedBeforeAnyConversion) {
  Enter(1036, "1000", "96", "96.5");
  Click(1042);
  EXPECT_EQ(TakeMessage(), U(kStronger));
  ExpectUntouched("1000", "96", "96.5");
  // both out of range: the page's own check comes first
  Enter(1036, "1000", "101", "150");
  Click(1042);
  EXPECT_EQ(TakeMessage(), U(kStronger));
}

TEST_F(RazvedSpirtaTest, AStrengthOutOfRangeIsRefusedByTheConversion) {
  Enter(1036, "1000", "101", "40");
  Click(1042);
  EXPECT_EQ(TakeMessage(), U(kConcMessage));
  ExpectUntouched("1000", "101", "40");
  Enter(1036, "1000", "96", "-1");
  Click(1042);
  EXPECT_EQ(TakeMessage(), U(kConcMessage));
}

TEST_F(RazvedSpirtaTest, AResultOfStrengthZeroIsRefusedUnlessTheResultIsGiven) {
  for (int option : {1036, 1037}) {
    Enter(option, "1000", "96", "0");
    Click(1042);
    EXPECT_EQ(TakeMessage(), U("Крепость результата должна быть больше 0")) << option;
    ExpectUntouched("1000", "96", "0");
  }
  // 1000 of water: no spirit, its 998.23 kg of water counted at 1 kg/l
  Enter(1038, "1000", "96", "0");
  Click(1042);
  EXPECT_TRUE(NoMessage());
  ExpectVolumes("0.00", "998.23", "1000.00");
}

TEST_F(RazvedSpirtaTest, EqualStrengthsWithTheWaterGivenAreRefused) {
  Enter(1037, "500", "40", "40");
  Click(1042);
  EXPECT_EQ(TakeMessage(),
            U("Крепости исходного спирта и результата равны: по объему воды расчет невозможен"));
  ExpectUntouched("500", "40", "40");
}

TEST_F(RazvedSpirtaTest, AnOverflowingVolumeShowsAMessageNotInf) {
  Enter(1036, "1e308", "96", "40");
  Click(1042);
  EXPECT_EQ(TakeMessage(), U(kNonFiniteMessage));
  ExpectUntouched("1e308", "96", "40");
}

TEST_F(RazvedSpirtaTest, EnterRunsTheCalculation) {
  Click(1038);
  Type(1041, "1000");
  QTest::keyClick(Control(1041), Qt::Key_Return);
  ExpectVolumes("416.65", "611.62", "1000.00");
  EXPECT_TRUE(Sheet().isVisible());
}

TEST_F(RazvedSpirtaTest, RefusesTheSheetsApply) { EXPECT_FALSE(Sheet().m_RazvedSpirta.OnApply()); }

} // namespace
