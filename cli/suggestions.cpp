// SPDX-License-Identifier: GPL-3.0-or-later
#include "suggestions.h"

#include "options.h"
#include "quoted_text.h"

#include <CLI/CLI.hpp>

#include <algorithm>

namespace brevimo::cli {

namespace {

std::size_t EditDistance(std::string_view a, std::string_view b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j)
    row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
      diagonal = above;
    }
  }
  return row[b.size()];
}

// The names a word on the command line may be, for an unknown one's
// nearest: every option of the command and of the program.
std::vector<std::string> OptionNames(const CLI::App* command) {
  std::vector<std::string> names;
  for (const CLI::App* app : {command, command->get_parent()}) {
    if (!app) continue;
    for (const CLI::Option* option : app->get_options()) {
      for (const std::string& name : option->get_lnames())
        names.push_back("--" + name);
      for (const std::string& name : option->get_snames())
        names.push_back("-" + name);
    }
  }
  return names;
}

const CLI::Option* FindOption(const CLI::App* command, const std::string& name) {
  for (const CLI::App* app : {command, command->get_parent()}) {
    if (!app) continue;
    for (const CLI::Option* option : app->get_options())
      if (option->check_name(name)) return option;
  }
  return nullptr;
}

} // namespace

std::string NearestName(std::string_view word, const std::vector<std::string>& names) {
  // Far longer than any name: no near miss, and no time spent comparing.
  if (word.size() > 64) return {};
  const std::size_t letters = word.size() - std::min(word.find_first_not_of('-'), word.size());
  std::string best;
  std::size_t bestDistance = std::string::npos;
  for (const std::string& name : names) {
    // A name the word begins, three letters at least, is as near as it gets.
    const bool prefix = letters >= 3 && name.size() > word.size() && name.starts_with(word);
    const std::size_t distance = prefix ? 0 : EditDistance(word, name);
    if (distance < bestDistance) bestDistance = distance, best = name;
  }
  // Only a near miss: at most two edits, and fewer than half the word's letters.
  return bestDistance <= 2 && 2 * bestDistance < letters ? best : std::string();
}

void CheckNames(const CLI::App& app, const std::vector<std::string>& words) {
  const auto unknown = [](const char* what, const std::string& word, const std::string& nearest) {
    throw UsageError{"unknown " + std::string(what) + " " + QuotedWord(word) +
                     (nearest.empty() ? "" : "; did you mean \"" + nearest + "\"?")};
  };
  const CLI::App* command = &app;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (word.size() > 1 && word[0] == '-' && !(word[1] >= '0' && word[1] <= '9') &&
        word[1] != '.') {
      const std::string name = word.substr(0, word.find('='));
      const CLI::Option* option = FindOption(command, name);
      if (!option) unknown("option", name, NearestName(name, OptionNames(command)));
      // An option's value is not checked as a name ("--to -25").
      if (option->get_items_expected_min() != 0 && name.size() == word.size()) ++i;
      continue;
    }
    // A stray word, quoted (CLI11's message would cut it at a NUL byte).
    if (command != &app)
      throw UsageError{command->get_name() +
                       ": The following argument was not expected: " + QuotedWord(word)};
    std::vector<std::string> names;
    for (const CLI::App* sub : app.get_subcommands({}))
      names.push_back(sub->get_name());
    if (std::find(names.begin(), names.end(), word) == names.end())
      unknown("command", word, NearestName(word, names));
    command = app.get_subcommand(word);
  }
}

} // namespace brevimo::cli
