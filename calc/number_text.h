// SPDX-License-Identifier: GPL-3.0-or-later
// Locale-independent number text: printf-style formatting and the parsing
// rules of the input fields. The process locale may be Russian (decimal
// comma); the calculator always shows a decimal point and accepts either.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace brevimo {

// printf-style formatting in the "C" locale, whatever the process locale is.
std::string FormatC(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// Writes value as printf's "%.*f" with the given decimals in the "C" locale
// into buffer (capacity bytes, room for a terminating zero that is written
// but not counted); returns the length, or 0 when it does not fit. The one
// fixed-point path of the results file and the chart's tables: every C++
// library has it, where to_chars with a precision is missing from some
// (emscripten's), and it allocates nothing.
std::size_t FormatFixed(double value, int decimals, char* buffer, std::size_t capacity);

// Puts a failure message into an optional error text.
inline void SetError(std::string* errorText, const char* message) {
  if (errorText) *errorText = message;
}

// Shown where a calculation would give a number that is not finite.
extern const char* const kNonFiniteMessage;

// True when none of the values is infinite or NaN.
bool AllFinite(std::initializer_list<double> values);

// Reads an input field: its whole text must be one decimal number, with
// blanks (spaces, tabs, line breaks) around it at most; a point or a comma
// is the decimal separator. Anything else before or after the number is
// refused rather than dropped ("1,2,3", "1.5.5", "12.5kg", "0x10"), since a
// value read from part of the text would be silently wrong. Returns false
// also when the value is not finite; *value is then untouched.
bool ParseFieldNumber(std::string_view text, double* value);

// Reads the decimal number at the start of an output field, ignoring what
// follows it; false when there is none or it is not finite. Only for texts
// the user cannot correct: input is read by ParseFieldNumber.
bool ParseLeadingNumber(std::string_view text, double* value);

// The stricter rule of a field bound directly to a number: ParseFieldNumber's
// whole-text rule on at most the first 31 characters, with only blanks and
// tabs around the number, and a zero written with a leading digit 0 ("",
// ".0" and "-0" are refused).
bool ParseStrictNumber(std::string_view text, double* value);

} // namespace brevimo
