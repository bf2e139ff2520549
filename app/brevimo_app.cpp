// SPDX-License-Identifier: GPL-3.0-or-later
#include "brevimo_app.h"

#include "dial_about.h"
#include "dial_calc.h"

CBrevimoApp theApp;

int CBrevimoApp::Run() {
  CDial_Calc sheet(QStringLiteral("Brevimo"), nullptr, 0);
  sheet.exec(); // the modal result is of no interest
  return 0;
}

void CBrevimoApp::OnAppAbout(QWidget* parent) {
  CDial_About about(parent);
  about.exec();
}
