// SPDX-License-Identifier: GPL-3.0-or-later
// brevimo-calc batch: one command line per input line, one answer line for
// each, in order.
#pragma once

#include "output.h"

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace brevimo::cli {

// Answers each command line of `in` (evaluated by `evaluate`, words split
// as a shell splits them; blank lines and comments skipped) on a line of
// `out`, flushed at once. Returns the batch's exit status: a malformed line
// makes it ExitUsage, else a refused one ExitRefused; ExitWrite when `out`
// fails.
int RunBatch(const std::function<Answer(const std::vector<std::string>&)>& evaluate,
             std::istream& in, std::ostream& out, bool json, int digits);

} // namespace brevimo::cli
