// SPDX-License-Identifier: GPL-3.0-or-later
// brevimo-calc: the calculator's calculations from the command line, over
// the calc library alone.
#pragma once

#include "messages.h"
#include "number_format.h"
#include "suggestions.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace brevimo::cli {

// Exit statuses of brevimo-calc.
enum ExitStatus : int {
  ExitOk = 0,      // results written (a batch: every line answered)
  ExitRefused = 1, // the calculation refused its inputs (the page's message)
  ExitUsage = 2,   // unknown command, missing, excess or unreadable option
  ExitWrite = 3,   // the output could not be written
};

// Runs one command line (args[0] is the program name): results to out,
// messages to err, a batch's command lines from in. A refusal or usage
// error writes nothing to out (with --json: the error object). Write errors
// of out are the caller's to report (ExitWrite). Returns the exit status.
int RunCalc(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
            std::ostream& err, Language language);
// The same with nothing on standard input, in the environment's language.
int RunCalc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace brevimo::cli
