// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart_parts.h"

#include "ui/message_box.h"
#include "ui/replacing_file.h"
#include "ui/screen_room.h"
#include "ui/translation.h"

#include <QBoxLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGraphicsLineItem>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QSplitter>
#include <QSvgGenerator>
#include <QTableView>
#include <QToolTip>
#include <QtCharts/QChart>
#include <QtCharts/QLegend>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>

#include <algorithm>
#include <climits>
#include <cmath>
#include <initializer_list>
#include <utility>

namespace brevimo::chart {

namespace {

// The chart windows' shared texts are the run chart's, where they began.
QString Tr(const char* text) { return QCoreApplication::translate("CRunChart", text); }

// An axis never lays out more ticks than this (about ten are asked for).
constexpr double kMaxTicks = 40.0;
// The narrowest range an axis spans: narrower ones leave no room between
// the ticks in a double, and the plot's scale (pixels per unit) overflows.
constexpr double kMinSpan = 1e-250;

// The printf format that shows a multiple of step without noise: fixed
// decimals for everyday values, exponents for the very large and small.
QString LabelFormat(double step, double high) {
  if (step < 1e-6 || std::fabs(high) >= 1e7) return QStringLiteral("%.6g");
  const int decimals = std::clamp(static_cast<int>(std::ceil(-std::log10(step) - 1e-9)), 0, 6);
  return QStringLiteral("%.%1f").arg(decimals);
}

// A save dialog offering one format per filter; the filter chosen picks the
// function that writes the file.
struct Format {
  const char* filter;
  const std::function<bool(const QString&)>* save;
};
void Save(QWidget* window, const char* title, const QString& name,
          std::initializer_list<Format> formats) {
  QStringList filters;
  for (const Format& format : formats)
    filters << Tr(format.filter);
  QString chosen = filters.front();
  const QString path =
      QFileDialog::getSaveFileName(window, Tr(title), QDir::current().filePath(name),
                                   filters.join(QLatin1String(";;")), &chosen);
  if (path.isEmpty()) return;
  const qsizetype index = std::max<qsizetype>(filters.indexOf(chosen), 0);
  (*formats.begin()[index].save)(path);
}

} // namespace

double NiceStep(double span, int intervals) {
  if (!(span > 0.0) || !std::isfinite(span)) return 1.0;
  const double raw = span / intervals;
  const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
  const double f = raw / magnitude;
  const double step = (f <= 1.0 ? 1.0 : f <= 2.0 ? 2.0 : f <= 5.0 ? 5.0 : 10.0) * magnitude;
  return step > 0.0 && std::isfinite(step) ? step : span / intervals;
}

// The range and the interval change together: for a moment the old
// interval would stand over the new range, and a small one over a wide
// range asks the axis for billions of ticks. Fixed ticks ask for none
// meanwhile. A range a double cannot step through becomes [0, 1].
void SetTicks(QValueAxis* axis, double low, double high, double step) {
  const double scale = std::max(std::fabs(low), std::fabs(high));
  if (!std::isfinite(high - low) || !(high - low >= std::max(kMinSpan, scale * 1e-9))) {
    low = 0.0;
    high = 1.0;
  }
  const double span = high - low;
  if (!(step > 0.0) || !std::isfinite(step) || span / step > kMaxTicks) step = NiceStep(span, 10);
  axis->setTickType(QValueAxis::TicksFixed);
  axis->setRange(low, high);
  axis->setTickAnchor(low);
  axis->setTickInterval(step);
  axis->setLabelFormat(LabelFormat(step, std::max(std::fabs(low), std::fabs(high))));
  axis->setTickType(QValueAxis::TicksDynamic);
}

void SetVolumeAxis(QValueAxis* axis, double total) {
  if (!(total > 0.0) || !std::isfinite(total)) total = 1.0;
  SetTicks(axis, 0.0, total, NiceStep(total, 10));
}

void SetStrengthAxis(QValueAxis* axis, double highest) {
  highest = std::max(highest, 1.0);
  const double step = NiceStep(highest, 10);
  SetTicks(axis, 0.0, std::ceil(highest / step) * step, step);
}

// The same number of grid lines on the right as on the left reads best, but
// round temperatures matter more: a round step over the range.
void SetTemperatureAxis(QValueAxis* axis, double low, double high) {
  if (!std::isfinite(low) || !std::isfinite(high)) low = high = 0.0;
  const double step = NiceStep(std::max(high - low, 0.5), 8);
  const double from = std::floor(low / step) * step;
  double to = std::ceil(high / step) * step;
  if (to <= from) to = from + step;
  SetTicks(axis, from, to, step);
}

PointerChartView::PointerChartView(QChart* chart, QAbstractSeries* reference,
                                   std::function<QString(double)> hover,
                                   std::function<void(double)> click)
    : QChartView(chart), m_reference(reference), m_hover(std::move(hover)),
      m_click(std::move(click)) {
  setMouseTracking(true);
  setRenderHint(QPainter::Antialiasing);
}

void PointerChartView::mouseMoveEvent(QMouseEvent* event) {
  QChartView::mouseMoveEvent(event);
  double x = 0.0;
  if (ValueAt(event->position(), &x))
    QToolTip::showText(event->globalPosition().toPoint(), m_hover(x), this);
}

void PointerChartView::mousePressEvent(QMouseEvent* event) {
  QChartView::mousePressEvent(event);
  double x = 0.0;
  if (ValueAt(event->position(), &x)) m_click(x);
}

bool PointerChartView::ValueAt(QPointF viewPos, double* x) const {
  const QPointF inChart = chart()->mapFromScene(mapToScene(viewPos.toPoint()));
  if (!chart()->plotArea().contains(inChart)) return false;
  *x = chart()->mapToValue(inChart, m_reference).x();
  return true;
}

Axes AddAxes(QChart* chart, const QColor& temperatureColor) {
  const Axes axes{new QValueAxis, new QValueAxis, new QValueAxis};
  axes.temperature->setGridLineVisible(false);
  axes.temperature->setLabelsColor(temperatureColor);
  axes.temperature->setTitleBrush(temperatureColor);
  chart->addAxis(axes.volume, Qt::AlignBottom);
  chart->addAxis(axes.strength, Qt::AlignLeft);
  chart->addAxis(axes.temperature, Qt::AlignRight);
  chart->legend()->setAlignment(Qt::AlignBottom);
  chart->setMargins(QMargins(4, 4, 4, 4));
  return axes;
}

QLineSeries* AddSeries(QChart* chart, const Axes& axes, const QPen& pen, bool temperature) {
  auto* series = new QLineSeries;
  series->setPen(pen);
  chart->addSeries(series);
  series->attachAxis(axes.volume);
  series->attachAxis(temperature ? axes.temperature : axes.strength);
  return series;
}

QTableView* NewStepsTable(QAbstractItemModel* model, int tableId, std::function<void()> copy) {
  auto* table = new QTableView;
  table->setObjectName(QString::number(tableId));
  table->setModel(model);
  table->setSelectionBehavior(QAbstractItemView::SelectItems);
  table->setAlternatingRowColors(true);
  table->setWordWrap(false);
  table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  auto* copyKey = new QShortcut(QKeySequence::Copy, table);
  copyKey->setContext(Qt::WidgetShortcut);
  QObject::connect(copyKey, &QShortcut::activated, table, std::move(copy));
  return table;
}

QWidget* ChartOverTable(QWidget* view, QWidget* table) {
  auto* splitter = new QSplitter(Qt::Vertical);
  splitter->addWidget(view);
  splitter->addWidget(table);
  splitter->setStretchFactor(0, 3);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({520, 180});
  splitter->setChildrenCollapsible(false);
  return splitter;
}

QGraphicsLineItem* NewMarker(QChart* chart) {
  auto* marker = new QGraphicsLineItem(chart);
  marker->setPen(QPen(Qt::gray, 1, Qt::DashLine));
  marker->setZValue(10);
  marker->hide();
  return marker;
}

void MarkAt(QChart* chart, QGraphicsLineItem* marker, QAbstractSeries* reference, double x) {
  const QRectF plot = chart->plotArea();
  const qreal px = chart->mapToPosition(QPointF(x, 0.0), reference).x();
  marker->setLine(px, plot.top(), px, plot.bottom());
  marker->show();
}

TableRange CopyRange(const QTableView* table) {
  const QAbstractItemModel* model = table->model();
  TableRange range{0, model->rowCount() - 1, 0, model->columnCount() - 1};
  const QModelIndexList selected = table->selectionModel()->selectedIndexes();
  if (selected.isEmpty()) return range;
  range = {INT_MAX, -1, INT_MAX, -1};
  for (const QModelIndex& index : selected) {
    range.first = std::min(range.first, index.row());
    range.last = std::max(range.last, index.row());
    range.firstColumn = std::min(range.firstColumn, index.column());
    range.lastColumn = std::max(range.lastColumn, index.column());
  }
  return range;
}

QString RangeText(const TableRange& range, int rows, const std::function<QString(int)>& name,
                  const std::function<QString(int, int)>& cell) {
  QString text;
  for (int c = range.firstColumn; c <= range.lastColumn; ++c) {
    text += name(c);
    text += c == range.lastColumn ? QLatin1Char('\n') : QLatin1Char('\t');
  }
  for (int r = std::max(range.first, 0); r <= range.last && r < rows; ++r)
    for (int c = range.firstColumn; c <= range.lastColumn; ++c) {
      text += cell(r, c);
      text += c == range.lastColumn ? QLatin1Char('\n') : QLatin1Char('\t');
    }
  return text;
}

QByteArray ExcelCsv(QByteArray csv) {
  for (char& c : csv)
    c = c == ',' ? ';' : c == '.' ? ',' : c;
  return csv;
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  // The flush is checked here: a write buffer that commit() flushes on a
  // full disk fails without a word and the file is put in place cut short.
  if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() &&
      file.commit())
    return true;
  const QFileDevice::FileError error = file.error();
  const QString reason =
      WriteFailureReason(error, QFileInfo(path).absolutePath(), file.errorString());
  file.cancelWriting();
  AfxMessageBox(WriteFailureMessage(path, reason));
  return false;
}

QByteArray Png(QChartView* view, QGraphicsLineItem* marker) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  const bool marked = marker->isVisible(); // the pointer's line is no part of the chart
  marker->hide();
  view->grab().toImage().save(&buffer, "PNG");
  marker->setVisible(marked);
  return bytes;
}

QByteArray Svg(QChartView* view, QGraphicsLineItem* marker, const QString& title) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(view->size());
  svg.setViewBox(view->rect());
  svg.setTitle(title);
  const bool marked = marker->isVisible();
  marker->hide();
  QPainter painter(&svg);
  view->render(&painter);
  painter.end();
  marker->setVisible(marked);
  return bytes;
}

void AddExportButtons(QWidget* window, QBoxLayout* row, Exports exports) {
  auto shared = std::make_shared<Exports>(std::move(exports));
  const auto addButton = [&](int id, const char* text, auto handler) {
    auto* button = new QPushButton;
    button->setObjectName(QString::number(id));
    SetTranslated(button, "CRunChart", text);
    QObject::connect(button, &QPushButton::clicked, window, handler);
    row->addWidget(button);
  };
  const auto name = [shared](const char* suffix) {
    return shared->fileName() + QLatin1String(suffix);
  };
  addButton(ControlIds::IDC_COPY, QT_TRANSLATE_NOOP("CRunChart", "Копировать таблицу"),
            [shared] { shared->copy(); });
  addButton(ControlIds::IDC_SAVE_CSV, QT_TRANSLATE_NOOP("CRunChart", "Сохранить CSV…"), [=] {
    Save(window, QT_TRANSLATE_NOOP("CRunChart", "Сохранить таблицу шагов"), name(".csv"),
         {{QT_TRANSLATE_NOOP("CRunChart", "Таблица CSV (*.csv)"), &shared->csv},
          {QT_TRANSLATE_NOOP("CRunChart", "CSV для Excel с десятичной запятой (*.csv)"),
           &shared->excelCsv}});
  });
  addButton(ControlIds::IDC_SAVE_PNG, QT_TRANSLATE_NOOP("CRunChart", "Сохранить PNG…"), [=] {
    Save(window, QT_TRANSLATE_NOOP("CRunChart", "Сохранить график"), name(".png"),
         {{QT_TRANSLATE_NOOP("CRunChart", "Изображение PNG (*.png)"), &shared->png}});
  });
  addButton(ControlIds::IDC_SAVE_SVG, QT_TRANSLATE_NOOP("CRunChart", "Сохранить SVG…"), [=] {
    Save(window, QT_TRANSLATE_NOOP("CRunChart", "Сохранить график"), name(".svg"),
         {{QT_TRANSLATE_NOOP("CRunChart", "Рисунок SVG (*.svg)"), &shared->svg}});
  });
  row->addStretch();
}

QLabel* LayOutChartWindow(QWidget* window, QWidget* chartOverTable, int stepId, Exports exports,
                          QWidget* parent) {
  auto* step = new QLabel;
  step->setObjectName(QString::number(stepId));
  step->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* buttons = new QHBoxLayout;
  AddExportButtons(window, buttons, std::move(exports));
  auto* layout = new QVBoxLayout(window);
  layout->addWidget(chartOverTable, 1);
  layout->addWidget(step);
  layout->addLayout(buttons);
  const QSize room = RoomOnScreen(parent ? parent->window() : window);
  window->resize(QSize(room.width() * 3 / 4, room.height() * 9 / 10)
                     .expandedTo(window->minimumSizeHint())
                     .boundedTo(room));
  return step;
}

} // namespace brevimo::chart
