// SPDX-License-Identifier: GPL-3.0-or-later
// The language of brevimo-calc's messages: the calculations' own Russian
// texts, or their English translations from translations/brevimo_en.ts
// (built into the program, no Qt needed).
#pragma once

#include <string>

namespace brevimo::cli {

enum class Language { Russian, English };

// The language of a locale name as gettext reads it ("en_GB.UTF-8" is
// English, anything else Russian, as in the window).
Language LanguageOfLocale(const char* name);
// The language of the environment: the first non-empty of LC_ALL,
// LC_MESSAGES and LANG; without them (Windows sets none) the user's
// interface language.
Language LanguageFromEnvironment();

// A calculation's message in the language: found as it is, or as the printf
// pattern it was made from, with its numbers put back as they were written.
// Without a translation the message stays as it is.
std::string TranslateMessage(const std::string& message, Language language);

} // namespace brevimo::cli
