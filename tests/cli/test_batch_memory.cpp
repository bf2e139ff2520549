// SPDX-License-Identifier: GPL-3.0-or-later
// A batch fed by a controller for days: its memory stays flat however many
// lines come.
#include "cli/calc_command.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <streambuf>
#include <string>

#ifndef BREVIMO_SANITIZED
#define BREVIMO_SANITIZED 0
#endif

namespace {

using namespace brevimo::cli;

// The batch's own resident memory, read at two points of one long batch:
// flat, not some bytes more for every line answered.
class LineSource : public std::streambuf {
public:
  LineSource(long lines, long sampleAt) : m_left(lines), m_sampleAt(sampleAt) {}
  long ResidentAtSample() const { return m_atSample; }
  long ResidentAtEnd() const { return m_atEnd; }

protected:
  int_type underflow() override {
    if (m_left == 0) {
      if (m_atEnd < 0) m_atEnd = Resident();
      return traits_type::eof();
    }
    if (m_left-- == m_sampleAt) m_atSample = Resident();
    // Every option a command has, so that any kept per option shows.
    m_line = "convert --from mass --value 4" + std::to_string(m_left % 10) +
             " --amount 10 --contraction off --digits 3\n";
    setg(m_line.data(), m_line.data(), m_line.data() + m_line.size());
    return traits_type::to_int_type(m_line[0]);
  }

private:
  // Resident set in kB, -1 where /proc tells none.
  static long Resident() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
      if (line.starts_with("VmRSS:")) return std::stol(line.substr(6));
    return -1;
  }
  long m_left, m_sampleAt, m_atSample = -1, m_atEnd = -1;
  std::string m_line;
};

// Takes every write, as /dev/null does.
class Discard : public std::streambuf {
protected:
  int_type overflow(int_type c) override { return traits_type::not_eof(c); }
};

TEST(BatchMemory, StaysFlatOverALongBatch) {
  // The sanitizer's allocator keeps freed memory in quarantine for a while.
  if (BREVIMO_SANITIZED) GTEST_SKIP() << "resident memory is the sanitizer's";
  LineSource source(12000, 10000);
  std::istream in(&source);
  std::ostringstream err;
  Discard discard;
  std::ostream out(&discard);
  EXPECT_EQ(RunCalc({"brevimo-calc", "batch"}, in, out, err, Language::English), ExitOk);
  if (source.ResidentAtSample() < 0) GTEST_SKIP() << "no /proc/self/status";
  // Forty bytes kept per line make some 400 kB over these 10 000 lines.
  EXPECT_LT(source.ResidentAtEnd() - source.ResidentAtSample(), 128) << "kB";
}

} // namespace
