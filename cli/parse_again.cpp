// SPDX-License-Identifier: GPL-3.0-or-later
#include "parse_again.h"

#include <CLI/CLI.hpp>

#include <utility>
#include <vector>

namespace brevimo::cli {

void ForgetParsedOptions(CLI::App& app) {
  // CLI11 lends the list only as const; it belongs to the app, which is not.
  auto& order = const_cast<std::vector<CLI::Option*>&>(std::as_const(app).parse_order());
  order.clear();
  for (CLI::App* command : app.get_subcommands({}))
    ForgetParsedOptions(*command);
}

} // namespace brevimo::cli
