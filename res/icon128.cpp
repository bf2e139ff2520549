// SPDX-License-Identifier: GPL-3.0-or-later
#include "icon128.h"

#include <QDir>

namespace brevimo::res {

QIcon ProgramIcon() {
  QIcon icon;
  const QDir sizes(QStringLiteral(":/icon128"));
  for (const QString& file : sizes.entryList(QDir::Files))
    icon.addFile(sizes.filePath(file));
  return icon;
}

} // namespace brevimo::res
