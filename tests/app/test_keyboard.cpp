// SPDX-License-Identifier: GPL-3.0-or-later
// The window driven by the keyboard: real key events sent to the widget that
// has the focus, as a window system delivers them.
#include "tests/ui/ui_fixture.h"

#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QToolButton>

#include <map>

namespace {

class KeyboardTest : public UiTest {
protected:
  QWidget* Focus() { return QApplication::focusWidget(); }

  // Presses a key on the widget that has the focus.
  void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = Focus() ? Focus() : &Sheet();
    QTest::keyClick(target, key, modifiers);
  }

  void DrainMessages() {
    while (!NoMessage())
      TakeMessage();
  }

  // The controls Tab stops at on the current page, in template order.
  std::vector<QWidget*> TabStops() {
    CPropertyPage* page = Sheet().GetActivePage();
    std::vector<QWidget*> stops;
    for (const auto& item : page->Template().items) {
      QWidget* control = brevimo::ControlOf(*page, item.id);
      if (!control || !control->isEnabled() || !(control->focusPolicy() & Qt::TabFocus)) continue;
      stops.push_back(control);
    }
    return stops;
  }

  static std::string Name(QWidget* w) {
    return w ? w->objectName().toStdString() : std::string("(none)");
  }
};

// Enter on a focused push button presses that button, Return and the
// keypad's Enter alike; in a field it runs the page's default button.
TEST_F(KeyboardTest, EnterPressesTheFocusedButtonOnEveryPage) {
  for (int p = 0; p < Sheet().GetPageCount(); ++p) {
    ASSERT_TRUE(Sheet().SetActivePage(p));
    CPropertyPage* page = Sheet().GetActivePage();
    const QList<QPushButton*> buttons =
        brevimo::CreatedHostOf(*page)->findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly);
    for (QPushButton* button : buttons) {
      if (!button->isEnabled()) continue;
      for (const auto& [key, modifiers] : {std::pair{Qt::Key_Return, Qt::NoModifier},
                                           std::pair{Qt::Key_Enter, Qt::KeypadModifier}}) {
        std::map<QPushButton*, std::unique_ptr<QSignalSpy>> spies;
        for (QPushButton* b : buttons)
          spies[b] = std::make_unique<QSignalSpy>(b, &QPushButton::clicked);
        button->setFocus(Qt::TabFocusReason);
        Press(key, modifiers);
        DrainMessages();
        for (QPushButton* b : buttons)
          EXPECT_EQ(spies[b]->count(), b == button ? 1 : 0)
              << page->ClassName() << ": Enter on " << Name(button) << ", count of " << Name(b);
        ASSERT_TRUE(Sheet().isVisible());
        if (Sheet().GetActivePage() != page) {
          ASSERT_TRUE(Sheet().SetActivePage(p));
        }
      }
    }
  }
}

// The example of the fault: 50 % by mass typed, Tab to the mass "Расчет",
// Enter: the mass calculation runs and keeps the 50.
TEST_F(KeyboardTest, EnterOnTheMassButtonComputesFromTheMassPercent) {
  ShowPage("CPP_VolMasMol");
  Type(1026, "50");
  Press(Qt::Key_Tab);
  ASSERT_EQ(Name(Focus()), "1029");
  Press(Qt::Key_Return);
  double volume = 0.0;
  ASSERT_TRUE(brevimo::ConvertConcentration(brevimo::MassPct, brevimo::VolPct, 50.0, &volume,
                                            nullptr, nullptr));
  EXPECT_EQ(Text(1026), "50.00");
  EXPECT_EQ(Text(1025).toStdString(), FormatNumber("%.2f", volume));
  // in a field, Enter runs the default button (the volume calculation)
  Type(1025, "40");
  QSignalSpy volumeButton(Control<QPushButton>(1028), &QPushButton::clicked);
  Press(Qt::Key_Return);
  EXPECT_EQ(volumeButton.count(), 1);
  EXPECT_EQ(Text(1025), "40.00");
  EXPECT_TRUE(Sheet().isVisible());
}

// At start-up and after every change of tab the page's first control has
// the focus, its text selected; Tab walks the page in template order and
// wraps through the tab rows and the menu button; Shift+Tab walks back.
TEST_F(KeyboardTest, TabWalksThePageInTemplateOrderAndWraps) {
  EXPECT_EQ(Focus(), brevimo::FirstTabStopOf(*Sheet().GetPage(0)));
  for (int p = 0; p < Sheet().GetPageCount(); ++p) {
    if (p > 0) Press(Qt::Key_Tab, Qt::ControlModifier);
    ASSERT_EQ(Sheet().GetActivePage(), Sheet().GetPage(p));
    const std::vector<QWidget*> stops = TabStops();
    ASSERT_FALSE(stops.empty());
    const char* page = Sheet().GetActivePage()->ClassName();
    ASSERT_EQ(Focus(), stops.front()) << page << ": focus on " << Name(Focus());
    if (auto* edit = qobject_cast<QLineEdit*>(Focus())) {
      EXPECT_EQ(edit->selectedText(), edit->text()) << page;
    }

    std::vector<QWidget*> expected(stops.begin() + 1, stops.end());
    expected.push_back(Sheet().findChild<QWidget*>(QStringLiteral("tabrows")));
    expected.push_back(Sheet().findChild<QWidget*>(QStringLiteral("menu")));
    expected.push_back(stops.front());
    for (QWidget* next : expected) {
      Press(Qt::Key_Tab);
      ASSERT_EQ(Focus(), next) << page << ": expected " << Name(next) << ", got " << Name(Focus());
    }
    for (auto it = expected.rbegin() + 1; it != expected.rend(); ++it) {
      Press(Qt::Key_Backtab, Qt::ShiftModifier);
      ASSERT_EQ(Focus(), *it) << page << " (back): expected " << Name(*it) << ", got "
                              << Name(Focus());
    }
  }
}

// Ctrl+Shift+Tab as a real keyboard sends it (Backtab with Shift and Ctrl),
// from a field; the arrow keys move through the tabs from the tab rows.
TEST_F(KeyboardTest, CtrlShiftTabAndTheArrowKeysChangeTabs) {
  const int count = Tabs()->count();
  ASSERT_TRUE(qobject_cast<QLineEdit*>(Focus()));
  Press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Tabs()->currentIndex(), count - 1);
  Press(Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(Tabs()->currentIndex(), 0);
  Sheet().findChild<QWidget*>(QStringLiteral("tabrows"))->setFocus(Qt::TabFocusReason);
  Press(Qt::Key_Right);
  Press(Qt::Key_Right);
  EXPECT_EQ(Tabs()->currentIndex(), 2);
  EXPECT_EQ(Name(Focus()), "tabrows"); // the arrows keep the focus in the tabs
  Press(Qt::Key_Left);
  EXPECT_EQ(Tabs()->currentIndex(), 1);
}

// A radio group is one Tab stop, on the checked button; the arrow keys move
// the choice, and the page follows it (the mixing page's fields switch).
TEST_F(KeyboardTest, RadioGroupIsOneStopAndArrowsMoveTheChoice) {
  ShowPage("CPP_CombRastv");
  auto* mix = Control<QRadioButton>(1017);
  auto* find = Control<QRadioButton>(1018);
  ASSERT_TRUE(mix->isChecked());
  Control(1014)->setFocus(Qt::TabFocusReason); // the last field before the group
  Press(Qt::Key_Tab);
  ASSERT_EQ(Focus(), mix);
  Press(Qt::Key_Down);
  EXPECT_TRUE(find->isChecked());
  EXPECT_EQ(Focus(), find);
  EXPECT_FALSE(Control<QLineEdit>(1014)->isReadOnly());
  EXPECT_TRUE(Control<QLineEdit>(1012)->isReadOnly());
  Press(Qt::Key_Tab); // leaves the group for the button
  EXPECT_EQ(Name(Focus()), "1004");
  Press(Qt::Key_Backtab, Qt::ShiftModifier); // back onto the checked button
  EXPECT_EQ(Focus(), find);
}

// A field that is read-only when the page reads it is an output: never
// refused, whatever it holds, and overwritten by the calculation. Both
// directions of the mixing page's trap.
TEST_F(KeyboardTest, ReadOnlyFieldsAreNeverRefused) {
  ShowPage("CPP_CombRastv");
  struct Case {
    int away, back, field;
  };
  for (const Case c : {Case{1018, 1017, 1014}, Case{1017, 1018, 1012}}) {
    Click(c.away);
    Type(c.field, "abc");
    Click(c.back);
    ASSERT_TRUE(Control<QLineEdit>(c.field)->isReadOnly());
    Click(1004);
    EXPECT_TRUE(NoMessage()) << c.field;
    DrainMessages();
    bool ok = false;
    Text(c.field).toDouble(&ok);
    EXPECT_TRUE(ok) << c.field << " shows " << Text(c.field).toStdString();
    // the page can be left and entered again
    Press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_NE(Sheet().GetActivePage()->ClassName(), std::string("CPP_CombRastv"));
    ShowPage("CPP_CombRastv");
  }
}

// Read-only fields show on the dialog's background, editable ones on the
// base colour, and they change with the mode.
TEST_F(KeyboardTest, ReadOnlyFieldsLookReadOnly) {
  ShowPage("CPP_CombRastv");
  const QColor window = Page()->palette().color(QPalette::Window);
  const QColor base = Page()->palette().color(QPalette::Base);
  ASSERT_NE(window, base);
  EXPECT_EQ(Control(1014)->palette().color(QPalette::Base), window);
  EXPECT_EQ(Control(1012)->palette().color(QPalette::Base), base);
  Click(1018);
  EXPECT_EQ(Control(1014)->palette().color(QPalette::Base), base);
  EXPECT_EQ(Control(1012)->palette().color(QPalette::Base), window);
}

} // namespace
