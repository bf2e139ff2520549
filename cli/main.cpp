// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc_command.h"

#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv, argv + argc);
  errno = 0;
  const int status = brevimo::cli::RunCalc(args, std::cin, std::cout, std::cerr,
                                           brevimo::cli::LanguageFromEnvironment());
  std::cout.flush();
  if (!std::cout || status == brevimo::cli::ExitWrite) {
    // A full disk, a closed standard output: never reported as success.
    const int error = errno;
    std::cerr << "brevimo-calc: cannot write to standard output"
              << (error ? std::string(": ") + std::strerror(error) : std::string()) << '\n';
    return brevimo::cli::ExitWrite;
  }
  return status;
}
