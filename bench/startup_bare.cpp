// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of the start-up benchmark: a bare Qt dialog with nine empty
// tabs, linked with Qt Widgets only. It reports as startup_bench's children
// do: one line with its resident memory once its window is on screen.
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWindow>

#include <cstdio>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QDialog dialog;
  auto* tabs = new QTabWidget;
  for (int i = 1; i <= 9; ++i)
    tabs->addTab(new QWidget, QStringLiteral("Tab %1").arg(i));
  (new QVBoxLayout(&dialog))->addWidget(tabs);
  dialog.show();
  while (!dialog.windowHandle()->isExposed())
    QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
  QFile status(QStringLiteral("/proc/self/status"));
  long kilobytes = -1;
  if (status.open(QIODevice::ReadOnly))
    for (const QByteArray& line : status.readAll().split('\n'))
      if (line.startsWith("VmRSS:")) kilobytes = line.mid(6).trimmed().split(' ').value(0).toLong();
  std::printf("%ld\n", kilobytes);
  std::fflush(stdout); // now, not at exit
  return 0;
}
