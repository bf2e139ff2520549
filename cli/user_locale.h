// SPDX-License-Identifier: GPL-3.0-or-later
// The user's interface language where the system keeps it apart from the
// environment's locale variables; one implementation per platform
// (linux/user_locale.cpp, win/user_locale.cpp).
#pragma once

#include <string>

namespace brevimo::cli {

// The interface language as a locale name ("en-US" on an English Windows),
// or empty where the locale variables are all there is (Linux).
std::string UserInterfaceLocale();

} // namespace brevimo::cli
