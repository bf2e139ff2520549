// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of the start-up benchmark: a bare Qt dialog with nine empty
// tabs, linked with Qt Widgets only. It reports as startup_bench's children
// do (startup_report.h).
#include "startup_report.h"

#include <QApplication>
#include <QDialog>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWindow>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  startup::MapReport mapped;
  app.installNativeEventFilter(&mapped);
  QDialog dialog;
  auto* tabs = new QTabWidget;
  for (int i = 1; i <= 9; ++i)
    tabs->addTab(new QWidget, QStringLiteral("Tab %1").arg(i));
  (new QVBoxLayout(&dialog))->addWidget(tabs);
  dialog.show();
  while (!dialog.windowHandle()->isExposed())
    QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
  startup::ReportMemory();
  return 0;
}
