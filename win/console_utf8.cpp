// SPDX-License-Identifier: GPL-3.0-or-later
// brevimo-calc in cmd.exe and PowerShell: its output is UTF-8 (Russian
// messages), and so is what the console reads. Its arguments are UTF-8
// through the manifest's active code page.
#include <windows.h>

namespace {

struct ConsoleUtf8 {
  ConsoleUtf8() {
    SetConsoleOutputCP(CP_UTF8);
    SetConsoleCP(CP_UTF8);
  }
};

const ConsoleUtf8 g_consoleUtf8;

} // namespace
