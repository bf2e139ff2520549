// SPDX-License-Identifier: GPL-3.0-or-later
#include "options.h"

#include "number_format.h"

namespace brevimo::cli {

CLI::Option* AddNumber(CLI::App* app, const std::string& name, Number& number,
                       const std::string& help) {
  number.option = app->add_option_function<std::string>(
      name, [&number](const std::string& text) { ReadNumber(text, &number.value); }, help);
  number.option->check(CLI::Validator(
      [](std::string& text) {
        double value = 0.0;
        switch (ReadNumber(text, &value)) {
        case NumberText::Ok:
          return std::string();
        case NumberText::OutOfRange:
          return QuotedWord(text) + " is beyond the range of a double";
        default:
          return "not a number: " + QuotedWord(text);
        }
      },
      "", "NUMBER"));
  return number.option->type_name("NUMBER");
}

void AddDigits(CLI::App* app, int& digits, const char* help) {
  app->add_option("--digits", digits, help)
      ->check(CLI::Validator(
          [](std::string& text) {
            double value = 0.0;
            const bool whole = text.find_first_of(".,eE") == std::string::npos &&
                               ReadNumber(text, &value) == NumberText::Ok;
            if (!whole || value < 0 || value > kMaxDigits)
              return "not a whole number from 0 to " + std::to_string(kMaxDigits) + ": " +
                     QuotedWord(text);
            text = std::to_string(static_cast<int>(value)); // as CLI11 reads it
            return std::string();
          },
          "", "N"))
      ->type_name("N");
}

void RequireOne(const char* command, std::initializer_list<const Number*> options) {
  int given = 0;
  std::string names;
  for (const Number* option : options) {
    given += option->given();
    if (!names.empty()) names += ", ";
    names += option->option->get_name();
  }
  if (given != 1) throw UsageError{std::string(command) + ": give exactly one of " + names};
}

} // namespace brevimo::cli
