// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan_chart.h"

#include "calc/number_text.h"
#include "run_series.h"
#include "ui/translation.h"
#include "ui/window_keys.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QGraphicsLineItem>
#include <QGraphicsSimpleTextItem>
#include <QLabel>
#include <QTableView>
#include <QtCharts/QChart>
#include <QtCharts/QLegend>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

using brevimo::kPlanCourseColumnCount;
using brevimo::PlanCourseFile;

QString Tr(const char* text) { return QCoreApplication::translate("CPlanChart", text); }

const char* const kFractionNames[brevimo::kPlanFractions] = {
    QT_TRANSLATE_NOOP("CPlanChart", "Головы"),
    QT_TRANSLATE_NOOP("CPlanChart", "Тело"),
    QT_TRANSLATE_NOOP("CPlanChart", "Хвосты"),
};

// Column heads: the quantity and its unit (the CSV keeps its column names).
const char* const kCaptions[kPlanCourseColumnCount] = {
    QT_TRANSLATE_NOOP("CPlanChart", "Отобрано, л"),
    QT_TRANSLATE_NOOP("CPlanChart", "Креп. отбора, % об."),
    QT_TRANSLATE_NOOP("CPlanChart", "Темп. в кубе, °C"),
    QT_TRANSLATE_NOOP("CPlanChart", "Креп. в кубе, % об."),
    QT_TRANSLATE_NOOP("CPlanChart", "Объем в кубе, л"),
    QT_TRANSLATE_NOOP("CPlanChart", "Время, мин"),
    QT_TRANSLATE_NOOP("CPlanChart", "Фракция"),
};

QString Cell(const brevimo::RunPlanStep& step, int column) {
  return QString::fromStdString(PlanCourseFile::Cell(step, column));
}

QString Fixed(const char* format, double value) {
  return QString::fromStdString(brevimo::FormatC(format, value));
}

// Minutes as hours and minutes ("4:35"), rounded to the minute.
QString Clock(double minutes) {
  const long long total = std::llround(minutes);
  return QString::fromStdString(brevimo::FormatC("%lld:%02lld", total / 60, total % 60));
}

// The stream's strength on the left axis, the pot's temperature on the right.
const struct {
  const char* name;
  QColor color;
} kKinds[2] = {
    {QT_TRANSLATE_NOOP("CPlanChart", "Крепость отбора, % об."), QColor(0x1f, 0x4e, 0x9c)},
    {QT_TRANSLATE_NOOP("CPlanChart", "Температура в кубе, °C"), QColor(0xc0, 0x39, 0x2b)},
};

} // namespace

// ---- the steps table ----

CPlanStepsModel::CPlanStepsModel(QObject* parent) : QAbstractTableModel(parent) {}

void CPlanStepsModel::SetPlan(std::shared_ptr<const brevimo::RunPlan> plan) {
  beginResetModel();
  m_plan = std::move(plan);
  endResetModel();
}

int CPlanStepsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || !m_plan ? 0 : static_cast<int>(m_plan->course.size());
}

int CPlanStepsModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kPlanCourseColumnCount;
}

QString CPlanStepsModel::FractionName(int fraction) {
  return fraction >= 0 && fraction < brevimo::kPlanFractions ? Tr(kFractionNames[fraction])
                                                             : QString();
}

QVariant CPlanStepsModel::data(const QModelIndex& index, int role) const {
  if (!m_plan || !index.isValid() || index.row() >= rowCount()) return {};
  const brevimo::RunPlanStep& step = m_plan->course[static_cast<std::size_t>(index.row())];
  const bool fraction = index.column() == brevimo::kPlanCourseFractionColumn;
  if (role == Qt::DisplayRole)
    return fraction ? FractionName(step.fraction) : Cell(step, index.column());
  if (role == Qt::TextAlignmentRole)
    return int((fraction ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
  return {};
}

QVariant CPlanStepsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1; // step number
  if (section < 0 || section >= kPlanCourseColumnCount) return {};
  return Tr(kCaptions[section]);
}

QString CPlanStepsModel::Text(int first, int last, int firstColumn, int lastColumn) const {
  return brevimo::chart::RangeText(
      {first, last, firstColumn, lastColumn}, rowCount(),
      [](int c) { return QString::fromLatin1(PlanCourseFile::ColumnName(c)); },
      [this](int r, int c) { return Cell(m_plan->course[static_cast<std::size_t>(r)], c); });
}

QByteArray CPlanStepsModel::Csv() const {
  return QByteArray::fromStdString(m_plan ? PlanCourseFile::Text(m_plan->course)
                                          : PlanCourseFile::Header());
}

// ---- the window ----

CPlanChart::CPlanChart(QWidget* parent)
    : QWidget(parent, Qt::Window), m_chart(new QChart), m_model(new CPlanStepsModel(this)) {
  setObjectName(QStringLiteral("CPlanChart"));
  brevimo::InstallRetranslation(this);
  brevimo::AddWindowKeys(this, QStringLiteral("CPlanChart"));

  // The stream's strength on the left, the pot's temperature on the right,
  // each axis in its series' colour.
  const auto axes = brevimo::chart::AddAxes(m_chart, kKinds[1].color);
  m_axisVolume = axes.volume;
  m_axisStrength = axes.strength;
  m_axisTemperature = axes.temperature;
  m_axisStrength->setLabelsColor(kKinds[0].color);
  m_axisStrength->setTitleBrush(kKinds[0].color);
  for (int i = 0; i < 2; ++i)
    m_series[i] = brevimo::chart::AddSeries(m_chart, axes, QPen(kKinds[i].color, 2.0), i == 1);

  // The cuts: solid lines across the plot, each fraction's name over its part.
  for (int i = 0; i + 1 < brevimo::kPlanFractions; ++i) {
    auto* line = new QGraphicsLineItem(m_chart);
    line->setPen(QPen(QColor(0x55, 0x55, 0x55), 1.5));
    line->setZValue(5);
    line->hide();
    m_cutLines.push_back(line);
  }
  for (QGraphicsSimpleTextItem*& name : m_names) {
    name = new QGraphicsSimpleTextItem(m_chart);
    name->setZValue(5);
    name->hide();
  }
  connect(m_chart, &QChart::plotAreaChanged, this, [this] { PlaceMarks(); });

  m_view = new brevimo::chart::PointerChartView(
      m_chart, m_series[0], [this](double x) { return ShowStepAt(x); },
      [this](double x) { SelectStepAt(x); });
  m_view->setObjectName(QString::number(IDC_CHART));
  m_view->setMinimumSize(480, 320);
  m_marker = brevimo::chart::NewMarker(m_chart);

  m_table = brevimo::chart::NewStepsTable(m_model, IDC_TABLE, [this] { CopyTable(); });
  QWidget* splitter = brevimo::chart::ChartOverTable(m_view, m_table);

  m_step = brevimo::chart::LayOutChartWindow(
      this, splitter, m_table, IDC_STEP,
      [] { return Tr(QT_TRANSLATE_NOOP("CPlanChart", "План перегонки")); }, parent);
  Retranslate();
}

CPlanChart::~CPlanChart() = default;

void CPlanChart::Retranslate() {
  setWindowTitle(Tr(QT_TRANSLATE_NOOP("CPlanChart", "График плана перегонки")));
  m_axisVolume->setTitleText(Tr(QT_TRANSLATE_NOOP("CPlanChart", "Отобрано дистиллята, л")));
  m_axisStrength->setTitleText(Tr(kKinds[0].name));
  m_axisTemperature->setTitleText(Tr(kKinds[1].name));
  for (int i = 0; i < 2; ++i)
    m_series[i]->setName(Tr(kKinds[i].name));
  for (int f = 0; f < brevimo::kPlanFractions; ++f)
    m_names[f]->setText(CPlanStepsModel::FractionName(f));
  m_step->setText(Tr(QT_TRANSLATE_NOOP(
      "CPlanChart", "Наведите указатель на график, чтобы увидеть значения шага")));
  if (m_plan) SetPlan(m_plan);
}

void CPlanChart::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QWidget::changeEvent(event);
}

void CPlanChart::SetPlan(std::shared_ptr<const brevimo::RunPlan> plan) {
  m_plan = std::move(plan);
  m_model->SetPlan(m_plan);
  m_marker->hide();
  m_chart->setTitle({});
  m_cuts.clear();
  QList<QPointF> stream, pot;
  if (m_plan) {
    const std::vector<brevimo::RunPlanStep>& course = m_plan->course;
    const int columns = brevimo::kRunChartColumns;
    brevimo::ThinSeries(course, &brevimo::RunPlanStep::collected, &brevimo::RunPlanStep::stream,
                        columns, &stream);
    brevimo::ThinSeries(course, &brevimo::RunPlanStep::collected, &brevimo::RunPlanStep::potBoiling,
                        columns, &pot);
    // A cut lies where a step's fraction follows another's: at the volume
    // collected when the earlier fraction ended.
    for (std::size_t i = 1; i < course.size(); ++i)
      if (course[i].fraction != course[i - 1].fraction)
        m_cuts.push_back({course[i - 1].collected, course[i].fraction});
  }
  m_series[0]->replace(stream);
  m_series[1]->replace(pot);
  SetUpAxes();
  PlaceMarks();
  if (!m_plan) return;

  const brevimo::RunPlan& p = *m_plan;
  const brevimo::RunPlanFraction* f = p.fractions;
  m_chart->setTitle(
      Tr(QT_TRANSLATE_NOOP("CPlanChart",
                           "<b>План перегонки: загрузка %1 л, %2 % об.</b><br>"
                           "Головы %3 л, тело %4 л (%5 % об.), хвосты %6 л; всего %7 ч:мм"))
          .arg(Fixed("%.2f", p.charge.volume), Fixed("%.2f", p.charge.strength),
               Fixed("%.2f", f[brevimo::PlanHeads].liquid.volume),
               Fixed("%.2f", f[brevimo::PlanHearts].liquid.volume),
               Fixed("%.2f", f[brevimo::PlanHearts].liquid.strength),
               Fixed("%.2f", f[brevimo::PlanTails].liquid.volume),
               Clock(f[brevimo::PlanTails].endMinutes)));
}

void CPlanChart::SetUpAxes() {
  double total = 0.0, tLow = 0.0, tHigh = 0.0, strength = 0.0;
  if (m_plan && !m_plan->course.empty()) {
    total = m_plan->course.back().collected;
    tLow = tHigh = m_plan->course.front().potBoiling;
    for (const brevimo::RunPlanStep& s : m_plan->course) {
      tLow = std::min(tLow, s.potBoiling);
      tHigh = std::max(tHigh, s.potBoiling);
      strength = std::max(strength, s.stream);
    }
  }
  brevimo::chart::SetVolumeAxis(m_axisVolume, total);
  brevimo::chart::SetStrengthAxis(m_axisStrength, strength);
  brevimo::chart::SetTemperatureAxis(m_axisTemperature, tLow, tHigh);
}

void CPlanChart::PlaceMarks() {
  const QRectF plot = m_chart->plotArea();
  const auto xOf = [&](double collected) {
    return m_chart->mapToPosition(QPointF(collected, 0.0), m_series[0]).x();
  };
  for (std::size_t i = 0; i < m_cutLines.size(); ++i) {
    QGraphicsLineItem* line = m_cutLines[i];
    line->setVisible(i < m_cuts.size() && plot.isValid());
    if (line->isVisible()) {
      const qreal x = xOf(m_cuts[i].collected);
      line->setLine(x, plot.top(), x, plot.bottom());
    }
  }
  // Each fraction's name centred over its part of the plot, if it has one.
  for (int f = 0; f < brevimo::kPlanFractions; ++f)
    m_names[f]->hide();
  if (!m_plan || m_plan->course.empty() || !plot.isValid()) return;
  double from = 0.0;
  int fraction = m_plan->course.front().fraction;
  const auto name = [&](double to) {
    if (fraction < 0 || fraction >= brevimo::kPlanFractions) return;
    QGraphicsSimpleTextItem* text = m_names[fraction];
    const QRectF box = text->boundingRect();
    const qreal left = std::clamp((xOf(from) + xOf(to) - box.width()) / 2, plot.left(),
                                  plot.right() - box.width());
    text->setPos(left, plot.top() + 2);
    text->show();
  };
  for (const Cut& cut : m_cuts) {
    name(cut.collected);
    from = cut.collected;
    fraction = cut.fraction;
  }
  name(m_plan->course.back().collected);
}

QString CPlanChart::ShowStepAt(double x) {
  if (!m_plan || m_plan->course.empty()) return {};
  const std::size_t i = brevimo::NearestStepAt(m_plan->course, &brevimo::RunPlanStep::collected, x);
  const brevimo::RunPlanStep& s = m_plan->course[i];
  m_step->setText(
      Tr(QT_TRANSLATE_NOOP("CPlanChart", "Шаг %1 (%2, %3 ч:мм): отобрано %4 л, крепость отбора "
                                         "%5 % об.; в кубе %6 °C, %7 % об., %8 л"))
          .arg(i + 1)
          .arg(CPlanStepsModel::FractionName(s.fraction), Clock(s.minutes), Cell(s, 0), Cell(s, 1),
               Cell(s, 2), Cell(s, 3), Cell(s, 4)));
  brevimo::chart::MarkAt(m_chart, m_marker, m_series[0], s.collected);
  return m_step->text();
}

void CPlanChart::SelectStepAt(double x) {
  if (!m_plan || m_plan->course.empty()) return;
  const int row =
      static_cast<int>(brevimo::NearestStepAt(m_plan->course, &brevimo::RunPlanStep::collected, x));
  m_table->selectRow(row);
  m_table->scrollTo(m_model->index(row, 0), QAbstractItemView::PositionAtCenter);
}

void CPlanChart::CopyTable() {
  const brevimo::chart::TableRange r = brevimo::chart::CopyRange(m_table);
  QApplication::clipboard()->setText(m_model->Text(r.first, r.last, r.firstColumn, r.lastColumn));
}

bool CPlanChart::SaveCsv(const QString& path) {
  return brevimo::chart::WriteFile(path, m_model->Csv());
}

bool CPlanChart::SaveExcelCsv(const QString& path) {
  return brevimo::chart::WriteFile(path, brevimo::chart::ExcelCsv(m_model->Csv()));
}

bool CPlanChart::SavePng(const QString& path) {
  return brevimo::chart::WriteFile(path, brevimo::chart::Png(m_view, m_marker));
}

bool CPlanChart::SaveSvg(const QString& path) {
  return brevimo::chart::WriteFile(path, brevimo::chart::Svg(m_view, m_marker, windowTitle()));
}
