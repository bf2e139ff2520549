// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's fonts on Linux come from fontconfig, which reads and parses its
// configuration on first use; Qt then finds it loaded. Fontconfig is safe to
// use from any thread.
#include "app/start_ahead.h"

#include <fontconfig/fontconfig.h>

namespace brevimo {

void LoadFontConfiguration() { FcInit(); }

} // namespace brevimo
