// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace brevimo {

namespace {

void Describe(QCommandLineParser& parser) {
  parser.setApplicationDescription(QStringLiteral(
      "Calculators for home distillers who work with ethanol-water mixtures: "
      "temperature correction of a hydrometer reading, dilution, mixing, still "
      "output, strength and density, boiling and vapour, boiling under vacuum, "
      "sugar washes and a batch distillation run, each on a tab of one window."));
  parser.addHelpOption();
  parser.addVersionOption();
}

} // namespace

void AnswerHelpAndVersion(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QCommandLineParser parser;
  Describe(parser);
  // Qt's window options are unknown here: CheckCommandLine judges them later.
  if (!parser.parse(QCoreApplication::arguments())) return;
  const bool asked = parser.isSet(QStringLiteral("help")) ||
                     parser.isSet(QStringLiteral("help-all")) ||
                     parser.isSet(QStringLiteral("version"));
  if (asked) parser.process(app); // writes the answer and exits with 0
}

void CheckCommandLine(const QCoreApplication& app) {
  QCommandLineParser parser;
  Describe(parser);
  parser.process(app);
}

} // namespace brevimo
