// SPDX-License-Identifier: GPL-3.0-or-later
// No digit out of view: the largest results each page gives show from their
// first digit, and a field too narrow for its number holds the whole of it
// as its tool tip and accessible description.
#include "tests/ui/ui_fixture.h"

#include <utility>
#include <vector>

namespace {

struct LargestResults {
  const char* page;
  std::vector<std::pair<int, const char*>> typed; // field, text
  int button;
  bool overflows; // some result is wider than its field
};

// The unbounded inputs (volumes, amounts, power) at their largest; the
// other pages' results are bounded by their tables.
const LargestResults kRows[] = {
    {"CPP_KsTCorr", {}, 1021, false},
    {"CPP_RazvedSpirta", {{1041, "1e300"}}, 1042, true},
    {"CPP_CombRastv", {{1011, "1e300"}, {1013, "1e300"}}, 1004, true},
    {"CPP_PowerAndOut", {{1002, "1e300"}}, 1004, true},
    {"CPP_VolMasMol", {{1042, "1e300"}}, 1028, true},
    {"CPP_CalkTkip", {}, 1031, false},
    {"CPP_VacPereg", {}, 1027, false},
    {"CPP_ShugarConc", {{1046, "1e300"}}, 1042, true},
    {"CPP_Peregon", {{1057, "1e300"}}, 1062, true},
    {"CPP_PlanPeregon", {{2001, "1e300"}}, 2013, true},
};

class WholeNumberTest : public UiTest, public ::testing::WithParamInterface<LargestResults> {};

TEST_P(WholeNumberTest, EveryDigitCanBeSeen) {
  const LargestResults& row = GetParam();
  ShowPage(row.page);
  for (const auto& [id, text] : row.typed)
    Type(id, QString::fromLatin1(text));
  Click(row.button);
  ASSERT_TRUE(NoMessage()) << Boxes().front().text.toStdString();
  bool overflowed = false;
  for (QLineEdit* field : Page()->findChildren<QLineEdit*>()) {
    const QString text = field->text();
    SCOPED_TRACE(field->objectName().toStdString() + " " + text.toStdString());
    if (field->fontMetrics().horizontalAdvance(text) > field->width()) {
      overflowed = true;
      // The first digit at the field's left, the whole number in its tip.
      EXPECT_EQ(field->cursorPosition(), 0);
      EXPECT_LT(field->inputMethodQuery(Qt::ImCursorRectangle).toRect().left(),
                field->fontMetrics().averageCharWidth());
      EXPECT_EQ(field->toolTip().remove(QLatin1Char('\n')), text);
      EXPECT_EQ(field->accessibleDescription(), text);
      EXPECT_LE(field->toolTip().indexOf(QLatin1Char('\n')), 40); // lines any screen can hold
      if (field->isReadOnly()) { // reached by Tab, selected to be copied, still from its start
        field->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(field->selectedText(), text);
        EXPECT_EQ(field->cursorPosition(), 0);
      }
    } else if (2 * field->fontMetrics().horizontalAdvance(text) < field->width()) {
      EXPECT_EQ(field->toolTip(), QString());
      EXPECT_EQ(field->accessibleDescription(), QString());
    }
  }
  EXPECT_EQ(overflowed, row.overflows);
}

INSTANTIATE_TEST_SUITE_P(Pages, WholeNumberTest, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.page); });

} // namespace
