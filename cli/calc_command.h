// SPDX-License-Identifier: GPL-3.0-or-later
// brevimo-calc: the calculator's calculations from the command line, over
// the calc library alone.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace brevimo::cli {

// Exit statuses of brevimo-calc.
enum ExitStatus : int {
  ExitOk = 0,      // results written
  ExitRefused = 1, // the calculation refused its inputs (the page's message)
  ExitUsage = 2,   // unknown command, missing, excess or unreadable option
};

// Runs one command line (args[0] is the program name): results to out,
// messages to err. Returns the exit status.
int RunCalc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The shortest text that reads back as exactly the same double.
std::string ShortestNumber(double value);

} // namespace brevimo::cli
