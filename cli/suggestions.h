// SPDX-License-Identifier: GPL-3.0-or-later
// Suggestions for a mistyped name: the nearest command or option, and the
// check of a command line's names that offers it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace CLI {
class App;
}

namespace brevimo::cli {

// The name nearest to a mistyped word, when it is a near miss; else "".
std::string NearestName(std::string_view word, const std::vector<std::string>& names);

// Unknown commands and options, found before CLI11 looks for missing ones,
// with the nearest valid name when there is one: throws a UsageError.
void CheckNames(const CLI::App& app, const std::vector<std::string>& words);

} // namespace brevimo::cli
