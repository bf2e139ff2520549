// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch.h"

#include "calc_command.h"
#include "shell_words.h"

#include <istream>
#include <ostream>

namespace brevimo::cli {

int RunBatch(const std::function<Answer(const std::vector<std::string>&)>& evaluate,
             std::istream& in, std::ostream& out, bool json, int digits) {
  int status = ExitOk;
  long number = 0;
  std::vector<std::string> words{"brevimo-calc"};
  for (std::string line; std::getline(in, line);) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    words.resize(1);
    std::string error;
    if (!SplitShellWords(line, &words, &error)) {
      out << BatchLine(Malformed(error), json, digits, number) << '\n';
      status = ExitUsage;
    } else if (words.size() > 1) {
      Answer a = evaluate(words);
      if (a.status == ExitOk && a.batch) a = Malformed("batch: a batch cannot hold a batch");
      if (a.status == ExitOk && !a.text.empty())
        a = Malformed("batch: --help and --version have no answer line");
      if (a.status == ExitOk && a.isSteps && !json)
        a = Malformed("batch: run --steps needs the batch's --json (one array per line)");
      if (a.status == ExitUsage && !a.message.empty() && a.message.back() == '\n')
        a.message.pop_back();
      out << BatchLine(a, json, a.digits >= 0 ? a.digits : digits, number) << '\n';
      if (a.status != ExitOk && status != ExitUsage) status = a.status;
    } else {
      continue; // blank or a comment
    }
    // Each answer leaves at once: a program may wait for it before the next line.
    out.flush();
    if (!out) return ExitWrite;
  }
  return status;
}

} // namespace brevimo::cli
