// SPDX-License-Identifier: GPL-3.0-or-later
// The sizes of pages as measured at an earlier start, so that a start
// measures only the page it shows.
//
// Measuring a page (DialogUnits) builds all its controls once more; doing
// it for every page made up most of the start-up time. A size is kept with
// everything it depends on: the template and its captions as shown now
// (which covers the language), and, for the whole file, the font as
// resolved and measured, the style, the screen's scaling, Qt's and the
// program's versions. Anything else changes it, so a page that is built
// checks its kept size against the real one and mends it.
//
// The file is only a copy of what can be measured again: one that cannot be
// read or written costs a slower start, never a message; nor does anything
// in its place that is not a regular file (a FIFO, a device), nor a kept
// size that no page can have on this screen.
#pragma once

#include "dialog_builder.h"
#include "res/dialog_template.h"

#include <QSize>
#include <QString>

#include <map>
#include <utility>

class QWidget;

namespace brevimo {

class PageSizeCache {
public:
  // The sizes kept for pages built on host (its font, style and screen),
  // read from File().
  explicit PageSizeCache(const QWidget* host);

  // The size kept for the template as it would be built now, if any.
  bool Find(const res::DlgTemplate& tmpl, QSize* size) const;
  // Keeps the size measured for the template; Save writes it out.
  void Put(const res::DlgTemplate& tmpl, QSize size);
  // Writes the file when a size was added or changed.
  void Save();

  // Where the sizes are kept: the user's cache folder, unless set (tests).
  static QString File();
  static void SetFile(const QString& path);

private:
  QString m_key;       // what every size of the file depends on
  DialogUnits m_units; // the least units a page is built in, from the font
  std::map<std::pair<QString, quint64>, QSize> m_sizes; // (caption, template) -> size
  bool m_changed = false;
};

} // namespace brevimo
