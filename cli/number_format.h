// SPDX-License-Identifier: GPL-3.0-or-later
// brevimo-calc's number text: how it writes a result and reads an option.
#pragma once

#include <string>
#include <string_view>

namespace brevimo::cli {

// The shortest text that reads back as exactly the same double ("0" for
// either zero).
std::string ShortestNumber(double value);
// A number as brevimo-calc prints it: the shortest text, or with digits >= 0
// rounded to that many decimals (never "-0.00").
std::string FormatNumber(double value, int digits);

// How an option's text reads as a number: the whole text one decimal number
// (sign, digits with a point or a comma, an exponent), blanks and tabs
// around it allowed.
enum class NumberText { Ok, NotANumber, OutOfRange };
NumberText ReadNumber(std::string_view text, double* value);

} // namespace brevimo::cli
