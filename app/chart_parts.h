// SPDX-License-Identifier: GPL-3.0-or-later
// What the chart windows (the run's and the planned run's) share: round
// axes, the chart view that follows the pointer, the pointer's marker, the
// table's copy, the export buttons and the checked writes of CSV, PNG and
// SVG.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTableView>
#include <QtCharts/QChartView>

#include <functional>

class QAbstractSeries;
class QAbstractItemModel;
class QBoxLayout;
class QColor;
class QLineSeries;
class QPen;
class QChart;
class QGraphicsLineItem;
class QLabel;

class QValueAxis;
class QWidget;

namespace brevimo::chart {

// Control IDs (objectName of each control), the same in every chart
// window: a window class derives from this to name them as its own.
struct ControlIds {
  static constexpr int IDC_CHART = 1100;
  static constexpr int IDC_TABLE = 1101;
  static constexpr int IDC_STEP = 1102; // the values of the step under the pointer
  static constexpr int IDC_COPY = 1103;
  static constexpr int IDC_SAVE_CSV = 1104;
  static constexpr int IDC_SAVE_PNG = 1105;
  static constexpr int IDC_SAVE_SVG = 1106;
};

// A round step (1, 2 or 5 times a power of ten) that cuts span into about
// the given number of intervals.
double NiceStep(double span, int intervals);
// Sets an axis to [low, high] with ticks every step from low; at most a few
// dozen ticks whatever is passed.
void SetTicks(QValueAxis* axis, double low, double high, double step);
// The axes of a chart over the distillate collected: volume from 0 to
// total, strength from 0 to a round value above highest, temperature over
// round values around [low, high].
void SetVolumeAxis(QValueAxis* axis, double total);
void SetStrengthAxis(QValueAxis* axis, double highest);
void SetTemperatureAxis(QValueAxis* axis, double low, double high);

// The axes of a chart over the distillate collected: the volume below, a
// strength on the left, the pot's temperature on the right (without its
// grid, in its series' colour); the legend below the plot.
struct Axes {
  QValueAxis* volume;
  QValueAxis* strength;
  QValueAxis* temperature;
};
Axes AddAxes(QChart* chart, const QColor& temperatureColor);
// A series drawn with pen over the volume and the strength or the
// temperature axis.
QLineSeries* AddSeries(QChart* chart, const Axes& axes, const QPen& pen, bool temperature);

// The chart view: hover gets the collected volume under the pointer and
// returns the text of a tool tip; a click passes it to click. reference is
// a series on the volume axis.
class PointerChartView final : public QChartView {
public:
  PointerChartView(QChart* chart, QAbstractSeries* reference, std::function<QString(double)> hover,
                   std::function<void(double)> click);

protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

private:
  bool ValueAt(QPointF viewPos, double* x) const;

  QAbstractSeries* m_reference;
  std::function<QString(double)> m_hover;
  std::function<void(double)> m_click;
};

// The table of every step under a chart: fixed row heights (a table of
// 100 000 steps stays quick), the columns across its width, Ctrl+C calls
// copy. Its objectName is tableId.
QTableView* NewStepsTable(QAbstractItemModel* model, int tableId, std::function<void()> copy);
// The chart above the table, the chart first; neither can be collapsed.
QWidget* ChartOverTable(QWidget* view, QWidget* table);

// The dashed line that marks the step under the pointer, hidden at first.
QGraphicsLineItem* NewMarker(QChart* chart);
// Puts it across the plot at the collected volume x.
void MarkAt(QChart* chart, QGraphicsLineItem* marker, QAbstractSeries* reference, double x);

// The rows and columns a copy of the table takes: the selection's, or the
// whole table when nothing is selected.
struct TableRange {
  int first, last, firstColumn, lastColumn;
};
TableRange CopyRange(const QTableView* table);
// Those rows and columns as tab-separated lines under a line of the column
// names.
QString RangeText(const TableRange& range, int rows, const std::function<QString(int)>& name,
                  const std::function<QString(int, int)>& cell);

// A CSV as Excel reads it where the decimal separator is a comma: ";"
// between the values, a comma in each number (the names hold no point, the
// numbers no comma).
QByteArray ExcelCsv(QByteArray csv);

// Writes the file in one step, every write checked; false, after a message
// box that says why, when it cannot.
bool WriteFile(const QString& path, const QByteArray& bytes);
// The chart as drawn in the view, without the pointer's marker.
QByteArray Png(QChartView* view, QGraphicsLineItem* marker);
QByteArray Svg(QChartView* view, QGraphicsLineItem* marker, const QString& title);

// The buttons under a chart: copy the table, and save the CSV (plain or for
// Excel), the PNG and the SVG, each after a save dialog that offers the
// file name (without suffix) the window gives at the time.
struct Exports {
  std::function<QString()> fileName;
  std::function<void()> copy;
  std::function<bool(const QString&)> csv, excelCsv, png, svg;
};
void AddExportButtons(QWidget* window, QBoxLayout* row, Exports exports);

// A chart window's whole layout: the chart over the table, under them the
// line of the step under the pointer (objectName stepId) and the export
// buttons; sized to the screen it opens on, most of its room and never
// more. Returns the step's line.
QLabel* LayOutChartWindow(QWidget* window, QWidget* chartOverTable, int stepId, Exports exports,
                          QWidget* parent);
// The same for a window with the chart windows' CopyTable and Save
// functions: a copy from the button takes the whole table; fileName gives
// its files' name.
template <class Window>
QLabel* LayOutChartWindow(Window* window, QWidget* chartOverTable, QTableView* table, int stepId,
                          std::function<QString()> fileName, QWidget* parent) {
  return LayOutChartWindow(window, chartOverTable, stepId,
                           {std::move(fileName),
                            [window, table] {
                              table->clearSelection();
                              window->CopyTable();
                            },
                            [window](const QString& path) { return window->SaveCsv(path); },
                            [window](const QString& path) { return window->SaveExcelCsv(path); },
                            [window](const QString& path) { return window->SavePng(path); },
                            [window](const QString& path) { return window->SaveSvg(path); }},
                           parent);
}

} // namespace brevimo::chart
