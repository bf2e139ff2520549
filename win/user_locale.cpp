// SPDX-License-Identifier: GPL-3.0-or-later
// Windows sets no locale variables: the user's interface language is the
// one chosen in Windows' settings.
#include "cli/user_locale.h"

#include <windows.h>

namespace brevimo::cli {

std::string UserInterfaceLocale() {
  wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
  const LCID lcid = MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT);
  if (LCIDToLocaleName(lcid, name, LOCALE_NAME_MAX_LENGTH, 0) <= 0) return {};
  std::string result; // a locale name is plain ASCII: "ru-RU", "en-GB"
  for (const wchar_t* c = name; *c; ++c)
    result += static_cast<char>(*c);
  return result;
}

} // namespace brevimo::cli
