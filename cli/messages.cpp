// SPDX-License-Identifier: GPL-3.0-or-later
#include "messages.h"

#include "translations/english_messages.h"
#include "user_locale.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

namespace brevimo::cli {

Language LanguageOfLocale(const char* name) {
  return name && std::strncmp(name, "en", 2) == 0 &&
                 !std::isalpha(static_cast<unsigned char>(name[2]))
             ? Language::English
             : Language::Russian;
}

Language LanguageFromEnvironment() {
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value && *value) return LanguageOfLocale(value);
  }
  const std::string user = UserInterfaceLocale();
  return LanguageOfLocale(user.c_str());
}

std::string TranslateMessage(const std::string& message, Language language) {
  return language == Language::English ? EnglishOf(message) : message;
}

} // namespace brevimo::cli
