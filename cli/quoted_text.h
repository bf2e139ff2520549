// SPDX-License-Identifier: GPL-3.0-or-later
// The user's own text in a message, whatever its bytes: a batch line may
// hold a NUL, a control character or bytes in another encoding than UTF-8
// (a file saved in CP1251). A message must show every byte and stay valid
// UTF-8, so that it can be written as JSON. A byte that cannot be shown is
// written as \xHH (two upper-case hex digits).
#pragma once

#include <string>
#include <string_view>

namespace brevimo::cli {

// The word in double quotes: valid UTF-8 characters as they are; a control
// character and a byte that is not part of a valid UTF-8 sequence as \xHH;
// a double quote and a backslash after a backslash. ("5\0x" reads "5\x00x").
std::string QuotedWord(std::string_view word);

// The text with every byte that is not part of a valid UTF-8 sequence as
// \xHH; the rest as it is.
std::string ValidUtf8(std::string_view text);

} // namespace brevimo::cli
