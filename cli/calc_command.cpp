// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc_command.h"

#include "batch.h"
#include "commands.h"
#include "help.h"
#include "output.h"
#include "parse_again.h"

#include "calc/number_text.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <memory>
#include <sstream>

#ifndef BREVIMO_VERSION
#define BREVIMO_VERSION "unknown"
#endif

namespace brevimo::cli {

namespace {

// The first line of a CLI11 error, the program name before it.
std::string ParseErrorText(const CLI::ParseError& e, const CLI::App& app) {
  std::string text = e.what();
  // The command's name for messages about one of its options.
  for (const CLI::App* sub : app.get_subcommands({}))
    if (sub->parsed()) return sub->get_name() + ": " + text;
  return text;
}

// The program's command line, made from the table of commands once and
// parsed for each line of a batch again.
class CommandLine {
public:
  CommandLine();
  CommandLine(const CommandLine&) = delete;
  CommandLine& operator=(const CommandLine&) = delete;
  Answer Evaluate(const std::vector<std::string>& args, Language language);

private:
  CLI::App app_{"", "brevimo-calc"};
  Inputs in_;
  // The table's commands and their subcommands, in the same order.
  std::vector<std::pair<const Command*, CLI::App*>> commands_;
};

CommandLine::CommandLine() {
  CLI::App& app = app_;
  app.description("Calculations of the Brevimo distiller's calculator for ethanol-water mixtures: "
                  "the same numbers as the window's pages, at full precision.\n"
                  "Numbers take a point or a comma as decimal separator: the whole text of an "
                  "option is one decimal number, blanks around it allowed.");
  auto formatter = std::make_shared<HelpFormatter>();
  formatter->label("SUBCOMMAND", "COMMAND");
  formatter->label("REQUIRED", "(required)");
  formatter->column_width(38);
  app.formatter(formatter);
  app.set_version_flag("--version", "brevimo-calc " BREVIMO_VERSION);
  app.set_help_all_flag("--help-all", "Print this help with every command's options and results");
  app.require_subcommand(1);
  app.fallthrough();
  const char* kJsonHelp = "Write the results as JSON on one line";
  const char* kDigitsHelp = "Round every number to N decimals (default: full precision)";
  app.add_flag("--json", in_.json, kJsonHelp);
  AddDigits(&app, in_.digits, kDigitsHelp);
  app.footer(kGeneralFooter);

  for (const Command& command : Commands()) {
    CLI::App* sub = app.add_subcommand(command.name, command.description);
    command.options(sub, in_);
    if (!command.results.empty()) sub->footer(ResultsHelp(command.name, command.results));
    commands_.emplace_back(&command, sub);
  }
  for (CLI::App* command : app.get_subcommands({})) {
    command->group("Commands");
    command->add_flag("--json", in_.json, kJsonHelp);
    AddDigits(command, in_.digits, kDigitsHelp);
  }
}

Answer CommandLine::Evaluate(const std::vector<std::string>& args, Language language) {
  // Each command line starts from the defaults (a Number keeps its option).
  in_ = Inputs{};
  CLI::App& app = app_;
  Answer answer;
  try {
    std::vector<std::string> words(args.begin() + (args.empty() ? 0 : 1), args.end());
    CheckNames(app, words);
    // CLI11 takes the arguments in reverse order.
    std::reverse(words.begin(), words.end());
    ForgetParsedOptions(app);
    try {
      app.parse(std::move(words));
    } catch (const CLI::Success&) {
      throw; // help or version
    } catch (const CLI::ParseError& e) {
      throw UsageError{ParseErrorText(e, app)};
    }

    answer.json = in_.json;
    answer.digits = in_.digits;
    const auto chosen = std::find_if(commands_.begin(), commands_.end(),
                                     [](const auto& command) { return command.second->parsed(); });
    if (chosen == commands_.end()) return answer;
    const Command& command = *chosen->first;
    if (!command.calculate) {
      answer.batch = true;
      return answer;
    }
    std::vector<Results> steps;
    Outcome o = command.calculate(in_, &steps);
    if (o.ok)
      for (const auto& value : o.values)
        if (!AllFinite({value.second})) o = Refused(kNonFiniteMessage);
    if (!o.ok) {
      answer.status = ExitRefused;
      answer.message = TranslateMessage(o.error, language);
    } else if (in_.run.steps || in_.plan.steps) {
      answer.isSteps = true;
      answer.steps = std::move(steps);
    } else {
      for (const auto& [key, value] : o.values)
        answer.results.emplace_back(command.results[key].name, value);
    }
  } catch (const CLI::ParseError& e) {
    // Help and version: their text is the answer.
    std::ostringstream text, error;
    answer.status = app.exit(e, text, error) == 0 ? ExitOk : ExitUsage;
    answer.text = text.str();
    answer.message = error.str();
  } catch (const UsageError& e) {
    answer.status = ExitUsage;
    answer.message = e.message;
  }
  return answer;
}

} // namespace

int RunCalc(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
            std::ostream& err, Language language) {
  CommandLine commandLine;
  const Answer answer = commandLine.Evaluate(args, language);
  if (answer.status == ExitOk && answer.batch)
    return RunBatch(
        [&](const std::vector<std::string>& words) {
          return commandLine.Evaluate(words, language);
        },
        in, out, answer.json, answer.digits);
  return Write(answer, out, err);
}

int RunCalc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::istringstream none;
  return RunCalc(args, none, out, err, LanguageFromEnvironment());
}

} // namespace brevimo::cli
