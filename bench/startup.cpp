// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the calculator window: time from process start to the first
// page shown, and resident memory then. Run on the offscreen platform:
//   QT_QPA_PLATFORM=offscreen ./build-release/bench/startup_bench
#include "app/dial_calc.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>
#include <unistd.h>

namespace {

// Seconds since the process started, from /proc.
double SecondsSinceProcessStart() {
  QFile stat(QStringLiteral("/proc/self/stat"));
  QFile uptime(QStringLiteral("/proc/uptime"));
  if (!stat.open(QIODevice::ReadOnly) || !uptime.open(QIODevice::ReadOnly)) return -1;
  const QList<QByteArray> fields = stat.readAll().split(' ');
  const double startTicks = fields.value(21).toDouble();
  const double now = uptime.readAll().split(' ').value(0).toDouble();
  return now - startTicks / static_cast<double>(sysconf(_SC_CLK_TCK));
}

long ResidentKilobytes() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
  return -1;
}

} // namespace

int main(int argc, char* argv[]) {
  QElapsedTimer timer;
  timer.start();
  QApplication app(argc, argv);
  CDial_Calc sheet(QStringLiteral("Brevimo"));
  sheet.show();
  QApplication::processEvents();
  std::printf("window shown after %.3f s in main (%.2f s since process start), resident %ld KB\n",
              static_cast<double>(timer.nsecsElapsed()) / 1e9, SecondsSinceProcessStart(),
              ResidentKilobytes());
  return 0;
}
