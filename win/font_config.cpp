// SPDX-License-Identifier: GPL-3.0-or-later
// Windows has its fonts ready: Qt asks the system at its first text.
#include "app/start_ahead.h"

namespace brevimo {

void PrepareFontConfiguration() {}
void LoadFontConfiguration() {}

} // namespace brevimo
