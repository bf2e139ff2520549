// SPDX-License-Identifier: GPL-3.0-or-later
#include "brevimo_app.h"
#include "brevimo_version.h"
#include "command_line.h"
#include "start_ahead.h"
#include "ui/translation.h"

#include <QApplication>

#include <clocale>

int main(int argc, char* argv[]) {
  QCoreApplication::setApplicationVersion(QStringLiteral(BREVIMO_VERSION));
  brevimo::AnswerHelpAndVersion(argc, argv);
  // Fontconfig reads its files while Qt connects to the display.
  brevimo::CStartAhead ahead;
  QApplication app(argc, argv);
  brevimo::CheckCommandLine(app);
  // Names the desktop entry, so the desktop matches the window to its menu
  // entry and icon (the Wayland app id).
  QGuiApplication::setDesktopFileName(QStringLiteral(BREVIMO_APP_ID));
  // Qt adopts the user's locale for the C library; numbers stay with the
  // point (all formatting also pins the "C" locale itself).
  std::setlocale(LC_NUMERIC, "C");
  // Russian unless English is chosen (or the system is English) and found.
  brevimo::SetLanguage(brevimo::StartupLanguage());
  return theApp.Run();
}
