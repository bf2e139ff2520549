// SPDX-License-Identifier: GPL-3.0-or-later
// The one list of the calculator's pages, in the order of their tabs: the
// window's sheet, the web app and the tests read it.
#pragma once

#include "res/dialog_template.h"

#include <span>

class CCalcSheet;
class CPropertyPage;

namespace brevimo {

struct PageEntry {
  const char* className;               // "CPP_RazvedSpirta": the page's name everywhere
  const res::DlgTemplate* dialog;      // its template
  CPropertyPage& (*page)(CCalcSheet&); // the sheet's object of the page
};

// The pages in tab order: the index is the tab's position.
std::span<const PageEntry> SheetPages();

// The entry of a class name, or nullptr.
const PageEntry* FindPage(const char* className);

} // namespace brevimo
