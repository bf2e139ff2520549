// SPDX-License-Identifier: GPL-3.0-or-later
#include "run_chart.h"

#include "run_chart_module.h"

#include "calc/number_text.h"
#include "chart_parts.h"
#include "plan_chart.h"
#include "run_series.h"
#include "run_steps_model.h"
#include "ui/message_box.h"
#include "ui/replacing_file.h"
#include "ui/translation.h"
#include "ui/window_keys.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QGraphicsLineItem>
#include <QLabel>
#include <QTableView>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLegend>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("CRunChart", text); }

QString Number(double value) { return QString::number(value, 'g', 15); }

// The run's results as the page shows them.
QString Fixed4(double value) { return QString::fromStdString(brevimo::FormatC("%.4f", value)); }

// The start or the end of a run as the user gave it.
QString RunPoint(int kind, double value) {
  return kind == brevimo::RunByStrength
             ? QCoreApplication::translate("CRunChart", "%1 % об.").arg(Number(value))
             : QCoreApplication::translate("CRunChart", "%1 °C").arg(Number(value));
}

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
  const auto axes = brevimo::chart::AddAxes(m_chart, kKinds[0].color);
  m_axisVolume = axes.volume;
  m_axisStrength = axes.strength;
  m_axisTemperature = axes.temperature;
  for (int i = 0; i < 4; ++i)
    m_series[i] =
        brevimo::chart::AddSeries(m_chart, axes, QPen(kKinds[i].color, kKinds[i].width), i == 0);

  m_view = new brevimo::chart::PointerChartView(
      m_chart, m_series[1], [this](double x) { return ShowStepAt(x); },
      [this](double x) { SelectStepAt(x); });
  m_view->setObjectName(QString::number(IDC_CHART));
  m_view->setMinimumSize(480, 320);
  m_marker = brevimo::chart::NewMarker(m_chart);

  m_table = brevimo::chart::NewStepsTable(m_model, IDC_TABLE, [this] { CopyTable(); });
  QWidget* splitter = brevimo::chart::ChartOverTable(m_view, m_table);

  m_step = brevimo::chart::LayOutChartWindow(
      this, splitter, m_table, IDC_STEP,
      [] { return QCoreApplication::translate("CRunChart", "Перегонка"); }, parent);
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
  brevimo::chart::SetVolumeAxis(m_axisVolume, total);
  brevimo::chart::SetStrengthAxis(m_axisStrength, strength);
  brevimo::chart::SetTemperatureAxis(m_axisTemperature, tLow, tHigh);
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
  brevimo::chart::MarkAt(m_chart, m_marker, m_series[1], s.OutVol);
  return m_step->text();
}

void CRunChart::SelectStepAt(double x) {
  if (!m_run || m_run->steps.empty()) return;
  const int row = static_cast<int>(brevimo::NearestStep(m_run->steps, x));
  m_table->selectRow(row);
  m_table->scrollTo(m_model->index(row, 0), QAbstractItemView::PositionAtCenter);
}

void CRunChart::CopyTable() {
  const brevimo::chart::TableRange r = brevimo::chart::CopyRange(m_table);
  QApplication::clipboard()->setText(m_model->Text(r.first, r.last, r.firstColumn, r.lastColumn));
}

bool CRunChart::SaveCsv(const QString& path) {
  return brevimo::chart::WriteFile(path, m_model->Csv());
}

bool CRunChart::SaveExcelCsv(const QString& path) {
  return brevimo::chart::WriteFile(path, m_model->ExcelCsv());
}

bool CRunChart::SavePng(const QString& path) {
  return brevimo::chart::WriteFile(path, brevimo::chart::Png(m_view, m_marker));
}

bool CRunChart::SaveSvg(const QString& path) {
  return brevimo::chart::WriteFile(path, brevimo::chart::Svg(m_view, m_marker, windowTitle()));
}

// The library's one entry: the sheet reaches the chart window through it.
extern "C" const RunChartModule* brevimo_run_chart_module() {
  static const RunChartModule module{
      [](QWidget* parent) -> QWidget* { return new CRunChart(parent); },
      [](QWidget* chart, std::shared_ptr<const brevimo::DistillationRun> run) {
        static_cast<CRunChart*>(chart)->SetRun(std::move(run));
      },
      [](QWidget* parent) -> QWidget* { return new CPlanChart(parent); },
      [](QWidget* chart, std::shared_ptr<const brevimo::RunPlan> plan) {
        static_cast<CPlanChart*>(chart)->SetPlan(std::move(plan));
      }};
  return &module;
}
