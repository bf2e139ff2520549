// SPDX-License-Identifier: GPL-3.0-or-later
// One page calculation natively, for comparison with the same code in the
// browser (web/bench_site.py builds and runs it): the dilution page's
// "Расчет" with the fields of its worked example, through the web sheet.
#include "web_sheet.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  const int n = argc > 1 ? std::atoi(argv[1]) : 100000;
  brevimo::web::WebSheet sheet;
  const brevimo::web::FormState shown = sheet.Show("CPP_RazvedSpirta");
  const brevimo::web::FormInput input{shown.text, shown.choice};
  const auto start = std::chrono::steady_clock::now();
  std::size_t sink = 0;
  for (int i = 0; i < n; ++i)
    sink += sheet.Click("CPP_RazvedSpirta", 1042, input).text.at(1044).size();
  const double us =
      std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
  std::printf("%.3f\n", us / n); // microseconds per calculation
  return sink == 0;
}
