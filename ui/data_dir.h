// SPDX-License-Identifier: GPL-3.0-or-later
// The folder of the program's data files (manual, screenshots): "share/brevimo"
// beside the executable's "bin" when installed, or "share/brevimo" in the
// build folder when run from there.
#pragma once

#include <QString>

namespace brevimo {

// The installed folder <bindir>/../share/brevimo when it exists, else the
// build folder's <build>/share/brevimo when that exists, else the installed
// one (which the caller then finds empty).
QString DataDir();

} // namespace brevimo
