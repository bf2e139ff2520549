// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line: --help and --version, and nothing else.
#pragma once

class QCoreApplication;

namespace brevimo {

// Answers --help, --help-all and --version on standard output and ends the
// program with status 0; otherwise returns. Runs before the window's
// application object exists, so the answer needs no display.
void AnswerHelpAndVersion(int argc, char* argv[]);

// Once QApplication has taken Qt's own options (-platform, -style, ...) off
// the command line: ends the program with status 1 and a message when
// anything unknown is left.
void CheckCommandLine(const QCoreApplication& app);

} // namespace brevimo
