// SPDX-License-Identifier: GPL-3.0-or-later
#include "run_steps_model.h"

#include "chart_parts.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

using brevimo::DistillationFile;
using brevimo::kDistillationColumnCount;
using brevimo::kDistillationColumns;

// Column heads: the quantity and its unit, in the interface language (the
// file's column names stay in the file, the CSV and a copy).
const char* const kCaptions[kDistillationColumnCount] = {
    QT_TRANSLATE_NOOP("CRunStepsModel", "Темп. в кубе, °C"),
    QT_TRANSLATE_NOOP("CRunStepsModel", "Креп. в кубе, % об."),
    QT_TRANSLATE_NOOP("CRunStepsModel", "Объем в кубе, л"),
    QT_TRANSLATE_NOOP("CRunStepsModel", "Креп. пара, % об."),
    QT_TRANSLATE_NOOP("CRunStepsModel", "Отобрано, л"),
    QT_TRANSLATE_NOOP("CRunStepsModel", "Креп. отбора, % об."),
};

} // namespace

CRunStepsModel::CRunStepsModel(QObject* parent) : QAbstractTableModel(parent) {}

void CRunStepsModel::SetRun(std::shared_ptr<const brevimo::DistillationRun> run) {
  beginResetModel();
  m_run = std::move(run);
  endResetModel();
}

int CRunStepsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || !m_run ? 0 : static_cast<int>(m_run->steps.size());
}

int CRunStepsModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kDistillationColumnCount;
}

QString CRunStepsModel::Cell(const brevimo::DistillationStep& step, int column) {
  const brevimo::DistillationColumn& c = kDistillationColumns[column];
  char buffer[DistillationFile::kValueCapacity];
  const std::size_t length = DistillationFile::FormatValue(step.*c.value, c.decimals, buffer);
  return QString::fromLatin1(buffer, static_cast<qsizetype>(length));
}

QVariant CRunStepsModel::data(const QModelIndex& index, int role) const {
  if (!m_run || !index.isValid() || index.row() >= rowCount()) return {};
  if (role == Qt::DisplayRole)
    return Cell(m_run->steps[static_cast<std::size_t>(index.row())], index.column());
  if (role == Qt::TextAlignmentRole) return int(Qt::AlignRight | Qt::AlignVCenter);
  return {};
}

QVariant CRunStepsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1; // step number
  if (section < 0 || section >= kDistillationColumnCount) return {};
  return QCoreApplication::translate("CRunStepsModel", kCaptions[section]);
}

QString CRunStepsModel::Text(int first, int last, int firstColumn, int lastColumn) const {
  return brevimo::chart::RangeText(
      {first, last, firstColumn, lastColumn}, rowCount(),
      [](int c) { return QString::fromLatin1(kDistillationColumns[c].name); },
      [this](int r, int c) { return Cell(m_run->steps[static_cast<std::size_t>(r)], c); });
}

QByteArray CRunStepsModel::Csv() const {
  return QByteArray::fromStdString(m_run ? DistillationFile::Text(m_run->steps, ',')
                                         : DistillationFile::Header(','));
}

QByteArray CRunStepsModel::ExcelCsv() const { return brevimo::chart::ExcelCsv(Csv()); }
