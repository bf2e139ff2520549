// SPDX-License-Identifier: GPL-3.0-or-later
// The chart window of a distillation run: the still's boiling temperature
// and strength, the strength of the vapour leaving and of all distillate
// collected, over the distillate collected; under it the table of every
// step, with copying and export (CSV, PNG, SVG).
//
// The window is not modal; the sheet keeps one and shows the latest run in it.
#pragma once

#include "calc/distillation.h"
#include "chart_parts.h"

#include <QWidget>

#include <cstddef>
#include <memory>

class CRunStepsModel;
class QChart;
class QChartView;
class QGraphicsLineItem;
class QLabel;
class QLineSeries;
class QTableView;
class QValueAxis;

class CRunChart : public QWidget, public brevimo::chart::ControlIds {
public:
  explicit CRunChart(QWidget* parent = nullptr);
  ~CRunChart() override;

  void SetRun(std::shared_ptr<const brevimo::DistillationRun> run);
  const brevimo::DistillationRun* Run() const { return m_run.get(); }

  QChart* Chart() const { return m_chart; }
  CRunStepsModel* Model() const { return m_model; }
  // The series in the order temperature, still strength, vapour strength,
  // strength collected.
  QLineSeries* Series(int index) const { return m_series[index]; }

  // Shows the values of the step nearest to the collected volume x, and
  // marks it on the chart; returns the text shown.
  QString ShowStepAt(double x);
  // Selects that step in the table.
  void SelectStepAt(double x);
  // The table's selection (or the whole table, when nothing is selected)
  // to the clipboard as tab-separated text.
  void CopyTable();

  // Export; false (with a message box) when the file cannot be written.
  bool SaveCsv(const QString& path);
  // The CSV as Excel opens it in columns where the decimal separator is a
  // comma (Russian and most European settings): ";" between the values.
  bool SaveExcelCsv(const QString& path);
  bool SavePng(const QString& path);
  bool SaveSvg(const QString& path);

protected:
  void changeEvent(QEvent* event) override;

private:
  void Retranslate();
  void SetUpAxes();

  std::shared_ptr<const brevimo::DistillationRun> m_run;
  QChart* m_chart;
  QChartView* m_view;
  QLineSeries* m_series[4];
  QValueAxis* m_axisVolume;
  QValueAxis* m_axisStrength;
  QValueAxis* m_axisTemperature;
  QGraphicsLineItem* m_marker;
  QTableView* m_table;
  CRunStepsModel* m_model;
  QLabel* m_step;
};
