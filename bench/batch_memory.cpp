// SPDX-License-Identifier: GPL-3.0-or-later
// brevimo-calc batch's peak resident memory against the number of lines it
// answers: a controller feeds one batch for days, so it must stay flat.
// Each count runs in a process of its own, fed through a pipe. Run from a
// release build:
//   ./build-release/bench/batch_memory_bench [lines...]   (default 100000 1000000 3000000)
#include <sys/resource.h>
#include <sys/wait.h>

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Peak resident set of one `brevimo-calc batch` over count dilution lines,
// in kB; -1 when it failed.
long PeakOfBatch(long count) {
  int pipeFds[2];
  if (pipe(pipeFds) != 0) return -1;
  const pid_t child = fork();
  if (child < 0) return -1;
  if (child == 0) {
    dup2(pipeFds[0], STDIN_FILENO);
    close(pipeFds[0]);
    close(pipeFds[1]);
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, STDOUT_FILENO);
    execl(BREVIMO_CALC_PROGRAM, "brevimo-calc", "batch", static_cast<char*>(nullptr));
    _exit(127);
  }
  close(pipeFds[0]);
  std::FILE* in = fdopen(pipeFds[1], "w");
  for (long i = 0; i < count; ++i)
    std::fprintf(in, "dilute --strength %ld.%ld --target %ld --spirit %ld\n", 90 + i % 7, i % 10,
                 30 + i % 31, 1 + i % 1000);
  std::fclose(in);
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
    return -1;
  return usage.ru_maxrss; // kB on Linux
}

} // namespace

int main(int argc, char** argv) {
  std::vector<long> counts;
  for (int i = 1; i < argc; ++i)
    counts.push_back(std::atol(argv[i]));
  if (counts.empty()) counts = {100000, 1000000, 3000000};
  long first = -1;
  for (const long count : counts) {
    const auto start = std::chrono::steady_clock::now();
    const long peak = PeakOfBatch(count);
    const double s =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (peak < 0) {
      std::printf("%9ld lines: brevimo-calc batch failed\n", count);
      return 1;
    }
    if (first < 0) first = peak;
    std::printf("%9ld lines: peak resident %7ld kB (%+6ld kB against the first count), %6.2f s\n",
                count, peak, peak - first, s);
  }
  return 0;
}
