// SPDX-License-Identifier: GPL-3.0-or-later
// The web pages' side of the calculator pages: each page keeps the window
// page's members, reads its fields as the window's data exchange does (the
// same order, the same parsing, the same refusal), calls the same calc/
// function as the window's button and shows its members with the window's
// formats. Plain C++ over calc/; the JavaScript only moves texts.
#pragma once

#include "calc/distillation.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace brevimo::web {

// What a page shows and what the user typed, by control ID.
struct Exchange {
  std::map<int, std::string> text;   // edit fields and labels
  std::map<int, int> choice;         // radio group (its first ID), check box, list: index or -1
  std::set<int> readOnly;            // edit fields read-only now
  std::vector<std::string> messages; // the window's message boxes, untranslated
  int failed = 0;                    // the field a refusal names, 0 when none
};

class Page {
public:
  virtual ~Page() = default;
  // The fields as the page shows its members (UpdateData(false)).
  virtual void Show(Exchange& x) = 0;
  // A click on button id with the fields and choices in x; x then holds what
  // the page shows afterwards and the messages it gave.
  virtual void Click(int id, Exchange& x) = 0;
  // The steps of the last run (the distillation page only).
  virtual const DistillationRun* LastRun() const { return nullptr; }
};

// A new page of the given class name ("CPP_RazvedSpirta"), nullptr for an
// unknown one.
std::unique_ptr<Page> MakePage(const std::string& className);

// The class names of the pages, in the window's tab order.
const std::vector<std::string>& PageClassNames();

} // namespace brevimo::web
