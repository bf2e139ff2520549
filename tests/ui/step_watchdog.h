// SPDX-License-Identifier: GPL-3.0-or-later
// A watchdog for test steps that may hang. A hung step never returns to the
// test, so it cannot fail it; instead the watchdog's own thread ends the
// test program, saying which step did not come back. The limit is seconds:
// it catches hangs, it does not time anything.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

class StepWatchdog {
public:
  explicit StepWatchdog(std::chrono::seconds limit)
      : m_limit(limit), m_thread([this] { Watch(); }) {}
  ~StepWatchdog() {
    {
      std::lock_guard lock(m_mutex);
      m_stop = true;
    }
    m_changed.notify_one();
    m_thread.join();
  }
  StepWatchdog(const StepWatchdog&) = delete;
  StepWatchdog& operator=(const StepWatchdog&) = delete;

  // Starts the clock for a step, described for the report.
  void Arm(std::string step) {
    {
      std::lock_guard lock(m_mutex);
      m_step = std::move(step);
      m_deadline = std::chrono::steady_clock::now() + m_limit;
      m_armed = true;
    }
    m_changed.notify_one();
  }
  // The step came back.
  void Disarm() {
    std::lock_guard lock(m_mutex);
    m_armed = false;
  }

private:
  void Watch() {
    std::unique_lock lock(m_mutex);
    while (!m_stop) {
      if (!m_armed) {
        m_changed.wait(lock);
      } else if (m_changed.wait_until(lock, m_deadline) == std::cv_status::timeout && m_armed &&
                 std::chrono::steady_clock::now() >= m_deadline) {
        std::fprintf(stderr, "watchdog: %s did not come back within %lld s\n", m_step.c_str(),
                     static_cast<long long>(m_limit.count()));
        std::fflush(stderr);
        std::abort();
      }
    }
  }

  const std::chrono::seconds m_limit;
  std::mutex m_mutex;
  std::condition_variable m_changed;
  std::string m_step;
  std::chrono::steady_clock::time_point m_deadline;
  bool m_armed = false;
  bool m_stop = false;
  std::thread m_thread; // last: starts once the rest is set up
};
