// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/ui/ui_fixture.h"

namespace {

constexpr int kVolume = 2001, kStart = 2002, kPlates = 2004, kReflux = 2005, kHeads = 2008;
constexpr int kHeartsEnd = 2009, kHeartsKind = 2010, kCalc = 2013;
constexpr int kHeads0 = 2020, kHearts0 = 2030, kTails0 = 2040, kPot0 = 2050, kShare = 2060;

class PlanPeregonTest : public UiTest {
protected:
  void SetUp() override {
    UiTest::SetUp();
    ShowPage("CPP_PlanPeregon");
  }
  // A row of the fractions' table: from its first field, `count` of them.
  std::vector<std::string> Row(int first, int count = 7) {
    std::vector<std::string> texts;
    for (int id = first; id < first + count; ++id)
      texts.push_back(Text(id).toStdString());
    return texts;
  }
  using Texts = std::vector<std::string>;
};

// The page opens on its example worked out: a second run of 20 l of 40 %
// raw spirit in a pot still, hearts to a 60 % stream, to 98 °C in the pot.
TEST_F(PlanPeregonTest, OpensOnAPotStillSecondRunWorkedOut) {
  EXPECT_EQ(Tabs()->indexOf(Page()), Tabs()->count() - 1); // after the nine
  EXPECT_EQ(Tabs()->tabText(Tabs()->indexOf(Page())), U("План перегонки"));
  EXPECT_EQ(Text(kVolume), "20.00");
  EXPECT_EQ(Text(kPlates), "0");
  EXPECT_EQ(Text(kHeartsEnd), "60.00");
  EXPECT_EQ(Row(kHeads0), (Texts{"0.501", "79.11", "0.396", "0:05", "0:05", "84.26", "78.95"}));
  EXPECT_EQ(Row(kHearts0), (Texts{"8.500", "73.09", "6.213", "1:39", "1:44", "91.35", "60.03"}));
  EXPECT_EQ(Row(kTails0), (Texts{"2.765", "43.85", "1.212", "0:44", "2:28", "98.01", "20.79"}));
  EXPECT_EQ(Row(kPot0, 3), (Texts{"8.507", "2.11", "0.179"}));
  EXPECT_EQ(Text(kShare), "77.7");
  for (int id : {kHeads0, kHearts0 + 6, kPot0 + 2, kShare})
    EXPECT_TRUE(Control<QLineEdit>(id)->isReadOnly()) << id;
}

// A plan refused says why, keeps the last plan and what the user typed.
TEST_F(PlanPeregonTest, RefusalsSayWhyAndKeepTheLastPlan) {
  const auto before = Row(kHearts0);
  const struct {
    const char* plates;
    int id;
    const char* text;
    const char* message;
  } cases[] = {
      {"0", kPlates, "51", "Число теоретических тарелок 0..50"},
      {"0", kPlates, "2.5", "Число теоретических тарелок 0..50"},
      {"5", kReflux, "-1", "Флегмовое число 0..1000"},
      {"0", kHeads, "60", "Головы 0..50 % от абсолютного спирта"},
      {"0", kHeartsEnd, "80",
       "Ошибка, крепость отбора в начале перегонки не выше крепости отсечки"},
      {"0", kVolume, "abc", "Please enter a number."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    Type(kPlates, c.plates);
    Type(kReflux, "3");
    Type(kHeads, "5");
    Type(kHeartsEnd, "60");
    Type(kVolume, "20");
    Type(c.id, QString::fromUtf8(c.text));
    Click(kCalc);
    EXPECT_EQ(TakeMessage(), U(c.message));
    EXPECT_EQ(Row(kHearts0), before);
    EXPECT_EQ(Text(c.id), QString::fromUtf8(c.text));
  }
  // Without a column the reflux is not used: any number will do.
  Type(kVolume, "20");
  Type(kPlates, "0");
  Type(kReflux, "-1");
  Click(kCalc);
  EXPECT_TRUE(NoMessage());
  EXPECT_EQ(Row(kHearts0), before);
  // The hearts cut by the pot's temperature instead gives a plan.
  Choose(kHeartsKind, U("Темпер."));
  Type(kHeartsEnd, "95");
  Click(kCalc);
  EXPECT_TRUE(NoMessage());
  EXPECT_EQ(Row(kHearts0)[5].substr(0, 4), "95.0"); // the step that passed 95 °C
}

} // namespace
