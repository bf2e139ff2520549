// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/ui/step_watchdog.h"
#include "tests/ui/ui_fixture.h"

#include "app/run_chart.h"
#include "app/run_chart_module.h"
#include "app/run_series.h"
#include "app/run_steps_model.h"
#include "calc/distillation.h"
#include "ui/translation.h"
#include "tests/temp_dir.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGraphicsItem>
#include <QImage>
#include <QtCharts/QChart>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>

#include <algorithm>
#include <array>
#include <cmath>
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
  const auto run = Record({RunByBoiling, 92.5, RunByBoiling, 98.0, 1.0});
  std::vector<std::vector<std::string>> rows{{}}; // as the file has them: the header first
  for (const DistillationStep& step : run->steps) {
    char row[DistillationFile::kRowCapacity];
    std::istringstream s(std::string(row, DistillationFile::FormatRow(step, row)));
    std::vector<std::string> fields;
    for (std::string f; std::getline(s, f, '\t');)
      fields.push_back(f);
    fields.back().pop_back(); // the line end
    rows.push_back(fields);
  }
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

// The table heads name the quantity and its unit in the interface language;
// the file's column names head the CSV.
TEST(RunStepsModel, HeadsShowQuantityAndUnitInTheInterfaceLanguage) {
  CRunStepsModel model;
  const auto heads = [&] {
    QStringList texts;
    for (int c = 0; c < model.columnCount(); ++c)
      texts << model.headerData(c, Qt::Horizontal).toString();
    return texts;
  };
  EXPECT_EQ(heads(),
            QStringList({U("Темп. в кубе, °C"), U("Креп. в кубе, % об."), U("Объем в кубе, л"),
                         U("Креп. пара, % об."), U("Отобрано, л"), U("Креп. отбора, % об.")}));
  ASSERT_TRUE(brevimo::SetLanguage(brevimo::Language::English));
  EXPECT_EQ(heads(), QStringList({"Pot temp., °C", "Pot, % ABV", "Pot volume, l", "Vapour, % ABV",
                                  "Collected, l", "Distillate, % ABV"}));
  brevimo::SetLanguage(brevimo::Language::Russian);
  EXPECT_EQ(model.Csv(), "TKipBak,VConBak,VolBak,ParVolCon,OutVol,OutVolCon\n");
}

// The CSV for Excel under a decimal comma: ";" between the values, a comma
// in each number, the names and the line ends of the CSV.
TEST(RunStepsModel, ExcelCsvSeparatesBySemicolonsWithDecimalCommas) {
  auto run = std::make_shared<DistillationRun>();
  DistillationStep step;
  step.TKipBak = 92.5;
  step.VConBak = 10.25;
  step.VolBak = 19.98;
  step.ParVolCon = 55.5;
  step.OutVol = 0.02;
  step.OutVolCon = 55.5;
  run->steps = {step, step};
  CRunStepsModel model;
  model.SetRun(run);
  EXPECT_EQ(model.ExcelCsv(), "TKipBak;VConBak;VolBak;ParVolCon;OutVol;OutVolCon\n"
                              "92,50;10,25;19,9800;55,50;0,0200;55,50\n"
                              "92,50;10,25;19,9800;55,50;0,0200;55,50\n");
}

// Runs whose sizes differ by many orders of magnitude, one after the other
// and both ways, in the window open and closed: no axis may ask for more
// than a few dozen ticks (a small interval left over from the run before
// once laid out billions).
TEST(RunChartWindow, AxesKeepAFewDozenTicksFromOneRunToTheNext) {
  CRunChart window;
  StepWatchdog watchdog(std::chrono::seconds(20)); // the old fault hung, and hangs fail no test
  for (const bool shown : {true, false}) {
    for (const double wash : {20.0, 1e8, 20.0, 1e4, 3e4, 1e-6, 1e12, 0.5, 1e300, 1e-300, 1.0}) {
      watchdog.Arm("the chart of a run of wash volume " + std::to_string(wash) +
                   (shown ? ", shown" : ", hidden"));
      window.SetRun(Record({RunByStrength, 10.0, RunByStrength, 2.0, wash}));
      if (shown && !window.isVisible()) {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
      } else if (!shown) {
        window.hide();
      }
      QCoreApplication::processEvents();
      for (QAbstractAxis* abstract : window.Chart()->axes()) {
        const auto* axis = qobject_cast<QValueAxis*>(abstract);
        ASSERT_NE(axis, nullptr);
        const double ticks = (axis->max() - axis->min()) / axis->tickInterval();
        EXPECT_GE(ticks, 1.0) << wash << " " << axis->titleText().toStdString();
        EXPECT_LE(ticks, 40.0) << wash << " " << axis->titleText().toStdString();
      }
      watchdog.Disarm();
    }
  }
}

// The exports hold the chart only: the line that marks the step under the
// pointer stays on screen and out of the files.
TEST(RunChartWindow, ExportsLeaveOutThePointersMarker) {
  CRunChart window;
  window.SetRun(Record({RunByBoiling, 92.5, RunByBoiling, 98.0, 1.0}));
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QDir dir(QString::fromStdString(brevimo::test::MakeTempDir("brevimo_export_").string()));
  const auto read = [&](const QString& name) {
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
  };
  ASSERT_TRUE(window.SavePng(dir.filePath(QStringLiteral("plain.png"))));
  ASSERT_TRUE(window.SaveSvg(dir.filePath(QStringLiteral("plain.svg"))));
  window.ShowStepAt(window.Run()->steps[100].OutVol);
  const QList<QGraphicsItem*> items = window.Chart()->childItems();
  const auto markerShown = [&] {
    return std::any_of(items.begin(), items.end(), [](QGraphicsItem* item) {
      return item->type() == QGraphicsLineItem::Type && item->isVisible();
    });
  };
  ASSERT_TRUE(markerShown());
  ASSERT_TRUE(window.SavePng(dir.filePath(QStringLiteral("marked.png"))));
  ASSERT_TRUE(window.SaveSvg(dir.filePath(QStringLiteral("marked.svg"))));
  EXPECT_EQ(QImage::fromData(read(QStringLiteral("marked.png"))),
            QImage::fromData(read(QStringLiteral("plain.png"))));
  EXPECT_EQ(read(QStringLiteral("marked.svg")), read(QStringLiteral("plain.svg")));
  EXPECT_TRUE(markerShown()) << "the marker stays on screen";
  dir.removeRecursively();
}

// The chart window is a library loaded when first shown: one that is missing
// or broken gives a message that says so, never a crash.
TEST(RunChartModule, LoadsAsTheSheetLoadsItOrSaysWhyNot) {
  QString problem;
  const RunChartModule* module = brevimo::LoadRunChartModule(&problem);
  ASSERT_NE(module, nullptr) << problem.toStdString();
  std::unique_ptr<QWidget> chart(module->create(nullptr));
  EXPECT_EQ(chart->objectName(), "CRunChart");

  const std::filesystem::path dir = brevimo::test::MakeTempDir("brevimo-module");
  const QString notALibrary = QString::fromStdString((dir / "libbrevimo_chart.so").string());
  QFile(notALibrary).open(QIODevice::WriteOnly);
  for (const QString& place : {QString::fromStdString((dir / "missing").string()), notALibrary}) {
    problem.clear();
    EXPECT_EQ(brevimo::LoadRunChartModule(QStringList{place}, &problem), nullptr);
    EXPECT_TRUE(problem.startsWith(QStringLiteral("Не удалось загрузить окно графика: ")) &&
                problem.size() > 40)
        << problem.toStdString();
  }
  std::filesystem::remove_all(dir);
}

} // namespace
