// SPDX-License-Identifier: GPL-3.0-or-later
#include "start_ahead.h"

namespace brevimo {

CStartAhead::CStartAhead() {
  PrepareFontConfiguration();
  m_thread = std::thread(LoadFontConfiguration);
}

CStartAhead::~CStartAhead() { Wait(); }

void CStartAhead::Wait() {
  if (m_thread.joinable()) m_thread.join();
}

} // namespace brevimo
