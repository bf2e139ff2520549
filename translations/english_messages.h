// SPDX-License-Identifier: GPL-3.0-or-later
// The English of the messages (context "brevimo" of brevimo_en.ts) for the
// faces without Qt: the command line and the web app. Generated at build
// time from the one translations file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brevimo {

// The English of a Russian message or printf pattern, or nothing.
std::optional<std::string> EnglishMessage(std::string_view source);

// A calculation's message in English (TranslateMessage over the table).
std::string EnglishOf(const std::string& message);

} // namespace brevimo
