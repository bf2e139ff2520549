// SPDX-License-Identifier: GPL-3.0-or-later
// Screenshots of the real calculator window, one per page in tab order, for
// the manual and the package's metadata:
//   QT_QPA_PLATFORM=offscreen ./build-dev/tools/grab_pages OUTDIR
// writes OUTDIR/<page class name>.png (the whole window with that page's tab
// selected, showing its opening example). A second argument "en" shows the
// English interface.
#include "app/dial_calc.h"
#include "ui/translation.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <clocale>
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  const bool english = argc == 3 && std::strcmp(argv[2], "en") == 0;
  if (argc != 2 && !english) {
    std::fprintf(stderr, "usage: grab_pages OUTDIR [en]\n");
    return 2;
  }
  if (english && !brevimo::SetLanguage(brevimo::Language::English)) {
    std::fprintf(stderr, "the English translation is missing\n");
    return 1;
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
