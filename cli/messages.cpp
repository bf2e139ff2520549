// SPDX-License-Identifier: GPL-3.0-or-later
#include "messages.h"

#include "user_locale.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

namespace brevimo::cli {
namespace {

struct Translation {
  std::string_view source, english;
};

// The message context of the translations file, generated at build time.
constexpr Translation kEnglish[] = {
#include "messages_en.inc"
};

const std::string_view* Lookup(std::string_view source) {
  for (const Translation& t : kEnglish)
    if (t.source == source) return &t.english;
  return nullptr;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

Language LanguageOfLocale(const char* name) {
  return name && std::strncmp(name, "en", 2) == 0 &&
                 !std::isalpha(static_cast<unsigned char>(name[2]))
             ? Language::English
             : Language::Russian;
}

Language LanguageFromEnvironment() {
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value && *value) return LanguageOfLocale(value);
  }
  const std::string user = UserInterfaceLocale();
  return LanguageOfLocale(user.c_str());
}

std::string TranslateMessage(const std::string& message, Language language) {
  if (language == Language::Russian || message.empty()) return message;
  if (const std::string_view* english = Lookup(message)) return std::string(*english);

  // The pattern printf would have made the message from: each number
  // (-?digits[.digits]) becomes "%d" or "%.<decimals>f", a percent sign "%%".
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
  const std::string_view* english = Lookup(pattern);
  if (!english) return message;

  // The numbers go back in their order; "%%" is a percent sign.
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

} // namespace brevimo::cli
