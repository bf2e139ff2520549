// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/ui/ui_fixture.h"

#include <QGroupBox>
#include <QImage>
#include <QLabel>

#include <vector>

namespace {

const char* const kTemperatureMessage = "Выход за пределы допустимых температур";
const char* const kReadingMessage = "Выход за пределы допустимой концентрации";
const char* const kTableMessage = "Выход за пределы таблицы";
const char* const kDensityMessage = "Ошибка в параметрах. Плотность 0.7893...0.9982 (кг/л)";

// Fields of the page.
constexpr int kReading = 1015, kTempMeasure = 1016, kTempWanted = 1017;
constexpr int kReadingFinal = 1018, kDensityInit = 1019, kDensityFinal = 1020;
constexpr int kCalc = 1021, kErrorLine = 1024;

class KsTCorrTest : public UiTest {
protected:
  void SetUp() override {
    UiTest::SetUp();
    ShowPage("CPP_KsTCorr");
  }

  void Correct(const char* reading, const char* measured, const char* wanted) {
    Type(kReading, U(reading));
    Type(kTempMeasure, U(measured));
    Type(kTempWanted, U(wanted));
    Click(kCalc);
  }

  void ExpectFields(std::initializer_list<std::pair<int, const char*>> fields) {
    for (const auto& [id, text] : fields)
      EXPECT_EQ(Text(id), U(text)) << "field " << id;
  }
};

TEST_F(KsTCorrTest, IsTheFirstTabAndOpensOnTheWorkedExample) {
  EXPECT_EQ(Tabs()->currentIndex(), 0);
  EXPECT_EQ(Page()->objectName(), "CPP_KsTCorr");
  ExpectFields({{kReading, "96.00"},
                {kTempMeasure, "20.0"},
                {kTempWanted, "20.0"},
                {kDensityInit, "0.8075"},
                {kDensityFinal, "0.8075"},
                {kReadingFinal, "96.00"},
                {kErrorLine, ""}}); // the template's "--" is replaced
  for (int id : {kReadingFinal, kDensityInit, kDensityFinal})
    EXPECT_TRUE(Control<QLineEdit>(id)->isReadOnly()) << id;
  for (int id : {kReading, kTempMeasure, kTempWanted})
    EXPECT_FALSE(Control<QLineEdit>(id)->isReadOnly()) << id;
  auto* line = Control<QLabel>(kErrorLine);
  EXPECT_EQ(line->frameShadow(), QFrame::Sunken);
}

TEST_F(KsTCorrTest, CaptionsFitWithoutOverlapping) {
  // The long captions wrap within their width instead of running into the
  // next one; every caption, and the longest message, is shown whole.
  Correct("100", "20", "30");
  ASSERT_EQ(Text(kErrorLine), U(kDensityMessage));
  std::vector<QWidget*> controls;
  for (QWidget* w : Page()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (!qobject_cast<QGroupBox*>(w)) controls.push_back(w);
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (auto* label = qobject_cast<QLabel*>(controls[i])) {
      const int needed =
          label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
      EXPECT_LE(needed, label->height() + 1) << label->text().toStdString();
      if (!label->wordWrap()) {
        EXPECT_LE(label->sizeHint().width(), label->width()) << label->text().toStdString();
      }
    }
    for (std::size_t j = i + 1; j < controls.size(); ++j)
      EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry()))
          << controls[i]->objectName().toStdString() << " "
          << controls[i]->accessibleName().toStdString() << " / "
          << controls[j]->objectName().toStdString() << " "
          << controls[j]->accessibleName().toStdString();
  }
}

// The numbers are drawn inside their fields, input and result alike: with a
// font whose line metrics the field does not expect, the text lands outside.
TEST_F(KsTCorrTest, FieldsShowTheirNumbersOnScreen) {
  Control(kCalc)->setFocus(); // no selection or cursor in the fields
  for (int id : {kReading, kTempMeasure, kTempWanted, kDensityInit, kDensityFinal, kReadingFinal}) {
    QLineEdit* field = Control<QLineEdit>(id);
    ASSERT_NE(field, nullptr);
    const QImage image = field->grab().toImage();
    const QRect inside = field->rect().adjusted(2, 2, -2, -2); // within the frame
    int ink = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
      for (int x = inside.left(); x <= inside.right(); ++x)
        if (qGray(image.pixel(x, y)) < 80) ++ink;
    EXPECT_GE(ink, 25) << "field " << id << " \"" << field->text().toStdString() << "\"";
  }
}

TEST_F(KsTCorrTest, OpeningValuesRecomputeToThemselves) {
  Click(kCalc);
  ExpectFields({{kDensityInit, "0.8075"},
                {kDensityFinal, "0.8075"},
                {kReadingFinal, "96.00"},
                {kErrorLine, ""}});
}

struct Case {
  const char *reading, *measured, *wanted;
  const char *densityInit, *densityFinal, *readingFinal, *message;
};

class KsTCorrCase : public KsTCorrTest, public ::testing::WithParamInterface<Case> {};

TEST_P(KsTCorrCase, ShowsResultsAndMessage) {
  const Case c = GetParam();
  Correct(c.reading, c.measured, c.wanted);
  ExpectFields({{kDensityInit, c.densityInit},
                {kDensityFinal, c.densityFinal},
                {kReadingFinal, c.readingFinal},
                {kErrorLine, c.message}});
}

INSTANTIATE_TEST_SUITE_P(
    WorkedValues, KsTCorrCase,
    ::testing::Values(
        // warm spirit: the reading drops when cooled to 20 °C
        Case{"40", "30", "20", "0.9481", "0.9544", "35.84", ""},
        // cold spirit reads low: warmed to 20 °C it reads higher (its 20 °C
        // density falls between the cells of 36 and 37 % by mass, which
        // follow row 59 of the 20 °C table)
        Case{"40", "10", "20", "0.9481", "0.9410", "44.16", ""},
        // the bounds of the temperatures are accepted
        Case{"30", "-25", "20", "0.9622", "0.9309", "49.66", ""},
        Case{"50", "40", "-25", "0.9302", "0.9724", "21.11", ""},
        // at -5 °C the grid holds 100 .. 18 % by mass only; the final
        // density keeps its previous value
        Case{"10", "-5", "20", "0.9848", "0.8075", "-1.00", kTableMessage},
        // 96 % vol is lighter than pure ethanol at -25 °C
        Case{"96", "-25", "20", "0.8075", "0.8075", "-1.00", kTableMessage},
        // 20 % vol (16 % by mass) exists at 20 °C but not at -5 °C
        Case{"20", "20", "-5", "0.9736", "-1.0000", "-1.00", kTableMessage},
        // pure ethanol warmed, water cooled: outside the 20 °C table
        Case{"100", "20", "30", "0.7893", "0.7808", "-1.00", kDensityMessage},
        Case{"0", "20", "4", "0.9982", "1.0000", "-1.00", kDensityMessage},
        // the page's ranges: all three results show -1
        Case{"40", "40.1", "20", "-1.0000", "-1.0000", "-1.00", kTemperatureMessage},
        Case{"40", "20", "-25.1", "-1.0000", "-1.0000", "-1.00", kTemperatureMessage},
        Case{"100.5", "20", "20", "-1.0000", "-1.0000", "-1.00", kReadingMessage},
        Case{"-0.5", "20", "20", "-1.0000", "-1.0000", "-1.00", kReadingMessage},
        // a bad temperature is reported before a bad reading
        Case{"100.5", "20", "41", "-1.0000", "-1.0000", "-1.00", kTemperatureMessage}));

TEST_F(KsTCorrTest, FieldsAreShownAgainAfterEveryPress) {
  Correct("40", "40.1", "20");
  ExpectFields({{kReading, "40.00"}, {kTempMeasure, "40.1"}, {kTempWanted, "20.0"}});
  Correct("12.345", "7", "-3.25");
  ExpectFields({{kReading, "12.35"}, {kTempMeasure, "7.0"}, {kTempWanted, "-3.2"}});
}

TEST_F(KsTCorrTest, SuccessClearsTheErrorLine) {
  Correct("40", "45", "20");
  EXPECT_EQ(Text(kErrorLine), U(kTemperatureMessage));
  Correct("40", "30", "20");
  EXPECT_EQ(Text(kErrorLine), "");
  EXPECT_EQ(Text(kReadingFinal), "35.84");
}

TEST_F(KsTCorrTest, CommaIsADecimalSeparator) {
  Correct("40,0", "29,5", "20,0");
  ExpectFields({{kReading, "40.00"}, {kTempMeasure, "29.5"}, {kErrorLine, ""}});
  EXPECT_EQ(Sheet().m_KsTCorr.m_dTempMeasure, 29.5);
}

TEST_F(KsTCorrTest, TextWithoutANumberIsRefusedInTheErrorLine) {
  for (int id : {kReading, kTempMeasure, kTempWanted}) {
    for (const char* text : {"", "abc", "-"}) {
      Correct("40", "30", "20");
      Type(id, U(text));
      Click(kCalc);
      // no message box (the fixture fails on one), the fields as typed
      EXPECT_EQ(Text(kErrorLine), "Please enter a number.") << id << " '" << text << "'";
      EXPECT_EQ(Text(id), U(text));
      EXPECT_EQ(Text(kReadingFinal), "35.84");
      EXPECT_TRUE(Control(id)->hasFocus()) << id;
    }
  }
}

TEST_F(KsTCorrTest, AFieldThatCannotBeReadKeepsTheUserOnThePage) {
  Type(kTempWanted, "");
  Tabs()->setCurrentIndex(1);
  EXPECT_EQ(Tabs()->currentIndex(), 0);
  EXPECT_EQ(Text(kErrorLine), "Please enter a number.");
  // once readable, the tab can be left, and returning shows the formats
  Type(kTempWanted, "15");
  Tabs()->setCurrentIndex(1);
  ASSERT_EQ(Tabs()->currentIndex(), 1);
  Tabs()->setCurrentIndex(0);
  EXPECT_EQ(Text(kTempWanted), "15.0");
}

TEST_F(KsTCorrTest, EnterRunsTheCalculation) {
  Type(kReading, "40");
  Type(kTempMeasure, "30");
  QTest::keyClick(Control(kTempMeasure), Qt::Key_Return);
  EXPECT_EQ(Text(kReadingFinal), "35.84");
  EXPECT_TRUE(Sheet().isVisible());
}

TEST_F(KsTCorrTest, ApplyIsRefused) { EXPECT_FALSE(Sheet().m_KsTCorr.OnApply()); }

} // namespace
