// SPDX-License-Identifier: GPL-3.0-or-later
// The application object: starts the calculator sheet and ends the program
// when the sheet closes.
#pragma once

class QWidget;

class CBrevimoApp {
public:
  // Runs the calculator sheet modally; returns when it is closed.
  int Run();

  // Shows the About box modally.
  static void OnAppAbout(QWidget* parent);
};

extern CBrevimoApp theApp;
