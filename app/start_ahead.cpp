// SPDX-License-Identifier: GPL-3.0-or-later
#include "start_ahead.h"

#include <QImageReader>
#include <QString>

namespace brevimo {

CStartAhead::CStartAhead() {
  PrepareFontConfiguration();
  m_thread = std::thread([this] { Work(); });
}

CStartAhead::~CStartAhead() {
  {
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_cancelled = true; // no application object came: no image formats
  }
  m_ready.notify_one();
  Wait();
}

void CStartAhead::ApplicationReady() {
  {
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_applicationReady = true;
  }
  m_ready.notify_one();
}

void CStartAhead::Wait() {
  if (m_thread.joinable()) m_thread.join();
}

void CStartAhead::Work() {
  LoadFontConfiguration();
  {
    std::unique_lock<std::mutex> lock(m_mutex);
    m_ready.wait(lock, [this] { return m_applicationReady || m_cancelled; });
    if (m_cancelled) return;
  }
  // Any PNG of the resources makes Qt load every image format plugin.
  QImageReader reader(QStringLiteral(":/icon128/16.png"));
  reader.read();
}

} // namespace brevimo
