// SPDX-License-Identifier: GPL-3.0-or-later
#include "help.h"

#include <algorithm>
#include <sstream>

namespace brevimo::cli {

std::string HelpFormatter::make_expanded(const CLI::App* sub) const {
  std::string text = "\nCommand " + sub->get_name() + ":\n  " + sub->get_description() + "\n\n";
  // The options without their group's heading line.
  std::istringstream groups(make_groups(sub, CLI::AppFormatMode::Sub));
  for (std::string line; std::getline(groups, line);)
    if (!line.empty() && line.back() != ':') text += line + "\n";
  if (!sub->get_footer().empty()) text += "\n" + sub->get_footer() + "\n";
  return text;
}
std::string HelpFormatter::make_footer(const CLI::App* app) const {
  std::string footer = app->get_footer();
  if (const CLI::App* parent = app->get_parent())
    footer += (footer.empty() ? "" : "\n\n") + parent->get_footer();
  return footer.empty() ? footer : footer + "\n";
}
std::string HelpFormatter::make_subcommands(const CLI::App* app, CLI::AppFormatMode mode) const {
  const std::vector<const CLI::App*> commands = app->get_subcommands({});
  if (commands.empty()) return {};
  std::string text = "\nCommands:\n";
  for (const CLI::App* command : commands)
    text += make_subcommand(command);
  if (mode == CLI::AppFormatMode::All)
    for (const CLI::App* command : commands)
      text += make_expanded(command);
  return text;
}

std::string ResultsHelp(const std::string& command, const std::vector<ResultKey>& keys) {
  std::string text = "Results of " + command + " (NAME VALUE lines, or JSON keys):\n";
  for (const auto& [key, meaning] : keys) {
    std::string line = "  " + key;
    line.resize(std::max<std::size_t>(line.size() + 2, 24), ' ');
    text += line + meaning + "\n";
  }
  text.pop_back();
  return text;
}

const char* const kGeneralFooter =
    "Output:\n"
    "  text                  one \"NAME VALUE\" line per result, in the order listed\n"
    "  --json                one JSON object on one line: {\"NAME\": VALUE, ...}\n"
    "  refusal               nothing on standard output (with --json: {\"error\": "
    "\"MESSAGE\"}); the message on standard error\n"
    "  run --steps           a tab-separated header line and a row per step; with --json an "
    "array of objects keyed by the header's names: [{\"TKipBak\": VALUE, ...}, ...]\n"
    "  batch                 one answer line per command line: NAME=VALUE pairs separated by "
    "tabs, or with --json one JSON object; a refused or malformed line gives "
    "error=MESSAGE<tab>line=N, or {\"error\": \"MESSAGE\", \"line\": N}\n"
    "  numbers               the shortest text that reads back as the same double, or with "
    "--digits N rounded to N decimals; never \"-0\"\n"
    "  messages              in English under an English locale (LC_ALL, LC_MESSAGES, "
    "LANG; on Windows, where none is set, the interface language), in Russian otherwise\n"
    "\n"
    "Exit status:\n"
    "  0                     results written (in a batch: every line answered)\n"
    "  1                     the calculation refused its inputs (in a batch: a line refused)\n"
    "  2                     usage error: unknown command or option, missing or excess option, "
    "a number that is not one (in a batch: a line malformed)\n"
    "  3                     the output could not be written (a full disk, a closed standard "
    "output); the error on standard error\n"
    "\n"
    "Run 'brevimo-calc COMMAND --help' for a command's options and results.";

} // namespace brevimo::cli
