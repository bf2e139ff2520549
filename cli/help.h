// SPDX-License-Identifier: GPL-3.0-or-later
// brevimo-calc's help: its sections, each command's results, and the notes
// on output and exit status every help ends with.
#pragma once

#include "commands.h"

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

namespace brevimo::cli {

// Help in sections help2man keeps apart in the man page: "Commands:" lists
// the commands; with --help-all each command follows under a heading of its
// own ("Command NAME:") with its options and its results (its footer).
class HelpFormatter final : public CLI::Formatter {
public:
  std::string make_expanded(const CLI::App* sub) const override;
  // A command's own help ends with its results and then the program's
  // notes on output and exit status.
  std::string make_footer(const CLI::App* app) const override;
  std::string make_subcommands(const CLI::App* app, CLI::AppFormatMode mode) const override;
};

// A command's results, for its help and the man page.
std::string ResultsHelp(const std::string& command, const std::vector<ResultKey>& keys);

// The program's notes on output and exit status.
extern const char* const kGeneralFooter;

} // namespace brevimo::cli
