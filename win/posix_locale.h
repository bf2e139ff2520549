// SPDX-License-Identifier: GPL-3.0-or-later
// The POSIX per-thread locale calls the numeric core uses (newlocale,
// uselocale, strtod_l), over the Windows C library, which has locale objects
// (_create_locale, _strtod_l) but no "current locale object" of a thread.
// uselocale() makes the thread's own C locale (_configthreadlocale) the named
// locale instead and returns a handle of the previous one; passing that
// handle back restores it. Force-included into the core on Windows only.
#pragma once
#ifdef _WIN32

#include <clocale>
#include <cstdlib>
#include <locale.h>
#include <map>
#include <string>

using locale_t = _locale_t;
#define LC_ALL_MASK LC_ALL

namespace brevimo::win {
// The name each handle was made from, for uselocale(), and whether
// uselocale() made it (freed when passed back).
struct LocaleName {
  std::string name;
  bool madeByUse;
};
inline std::map<locale_t, LocaleName>& LocaleNames() {
  static std::map<locale_t, LocaleName> names;
  return names;
}
} // namespace brevimo::win

inline locale_t newlocale(int category, const char* name, locale_t) {
  const locale_t loc = _create_locale(category, name);
  if (loc) brevimo::win::LocaleNames()[loc] = {name, false};
  return loc;
}

inline locale_t uselocale(locale_t loc) {
  auto& names = brevimo::win::LocaleNames();
  _configthreadlocale(_ENABLE_PER_THREAD_LOCALE);
  const char* current = std::setlocale(LC_ALL, nullptr);
  const std::string previousName = current ? current : "C";
  const auto it = names.find(loc);
  if (it == names.end()) return nullptr;
  std::setlocale(LC_ALL, it->second.name.c_str());
  if (it->second.madeByUse) { // a previous locale handed back: its work is done
    _free_locale(loc);
    names.erase(it);
  }
  const locale_t previous = _create_locale(LC_ALL, previousName.c_str());
  if (previous) names[previous] = {previousName, true};
  return previous;
}

inline double strtod_l(const char* text, char** end, locale_t loc) {
  return _strtod_l(text, end, loc);
}

#endif
