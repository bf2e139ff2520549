// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's fonts on Linux come from fontconfig, which reads and parses its
// configuration on first use; Qt then finds it loaded. Fontconfig is safe to
// use from any thread.
#include "app/start_ahead.h"

#include <fontconfig/fontconfig.h>

#include <clocale>

namespace brevimo {

CStartAhead::CStartAhead() {
  // The locale Qt's application object sets, set before the thread starts:
  // fontconfig reads numbers by the locale, which must not change under it
  // (the application object then sets the same again).
  std::setlocale(LC_ALL, "");
  m_thread = std::thread([] { FcInit(); });
}

} // namespace brevimo
