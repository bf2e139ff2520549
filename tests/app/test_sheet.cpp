// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/ui/ui_fixture.h"

#include "app/dial_about.h"
#include "ui/dialog_builder.h"
#include "ui/stacked_tab_bar.h"

#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QToolButton>

namespace {

using SheetTest = UiTest;

TEST_F(SheetTest, OpensOnTheFirstTabWithPagesInTabOrder) {
  QTabWidget* tabs = Tabs();
  ASSERT_NE(tabs, nullptr);
  EXPECT_EQ(Sheet().windowTitle(), "Brevimo");
  EXPECT_EQ(tabs->currentIndex(), 0);
  ASSERT_EQ(tabs->count(), Sheet().GetPageCount());
  // Captions of the pages present, in the order of the tabs.
  const std::vector<std::pair<const char*, const char*>> order = {
      {"CPP_KsTCorr", "Температурный пересчет концентрации"},
      {"CPP_RazvedSpirta", "Разведение спирта"},
      {"CPP_CombRastv", "Смешение растворов"},
      {"CPP_PowerAndOut", "Выход дистиллята"},
      {"CPP_VolMasMol", "Мас., Об. и Мол. %, плотн."},
      {"CPP_CalkTkip", "Темп. кипения, пар"},
      {"CPP_VacPereg", "Вакуумн. перегонка"},
      {"CPP_ShugarConc", "Сахар"},
      {"CPP_Peregon", "Перегонка"},
      {"CPP_PlanPeregon", "План перегонки"},
  };
  int tab = 0;
  for (const auto& [name, caption] : order) {
    QWidget* host = Sheet().findChild<QWidget*>(QString::fromLatin1(name));
    if (!host) continue; // a page not built yet is simply absent
    EXPECT_EQ(tabs->indexOf(host), tab) << name;
    EXPECT_EQ(tabs->tabText(tab), U(caption)) << name;
    ++tab;
  }
  EXPECT_EQ(tab, tabs->count()) << "a tab that is not a calculator page";
}

TEST_F(SheetTest, OnlyTheFirstPageIsCreatedAtStart) {
  for (int i = 0; i < Sheet().GetPageCount(); ++i)
    EXPECT_EQ(Sheet().GetPage(i)->IsCreated(), i == 0) << i;
}

TEST_F(SheetTest, EveryPageShowsItsControlsWhenItsTabIsSelected) {
  for (int i = Sheet().GetPageCount() - 1; i >= 0; --i) {
    ASSERT_TRUE(Sheet().SetActivePage(i));
    CPropertyPage* page = Sheet().GetPage(i);
    ASSERT_TRUE(page->IsCreated());
    const QList<QWidget*> controls =
        brevimo::CreatedHostOf(*page)->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_FALSE(controls.isEmpty());
    for (QWidget* control : controls)
      EXPECT_TRUE(control->isVisible())
          << page->ClassName() << " " << control->objectName().toStdString();
  }
}

// Every caption stays in view: the tabs take as many rows as they need, and
// the selected tab's row sits next to the page.
TEST_F(SheetTest, TabsStackInRowsWithEveryCaptionInView) {
  auto* rows = Sheet().findChild<CStackedTabBar*>(QStringLiteral("tabrows"));
  ASSERT_NE(rows, nullptr);
  const int count = Tabs()->count();
  for (int step = 0; step < count; ++step) {
    const int bottom = rows->TabRect(Tabs()->currentIndex()).bottom();
    for (int i = 0; i < count; ++i) {
      const QRect rect = rows->TabRect(i);
      EXPECT_TRUE(rows->rect().contains(rect)) << i;
      EXPECT_GE(rect.width(), rows->fontMetrics().horizontalAdvance(Tabs()->tabText(i))) << i;
      EXPECT_LE(rect.bottom(), bottom) << i;
      for (int j = 0; j < i; ++j)
        EXPECT_FALSE(rect.intersects(rows->TabRect(j))) << i << " " << j;
    }
    // a click on the next tab selects its page
    const int next = (Tabs()->currentIndex() + 1) % count;
    QTest::mouseClick(rows, Qt::LeftButton, {}, rows->TabRect(next).center());
    ASSERT_EQ(Tabs()->currentIndex(), next);
  }
}

TEST_F(SheetTest, CtrlTabStepsThroughThePages) {
  const int count = Tabs()->count();
  QTest::keyClick(&Sheet(), Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(Tabs()->currentIndex(), 1 % count);
  QTest::keyClick(&Sheet(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
  QTest::keyClick(&Sheet(), Qt::Key_PageUp, Qt::ControlModifier);
  EXPECT_EQ(Tabs()->currentIndex(), count - 1);
}

TEST_F(SheetTest, HasNoDialogButtonsAndAMinimiseBox) {
  for (QPushButton* button : Sheet().findChildren<QPushButton*>()) {
    const QString text = button->text();
    EXPECT_TRUE(text != "OK" && text != "Cancel" && text != "Apply" && text != "Help")
        << text.toStdString();
  }
  EXPECT_TRUE(Sheet().windowFlags() & Qt::WindowMinimizeButtonHint);
}

TEST_F(SheetTest, MenuHoldsAboutHelpAndASeparator) {
  auto* menu = Sheet().findChild<QMenu*>(QStringLiteral("sysmenu"));
  ASSERT_NE(menu, nullptr);
  const QList<QAction*> actions = menu->actions();
  ASSERT_EQ(actions.size(), 4); // the last: the language submenu
  EXPECT_EQ(actions[3]->text(), U("Язык / Language"));
  EXPECT_EQ(actions[0]->text(), U("О программе"));
  EXPECT_EQ(actions[1]->text(), "Help");
  EXPECT_TRUE(actions[2]->isSeparator());
  auto* button = Sheet().findChild<QToolButton*>(QStringLiteral("menu"));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->menu(), menu);
}

TEST_F(SheetTest, AboutBoxShowsTheVersionAndClosesWithOk) {
  QString caption, label;
  bool closed = false;
  QTimer::singleShot(0, &Sheet(), [&] {
    auto* about = dynamic_cast<CDial_About*>(QApplication::activeModalWidget());
    ASSERT_NE(about, nullptr);
    caption = about->windowTitle();
    for (QLabel* l : about->findChildren<QLabel*>())
      if (!l->text().isEmpty()) label = l->text();
    auto* ok = about->findChild<QPushButton*>(QStringLiteral("1"));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_TRUE(ok->isDefault());
    QTest::mouseClick(ok, Qt::LeftButton);
    closed = true;
  });
  Sheet().findChild<QMenu*>(QStringLiteral("sysmenu"))->actions()[0]->trigger();
  EXPECT_TRUE(closed);
  EXPECT_EQ(caption, "About Brevimo");
  EXPECT_EQ(label, "Brevimo Version 4.03");
  EXPECT_TRUE(Sheet().isVisible());
}

// The window and the About box show the program icon from the resources,
// at every size of the icon theme.
TEST_F(SheetTest, WindowAndAboutBoxShowTheProgramIcon) {
  // The icon follows the window's first frame.
  EXPECT_TRUE(QTest::qWaitFor([&] { return !Sheet().windowIcon().availableSizes().isEmpty(); }));
  const QList<QSize> sizes = Sheet().windowIcon().availableSizes();
  for (int size : {16, 24, 32, 48, 64, 128, 256})
    EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
  CDial_About about(&Sheet());
  EXPECT_EQ(about.windowIcon().availableSizes(), sizes);
  QPixmap shown;
  for (QLabel* l : about.findChildren<QLabel*>())
    if (!l->pixmap().isNull()) shown = l->pixmap();
  EXPECT_EQ(shown.size(), QSize(32, 32));
}

TEST_F(SheetTest, MessageBoxesCarryTheAppNameAndTheWarningIcon) {
  AfxMessageBox(QStringLiteral("x"));
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes().front().title, "ui_tests"); // the executable's name
  EXPECT_EQ(Boxes().front().icon, QMessageBox::Warning);
  EXPECT_EQ(Boxes().front().owner, &Sheet());
  TakeMessage();
}

TEST_F(SheetTest, EnterDoesNotCloseTheWindowAndEscapeDoes) {
  ShowPage("CPP_VolMasMol");
  QTest::keyClick(&Sheet(), Qt::Key_Return);
  QTest::keyClick(&Sheet(), Qt::Key_Enter);
  EXPECT_TRUE(Sheet().isVisible());
  EXPECT_EQ(Sheet().result(), QDialog::Rejected);
  QTest::keyClick(&Sheet(), Qt::Key_Escape);
  EXPECT_FALSE(Sheet().isVisible());
}

TEST_F(SheetTest, ControlsAreNamedForAutomation) {
  ShowPage("CPP_VolMasMol");
  EXPECT_EQ(Control(1025)->accessibleName(), U("% Объемн."));
  EXPECT_EQ(Control(1031)->accessibleName(), U("Плотность (кг/л)"));
  EXPECT_EQ(Control(1041)->accessibleName(), U("Удельный объем (л/кг)"));
}

// The dialog units follow the font: a larger font gives a larger page.
TEST_F(SheetTest, DialogUnitsScaleWithTheFont) {
  QFont small = QApplication::font();
  small.setPointSize(8);
  QFont large = small;
  large.setPointSize(16);
  const brevimo::DialogUnits a(small), b(large);
  EXPECT_GT(b.X(100), a.X(100));
  EXPECT_GT(b.Y(100), a.Y(100));
  EXPECT_EQ(a.X(0), 0);
  EXPECT_EQ(a.X(400), 100 * a.X(4));
}

} // namespace
