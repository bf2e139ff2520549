// SPDX-License-Identifier: GPL-3.0-or-later
// Windows has its fonts ready: Qt asks the system at its first text, and
// nothing needs a thread ahead of it.
#include "app/start_ahead.h"

namespace brevimo {

CStartAhead::CStartAhead() = default;

} // namespace brevimo
