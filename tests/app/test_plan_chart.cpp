// SPDX-License-Identifier: GPL-3.0-or-later
// The planned run's chart window, opened from the plan page: the course
// drawn with its cuts marked, the steps table, and the CSV export.
#include "tests/temp_dir.h"
#include "tests/ui/ui_fixture.h"

#include "app/plan_chart.h"
#include "calc/run_plan.h"

#include <QFile>
#include <QGraphicsLineItem>
#include <QGraphicsSimpleTextItem>
#include <QtCharts/QChart>
#include <QtCharts/QLineSeries>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

constexpr int kCalc = 2013, kChart = 2014, kPlates = 2004;

class PlanChartTest : public UiTest {
protected:
  void SetUp() override {
    UiTest::SetUp();
    ShowPage("CPP_PlanPeregon");
  }

  // The chart of a plan over five plates.
  CPlanChart* OpenChart() {
    Type(kPlates, "5");
    Click(kCalc);
    Click(kChart);
    CPlanChart* chart = Sheet().PlanChart();
    EXPECT_TRUE(chart && chart->isVisible());
    EXPECT_TRUE(chart && QTest::qWaitForWindowExposed(chart));
    return chart;
  }
};

TEST_F(PlanChartTest, ShowsThePlansCourseWithTheCutsMarked) {
  CPlanChart* chart = OpenChart();
  ASSERT_NE(chart, nullptr);
  EXPECT_EQ(chart->objectName(), "CPlanChart");
  const brevimo::RunPlan* plan = chart->Plan();
  ASSERT_EQ(plan, Sheet().m_PlanPeregon.m_lastPlan.get());
  const std::vector<brevimo::RunPlanStep>& course = plan->course;
  ASSERT_GT(course.size(), 100u);
  // short courses are drawn whole: the stream, then the pot's temperature
  EXPECT_EQ(chart->Series(0)->count(), static_cast<qsizetype>(course.size()));
  EXPECT_EQ(chart->Series(0)->at(0), QPointF(course[0].collected, course[0].stream));
  EXPECT_EQ(chart->Series(1)->at(chart->Series(1)->count() - 1),
            QPointF(course.back().collected, course.back().potBoiling));

  // The cuts where the heads and the hearts end, as the page's volumes have them.
  const brevimo::RunPlanFraction* f = plan->fractions;
  ASSERT_EQ(chart->Cuts().size(), 2u);
  EXPECT_NEAR(chart->Cuts()[0].collected, f[0].liquid.volume, 0.01);
  EXPECT_NEAR(chart->Cuts()[1].collected, f[0].liquid.volume + f[1].liquid.volume, 0.02);
  // each drawn as a line across the plot there, the three fractions named
  QList<qreal> drawn;
  QStringList names;
  for (QGraphicsItem* item : chart->Chart()->childItems()) {
    if (!item->isVisible()) continue;
    if (auto* line = dynamic_cast<QGraphicsLineItem*>(item)) drawn << line->line().x1();
    if (auto* text = dynamic_cast<QGraphicsSimpleTextItem*>(item)) names << text->text();
  }
  ASSERT_EQ(drawn.size(), 2);
  std::sort(drawn.begin(), drawn.end());
  for (int i = 0; i < 2; ++i) {
    const QPointF at = chart->Chart()->mapToPosition(
        QPointF(chart->Cuts()[static_cast<std::size_t>(i)].collected, 0.0), chart->Series(0));
    EXPECT_NEAR(drawn[i], at.x(), 0.5);
  }
  names.sort();
  EXPECT_EQ(names, QStringList({U("Головы"), U("Тело"), U("Хвосты")}));

  // The table: a step a row, the fraction by its name.
  CPlanStepsModel* model = chart->Model();
  ASSERT_EQ(model->rowCount(), static_cast<int>(course.size()));
  EXPECT_EQ(model->index(0, 6).data().toString(), U("Головы"));
  EXPECT_EQ(model->index(model->rowCount() - 1, 6).data().toString(), U("Хвосты"));
  EXPECT_EQ(model->index(0, 0).data().toString(),
            QString::fromStdString(brevimo::PlanCourseFile::Cell(course[0], 0)));

  // A new plan reaches the open chart.
  Type(kPlates, "2");
  Click(kCalc);
  EXPECT_EQ(chart->Plan(), Sheet().m_PlanPeregon.m_lastPlan.get());
  EXPECT_NE(chart->Plan(), plan);
  EXPECT_EQ(Sheet().PlanChart(), chart);
}

TEST_F(PlanChartTest, ExportsWriteTheCoursesTextAndAFailedWriteSaysSo) {
  CPlanChart* chart = OpenChart();
  ASSERT_NE(chart, nullptr);
  const std::filesystem::path dir = brevimo::test::MakeTempDir("brevimo_plan_chart_");
  const auto path = [&](const char* name) { return QString::fromStdString((dir / name).string()); };
  ASSERT_TRUE(chart->SaveCsv(path("plan.csv")));
  {
    // Closed before the folder goes: Windows keeps an open file's folder.
    QFile csv(path("plan.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readAll().toStdString(), brevimo::PlanCourseFile::Text(chart->Plan()->course));
  }
  EXPECT_TRUE(chart->SavePng(path("plan.png")));
  EXPECT_TRUE(chart->SaveSvg(path("plan.svg")));
  EXPECT_TRUE(NoMessage());
  EXPECT_FALSE(chart->SaveCsv(path("none/plan.csv")));
  EXPECT_TRUE(TakeMessage().startsWith(U("Не удалось записать файл")));
  std::error_code ignored;
  std::filesystem::remove_all(dir, ignored);
}

} // namespace
