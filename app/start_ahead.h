// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up work that needs neither the window nor the main thread, done on a
// thread of its own while the main thread connects to the display and builds
// the first page:
//  - the system's font configuration (on Linux fontconfig reads and parses
//    its files, some milliseconds, before the first text is measured);
//  - Qt's image format plugins, once the application object exists: the
//    Fusion style draws group box frames from a PNG, Qt asks every plugin
//    before its own reader, and the window icon needs them right after.
// One thread does both, one after the other, so that it costs one stack and
// one allocation arena.
#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

namespace brevimo {

class CStartAhead {
public:
  CStartAhead(); // starts the thread with the font configuration
  ~CStartAhead(); // waits for the thread
  CStartAhead(const CStartAhead&) = delete;
  CStartAhead& operator=(const CStartAhead&) = delete;

  // The application object exists: the image formats may follow.
  void ApplicationReady();
  // Waits until the thread has done its work (before the application object ends).
  void Wait();

private:
  void Work();

  std::mutex m_mutex;
  std::condition_variable m_ready;
  bool m_applicationReady = false;
  bool m_cancelled = false;
  std::thread m_thread;
};

// The platform's font configuration, loaded now rather than at the first
// text (linux/font_config.cpp; nothing to do on Windows): Prepare runs on
// the main thread before the helper starts, Load on the helper.
void PrepareFontConfiguration();
void LoadFontConfiguration();

} // namespace brevimo
