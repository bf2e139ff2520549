// SPDX-License-Identifier: GPL-3.0-or-later
// What the measured programs of the start-up benchmark report on standard
// output, each line flushed at once (a pipe would otherwise hold it until
// exit, and the measure would include tearing the window down):
//  - "mapped" and the resident memory in kilobytes, when the X server
//    reports the window mapped (MapNotify, seen before Qt handles it, so
//    before the first frame is painted);
//  - the resident memory in kilobytes, once the window is exposed and its
//    first frame painted.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QFile>

#include <cstdint>
#include <cstdio>

namespace startup {

inline long ResidentKilobytes() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
  return -1;
}

class MapReport : public QAbstractNativeEventFilter {
public:
  bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
    // An X event starts with its type; the high bit marks one sent by a client.
    constexpr std::uint8_t kMapNotify = 19;
    if (!m_done && type == "xcb_generic_event_t" &&
        (*static_cast<const std::uint8_t*>(message) & 0x7f) == kMapNotify) {
      m_done = true;
      std::printf("mapped %ld\n", ResidentKilobytes());
      std::fflush(stdout);
    }
    return false;
  }

private:
  bool m_done = false;
};

inline void ReportMemory() {
  std::printf("%ld\n", ResidentKilobytes());
  std::fflush(stdout);
}

} // namespace startup
