// SPDX-License-Identifier: GPL-3.0-or-later
// brevimo-calc's answers and their writers: results as text lines or JSON,
// a run's steps, a refusal or usage error, and a batch's answer lines.
#pragma once

#include "calc_command.h"
#include "commands.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace brevimo::cli {

// A command's answer, before it is written out.
struct Answer {
  int status = ExitOk;
  std::string message; // a refusal's (translated) or a usage error's
  std::string text;    // help or version, written as it is
  Results results;
  bool isSteps = false; // run --steps: the steps instead of the results
  std::vector<Results> steps;
  bool json = false;
  int digits = -1; // decimals of every number; -1 full precision
  bool batch = false;
};

// A usage error's answer.
Answer Malformed(std::string message);

// The answer of one command line, as brevimo-calc writes it; returns its
// exit status.
int Write(const Answer& a, std::ostream& out, std::ostream& err);

// One line of a batch answer (without its line end): the results as
// NAME=VALUE pairs separated by tabs, or one JSON object; a refused or
// malformed line its message and line number.
std::string BatchLine(const Answer& a, bool json, int digits, long line);

} // namespace brevimo::cli
