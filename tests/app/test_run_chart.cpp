// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/ui/ui_fixture.h"

#include "app/run_chart.h"
#include "app/run_series.h"
#include "app/run_steps_model.h"
#include "calc/distillation.h"
#include "tests/temp_dir.h"

#include <QClipboard>
#include <QtCharts/QLineSeries>

#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

using namespace brevimo;

std::shared_ptr<DistillationRun> Record(const DistillationInput& input,
                                        DistillationSink* next = nullptr) {
  auto run = std::make_shared<DistillationRun>();
  run->input = input;
  TableBoiling boiling;
  DistillationRecorder recorder(run.get(), next);
  std::string err;
  EXPECT_EQ(RunDistillation(input, boiling, &recorder, &run->result, &err), 1) << err;
  return run;
}

// 100 000 steps that rise and fall unevenly, with one narrow spike in each
// direction, over a collected volume that grows.
std::shared_ptr<DistillationRun> LongMadeUpRun() {
  auto run = std::make_shared<DistillationRun>();
  const int n = kRunMaxSteps;
  run->steps.resize(n);
  for (int i = 0; i < n; ++i) {
    const double t = i / double(n);
    DistillationStep& s = run->steps[static_cast<std::size_t>(i)];
    s.OutVol = 5.0 * t;
    s.TKipBak = 92.0 + 8.0 * t + 0.3 * std::sin(i * 0.37);
    s.VConBak = 10.0 * (1.0 - t) + std::sin(i * 1.3);
    s.ParVolCon = 55.0 * (1.0 - t) + (i == 61234 ? 40.0 : 0.0);
    s.OutVolCon = 50.0 - 10.0 * t - (i == 777 ? 30.0 : 0.0);
    s.VolBak = 20.0 - s.OutVol;
  }
  run->result = {run->steps.back().OutVol, run->steps.back().OutVolCon, run->steps.back().VolBak,
                 n};
  return run;
}

std::string Value(double value, int decimals) {
  char buffer[DistillationFile::kValueCapacity];
  return std::string(buffer, DistillationFile::FormatValue(value, decimals, buffer));
}

// The series as the chart has them, with the quantity each one shows.
struct SeriesOf {
  const QList<QPointF>& points;
  double DistillationStep::*value;
  int decimals;
};

std::array<SeriesOf, 4> AllSeries(const RunSeries& series) {
  return {{{series.stillTemperature, &DistillationStep::TKipBak, 2},
           {series.stillStrength, &DistillationStep::VConBak, 2},
           {series.vapourStrength, &DistillationStep::ParVolCon, 2},
           {series.collectedStrength, &DistillationStep::OutVolCon, 2}}};
}

TEST(RunSeries, HoldTheRunsStepsAsTheResultsFileHasThem) {
  const std::filesystem::path dir = brevimo::test::MakeTempDir("brevimo_chart_");
  const std::filesystem::path path = dir / "run.txt";
  DistillationFile file;
  ASSERT_TRUE(file.Open(path.string().c_str()));
  const auto run = Record({RunByBoiling, 92.5, RunByBoiling, 98.0, 1.0}, &file);
  file.Close();
  std::ifstream in(path);
  std::vector<std::vector<std::string>> rows; // the file's fields, header left out
  for (std::string line; std::getline(in, line);) {
    std::vector<std::string> fields;
    std::istringstream s(line);
    for (std::string f; std::getline(s, f, '\t');)
      fields.push_back(f);
    rows.push_back(fields);
  }
  in.close(); // Windows removes no open file
  std::filesystem::remove_all(dir);
  ASSERT_EQ(rows.size(), 1u + 224u);
  ASSERT_EQ(run->steps.size(), 224u);

  RunSeries series;
  BuildRunSeries(*run, kRunChartColumns, &series);
  const auto all = AllSeries(series);
  const int columnOf[] = {0, 1, 3, 5}; // in the file
  for (int k = 0; k < 4; ++k) {
    const QList<QPointF>& points = all[k].points;
    ASSERT_EQ(points.size(), 224); // short runs are drawn whole
    for (const auto& [point, row] :
         {std::pair{points.front(), rows[1]}, {points.back(), rows.back()}}) {
      EXPECT_EQ(Value(point.x(), 4), row[4]) << k;
      EXPECT_EQ(Value(point.y(), all[k].decimals), row[static_cast<std::size_t>(columnOf[k])]) << k;
    }
    for (qsizetype i = 1; i < points.size(); ++i)
      ASSERT_GE(points[i].x(), points[i - 1].x());
  }
}

TEST(RunSeries, ThinnedSeriesKeepTheFirstLastLowestAndHighestSteps) {
  const auto made = LongMadeUpRun();
  // the strongest start the tables allow: a real run of over 50 000 steps
  const auto strongest = Record({RunByStrength, 97.17, RunByStrength, 2.0, 1.0});
  for (const auto& run : {made, std::shared_ptr<DistillationRun>(strongest)}) {
    const auto& steps = run->steps;
    ASSERT_GT(steps.size(), 50000u);
    for (std::size_t i = 1; i < steps.size(); ++i)
      ASSERT_GE(steps[i].OutVol, steps[i - 1].OutVol);
    RunSeries series;
    BuildRunSeries(*run, kRunChartColumns, &series);
    for (const SeriesOf& s : AllSeries(series)) {
      const QList<QPointF>& points = s.points;
      EXPECT_LE(points.size(), 4 * kRunChartColumns);
      EXPECT_EQ(points.front(), QPointF(steps.front().OutVol, steps.front().*s.value));
      EXPECT_EQ(points.back(), QPointF(steps.back().OutVol, steps.back().*s.value));
      const auto [low, high] = std::minmax_element(
          steps.begin(), steps.end(), [&](const DistillationStep& a, const DistillationStep& b) {
            return a.*s.value < b.*s.value;
          });
      EXPECT_TRUE(points.contains(QPointF(low->OutVol, (*low).*s.value)));
      EXPECT_TRUE(points.contains(QPointF(high->OutVol, (*high).*s.value)));
      for (qsizetype i = 1; i < points.size(); ++i)
        ASSERT_GE(points[i].x(), points[i - 1].x());
    }
  }
}

TEST(RunChartWindow, OpensOnA100000StepRunWithEveryStepInTheTable) {
  const auto run = LongMadeUpRun();
  CRunChart window;
  window.SetRun(run);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  EXPECT_EQ(window.objectName(), "CRunChart");
  EXPECT_EQ(window.Model()->rowCount(), 100000);
  EXPECT_LE(window.Series(0)->count(), 4 * kRunChartColumns);
  EXPECT_EQ(window.Series(2)->at(window.Series(2)->count() - 1),
            QPointF(run->steps.back().OutVol, run->steps.back().ParVolCon));
  const QList<QByteArray> lines = window.Model()->Csv().split('\n');
  EXPECT_EQ(lines.size(), 1 + 100000 + 1); // a line end after the last row
  char row[DistillationFile::kRowCapacity];
  const std::size_t length = DistillationFile::FormatRow(run->steps.back(), row, ',');
  EXPECT_EQ(lines[100000] + '\n', QByteArray(row, static_cast<qsizetype>(length)));
  // the step under the pointer: the nearest by collected volume; a click
  // selects it in the table, and a copy takes the selection
  EXPECT_TRUE(window.ShowStepAt(2.50004).startsWith(U("Шаг 50002:")));
  window.SelectStepAt(2.50004);
  window.CopyTable();
  const QString copied = QApplication::clipboard()->text();
  EXPECT_TRUE(copied.startsWith("TKipBak\tVConBak\tVolBak\tParVolCon\tOutVol\tOutVolCon\n"));
  EXPECT_TRUE(copied.endsWith(
      QString::fromUtf8(window.Model()->Csv().split('\n')[50002]).replace(',', '\t') + '\n'));
  EXPECT_EQ(copied.count('\n'), 2);
}

} // namespace
