// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up work that needs neither the window nor the main thread, done on a
// thread of its own while the main thread connects to the display: the
// system's font configuration. On Linux fontconfig reads and parses its
// files (some milliseconds) at the first text otherwise
// (linux/start_ahead.cpp); Windows has nothing to load (win/start_ahead.cpp).
#pragma once

#include <thread>

namespace brevimo {

class CStartAhead {
public:
  CStartAhead(); // starts the work
  ~CStartAhead() { Wait(); }
  CStartAhead(const CStartAhead&) = delete;
  CStartAhead& operator=(const CStartAhead&) = delete;

  // Waits until the work is done.
  void Wait() {
    if (m_thread.joinable()) m_thread.join();
  }

private:
  std::thread m_thread;
};

} // namespace brevimo
