// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc_command.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv, argv + argc);
  const int status = brevimo::cli::RunCalc(args, std::cout, std::cerr);
  std::cout.flush();
  return std::cout ? status : brevimo::cli::ExitRefused;
}
