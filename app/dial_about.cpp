// SPDX-License-Identifier: GPL-3.0-or-later
#include "dial_about.h"

#include "res/dlg_100.h"
#include "res/icon128.h"
#include "ui/dialog_builder.h"

#include <QPushButton>

CDial_About::CDial_About(QWidget* parent) : QDialog(parent) {
  const auto& tmpl = brevimo::res::kDialog100;
  setObjectName(QStringLiteral("CDial_About"));
  setWindowTitle(QString::fromUtf8(tmpl.caption));
  setWindowIcon(brevimo::res::ProgramIcon());
  // The template's size, as BuildDialog measured it, and no other.
  brevimo::BuildDialog(tmpl, this);
  setFixedSize(minimumSize());
  auto* ok = findChild<QPushButton*>(QStringLiteral("1"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
