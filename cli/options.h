// SPDX-License-Identifier: GPL-3.0-or-later
// brevimo-calc's options: a number, --digits, a choice of words, and the
// usage error a command line that does not make a calculation gives.
#pragma once

#include "quoted_text.h"

#include <CLI/CLI.hpp>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace brevimo::cli {

// A command line that parsed but does not make a calculation.
struct UsageError {
  std::string message;
};

// A number option; `given` tells whether it was on the command line. Its
// whole text must be one decimal number (ReadNumber), the same for every
// option; the window's fields keep their own reading rules.
struct Number {
  double value = 0.0;
  CLI::Option* option = nullptr;
  bool given() const { return option && option->count() > 0; }
  // Resetting the inputs for the next command line resets the value; the
  // option stays bound to it.
  Number& operator=(const Number& other) {
    value = other.value;
    return *this;
  }
};

CLI::Option* AddNumber(CLI::App* app, const std::string& name, Number& number,
                       const std::string& help);

// --digits: a whole number 0..kMaxDigits (CLI11's range check quotes no text).
inline constexpr int kMaxDigits = 17;
void AddDigits(CLI::App* app, int& digits, const char* help);

// An option that takes one of a few words, each standing for a value.
template <class T>
CLI::Option* AddChoice(CLI::App* app, const std::string& name, T& target,
                       const std::vector<std::pair<std::string, T>>& choices,
                       const std::string& help) {
  std::string words;
  for (const auto& choice : choices)
    words += (words.empty() ? "" : "|") + choice.first;
  auto* option = app->add_option_function<std::string>(
      name,
      [&target, choices](const std::string& text) {
        for (const auto& [word, value] : choices)
          if (word == text) target = value;
      },
      help);
  option->check(CLI::Validator(
      [choices, words](std::string& text) {
        for (const auto& choice : choices)
          if (choice.first == text) return std::string();
        return QuotedWord(text) + " is not one of " + words;
      },
      "", "WORDS"));
  return option->type_name(words);
}

// Exactly one of the options, or a usage error naming them.
void RequireOne(const char* command, std::initializer_list<const Number*> options);

} // namespace brevimo::cli
