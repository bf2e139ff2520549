// SPDX-License-Identifier: GPL-3.0-or-later
// Translation of the calculations' messages, the same in every face: a
// message is found as it is, or as the printf pattern it was made from
// (each number "-?digits[.digits]" standing for "%d" or "%.<decimals>f", a
// percent sign for "%%"), whose translation gets the numbers back exactly
// as they were written.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace brevimo {

// The translation of a source text, or nothing when there is none.
using MessageLookup = std::function<std::optional<std::string>(std::string_view source)>;

// The message translated; without a translation it stays as it is.
std::string TranslateMessage(const std::string& message, const MessageLookup& lookup);

} // namespace brevimo
