// SPDX-License-Identifier: GPL-3.0-or-later
#include "run_chart.h"

#include "run_chart_module.h"

#include "calc/number_text.h"
#include "run_series.h"
#include "run_steps_model.h"
#include "ui/message_box.h"
#include "ui/replacing_file.h"
#include "ui/screen_room.h"
#include "ui/translation.h"
#include "ui/window_keys.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGraphicsLineItem>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
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
#include <QVBoxLayout>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLegend>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("CRunChart", text); }

// An axis never lays out more ticks than this (about ten are asked for).
constexpr double kMaxTicks = 40.0;
// The narrowest range an axis spans: narrower ones leave no room between
// the ticks in a double, and the plot's scale (pixels per unit) overflows.
constexpr double kMinSpan = 1e-250;

// A round step (1, 2 or 5 times a power of ten) that cuts span into about
// the given number of intervals.
double NiceStep(double span, int intervals) {
  if (!(span > 0.0) || !std::isfinite(span)) return 1.0;
  const double raw = span / intervals;
  const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
  const double f = raw / magnitude;
  const double step = (f <= 1.0 ? 1.0 : f <= 2.0 ? 2.0 : f <= 5.0 ? 5.0 : 10.0) * magnitude;
  return step > 0.0 && std::isfinite(step) ? step : span / intervals;
}

// The printf format that shows a multiple of step without noise: fixed
// decimals for everyday values, exponents for the very large and small.
QString LabelFormat(double step, double high) {
  if (step < 1e-6 || std::fabs(high) >= 1e7) return QStringLiteral("%.6g");
  const int decimals = std::clamp(static_cast<int>(std::ceil(-std::log10(step) - 1e-9)), 0, 6);
  return QStringLiteral("%.%1f").arg(decimals);
}

// Sets an axis to [low, high] with ticks every step from low. The range and
// the interval change together: for a moment the old interval would stand
// over the new range, and a small one over a wide range asks the axis for
// billions of ticks. Fixed ticks ask for none meanwhile. Whatever the
// caller passes, the axis gets at most kMaxTicks ticks over a range that a
// double can step through; one it cannot becomes [0, 1].
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

QString Number(double value) { return QString::number(value, 'g', 15); }

// The run's results as the page shows them.
QString Fixed4(double value) { return QString::fromStdString(brevimo::FormatC("%.4f", value)); }

// The start or the end of a run as the user gave it.
QString RunPoint(int kind, double value) {
  return kind == brevimo::RunByStrength
             ? QCoreApplication::translate("CRunChart", "%1 % об.").arg(Number(value))
             : QCoreApplication::translate("CRunChart", "%1 °C").arg(Number(value));
}

// The chart view: the values of the step under the pointer, and a click
// selects that step in the table.
class RunChartView final : public QChartView {
public:
  RunChartView(QChart* chart, CRunChart* owner) : QChartView(chart), m_owner(owner) {
    setMouseTracking(true);
    setRenderHint(QPainter::Antialiasing);
  }

protected:
  void mouseMoveEvent(QMouseEvent* event) override {
    QChartView::mouseMoveEvent(event);
    double x = 0.0;
    if (ValueAt(event->position(), &x))
      QToolTip::showText(event->globalPosition().toPoint(), m_owner->ShowStepAt(x), this);
  }
  void mousePressEvent(QMouseEvent* event) override {
    QChartView::mousePressEvent(event);
    double x = 0.0;
    if (ValueAt(event->position(), &x)) m_owner->SelectStepAt(x);
  }

private:
  bool ValueAt(QPointF viewPos, double* x) const {
    const QPointF inChart = chart()->mapFromScene(mapToScene(viewPos.toPoint()));
    if (!chart()->plotArea().contains(inChart)) return false;
    *x = chart()->mapToValue(inChart, m_owner->Series(1)).x();
    return true;
  }

  CRunChart* m_owner;
};

// The four series: the still's temperature on the right axis, the
// strengths on the left.
const struct {
  const char* name;
  QColor color;
  qreal width;
} kKinds[4] = {
    {QT_TRANSLATE_NOOP("CRunChart", "Температура в кубе, °C"), QColor(0xc0, 0x39, 0x2b), 2.0},
    {QT_TRANSLATE_NOOP("CRunChart", "Крепость в кубе, % об."), QColor(0xb9, 0x77, 0x0e), 2.0},
    {QT_TRANSLATE_NOOP("CRunChart", "Крепость пара (отбор сейчас), % об."),
     QColor(0x1e, 0x84, 0x49), 2.0},
    {QT_TRANSLATE_NOOP("CRunChart", "Крепость всего отбора, % об."), QColor(0x1f, 0x4e, 0x9c), 3.0},
};

} // namespace

CRunChart::CRunChart(QWidget* parent)
    : QWidget(parent, Qt::Window), m_chart(new QChart), m_model(new CRunStepsModel(this)) {
  setObjectName(QStringLiteral("CRunChart"));
  // The buttons' captions follow a change of language (the rest: Retranslate).
  brevimo::InstallRetranslation(this);
  // Escape closes the window, F1 opens the manual at the chart.
  brevimo::AddWindowKeys(this, QStringLiteral("CRunChart"));

  // Series and axes: strengths on the left, the still's temperature on the right.
  m_axisVolume = new QValueAxis;
  m_axisStrength = new QValueAxis;
  m_axisTemperature = new QValueAxis;
  m_axisTemperature->setGridLineVisible(false);
  m_axisTemperature->setLabelsColor(kKinds[0].color);
  m_axisTemperature->setTitleBrush(kKinds[0].color);
  m_chart->addAxis(m_axisVolume, Qt::AlignBottom);
  m_chart->addAxis(m_axisStrength, Qt::AlignLeft);
  m_chart->addAxis(m_axisTemperature, Qt::AlignRight);
  for (int i = 0; i < 4; ++i) {
    m_series[i] = new QLineSeries;
    QPen pen(kKinds[i].color, kKinds[i].width);
    m_series[i]->setPen(pen);
    m_chart->addSeries(m_series[i]);
    m_series[i]->attachAxis(m_axisVolume);
    m_series[i]->attachAxis(i == 0 ? m_axisTemperature : m_axisStrength);
  }
  m_chart->legend()->setAlignment(Qt::AlignBottom);
  m_chart->setMargins(QMargins(4, 4, 4, 4));

  m_view = new RunChartView(m_chart, this);
  m_view->setObjectName(QString::number(IDC_CHART));
  m_view->setMinimumSize(480, 320);
  m_marker = new QGraphicsLineItem(m_chart);
  m_marker->setPen(QPen(Qt::gray, 1, Qt::DashLine));
  m_marker->setZValue(10);
  m_marker->hide();

  m_table = new QTableView;
  m_table->setObjectName(QString::number(IDC_TABLE));
  m_table->setModel(m_model);
  m_table->setSelectionBehavior(QAbstractItemView::SelectItems);
  m_table->setAlternatingRowColors(true);
  m_table->setWordWrap(false);
  // Fixed row heights keep a table of 100 000 steps quick.
  m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
  m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  auto* copyKey = new QShortcut(QKeySequence::Copy, m_table);
  copyKey->setContext(Qt::WidgetShortcut);
  connect(copyKey, &QShortcut::activated, this, [this] { CopyTable(); });

  auto* splitter = new QSplitter(Qt::Vertical);
  splitter->addWidget(m_view);
  splitter->addWidget(m_table);
  splitter->setStretchFactor(0, 3);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({520, 180}); // the chart first
  splitter->setChildrenCollapsible(false);

  m_step = new QLabel;
  m_step->setObjectName(QString::number(IDC_STEP));
  m_step->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* buttons = new QHBoxLayout;
  const auto addButton = [&](int id, const char* text, auto handler) {
    auto* button = new QPushButton;
    button->setObjectName(QString::number(id));
    brevimo::SetTranslated(button, "CRunChart", text);
    connect(button, &QPushButton::clicked, this, handler);
    buttons->addWidget(button);
  };
  addButton(IDC_COPY, QT_TRANSLATE_NOOP("CRunChart", "Копировать таблицу"), [this] {
    m_table->clearSelection();
    CopyTable();
  });
  addButton(IDC_SAVE_CSV, QT_TRANSLATE_NOOP("CRunChart", "Сохранить CSV…"), [this] {
    Save(QT_TRANSLATE_NOOP("CRunChart", "Сохранить таблицу шагов"), ".csv",
         {{QT_TRANSLATE_NOOP("CRunChart", "Таблица CSV (*.csv)"), &CRunChart::SaveCsv},
          {QT_TRANSLATE_NOOP("CRunChart", "CSV для Excel с десятичной запятой (*.csv)"),
           &CRunChart::SaveExcelCsv}});
  });
  addButton(IDC_SAVE_PNG, QT_TRANSLATE_NOOP("CRunChart", "Сохранить PNG…"), [this] {
    Save(QT_TRANSLATE_NOOP("CRunChart", "Сохранить график"), ".png",
         {{QT_TRANSLATE_NOOP("CRunChart", "Изображение PNG (*.png)"), &CRunChart::SavePng}});
  });
  addButton(IDC_SAVE_SVG, QT_TRANSLATE_NOOP("CRunChart", "Сохранить SVG…"), [this] {
    Save(QT_TRANSLATE_NOOP("CRunChart", "Сохранить график"), ".svg",
         {{QT_TRANSLATE_NOOP("CRunChart", "Рисунок SVG (*.svg)"), &CRunChart::SaveSvg}});
  });
  buttons->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(splitter, 1);
  layout->addWidget(m_step);
  layout->addLayout(buttons);
  // Sized to the screen it opens on: most of its room, never more.
  const QSize room = brevimo::RoomOnScreen(parent ? parent->window() : this);
  resize(QSize(room.width() * 3 / 4, room.height() * 9 / 10)
             .expandedTo(minimumSizeHint())
             .boundedTo(room));
  Retranslate();
}

// Every text of the window in the current language; again after a change of
// language while the window is open.
void CRunChart::Retranslate() {
  setWindowTitle(Tr(QT_TRANSLATE_NOOP("CRunChart", "График перегонки")));
  m_axisVolume->setTitleText(Tr(QT_TRANSLATE_NOOP("CRunChart", "Отобрано дистиллята, л")));
  m_axisStrength->setTitleText(Tr(QT_TRANSLATE_NOOP("CRunChart", "Крепость, % об.")));
  m_axisTemperature->setTitleText(Tr(kKinds[0].name));
  for (int i = 0; i < 4; ++i)
    m_series[i]->setName(Tr(kKinds[i].name));
  m_step->setText(Tr(
      QT_TRANSLATE_NOOP("CRunChart", "Наведите указатель на график, чтобы увидеть значения шага")));
  if (m_run) SetRun(m_run);
}

void CRunChart::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QWidget::changeEvent(event);
}

CRunChart::~CRunChart() = default;

void CRunChart::SetRun(std::shared_ptr<const brevimo::DistillationRun> run) {
  m_run = std::move(run);
  m_model->SetRun(m_run);
  m_marker->hide();
  m_chart->setTitle({});
  brevimo::RunSeries series;
  if (m_run) brevimo::BuildRunSeries(*m_run, brevimo::kRunChartColumns, &series);
  m_series[0]->replace(series.stillTemperature);
  m_series[1]->replace(series.stillStrength);
  m_series[2]->replace(series.vapourStrength);
  m_series[3]->replace(series.collectedStrength);
  SetUpAxes();

  if (!m_run) return;
  const brevimo::DistillationInput& in = m_run->input;
  const brevimo::DistillationResult& r = m_run->result;
  m_chart->setTitle(
      QCoreApplication::translate(
          "CRunChart", "<b>Перегонка от %1 до %2, брага %3 л</b><br>"
                       "Отобрано %4 л крепостью %5 % об., в кубе осталось %6 л; шагов: %7")
          .arg(RunPoint(in.startKind, in.startValue), RunPoint(in.endKind, in.endValue),
               Number(in.washVolume), Fixed4(r.OutVol), Fixed4(r.OutVolCon), Fixed4(r.VolBak))
          .arg(r.steps));
}

void CRunChart::SetUpAxes() {
  double total = 0.0, tLow = 0.0, tHigh = 0.0, strength = 0.0;
  if (m_run && !m_run->steps.empty()) {
    total = m_run->steps.back().OutVol;
    tLow = tHigh = m_run->steps.front().TKipBak;
    for (const brevimo::DistillationStep& s : m_run->steps) {
      tLow = std::min(tLow, s.TKipBak);
      tHigh = std::max(tHigh, s.TKipBak);
      strength = std::max({strength, s.VConBak, s.ParVolCon, s.OutVolCon});
    }
  }
  if (!(total > 0.0) || !std::isfinite(total)) total = 1.0;
  SetTicks(m_axisVolume, 0.0, total, NiceStep(total, 10));

  const double strengthStep = NiceStep(std::max(strength, 1.0), 10);
  SetTicks(m_axisStrength, 0.0, std::ceil(std::max(strength, 1.0) / strengthStep) * strengthStep,
           strengthStep);

  // The same number of grid lines on the right as on the left reads best,
  // but round temperatures matter more: a round step over the run's range.
  if (!std::isfinite(tLow) || !std::isfinite(tHigh)) tLow = tHigh = 0.0;
  const double tStep = NiceStep(std::max(tHigh - tLow, 0.5), 8);
  const double low = std::floor(tLow / tStep) * tStep;
  double high = std::ceil(tHigh / tStep) * tStep;
  if (high <= low) high = low + tStep;
  SetTicks(m_axisTemperature, low, high, tStep);
}

QString CRunChart::ShowStepAt(double x) {
  if (!m_run || m_run->steps.empty()) return {};
  const std::size_t i = brevimo::NearestStep(m_run->steps, x);
  const brevimo::DistillationStep& s = m_run->steps[i];
  const auto cell = [&](int column) { return CRunStepsModel::Cell(s, column); };
  m_step->setText(QCoreApplication::translate(
                      "CRunChart",
                      "Шаг %1: отобрано %2 л, крепость отбора сейчас %3 % об., всего отбора %4 % "
                      "об.; в кубе %5 °C, %6 % об., %7 л")
                      .arg(i + 1)
                      .arg(cell(4), cell(3), cell(5), cell(0), cell(1), cell(2)));
  const QRectF plot = m_chart->plotArea();
  const qreal px = m_chart->mapToPosition(QPointF(s.OutVol, 0.0), m_series[1]).x();
  m_marker->setLine(px, plot.top(), px, plot.bottom());
  m_marker->show();
  return m_step->text();
}

void CRunChart::SelectStepAt(double x) {
  if (!m_run || m_run->steps.empty()) return;
  const int row = static_cast<int>(brevimo::NearestStep(m_run->steps, x));
  m_table->selectRow(row);
  m_table->scrollTo(m_model->index(row, 0), QAbstractItemView::PositionAtCenter);
}

void CRunChart::CopyTable() {
  int first = 0, last = m_model->rowCount() - 1;
  int firstColumn = 0, lastColumn = m_model->columnCount() - 1;
  const QModelIndexList selected = m_table->selectionModel()->selectedIndexes();
  if (!selected.isEmpty()) {
    first = firstColumn = INT_MAX;
    last = lastColumn = -1;
    for (const QModelIndex& index : selected) {
      first = std::min(first, index.row());
      last = std::max(last, index.row());
      firstColumn = std::min(firstColumn, index.column());
      lastColumn = std::max(lastColumn, index.column());
    }
  }
  QApplication::clipboard()->setText(m_model->Text(first, last, firstColumn, lastColumn));
}

void CRunChart::Save(const char* title, const char* suffix, std::initializer_list<Format> formats) {
  const QString name =
      QCoreApplication::translate("CRunChart", "Перегонка") + QLatin1String(suffix);
  QStringList filters;
  for (const Format& format : formats)
    filters << Tr(format.filter);
  QString chosen = filters.front();
  const QString path = QFileDialog::getSaveFileName(this, Tr(title), QDir::current().filePath(name),
                                                    filters.join(QLatin1String(";;")), &chosen);
  if (path.isEmpty()) return;
  const qsizetype index = std::max<qsizetype>(filters.indexOf(chosen), 0);
  (this->*(formats.begin()[index].save))(path);
}

bool CRunChart::WriteFile(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  // The flush is checked here: a write buffer that commit() flushes on a
  // full disk fails without a word and the file is put in place cut short.
  if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() &&
      file.commit())
    return true;
  const QFileDevice::FileError error = file.error();
  const QString reason =
      brevimo::WriteFailureReason(error, QFileInfo(path).absolutePath(), file.errorString());
  file.cancelWriting();
  AfxMessageBox(brevimo::WriteFailureMessage(path, reason));
  return false;
}

bool CRunChart::SaveCsv(const QString& path) { return WriteFile(path, m_model->Csv()); }

bool CRunChart::SaveExcelCsv(const QString& path) { return WriteFile(path, m_model->ExcelCsv()); }

bool CRunChart::SavePng(const QString& path) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  const bool marked = m_marker->isVisible(); // the pointer's line is no part of the chart
  m_marker->hide();
  m_view->grab().toImage().save(&buffer, "PNG");
  m_marker->setVisible(marked);
  return WriteFile(path, bytes);
}

bool CRunChart::SaveSvg(const QString& path) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(m_view->size());
  svg.setViewBox(m_view->rect());
  svg.setTitle(windowTitle());
  const bool marked = m_marker->isVisible();
  m_marker->hide();
  QPainter painter(&svg);
  m_view->render(&painter);
  painter.end();
  m_marker->setVisible(marked);
  return WriteFile(path, bytes);
}

// The library's one entry: the sheet reaches the chart window through it.
extern "C" const RunChartModule* brevimo_run_chart_module() {
  static const RunChartModule module{
      [](QWidget* parent) -> QWidget* { return new CRunChart(parent); },
      [](QWidget* chart, std::shared_ptr<const brevimo::DistillationRun> run) {
        static_cast<CRunChart*>(chart)->SetRun(std::move(run));
      }};
  return &module;
}
