// SPDX-License-Identifier: GPL-3.0-or-later
// One CLI11 command line parsed again for each line of a batch.
#pragma once

namespace CLI {
class App;
}

namespace brevimo::cli {

// Forgets, in the app and every command under it, the options parsed
// before. CLI11 2.1 clears their values for a new parse but keeps the list
// of every option ever parsed, in order: some bytes more for each line, so
// that a batch that runs for days would grow without bound.
void ForgetParsedOptions(CLI::App& app);

} // namespace brevimo::cli
