// SPDX-License-Identifier: GPL-3.0-or-later
// The About box (dialog 100).
#pragma once

#include <QDialog>

class CDial_About : public QDialog {
public:
  explicit CDial_About(QWidget* parent = nullptr);
};
