// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_text.h"
#include "tr_noop.h"

#include <clocale>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace brevimo {
namespace {

// The "C" locale, created once and never freed (it lives as long as the process).
locale_t CLocale() {
  static const locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return loc;
}

// Makes the "C" locale current for this thread while in scope.
class CLocaleScope {
public:
  CLocaleScope() : m_previous(uselocale(CLocale())) {}
  ~CLocaleScope() { uselocale(m_previous); }
  CLocaleScope(const CLocaleScope&) = delete;
  CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
  locale_t m_previous;
};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsFieldBlank(char c) { return IsBlank(c) || c == '\n' || c == '\r'; }

// The first position from start on that is not a blank.
std::size_t SkipBlanks(std::string_view text, std::size_t start, bool (*blank)(char)) {
  while (start < text.size() && blank(text[start]))
    ++start;
  return start;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the decimal number at the start of text: a sign, digits with a
// point or comma among or after them, an exponent; 0 when there is none.
// Only decimal: the C library's hexadecimal ("0x10"), "inf" and "nan" forms
// end after the "0" or are no number.
std::size_t DecimalLength(std::string_view text) {
  std::size_t i = 0, digits = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  for (; i < text.size() && IsDigit(text[i]); ++i)
    ++digits;
  if (i < text.size() && (text[i] == '.' || text[i] == ','))
    for (++i; i < text.size() && IsDigit(text[i]); ++i)
      ++digits;
  if (digits == 0) return 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < text.size() && IsDigit(text[j])) {
      while (j < text.size() && IsDigit(text[j]))
        ++j;
      i = j;
    }
  }
  return i;
}

// The decimal number at the start of text, converted in the "C" locale with
// a comma read as the point. Returns the number of characters it takes (0
// when there is no number).
std::size_t ParseWithComma(std::string_view text, double* value) {
  const std::size_t length = DecimalLength(text);
  if (length == 0) return 0;
  std::string copy(text.substr(0, length));
  for (char& c : copy)
    if (c == ',') c = '.';
  *value = strtod_l(copy.c_str(), nullptr, CLocale());
  return length;
}

} // namespace

const char* const kNonFiniteMessage =
    BREVIMO_TR_NOOP("Результат расчета вне допустимого диапазона.\nПроверьте исходные данные.");

bool AllFinite(std::initializer_list<double> values) {
  for (double v : values)
    if (!std::isfinite(v)) return false;
  return true;
}

std::string FormatC(const char* format, ...) {
  CLocaleScope scope;
  char buffer[128];
  va_list args;
  va_start(args, format);
  va_list again;
  va_copy(again, args);
  const int n = std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  std::string out;
  if (n < 0) {
    va_end(again);
    return out;
  }
  if (static_cast<std::size_t>(n) < sizeof buffer) {
    out.assign(buffer, static_cast<std::size_t>(n));
  } else {
    out.resize(static_cast<std::size_t>(n));
    std::vsnprintf(out.data(), out.size() + 1, format, again);
  }
  va_end(again);
  return out;
}

std::size_t FormatFixed(double value, int decimals, char* buffer, std::size_t capacity) {
  CLocaleScope scope;
  const int n = std::snprintf(buffer, capacity, "%.*f", decimals, value);
  if (n < 0 || static_cast<std::size_t>(n) >= capacity) return 0;
  return static_cast<std::size_t>(n);
}

bool ParseLeadingNumber(std::string_view text, double* value) {
  text.remove_prefix(SkipBlanks(text, 0, IsFieldBlank));
  double parsed = 0.0;
  if (ParseWithComma(text, &parsed) == 0) return false;
  if (!std::isfinite(parsed)) return false; // "1e999"
  *value = parsed;
  return true;
}

bool ParseFieldNumber(std::string_view text, double* value) {
  const std::size_t first = SkipBlanks(text, 0, IsFieldBlank);
  double parsed = 0.0;
  const std::size_t used = ParseWithComma(text.substr(first), &parsed);
  if (used == 0 || SkipBlanks(text, first + used, IsFieldBlank) != text.size()) return false;
  if (!std::isfinite(parsed)) return false; // "1e999"
  *value = parsed;
  return true;
}

bool ParseStrictNumber(std::string_view text, double* value) {
  text = text.substr(0, 31);
  text.remove_prefix(SkipBlanks(text, 0, IsBlank));
  double parsed = 0.0;
  const std::size_t used = ParseWithComma(text, &parsed);
  if (used == 0 || SkipBlanks(text, used, IsBlank) != text.size()) return false;
  if (!std::isfinite(parsed)) return false;
  if (parsed == 0.0 && text[0] != '0') return false;
  *value = parsed;
  return true;
}

} // namespace brevimo
