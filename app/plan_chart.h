// SPDX-License-Identifier: GPL-3.0-or-later
// The chart window of a planned run: the stream's strength and the pot's
// temperature over the distillate collected, the cuts between heads, hearts
// and tails marked; under it the table of every step, with copying and
// export (CSV, PNG, SVG) as the run's chart window has them.
//
// The window is not modal; the sheet keeps one and shows the latest plan in
// it.
#pragma once

#include "calc/run_plan.h"
#include "chart_parts.h"

#include <QAbstractTableModel>
#include <QWidget>

#include <memory>
#include <vector>

class QChart;
class QGraphicsLineItem;
class QGraphicsSimpleTextItem;
class QLabel;
class QLineSeries;
class QTableView;
class QValueAxis;

// The plan's steps as a table: the columns of the course's CSV, headed by
// their quantities and units, the fraction by its name in the interface
// language.
class CPlanStepsModel : public QAbstractTableModel {
public:
  explicit CPlanStepsModel(QObject* parent = nullptr);

  void SetPlan(std::shared_ptr<const brevimo::RunPlan> plan);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

  // A fraction's name in the interface language.
  static QString FractionName(int fraction);
  // Rows first..last and columns firstColumn..lastColumn as the CSV has
  // them, tab-separated, under a line of the column names.
  QString Text(int first, int last, int firstColumn, int lastColumn) const;
  QByteArray Csv() const; // the course's CSV (calc/'s writer)

private:
  std::shared_ptr<const brevimo::RunPlan> m_plan;
};

class CPlanChart : public QWidget, public brevimo::chart::ControlIds {
public:
  explicit CPlanChart(QWidget* parent = nullptr);
  ~CPlanChart() override;

  void SetPlan(std::shared_ptr<const brevimo::RunPlan> plan);
  const brevimo::RunPlan* Plan() const { return m_plan.get(); }

  QChart* Chart() const { return m_chart; }
  CPlanStepsModel* Model() const { return m_model; }
  // The series: the stream's strength, then the pot's temperature.
  QLineSeries* Series(int index) const { return m_series[index]; }
  // The collected volumes (l) where the course passes from one fraction to
  // the next, each with the fraction it enters; these are marked.
  struct Cut {
    double collected;
    int fraction;
  };
  const std::vector<Cut>& Cuts() const { return m_cuts; }

  // Shows the values of the step nearest to the collected volume x, and
  // marks it on the chart; returns the text shown.
  QString ShowStepAt(double x);
  void SelectStepAt(double x);
  // The table's selection (or the whole table) to the clipboard.
  void CopyTable();

  // Export; false (with a message box) when the file cannot be written.
  bool SaveCsv(const QString& path);
  bool SaveExcelCsv(const QString& path);
  bool SavePng(const QString& path);
  bool SaveSvg(const QString& path);

protected:
  void changeEvent(QEvent* event) override;

private:
  void Retranslate();
  void SetUpAxes();
  void PlaceMarks(); // the cut lines and the fractions' names over the plot

  std::shared_ptr<const brevimo::RunPlan> m_plan;
  std::vector<Cut> m_cuts;
  QChart* m_chart;
  brevimo::chart::PointerChartView* m_view;
  QLineSeries* m_series[2];
  QValueAxis* m_axisVolume;
  QValueAxis* m_axisStrength;
  QValueAxis* m_axisTemperature;
  QGraphicsLineItem* m_marker;
  std::vector<QGraphicsLineItem*> m_cutLines;
  QGraphicsSimpleTextItem* m_names[brevimo::kPlanFractions];
  QTableView* m_table;
  CPlanStepsModel* m_model;
  QLabel* m_step;
};
