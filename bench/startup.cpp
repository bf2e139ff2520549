// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the calculator window against a bare Qt dialog with nine empty
// tabs (startup_bare), in both languages: time from exec to the window
// mapped, and to its first frame painted; resident memory then. Rounds
// interleave the programs; the figures are medians. Run on the X display to
// be measured, e.g.
//   xvfb-run -s '-screen 0 1366x768x24' ./build-release/bench/startup_bench [rounds]
// With "--child ru" or "--child en" it is one of the measured programs: it
// starts the calculator as the program does and reports as
// startup_report.h says. Its pages' sizes are kept between starts as the
// program keeps them; "--child ru-first" measures a first start, with none
// kept.
#include "app/dial_calc.h"
#include "app/start_ahead.h"
#include "ui/page_size_cache.h"
#include "ui/translation.h"
#include "startup_report.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// The measured program: the calculator as main() starts it.
int Child(int argc, char* argv[], bool english, bool first) {
  brevimo::CStartAhead ahead;
  QApplication app(argc, argv);
  startup::MapReport mapped;
  app.installNativeEventFilter(&mapped);
  QTemporaryDir none; // a first start: no page sizes kept yet
  if (first) brevimo::PageSizeCache::SetFile(none.path() + QStringLiteral("/page-sizes"));
  std::setlocale(LC_NUMERIC, "C");
  brevimo::SetLanguage(english ? brevimo::Language::English : brevimo::Language::Russian);
  CDial_Calc sheet(QStringLiteral("Brevimo"));
  sheet.show();
  while (!sheet.windowHandle()->isExposed())
    QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
  startup::ReportMemory();
  return 0;
}

struct Sample {
  double mappedSeconds; // negative when the display reported no mapping
  long mappedKilobytes;
  double seconds;
  double cpuSeconds; // user and system time of the whole run: steadier on a busy machine
  long kilobytes;
};

// Runs the program once: from the spawn to its lines on standard output.
bool RunOnce(const std::vector<std::string>& command, Sample* sample) {
  int out[2];
  if (pipe(out) != 0) return false;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  std::vector<char*> args;
  for (const std::string& arg : command)
    args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (spawned != 0) {
    close(out[0]);
    return false;
  }
  sample->mappedSeconds = -1.0;
  std::string text, line;
  char buffer[64];
  while (line.empty()) {
    const ssize_t n = read(out[0], buffer, sizeof buffer);
    if (n <= 0) break;
    text.append(buffer, static_cast<std::size_t>(n));
    for (std::size_t end; line.empty() && (end = text.find('\n')) != std::string::npos;) {
      if (text.compare(0, 7, "mapped ") == 0) {
        sample->mappedSeconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        sample->mappedKilobytes = std::atol(text.c_str() + 7);
      } else
        line = text.substr(0, end);
      text.erase(0, end + 1);
    }
  }
  const auto end = std::chrono::steady_clock::now();
  close(out[0]);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  sample->seconds = std::chrono::duration<double>(end - start).count();
  const auto secs = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
  sample->cpuSeconds = secs(usage.ru_utime) + secs(usage.ru_stime);
  sample->kilobytes = std::atol(line.c_str());
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 && sample->kilobytes > 0;
}

template <class T> T Median(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
  if (argc == 3 && std::strcmp(argv[1], "--child") == 0)
    return Child(argc, argv, std::strcmp(argv[2], "en") == 0,
                 std::strcmp(argv[2], "ru-first") == 0);

  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  char self[4096] = {};
  if (readlink("/proc/self/exe", self, sizeof self - 1) <= 0) return 1;
  std::string dir(self);
  dir.erase(dir.rfind('/') + 1);
  const struct {
    const char* name;
    std::vector<std::string> command;
  } programs[] = {
      {"bare Qt dialog, nine empty tabs", {dir + "startup_bare"}},
      {"Brevimo, Russian", {self, "--child", "ru"}},
      {"Brevimo, English", {self, "--child", "en"}},
      {"Brevimo, Russian, first start", {self, "--child", "ru-first"}},
  };
  constexpr int kPrograms = 4;
  std::vector<Sample> samples[kPrograms];
  for (int round = 0; round < rounds; ++round) {
    for (int k = 0; k < kPrograms; ++k) {
      const int p = (k + round) % kPrograms; // each takes each place in turn
      Sample sample{};
      if (!RunOnce(programs[p].command, &sample)) {
        std::fprintf(stderr, "%s failed\n", programs[p].command[0].c_str());
        return 1;
      }
      samples[p].push_back(sample);
    }
  }
  std::printf("start-up, medians of %d interleaved rounds: time from exec and resident memory, "
              "at the window mapped and at its first frame; processor time of the run\n",
              rounds);
  double bareMapped = 0.0, bareSeconds = 0.0, bareCpu = 0.0;
  long bareMappedKilobytes = 0, bareKilobytes = 0;
  for (int p = 0; p < kPrograms; ++p) {
    std::vector<double> mapped, seconds, cpu;
    std::vector<long> mappedKilobytes, kilobytes;
    for (const Sample& s : samples[p]) {
      mapped.push_back(s.mappedSeconds);
      mappedKilobytes.push_back(s.mappedKilobytes);
      seconds.push_back(s.seconds);
      cpu.push_back(s.cpuSeconds);
      kilobytes.push_back(s.kilobytes);
    }
    const double m = Median(mapped), t = Median(seconds), c = Median(cpu);
    const long kb = Median(kilobytes), mappedKb = Median(mappedKilobytes);
    if (p == 0) {
      bareMapped = m;
      bareMappedKilobytes = mappedKb;
      bareSeconds = t;
      bareCpu = c;
      bareKilobytes = kb;
    }
    std::printf("  %-31s", programs[p].name);
    const auto ratio = [](long a, long b) { return static_cast<double>(a) / static_cast<double>(b); };
    if (m > 0 && bareMapped > 0)
      std::printf(" mapped %.3f s (%.2fx) %.1f MB (%.2fx)", m, m / bareMapped, mappedKb / 1024.0,
                  ratio(mappedKb, bareMappedKilobytes));
    else
      std::printf(" mapped (not reported)");
    std::printf("  frame %.3f s (%.2fx) %.1f MB (%.2fx)  cpu %.3f s (%.2fx)\n", t, t / bareSeconds,
                kb / 1024.0, ratio(kb, bareKilobytes), c, c / bareCpu);
  }
  return 0;
}
