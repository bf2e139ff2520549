// SPDX-License-Identifier: GPL-3.0-or-later
// On Linux the locale variables are the interface language: nothing more.
#include "cli/user_locale.h"

namespace brevimo::cli {

std::string UserInterfaceLocale() { return {}; }

} // namespace brevimo::cli
