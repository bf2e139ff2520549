// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up work that needs neither the window nor the main thread, done on a
// thread of its own while the main thread connects to the display: the
// system's font configuration (on Linux fontconfig reads and parses its
// files, some milliseconds, before the first text is measured).
#pragma once

#include <thread>

namespace brevimo {

class CStartAhead {
public:
  CStartAhead(); // starts the thread
  ~CStartAhead(); // waits for it
  CStartAhead(const CStartAhead&) = delete;
  CStartAhead& operator=(const CStartAhead&) = delete;

  // Waits until the thread has done its work.
  void Wait();

private:
  std::thread m_thread;
};

// The platform's font configuration, loaded now rather than at the first
// text (linux/font_config.cpp; nothing to do on Windows): Prepare runs on
// the main thread before the helper starts, Load on the helper.
void PrepareFontConfiguration();
void LoadFontConfiguration();

} // namespace brevimo
