// SPDX-License-Identifier: GPL-3.0-or-later
#include "data_dir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace brevimo {

QString DataDir() {
  // Both paths come from the build: BREVIMO_DATADIR_FROM_BINDIR is the data
  // folder relative to the installed program's folder ("../share/brevimo"),
  // BREVIMO_DATADIR relative to the install prefix ("share/brevimo"), which
  // is where the build folder stages the same files.
  const QDir bin(QCoreApplication::applicationDirPath());
  const QString installed =
      QDir::cleanPath(bin.filePath(QStringLiteral(BREVIMO_DATADIR_FROM_BINDIR)));
  if (QFileInfo(installed).isDir()) return installed;
  const QString build = QDir::cleanPath(bin.filePath(QStringLiteral(BREVIMO_DATADIR)));
  if (QFileInfo(build).isDir()) return build;
  return installed;
}

} // namespace brevimo
