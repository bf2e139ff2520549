// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes of the calculator: one OK button, the exclamation icon, the
// application name as title, owned by the calculator window. Every box goes
// through AfxMessageBox so that tests can capture them without a modal loop.
#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>
#include <string>

class QWidget;

namespace brevimo {

struct MessageBoxCall {
  QWidget* owner;
  QString title;
  QString text;
  QMessageBox::Icon icon;
};

// When set, message boxes are handed to the hook instead of being shown.
using MessageBoxHook = std::function<void(const MessageBoxCall&)>;
void SetMessageBoxHook(MessageBoxHook hook);

// The executable's file name without its extension.
QString AppName();

// The window that owns message boxes (the calculator sheet while it exists).
void SetMainWindow(QWidget* window);
QWidget* MainWindow();

} // namespace brevimo

// Shows text with an OK button and the exclamation icon; returns IDOK (1).
// Pages show theirs through the page layer's AfxMessageBox, which comes
// here in the window.
int AfxMessageBox(const QString& text);
