// SPDX-License-Identifier: GPL-3.0-or-later
// A batch line split into words as a POSIX shell splits a command line,
// without its expansions: blanks separate words; single quotes keep all
// they enclose; double quotes keep all but a backslash before $ ` " \ ;
// a backslash outside quotes keeps the next character; a # at the start of
// a word begins a comment that runs to the end of the line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brevimo::cli {

// Appends the words of line to *words. False, with a message, for an
// unterminated quote or a backslash at the end of the line.
bool SplitShellWords(std::string_view line, std::vector<std::string>* words, std::string* error);

} // namespace brevimo::cli
