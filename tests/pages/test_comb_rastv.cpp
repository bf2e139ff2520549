// SPDX-License-Identifier: GPL-3.0-or-later
// The mixing page through its widgets.
#include "tests/ui/ui_fixture.h"

namespace {

const char* const kConcMessage = "Ошибка в параметрах. Концентрация 0..100 (%)";

class CombRastvTest : public UiTest {
protected:
  void SetUp() override {
    UiTest::SetUp();
    ShowPage("CPP_CombRastv");
  }

  // Types the six fields in the order volume 1, strength 1, volume 2,
  // strength 2, result volume, result strength; nullptr leaves a field.
  void Enter(std::initializer_list<const char*> texts) {
    const int ids[] = {1011, 1010, 1013, 1012, 1015, 1014};
    int i = 0;
    for (const char* text : texts) {
      if (text) {
        // read-only fields are filled directly, as a user cannot type there
        QLineEdit* edit = Control<QLineEdit>(ids[i]);
        if (edit && edit->isReadOnly())
          edit->setText(U(text));
        else
          Type(ids[i], U(text));
      }
      ++i;
    }
  }

  QStringList Fields() {
    QStringList texts;
    for (int id : {1011, 1010, 1013, 1012, 1015, 1014})
      texts << Text(id);
    return texts;
  }

  bool ReadOnly(int id) { return Control<QLineEdit>(id)->isReadOnly(); }
};

TEST_F(CombRastvTest, OpensOnTheWorkedExampleAndRecomputesIt) {
  EXPECT_TRUE(Checked(1017));
  const QStringList opening = {"1000.0", "96.00", "1000.00", "40.00", "1976.02", "68.83"};
  EXPECT_EQ(Fields(), opening);
  Click(1004);
  EXPECT_EQ(Fields(), opening);
}

TEST_F(CombRastvTest, TheOptionButtonsSwitchWhichFieldsAreEditable) {
  EXPECT_FALSE(ReadOnly(1013));
  EXPECT_FALSE(ReadOnly(1012));
  EXPECT_TRUE(ReadOnly(1015));
  EXPECT_TRUE(ReadOnly(1014));
  Click(1018);
  EXPECT_TRUE(Checked(1018));
  EXPECT_TRUE(ReadOnly(1013));
  EXPECT_TRUE(ReadOnly(1012));
  EXPECT_FALSE(ReadOnly(1015));
  EXPECT_FALSE(ReadOnly(1014));
  // solution 1 stays editable in both modes
  EXPECT_FALSE(ReadOnly(1011));
  EXPECT_FALSE(ReadOnly(1010));
  Click(1017);
  EXPECT_FALSE(ReadOnly(1013));
  EXPECT_FALSE(ReadOnly(1012));
  EXPECT_TRUE(ReadOnly(1015));
  EXPECT_TRUE(ReadOnly(1014));
  // the switch changes no value
  EXPECT_EQ(Text(1015), U("1976.02"));
}

TEST_F(CombRastvTest, FindingSolution2RecoversTheExample) {
  Click(1018);
  Enter({nullptr, nullptr, "0", "0"}); // stale values that must be replaced
  Click(1004);
  const QStringList expected = {"1000.0", "96.00", "1000.00", "40.00", "1976.02", "68.83"};
  EXPECT_EQ(Fields(), expected);
}

TEST_F(CombRastvTest, Solution1IsShownWithOneDecimal) {
  Enter({"1234.56", "50", "765.4", "20"});
  Click(1004);
  EXPECT_EQ(Text(1011), U("1234.6"));
  EXPECT_EQ(Text(1013), U("765.40"));
  EXPECT_EQ(Text(1010), U("50.00"));
}

TEST_F(CombRastvTest, StrengthsOf0And100PassThePagesChecks) {
  // 197.32 kg of ethanol and 299.47 kg of water: 39.72 % by mass, between
  // rows 65 and 66 of the density table (t = 0.0575), 0.93574 kg/l
  Enter({"250", "100", "300", "0"});
  Click(1004);
  EXPECT_EQ(Text(1014), U("47.09"));
  EXPECT_EQ(Text(1015), U("530.90"));
  Click(1018);
  Enter({"100", "100", nullptr, nullptr, "300", "100"});
  Click(1004);
  EXPECT_EQ(Text(1013), U("200.00"));
  EXPECT_EQ(Text(1012), U("100.00"));
  Enter({"250", "0", nullptr, nullptr, "500", "0"});
  Click(1004);
  EXPECT_EQ(Text(1013), U("250.00"));
  EXPECT_EQ(Text(1012), U("0.00"));
  // solution 2 then has no mass: undefined, refused by the conversion
  Enter({"250", "0", nullptr, nullptr, "250", "0"});
  Click(1004);
  EXPECT_EQ(TakeMessage(), U(kConcMessage));
}

struct MessageCase {
  int mode; // option button
  const char *vol1, *pct1, *vol2, *pct2, *volRes, *pctRes;
  const char* message;
};

class CombRastvMessages : public CombRastvTest,
                          public ::testing::WithParamInterface<MessageCase> {};

TEST_P(CombRastvMessages, ShowTheFirstViolationAndKeepTheFields) {
  const MessageCase c = GetParam();
  Click(c.mode);
  Enter({c.vol1, c.pct1, c.vol2, c.pct2, c.volRes, c.pctRes});
  const QStringList typed = Fields();
  Click(1004);
  EXPECT_EQ(TakeMessage(), U(c.message));
  EXPECT_EQ(Fields(), typed);
}

INSTANTIATE_TEST_SUITE_P(
    Mixing, CombRastvMessages,
    ::testing::Values(
        MessageCase{1017, "-1", "96", "1000", "40", nullptr, nullptr, "Объем <0"},
        MessageCase{1017, "1000", "-5", "-1", "101", nullptr, nullptr, "Объем <0"},
        MessageCase{1017, "1000", "101", "1000", "-0.5", nullptr, nullptr, "% спирта <0"},
        MessageCase{1017, "1000", "96", "1000", "100.5", nullptr, nullptr, "% спирта >100"},
        // nothing to mix: undefined, refused by the conversion
        MessageCase{1017, "0", "96", "0", "40", nullptr, nullptr, kConcMessage},
        MessageCase{1017, "1e308", "96", "1e308", "40", nullptr, nullptr, kNonFiniteMessage},
        MessageCase{1017, "1e308", "100", "0", "40", nullptr, nullptr, kNonFiniteMessage}));

INSTANTIATE_TEST_SUITE_P(
    FindingSolution2, CombRastvMessages,
    ::testing::Values(
        MessageCase{1018, "1000", "96", nullptr, nullptr, "-1", "40", "Объем <0"},
        MessageCase{1018, "2000", "-1", nullptr, nullptr, "1000", "40",
                    "Объем раствора 1 > объема результата"},
        MessageCase{1018, "1000", "-1", nullptr, nullptr, "1000", "101", "% спирта <0"},
        MessageCase{1018, "1000", "96", nullptr, nullptr, "2000", "101", "% спирта >100"},
        MessageCase{1018, "1000", "96", nullptr, nullptr, "2000", "40", "% спирта в растворе 2 <0"},
        // the same solution: solution 2 has no mass at all
        MessageCase{1018, "1000", "96", nullptr, nullptr, "1000", "96", kConcMessage},
        // less water in the result than in solution 1
        MessageCase{1018, "1000", "40", nullptr, nullptr, "1000", "60", kConcMessage},
        MessageCase{1018, "1000", "40", nullptr, nullptr, "1e308", "60", kNonFiniteMessage}));

TEST_F(CombRastvTest, EqualVolumesPassInFindingSolution2) {
  Click(1018);
  Enter({"1000", "40", nullptr, nullptr, "1000", "40"});
  Click(1004);
  EXPECT_EQ(TakeMessage(), U(kConcMessage)); // refused later, by the conversion
}

// The page is built when its tab is first shown, after the sheet is on screen.
TEST_F(CombRastvTest, AreOnScreenAndEnterRunsTheCalculation) {
  for (int id : {1011, 1010, 1013, 1012, 1015, 1014, 1017, 1018, 1004})
    EXPECT_TRUE(Control(id)->isVisible()) << id;
  Type(1013, "0");
  QTest::keyClick(Control(1013), Qt::Key_Return);
  EXPECT_EQ(Text(1015), U("1000.00"));
  EXPECT_EQ(Text(1014), U("96.00"));
  EXPECT_TRUE(Sheet().isVisible());
}

TEST_F(CombRastvTest, RefusesTheSheetsApply) { EXPECT_FALSE(Sheet().m_CombRastv.OnApply()); }

} // namespace
