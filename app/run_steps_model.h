// SPDX-License-Identifier: GPL-3.0-or-later
// The steps of a run as a table: one row per step, the columns of the
// results file in its formats, headed by their quantities and units.
#pragma once

#include "calc/distillation.h"

#include <QAbstractTableModel>

#include <memory>

class CRunStepsModel : public QAbstractTableModel {
public:
  explicit CRunStepsModel(QObject* parent = nullptr);

  void SetRun(std::shared_ptr<const brevimo::DistillationRun> run);
  const brevimo::DistillationRun* Run() const { return m_run.get(); }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

  // A step's value as the results file writes it.
  static QString Cell(const brevimo::DistillationStep& step, int column);
  // Rows first..last and columns firstColumn..lastColumn as tab-separated
  // lines under a line of the file's column names.
  QString Text(int first, int last, int firstColumn, int lastColumn) const;
  // The whole table as CSV: comma-separated, the file's column names in the
  // header, a point as decimal separator, each line ended by "\n".
  QByteArray Csv() const;
  // The same with ";" between the values and a decimal comma, as Excel
  // reads a CSV where the decimal separator is a comma.
  QByteArray ExcelCsv() const;

private:
  std::shared_ptr<const brevimo::DistillationRun> m_run;
};
