// SPDX-License-Identifier: GPL-3.0-or-later
// brevimo-calc's batch mode against one process per line: 100 000 dilution
// lines through one `brevimo-calc batch`, in lines per second, and the same
// lines each run by a process of its own from a shell loop (a sample of
// them, as that is slow). Run from a release build:
//   ./build-release/bench/batch_bench [lines] [lines-per-process-sample]
#include "cli/calc_command.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

// Dilution lines with varied strengths and volumes, every one computed.
std::string DilutionLines(long count) {
  std::ostringstream lines;
  for (long i = 0; i < count; ++i)
    lines << "dilute --strength " << 90 + i % 7 << '.' << i % 10 << " --target " << 30 + i % 31
          << " --spirit " << 1 + i % 1000 << '\n';
  return lines.str();
}

} // namespace

int main(int argc, char** argv) {
  const long count = argc > 1 ? std::atol(argv[1]) : 100000;
  const long sample = argc > 2 ? std::atol(argv[2]) : 1000;
  const std::string lines = DilutionLines(count);
  const std::string input = "batch_bench_input.txt";
  std::ofstream(input) << lines;
#ifdef _WIN32
  const std::string null = "NUL";
#else
  const std::string null = "/dev/null";
#endif

  // The batch's own work, in this process: reading, computing, formatting.
  {
    std::istringstream in(lines);
    std::ostringstream out, err;
    const auto start = Clock::now();
    const int status = brevimo::cli::RunCalc({"brevimo-calc", "batch"}, in, out, err,
                                             brevimo::cli::Language::Russian);
    const double s = Seconds(start);
    std::printf("in-process batch:      %8ld lines in %7.3f s: %10.0f lines/s (status %d)\n", count,
                s, count / s, status);
  }

  // One brevimo-calc process for all the lines.
  {
    const std::string command = "\"" BREVIMO_CALC_PROGRAM "\" batch < " + input + " > " + null;
    const auto start = Clock::now();
    const int status = std::system(command.c_str());
    const double s = Seconds(start);
    std::printf("one process (batch):   %8ld lines in %7.3f s: %10.0f lines/s (status %d)\n", count,
                s, count / s, status);
  }

  // One process per line, as a script that calls brevimo-calc for each.
  {
    std::ofstream(input) << DilutionLines(sample);
#ifdef _WIN32
    const std::string command =
        "for /f \"delims=\" %l in (" + input + ") do @\"" BREVIMO_CALC_PROGRAM "\" %l > " + null;
#else
    const std::string command =
        "while read -r line; do \"" BREVIMO_CALC_PROGRAM "\" $line; done < " + input + " > " + null;
#endif
    const auto start = Clock::now();
    const int status = std::system(command.c_str());
    const double s = Seconds(start);
    std::printf("one process per line:  %8ld lines in %7.3f s: %10.0f lines/s (status %d)\n",
                sample, s, sample / s, status);
  }
  std::remove(input.c_str());
  return 0;
}
