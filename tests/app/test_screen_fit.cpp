// SPDX-License-Identifier: GPL-3.0-or-later
// Every window fits the screen it opens on, in both languages and at the
// scale factor of the run (ctest also runs these on a 1366x768 screen at
// 100, 125 and 150 %): nothing beyond the screen's available area, every
// control within reach, no scrolling where the screen has room for the
// pages, and the window's size follows the language.
#include "tests/ui/ui_fixture.h"

#include "app/help_window.h"
#include "app/run_chart.h"
#include "calc/distillation.h"
#include "ui/stacked_tab_bar.h"
#include "ui/translation.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QTextBrowser>
#include <QToolButton>

#include <map>

namespace {

using brevimo::Language;

std::string Describe(Language language, const QScreen* screen) {
  const QSize size = screen->availableGeometry().size();
  return (language == Language::English ? "English" : "Russian") + std::string(" on ") +
         std::to_string(size.width()) + "x" + std::to_string(size.height()) + " at " +
         std::to_string(screen->devicePixelRatio());
}

class ScreenFitTest : public UiTest, public ::testing::WithParamInterface<Language> {
protected:
  void SetUp() override {
    ASSERT_TRUE(brevimo::SetLanguage(GetParam()));
    UiTest::SetUp();
  }
  void TearDown() override {
    UiTest::TearDown();
    brevimo::SetLanguage(Language::Russian);
  }

  QRect Room() { return Sheet().screen()->availableGeometry(); }

  // A laptop screen of 1366x768 pixels or more at up to 125 %: the pages
  // show whole.
  bool RoomForEveryPage() {
    const QScreen* screen = Sheet().screen();
    const QSizeF pixels = QSizeF(screen->geometry().size()) * screen->devicePixelRatio();
    return pixels.width() >= 1366 && pixels.height() >= 768 && screen->devicePixelRatio() <= 1.25;
  }
};

TEST_P(ScreenFitTest, MainWindowStaysOnTheScreenWithEveryControlInReach) {
  SCOPED_TRACE(Describe(GetParam(), Sheet().screen()));
  auto* area = Sheet().findChild<QScrollArea*>(QStringLiteral("pages"));
  ASSERT_NE(area, nullptr);
  const auto* menu = Sheet().findChild<QToolButton*>(QStringLiteral("menu"));
  ASSERT_NE(menu, nullptr);
  for (int i = 0; i < Sheet().GetPageCount(); ++i) {
    ASSERT_TRUE(Sheet().SetActivePage(i));
    QApplication::processEvents();
    const QWidget* host = brevimo::CreatedHostOf(*Sheet().GetPage(i));
    SCOPED_TRACE(Sheet().GetPage(i)->ClassName());
    EXPECT_TRUE(Room().contains(Sheet().frameGeometry()));
    EXPECT_TRUE(Sheet().rect().contains(QRect(menu->mapTo(&Sheet(), QPoint()), menu->size())));
    if (RoomForEveryPage()) {
      EXPECT_FALSE(area->horizontalScrollBar()->isVisible());
      EXPECT_FALSE(area->verticalScrollBar()->isVisible());
    }
    // Scrolled to, every control is in view.
    for (QWidget* control : host->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
      if (control->isHidden()) continue;
      area->ensureWidgetVisible(control, 0, 0);
      const QRect shown(control->mapTo(area->viewport(), QPoint()), control->size());
      EXPECT_TRUE(area->viewport()->rect().contains(shown)) << control->objectName().toStdString();
    }
  }
}

// The tabs share their rows evenly: no tab alone in a row stretched across it.
// Rows are balanced by width, so a row of long captions may hold one tab
// fewer than the others.
TEST_P(ScreenFitTest, TabRowsAreBalanced) {
  SCOPED_TRACE(Describe(GetParam(), Sheet().screen()));
  auto* rows = Sheet().findChild<CStackedTabBar*>(QStringLiteral("tabrows"));
  ASSERT_NE(rows, nullptr);
  std::map<int, int> tabsInRow; // by the row's top
  for (int i = 0; i < Tabs()->count(); ++i)
    ++tabsInRow[rows->TabRect(i).top()];
  for (const auto& [top, tabs] : tabsInRow)
    EXPECT_GE(tabs, Tabs()->count() / static_cast<int>(tabsInRow.size()) - 1) << "row at " << top;
}

// After a change of language the window is as large as one opened in that
// language: smaller as well as larger.
TEST_P(ScreenFitTest, LanguageSwitchGivesTheNewLanguagesSize) {
  const Language other = GetParam() == Language::English ? Language::Russian : Language::English;
  Sheet().SetActivePage(4); // one page built besides the first
  ASSERT_TRUE(brevimo::SetLanguage(other));
  QApplication::processEvents(); // the language change is posted
  CDial_Calc fresh(QStringLiteral("Brevimo"));
  fresh.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&fresh));
  EXPECT_EQ(Sheet().size(), fresh.size()) << Describe(other, Sheet().screen());
}

// A switch to a language that needs a wider window, with the window against
// the screen's right edge: the whole window, ☰ button and all, stays on it.
TEST_P(ScreenFitTest, LanguageSwitchKeepsTheWindowOnItsScreen) {
  const Language other = GetParam() == Language::English ? Language::Russian : Language::English;
  Sheet().SetActivePage(Sheet().GetPageCount() - 1);
  QApplication::processEvents();
  const QRect frame = Sheet().frameGeometry();
  Sheet().move(Room().right() + 1 - frame.width(), Room().bottom() + 1 - frame.height());
  QApplication::processEvents();
  ASSERT_TRUE(Room().contains(Sheet().frameGeometry()));
  const QSize before = Sheet().size();
  ASSERT_TRUE(brevimo::SetLanguage(other));
  QApplication::processEvents();
  QTest::qWait(100); // the new size may come a few events later
  SCOPED_TRACE(Describe(other, Sheet().screen()));
  SCOPED_TRACE("size " + std::to_string(before.width()) + "x" + std::to_string(before.height()) +
               " -> " + std::to_string(Sheet().width()) + "x" + std::to_string(Sheet().height()));
  EXPECT_TRUE(Room().contains(Sheet().frameGeometry()));
  const auto* menu = Sheet().findChild<QToolButton*>(QStringLiteral("menu"));
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(Room().contains(QRect(menu->mapToGlobal(QPoint()), menu->size())));
}

std::shared_ptr<brevimo::DistillationRun> SmallRun() {
  auto run = std::make_shared<brevimo::DistillationRun>();
  run->input = {brevimo::RunByBoiling, 92.5, brevimo::RunByBoiling, 98.0, 1.0};
  brevimo::TableBoiling boiling;
  brevimo::DistillationRecorder recorder(run.get(), nullptr);
  std::string err;
  EXPECT_EQ(brevimo::RunDistillation(run->input, boiling, &recorder, &run->result, &err), 1);
  return run;
}

TEST_P(ScreenFitTest, ChartWindowOpensSizedToItsScreen) {
  SCOPED_TRACE(Describe(GetParam(), Sheet().screen()));
  Sheet().ShowRunChart(SmallRun());
  CRunChart* chart = Sheet().RunChart();
  ASSERT_NE(chart, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(chart));
  const QRect room = chart->screen()->availableGeometry();
  EXPECT_TRUE(room.contains(chart->frameGeometry()));
  EXPECT_GE(chart->width(), room.width() / 2);
  EXPECT_GE(chart->height(), room.height() / 2);
  // the table and the buttons under the chart are in the window
  QList<QWidget*> parts{chart->findChild<QTableView*>(QString::number(CRunChart::IDC_TABLE))};
  for (int id : {CRunChart::IDC_COPY, CRunChart::IDC_SAVE_CSV, CRunChart::IDC_SAVE_PNG,
                 CRunChart::IDC_SAVE_SVG})
    parts << chart->findChild<QPushButton*>(QString::number(id));
  for (QWidget* part : parts) {
    ASSERT_NE(part, nullptr);
    EXPECT_GT(part->height(), 0);
    EXPECT_TRUE(chart->rect().contains(QRect(part->mapTo(chart, QPoint()), part->size())))
        << part->objectName().toStdString();
  }
  chart->close();
}

TEST_P(ScreenFitTest, HelpWindowStaysOnTheScreen) {
  SCOPED_TRACE(Describe(GetParam(), Sheet().screen()));
  ASSERT_TRUE(CHelpWindow::Open(&Sheet(), QStringLiteral("CPP_Peregon")));
  auto* help = Sheet().findChild<CHelpWindow*>(QStringLiteral("CHelpWindow"));
  ASSERT_NE(help, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
  EXPECT_TRUE(help->screen()->availableGeometry().contains(help->frameGeometry()));
  help->close();
}

INSTANTIATE_TEST_SUITE_P(Languages, ScreenFitTest,
                         ::testing::Values(Language::Russian, Language::English),
                         [](const auto& info) {
                           return info.param == Language::English ? std::string("English")
                                                                  : std::string("Russian");
                         });

using HelpFitTest = ScreenFitTest;

// A change of language shows the manual of the new one at once, at the same
// section, with its contents.
TEST_P(HelpFitTest, LanguageSwitchShowsTheOtherManualAtOnce) {
  ASSERT_TRUE(CHelpWindow::Open(&Sheet(), QStringLiteral("CPP_Peregon")));
  auto* help = Sheet().findChild<CHelpWindow*>(QStringLiteral("CHelpWindow"));
  ASSERT_NE(help, nullptr);
  const QString before = help->Browser()->source().toLocalFile();
  const Language other = GetParam() == Language::English ? Language::Russian : Language::English;
  ASSERT_TRUE(brevimo::SetLanguage(other));
  QApplication::processEvents();
  // As a local file: the URL's path of C:/x is /C:/x.
  EXPECT_EQ(help->Browser()->source().toLocalFile(), CHelpWindow::ManualFile());
  EXPECT_NE(help->Browser()->source().toLocalFile(), before);
  EXPECT_EQ(help->Browser()->source().fragment(), "CPP_Peregon");
  auto* contents = help->findChild<QListWidget*>(QString::number(CHelpWindow::IDC_CONTENTS));
  ASSERT_NE(contents, nullptr);
  ASSERT_GT(contents->count(), 0);
  const bool cyrillic =
      contents->item(0)->text().contains(QRegularExpression(QStringLiteral("\\p{Cyrillic}")));
  EXPECT_EQ(cyrillic, other == Language::Russian) << contents->item(0)->text().toStdString();
  help->close();
}

// A screenshot wider than the window scrolls sideways instead of being cut.
TEST_P(HelpFitTest, PictureWiderThanTheWindowScrolls) {
  ASSERT_TRUE(CHelpWindow::Open(&Sheet(), QStringLiteral("CPP_VacPereg")));
  auto* help = Sheet().findChild<CHelpWindow*>(QStringLiteral("CHelpWindow"));
  ASSERT_NE(help, nullptr);
  const QFileInfo manual(CHelpWindow::ManualFile());
  const int picture =
      QImageReader(manual.dir().filePath(QStringLiteral("images/CPP_VacPereg.png"))).size().width();
  ASSERT_GT(picture, 0);
  help->resize(picture / 2 + 200, help->height());
  QApplication::processEvents();
  QTextBrowser* browser = help->Browser();
  ASSERT_LT(browser->viewport()->width(), picture);
  EXPECT_TRUE(browser->horizontalScrollBar()->isVisible());
  EXPECT_GE(browser->viewport()->width() + browser->horizontalScrollBar()->maximum(), picture);
  help->close();
}

INSTANTIATE_TEST_SUITE_P(Languages, HelpFitTest,
                         ::testing::Values(Language::Russian, Language::English),
                         [](const auto& info) {
                           return info.param == Language::English ? std::string("English")
                                                                  : std::string("Russian");
                         });

} // namespace
