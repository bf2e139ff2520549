// SPDX-License-Identifier: GPL-3.0-or-later
#include "run_chart_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace brevimo {

const RunChartModule* LoadRunChartModule(QString* problem) {
  static const RunChartModule* loaded = nullptr;
  if (loaded) return loaded;
  const QDir bin(QCoreApplication::applicationDirPath());
  const QString name = QStringLiteral("libbrevimo_chart"); // QLibrary adds .so or .dll
  loaded = LoadRunChartModule(
      {bin.filePath(name),
       QDir::cleanPath(bin.filePath(QStringLiteral(BREVIMO_LIBDIR_FROM_BINDIR "/") + name)),
       name}, // loaded with the program already (the tests link it)
      problem);
  return loaded;
}

const RunChartModule* LoadRunChartModule(const QStringList& places, QString* problem) {
  QString why;
  for (const QString& place : places) {
    QLibrary library(place); // the library stays loaded: QLibrary does not unload it
    const auto entry =
        reinterpret_cast<const RunChartModule* (*)()>(library.resolve(kRunChartEntry));
    if (entry) return entry();
    if (why.isEmpty()) why = library.errorString();
  }
  if (problem)
    *problem =
        QCoreApplication::translate("CDial_Calc", "Не удалось загрузить окно графика: %1").arg(why);
  return nullptr;
}

} // namespace brevimo
