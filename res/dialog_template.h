// SPDX-License-Identifier: GPL-3.0-or-later
// Dialog templates as data: what the page builder turns into widgets.
// Positions and sizes are in dialog units (x in quarters, y in eighths of
// the font's base units), so layouts follow the real font and screen.
// Texts are Russian, marked for translation (BREVIMO_TR_NOOP); the page
// layer shows them translated.
#pragma once

#include "calc/tr_noop.h"

#include <span>

namespace brevimo::res {

enum class Ctl {
  Label,    // static text; "\n" breaks lines
  Edit,     // single-line edit field
  Button,   // push button
  GroupBox, // frame with a caption around other controls
  CheckBox, // automatic check box
  Radio,    // automatic radio button; kGroup marks the first of a group
  DropList, // drop-down list without a text part
  DropDown, // drop-down list with an editable text part
  Icon,     // the program icon
};

enum Style : unsigned {
  kNone = 0,
  kReadOnly = 1u << 0, // edit: selectable and copyable, not editable
  kDefault = 1u << 1,  // button: the page's default push button (Enter)
  kGroup = 1u << 2,    // starts a group (ends the previous radio group)
  kSunken = 1u << 3,   // label: sunken frame
  kRight = 1u << 4,    // text aligned right
  kCenter = 1u << 5,   // text centred
  kVCenter = 1u << 6,  // label: text centred vertically
  kNoPrefix = 1u << 7, // label: "&" is shown as is
};

inline constexpr int IDC_STATIC = -1;

// One control. A width or height of 0 sizes a label to its text.
struct DlgItem {
  int id;
  Ctl kind;
  const char* text; // caption, UTF-8
  int x, y, cx, cy;
  unsigned style = kNone;
  std::span<const char* const> items = {}; // initial items of a drop-down list
};

struct DlgTemplate {
  int id;
  const char* caption; // UTF-8; the tab caption of a page
  int cx, cy;
  std::span<const DlgItem> items;
};

} // namespace brevimo::res
