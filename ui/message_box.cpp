// SPDX-License-Identifier: GPL-3.0-or-later
#include "message_box.h"

#include "pagelayer/property_page.h"
#include "translation.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>

#include <utility>

namespace brevimo {
namespace {

MessageBoxHook& Hook() {
  static MessageBoxHook hook;
  return hook;
}

QPointer<QWidget>& MainWindowRef() {
  static QPointer<QWidget> window;
  return window;
}

} // namespace

void SetMessageBoxHook(MessageBoxHook hook) { Hook() = std::move(hook); }

QString AppName() { return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName(); }

void SetMainWindow(QWidget* window) { MainWindowRef() = window; }

QWidget* MainWindow() { return MainWindowRef().data(); }

} // namespace brevimo

int AfxMessageBox(const QString& text) {
  // Messages are Russian source texts (or English ones that stay as they
  // are); the box shows them in the current language.
  const brevimo::MessageBoxCall call{brevimo::MainWindow(), brevimo::AppName(),
                                     brevimo::TrMessage(text), QMessageBox::Warning};
  if (brevimo::Hook()) {
    brevimo::Hook()(call);
    return IDOK;
  }
  QMessageBox box(call.icon, call.title, call.text, QMessageBox::Ok, call.owner);
  box.exec();
  return IDOK;
}
