// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_format.h"

#include "calc/number_text.h"

#include <array>
#include <charconv>

namespace brevimo::cli {

std::string ShortestNumber(double value) {
  if (value == 0.0) value = 0.0; // no "-0"
  std::array<char, 64> buffer;
  const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  if (ec != std::errc()) return "nan";
  return std::string(buffer.data(), end);
}

std::string FormatNumber(double value, int digits) {
  if (digits < 0) return ShortestNumber(value);
  std::string text = FormatC("%.*f", digits, value);
  // A value that rounds to zero is "0.00", never "-0.00".
  if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
  return text;
}

NumberText ReadNumber(std::string_view text, double* value) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && blank(text.back()))
    text.remove_suffix(1);
  std::string number(text);
  const auto digit = [&](std::size_t i) {
    return i < number.size() && number[i] >= '0' && number[i] <= '9';
  };
  std::size_t i = 0;
  if (i < number.size() && (number[i] == '+' || number[i] == '-')) ++i;
  std::size_t digits = 0;
  for (; digit(i); ++i)
    ++digits;
  if (i < number.size() && (number[i] == '.' || number[i] == ',')) {
    number[i++] = '.';
    for (; digit(i); ++i)
      ++digits;
  }
  if (digits == 0) return NumberText::NotANumber;
  if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
    ++i;
    if (i < number.size() && (number[i] == '+' || number[i] == '-')) ++i;
    if (!digit(i)) return NumberText::NotANumber;
    while (digit(i))
      ++i;
  }
  if (i != number.size()) return NumberText::NotANumber;
  // from_chars reads no plus sign, and reads in the "C" locale whatever the
  // process locale is.
  const char* first = number.data() + (number[0] == '+' ? 1 : 0);
  double read = 0.0;
  const auto [end, ec] = std::from_chars(first, number.data() + number.size(), read);
  if (ec == std::errc::result_out_of_range) return NumberText::OutOfRange;
  if (ec != std::errc() || end != number.data() + number.size()) return NumberText::NotANumber;
  *value = read;
  return NumberText::Ok;
}

} // namespace brevimo::cli
