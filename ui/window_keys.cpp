// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_keys.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

namespace brevimo {
namespace {
HelpOpener s_helpOpener = nullptr;
} // namespace

void SetHelpOpener(HelpOpener opener) { s_helpOpener = opener; }

void AddWindowKeys(QWidget* window, const QString& section) {
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
  QObject::connect(escape, &QShortcut::activated, window, [window] { window->close(); });
  auto* help = new QShortcut(QKeySequence::HelpContents, window);
  QObject::connect(help, &QShortcut::activated, window, [window, section] {
    if (s_helpOpener) s_helpOpener(window, section);
  });
}

} // namespace brevimo
