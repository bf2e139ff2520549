// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/ui/ui_fixture.h"

#include <clocale>
#include <string>

namespace {

class VolMasMolTest : public UiTest {
protected:
  void SetUp() override {
    UiTest::SetUp();
    ShowPage("CPP_VolMasMol");
  }

  // The fields of the page, in the order (id, expected text).
  void ExpectFields(std::initializer_list<std::pair<int, const char*>> fields) {
    for (const auto& [id, text] : fields)
      EXPECT_EQ(Text(id), U(text)) << "field " << id;
  }

  void SetContraction(bool on) { SetChecked(1040, on); }
};

// The page's opening display: 96 % by volume in N = 1 with contraction.
const std::initializer_list<std::pair<int, const char*>> kWorkedExample = {
    {1025, "96.00"},  {1026, "93.84"},  {1027, "85.63"},  {1031, "0.8075"}, {1042, "1.0000"},
    {1032, "0.7577"}, {1033, "0.9600"}, {1034, "0.0497"}, {1035, "0.0498"}, {1036, "0.9384"},
    {1037, "1.1889"}, {1038, "0.0616"}, {1039, "0.0617"}, {1041, "1.2384"}, {1044, "0.8089"}};

const char* const kMolarMessage = "Ошибка в параметрах\nКоцентрация 0..100%";
const char* const kConcMessage = "Ошибка в параметрах. Концентрация 0..100 (%)";
const char* const kDensityMessage = "Ошибка в параметрах. Плотность 0.7893...0.9982 (кг/л)";

TEST_F(VolMasMolTest, FirstDisplayShowsTheWorkedExample) {
  ExpectFields(kWorkedExample);
  EXPECT_TRUE(Checked(1040));
  EXPECT_TRUE(Control<QLineEdit>(1032)->isReadOnly());
  EXPECT_FALSE(Control<QLineEdit>(1025)->isReadOnly());
}

TEST_F(VolMasMolTest, VolumeOnTheDefaultsReproducesTheDisplay) {
  Click(1028);
  ExpectFields(kWorkedExample);
}

TEST_F(VolMasMolTest, WithoutContractionVolumesAreSharesOfTheMixture) {
  SetContraction(false);
  Click(1028);
  ExpectFields({{1035, "0.0400"}, {1039, "0.0495"}, {1033, "0.9600"}, {1034, "0.0497"}});
}

TEST_F(VolMasMolTest, FortyPercentInTenLitres) {
  Type(1025, "40");
  Type(1042, "10");
  Click(1028);
  ExpectFields({{1025, "40.00"},
                {1026, "33.30"},
                {1027, "16.34"},
                {1031, "0.9481"},
                {1042, "10.0000"},
                {1032, "3.1570"},
                {1033, "4.0000"},
                {1034, "6.3235"},
                {1035, "6.3347"},
                {1036, "3.3300"},
                {1037, "4.2191"},
                {1038, "6.6700"},
                {1039, "6.6818"}});
  SetContraction(false);
  Click(1028);
  ExpectFields({{1035, "6.0000"}, {1039, "6.3288"}, {1037, "4.2192"}});
}

TEST_F(VolMasMolTest, FromMassAndMolar) {
  Type(1026, "93.84");
  Click(1029);
  ExpectFields({{1025, "96.00"}, {1027, "85.63"}, {1031, "0.8075"}});
  Type(1027, "50");
  Click(1030);
  ExpectFields({{1027, "50.00"}, {1026, "71.88"}, {1025, "78.60"}, {1031, "0.8632"}});
}

TEST_F(VolMasMolTest, ZeroAndHundredPassThroughEveryKind) {
  struct Row {
    int field, button;
    const char* value;
    const char* density;
  } rows[] = {{1025, 1028, "0", "0.9982"},   {1026, 1029, "0", "0.9982"},
              {1027, 1030, "0", "0.9982"},   {1025, 1028, "100", "0.7893"},
              {1026, 1029, "100", "0.7893"}, {1027, 1030, "100", "0.7893"}};
  for (const Row& row : rows) {
    Type(row.field, row.value);
    Click(row.button);
    const char* shown = row.value[0] == '0' ? "0.00" : "100.00";
    ExpectFields({{1025, shown}, {1026, shown}, {1027, shown}, {1031, row.density}});
  }
}

TEST_F(VolMasMolTest, OutOfRangePercentsKeepTheTypedText) {
  Type(1027, "100.5");
  Click(1030);
  EXPECT_EQ(TakeMessage(), U(kMolarMessage));
  EXPECT_EQ(Text(1027), "100.5");
  EXPECT_EQ(Text(1026), "93.84");

  Type(1025, "-1");
  Click(1028);
  EXPECT_EQ(TakeMessage(), U(kConcMessage));
  Type(1026, "100.01");
  Click(1029);
  EXPECT_EQ(TakeMessage(), U(kConcMessage));
  EXPECT_EQ(Text(1026), "100.01");
  EXPECT_EQ(Text(1025), "-1");
}

TEST_F(VolMasMolTest, DensityIsRecomputedFromTheRoundedMassPercent) {
  Type(1031, "0.9");
  Click(1043);
  ExpectFields({{1026, "56.12"}, {1025, "63.99"}, {1027, "33.35"}, {1031, "0.9000"}});
  Type(1031, "0.99");
  Click(1043);
  EXPECT_TRUE(NoMessage());
  Type(1031, "1.0");
  Click(1043);
  EXPECT_EQ(TakeMessage(), U(kDensityMessage));
  EXPECT_EQ(Text(1031), "1.0");
}

TEST_F(VolMasMolTest, PycnometerReading) {
  Type(1044, "0.8089");
  Click(1045);
  ExpectFields(
      {{1026, "93.85"}, {1025, "96.01"}, {1027, "85.66"}, {1031, "0.8074"}, {1044, "0.8089"}});
  // 1.0 x 0.9982 lies just inside the table
  Type(1044, "1.0");
  Click(1045);
  EXPECT_TRUE(NoMessage());
  EXPECT_EQ(Text(1031), "0.9982");
  Type(1044, "1.01");
  Click(1045);
  EXPECT_EQ(TakeMessage(), U(kDensityMessage));
  EXPECT_EQ(Text(1044), "1.01");
}

TEST_F(VolMasMolTest, TmpDoesNothing) {
  Type(1025, "40");
  Click(1065);
  EXPECT_EQ(Text(1025), "40");
  EXPECT_EQ(Text(1026), "93.84");
}

TEST_F(VolMasMolTest, CommaIsADecimalSeparatorAndBlanksAroundAreIgnored) {
  Type(1025, "40,0");
  Type(1042, " 10 ");
  Click(1028);
  ExpectFields({{1025, "40.00"}, {1042, "10.0000"}, {1026, "33.30"}});
}

TEST_F(VolMasMolTest, TextWithoutANumberIsRefusedAndNothingIsComputed) {
  for (const char* text : {"", "abc", "-", "inf", "1e999"}) {
    Type(1025, "40");
    Type(1042, text);
    Click(1028);
    EXPECT_EQ(TakeMessage(), "Please enter a number.") << text;
    EXPECT_EQ(Text(1042), U(text));
    EXPECT_EQ(Text(1025), "40");    // not refilled
    EXPECT_EQ(Text(1026), "93.84"); // not computed
    EXPECT_TRUE(Control(1042)->hasFocus()) << text;
  }
  // the density is read only by its own button, with the same rule
  Type(1042, "1");
  Type(1031, "abc");
  Click(1028);
  EXPECT_TRUE(NoMessage());
  Type(1031, "abc");
  Click(1043);
  EXPECT_EQ(TakeMessage(), "Please enter a number.");
  EXPECT_TRUE(Control(1031)->hasFocus());
}

TEST_F(VolMasMolTest, ResultsThatAreNotFiniteAreRefused) {
  SetContraction(false);
  Type(1042, "1.7e308"); // N / density overflows
  Click(1028);
  EXPECT_EQ(TakeMessage(), U(kNonFiniteMessage));
  EXPECT_EQ(Text(1042), "1.7e308");
  EXPECT_EQ(Text(1037), "1.1889");
}

TEST_F(VolMasMolTest, LeavingReadsTheFieldsAndReturningRefillsThem) {
  CPropertyPage* page = &Sheet().m_VolMasMol;
  Type(1025, "96");
  Type(1042, "2");
  ASSERT_TRUE(page->OnKillActive());
  EXPECT_EQ(Sheet().m_VolMasMol.m_dN, 2.0);
  ASSERT_TRUE(page->OnSetActive());
  EXPECT_EQ(Text(1025), "96.00");
  EXPECT_EQ(Text(1042), "2.0000");
  // a field that cannot be read keeps the user on the page
  Type(1042, "x");
  EXPECT_FALSE(page->OnKillActive());
  EXPECT_EQ(TakeMessage(), "Please enter a number.");
}

TEST_F(VolMasMolTest, EnterRunsTheVolumeButton) {
  Type(1025, "40");
  QTest::keyClick(Control(1025), Qt::Key_Return);
  EXPECT_EQ(Text(1026), "33.30");
  EXPECT_TRUE(Sheet().isVisible());
}

// Numbers keep the decimal point in a Russian locale.
// Not run under Wine (cmake/Windows.cmake): the Windows C library has no
// "ru_RU.UTF-8" locale (it names it "ru-RU"), and the Windows program never
// leaves the "C" locale anyway.
TEST_F(VolMasMolTest, RussianLocaleKeepsThePoint) {
  const std::string old = std::setlocale(LC_ALL, nullptr);
  ASSERT_NE(std::setlocale(LC_ALL, "ru_RU.UTF-8"), nullptr) << "ru_RU.UTF-8 locale missing";
  Type(1025, "40.5");
  Click(1028);
  const QString shown = Text(1025);
  std::setlocale(LC_ALL, old.c_str());
  EXPECT_EQ(shown, "40.50");
  EXPECT_EQ(Text(1031), "0.9473");
}

} // namespace
