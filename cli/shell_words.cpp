// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell_words.h"

namespace brevimo::cli {

bool SplitShellWords(std::string_view line, std::vector<std::string>* words, std::string* error) {
  std::string word;
  bool inWord = false; // also an empty quoted word ('')
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == ' ' || c == '\t' || c == '\n') {
      if (inWord) words->push_back(std::move(word));
      word.clear();
      inWord = false;
    } else if (c == '#' && !inWord) {
      break;
    } else if (c == '\\') {
      if (++i == line.size()) {
        *error = "a backslash ends the line";
        return false;
      }
      word += line[i];
      inWord = true;
    } else if (c == '\'') {
      const std::size_t end = line.find('\'', i + 1);
      if (end == std::string_view::npos) {
        *error = "unterminated single quote";
        return false;
      }
      word.append(line.substr(i + 1, end - i - 1));
      i = end;
      inWord = true;
    } else if (c == '"') {
      for (++i;; ++i) {
        if (i == line.size()) {
          *error = "unterminated double quote";
          return false;
        }
        if (line[i] == '"') break;
        if (line[i] == '\\' && i + 1 < line.size() &&
            std::string_view("$`\"\\").find(line[i + 1]) != std::string_view::npos)
          ++i;
        word += line[i];
      }
      inWord = true;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) words->push_back(std::move(word));
  return true;
}

} // namespace brevimo::cli
