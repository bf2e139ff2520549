// SPDX-License-Identifier: GPL-3.0-or-later
// Screenshots of the real calculator window, one per page in tab order, for
// the manual and the package's metadata:
//   QT_QPA_PLATFORM=offscreen ./build-dev/tools/grab_pages OUTDIR
// writes OUTDIR/<page class name>.png (the whole window with that page's tab
// selected, showing its opening example).
#include "app/dial_calc.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <clocale>
#include <cstdio>

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  if (argc != 2) {
    std::fprintf(stderr, "usage: grab_pages OUTDIR\n");
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  if (!out.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "cannot create %s\n", argv[1]);
    return 1;
  }
  CDial_Calc sheet(QStringLiteral("Brevimo"));
  sheet.show();
  for (int i = 0; i < sheet.GetPageCount(); ++i) {
    sheet.SetActivePage(i);
    QApplication::processEvents();
    const QString file =
        out.filePath(QString::fromLatin1(sheet.GetPage(i)->ClassName()) + QStringLiteral(".png"));
    if (!sheet.grab().save(file)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
      return 1;
    }
    std::printf("%s\n", qPrintable(file));
  }
  return 0;
}
