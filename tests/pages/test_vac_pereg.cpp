// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/ui/ui_fixture.h"

#include <QComboBox>

namespace {

const char* const kWaterTempMessage = "Температура кипения воды должна быть от 0.00 до 231.90 *C";
const char* const kEthanolTempMessage =
    "Температура кипения спирта должна быть от -13.18 до 199.00 *C.";
const char* const kConcMessage = "Концентрация спирта должна быть 0...100%";

class VacPeregTest : public UiTest {
protected:
  void SetUp() override {
    UiTest::SetUp();
    ShowPage("CPP_VacPereg");
  }

  QComboBox* List(int id) { return Control<QComboBox>(id); }
  std::string Str(int id) { return Text(id).toStdString(); }

  // The seven fields, in the order 1022, 1026, 1021, 1025, 1031, 1032, 1030.
  QStringList Fields() {
    QStringList texts;
    for (int id : {1022, 1026, 1021, 1025, 1031, 1032, 1030})
      texts << Text(id);
    return texts;
  }

  CPP_VacPereg& PageObject() { return Sheet().m_VacPereg; }
};

TEST_F(VacPeregTest, OpensOnTheDefaults) {
  // built when its tab is first chosen, on a host already shown
  for (int id : {1021, 1029, 1033, 1037})
    EXPECT_TRUE(Control(id)->isVisible()) << id;
  EXPECT_EQ(Fields(),
            QStringList({"760.00", "760.00", "78.39", "99.99", "84.10", "760.00", "40.00"}));
  EXPECT_EQ(Str(1029), "Объемный");
  EXPECT_EQ(Str(1036), "Цельсия");
  EXPECT_EQ(Str(1037), "мм.рт.ст.(торр)");
  EXPECT_EQ(Tabs()->tabText(Tabs()->currentIndex()), U("Вакуумн. перегонка"));
}

// A unit is always one of the items: the lists take no typed text.
TEST_F(VacPeregTest, UnitListsHoldTheirItemsAndNoText) {
  const std::pair<int, QStringList> lists[] = {
      {1029, {U("Массовый"), U("Объемный"), U("Молярный")}},
      {1036, {U("Цельсия"), U("Кельвина"), U("Фаренгейта")}},
      {1037,
       {U("мм.рт.ст.(торр)"), U("см.вод.ст."), U("кПа(1e3*Н/м^2)"), U("ат(атм.тех,кгС/см^2)"),
        U("атм(атм.физ,760 торр)"), U("бар(1e6*дин/см^2)"), U("psi(фунт/дюйм^2)")}},
  };
  for (const auto& [id, items] : lists) {
    QComboBox* list = List(id);
    ASSERT_NE(list, nullptr);
    EXPECT_FALSE(list->isEditable()) << id;
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
      texts << list->itemText(i);
    EXPECT_EQ(texts, items) << id;
    // the longest unit name fits the closed list
    EXPECT_GE(list->width(), list->sizeHint().width()) << id;
    list->setFocus();
    QTest::keyClicks(list, QStringLiteral("zz"));
    EXPECT_GE(list->currentIndex(), 0) << id;
  }
}

// The widest numbers a field shows in use (the search reaches 1.1 times the
// table's last pressure) fit without scrolling.
TEST_F(VacPeregTest, FieldsHoldTheirWidestValues) {
  for (int id : {1021, 1022, 1025, 1026, 1030, 1031, 1032}) {
    auto* edit = Control<QLineEdit>(id);
    ASSERT_NE(edit, nullptr);
    EXPECT_LE(edit->fontMetrics().horizontalAdvance(QStringLiteral("23903.00")) + 8, edit->width())
        << id;
  }
}

struct ButtonCase {
  int button;
  int field;
  const char* expected;
};

void PrintTo(const ButtonCase& c, std::ostream* os) {
  *os << "button " << c.button << " -> " << c.field << " = " << c.expected;
}

class VacPeregButton : public VacPeregTest, public ::testing::WithParamInterface<ButtonCase> {};

// Each button on the opening values; every other field shows its default.
// The result field is no input of its button, so it is cleared first: the
// button must write it.
TEST_P(VacPeregButton, ComputesFromTheDefaults) {
  const ButtonCase c = GetParam();
  QStringList expected = Fields();
  const int order[] = {1022, 1026, 1021, 1025, 1031, 1032, 1030};
  for (int i = 0; i < 7; ++i)
    if (order[i] == c.field) expected[i] = QString::fromUtf8(c.expected);
  Type(c.field, "0");
  Click(c.button);
  EXPECT_EQ(Fields(), expected);
  EXPECT_TRUE(NoMessage());
}

// 1027 reads the water temperature as shown, 99.99, not the stored 99.9927
// (which would give 759.87).
INSTANTIATE_TEST_SUITE_P(
    Defaults, VacPeregButton,
    ::testing::Values(ButtonCase{1034, 1031, "84.10"}, ButtonCase{1033, 1032, "760.09"},
                      ButtonCase{1035, 1030, "39.99"}, ButtonCase{1023, 1022, "759.71"},
                      ButtonCase{1024, 1021, "78.40"}, ButtonCase{1027, 1026, "759.80"},
                      ButtonCase{1028, 1025, "100.00"}));

TEST_F(VacPeregTest, SolutionTemperatureInKelvinAndFahrenheit) {
  Choose(1036, "Кельвина");
  EXPECT_EQ(Str(1031), "84.10"); // nothing is converted on choosing
  // the field is now read as 84.10 K; the temperature from the pressure
  // replaces it
  Click(1034);
  EXPECT_EQ(Str(1031), "357.25");
  Choose(1036, "Фаренгейта");
  Type(1031, "0");
  Click(1034);
  EXPECT_EQ(Str(1031), "183.38");
  EXPECT_NEAR(PageObject().m_dSolTemp, 84.097, 5e-4);
}

// 84.10 typed as Celsius, then read as Kelvin: -189.05 °C.
TEST_F(VacPeregTest, KelvinChosenUnderACelsiusValueFails) {
  Choose(1036, "Кельвина");
  Click(1033);
  EXPECT_EQ(TakeMessage().toStdString(), std::string(kWaterTempMessage));
  EXPECT_EQ(Str(1031), "84.10");
  EXPECT_EQ(Str(1032), "760.00");
  EXPECT_NEAR(PageObject().m_dSolTemp, -189.05, 1e-9);
}

TEST_F(VacPeregTest, PressureReadAndShownInTheChosenUnit) {
  Choose(1037, "атм(атм.физ,760 торр)");
  Type(1032, "1");
  Click(1034);
  EXPECT_EQ(Str(1031), "84.10");
  EXPECT_EQ(Str(1032), "1.00");
  Choose(1037, "кПа(1e3*Н/м^2)");
  Type(1032, "101.3253");
  Click(1033); // the search's answer, shown in kPa
  EXPECT_EQ(Str(1032), "101.34");
  EXPECT_NEAR(PageObject().m_dSolPressure, 760.09, 5e-3);
}

TEST_F(VacPeregTest, PercentAboveOneHundredOnlyMattersAsAnInput) {
  for (int button : {1033, 1034}) {
    Type(1030, "100.5");
    Click(button);
    EXPECT_EQ(TakeMessage().toStdString(), std::string(kConcMessage)) << button;
    EXPECT_EQ(Str(1030), "100.5");
  }
  Click(1035);
  EXPECT_TRUE(NoMessage());
  EXPECT_EQ(Str(1030), "39.99");
}

TEST_F(VacPeregTest, FailureKeepsTheTypedFields) {
  Type(1021, "300");
  Type(1025, "50");
  Click(1023);
  EXPECT_EQ(TakeMessage().toStdString(), std::string(kEthanolTempMessage));
  EXPECT_EQ(Str(1021), "300");
  EXPECT_EQ(Str(1025), "50");
  EXPECT_EQ(Str(1022), "760.00");
  // the next success shows every member in its format
  Click(1027);
  EXPECT_EQ(Str(1025), "50.00");
  EXPECT_EQ(Str(1021), "300.00");
  EXPECT_EQ(Str(1026), "92.56"); // 50 °C between water rows 58 and 59
}

TEST_F(VacPeregTest, TextThatIsNoNumberIsRefused) {
  Type(1021, "abc");
  Click(1023);
  EXPECT_EQ(TakeMessage().toStdString(), "Please enter a number.");
  EXPECT_EQ(Str(1021), "abc");
  EXPECT_EQ(Str(1022), "760.00");
  // a comma is taken as the decimal separator
  Type(1021, "0,0");
  Click(1023);
  EXPECT_EQ(Str(1022), "12.23");
}

// A value that would overflow in its unit is refused instead of showing inf.
TEST_F(VacPeregTest, OverflowingPressureIsRefused) {
  Choose(1037, "ат(атм.тех,кгС/см^2)");
  Type(1032, "1e307");
  Click(1024);
  EXPECT_EQ(TakeMessage().toStdString(), std::string(kNonFiniteMessage));
  EXPECT_EQ(Str(1032), "1e307");
  EXPECT_EQ(Str(1021), "78.39");
}

TEST_F(VacPeregTest, MissingSelectionKeepsTheMembers) {
  // no longer reachable from the keyboard, but handled
  List(1029)->setCurrentIndex(-1);
  List(1036)->setCurrentIndex(-1);
  Type(1031, "50");
  Click(1035); // the mixture is found, not stored; the fields are shown
  EXPECT_TRUE(NoMessage());
  EXPECT_EQ(Str(1030), "40.00");
  EXPECT_EQ(Str(1031), "50");
  EXPECT_EQ(PageObject().m_dSolTemp, 84.1);
  EXPECT_EQ(PageObject().m_nConcUnit, -1);
}

TEST_F(VacPeregTest, ValuesSurviveATabChange) {
  Type(1030, "96");
  Choose(1037, "psi(фунт/дюйм^2)");
  ShowPage("CPP_VolMasMol");
  ShowPage("CPP_VacPereg");
  EXPECT_EQ(Str(1030), "96.00");
  EXPECT_EQ(Str(1037), "psi(фунт/дюйм^2)");
  // 760.00 was read in psi on leaving, and is shown in psi again
  EXPECT_EQ(Str(1032), "760.00");
  EXPECT_DOUBLE_EQ(PageObject().m_dSolPressure, 760.0 * 51.715);
}

} // namespace
