// SPDX-License-Identifier: GPL-3.0-or-later
#include "message_translation.h"

#include <vector>

namespace brevimo {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

std::string TranslateMessage(const std::string& message, const MessageLookup& lookup) {
  if (message.empty()) return message;
  if (std::optional<std::string> direct = lookup(message)) return *direct;

  // The pattern printf would have made the message from.
  std::string pattern;
  std::vector<std::string> numbers;
  for (std::size_t i = 0; i < message.size();) {
    const std::size_t start = i;
    std::size_t j = i + (message[i] == '-' ? 1 : 0);
    if (j < message.size() && IsDigit(message[j])) {
      while (j < message.size() && IsDigit(message[j]))
        ++j;
      std::size_t decimals = 0;
      if (j + 1 < message.size() && message[j] == '.' && IsDigit(message[j + 1])) {
        ++j;
        while (j < message.size() && IsDigit(message[j]))
          ++j, ++decimals;
      }
      pattern += decimals ? "%." + std::to_string(decimals) + "f" : std::string("%d");
      numbers.emplace_back(message, start, j - start);
      i = j;
      continue;
    }
    pattern += message[i] == '%' ? std::string("%%") : std::string(1, message[i]);
    ++i;
  }
  if (numbers.empty()) return message;
  const std::optional<std::string> english = lookup(pattern);
  if (!english) return message;

  // The numbers go back in their order at each "%d" or "%.<n>f"; "%%" is a
  // percent sign.
  std::string result;
  std::size_t next = 0;
  const std::string_view t = *english;
  for (std::size_t i = 0; i < t.size(); ++i) {
    if (t[i] != '%' || i + 1 >= t.size()) {
      result += t[i];
      continue;
    }
    if (t[i + 1] == '%') {
      result += '%';
      ++i;
      continue;
    }
    std::size_t j = i + 1;
    if (t[j] == '.') {
      ++j;
      while (j < t.size() && IsDigit(t[j]))
        ++j;
    }
    if (j < t.size() && (t[j] == 'd' || (t[j] == 'f' && t[i + 1] == '.'))) {
      if (next >= numbers.size()) return message;
      result += numbers[next++];
      i = j;
      continue;
    }
    result += t[i];
  }
  return next == numbers.size() ? result : message;
}

} // namespace brevimo
