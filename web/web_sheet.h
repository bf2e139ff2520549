// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator sheet of the web app: the pages over form stores. Each
// browser page shows one calculator page; the JavaScript passes what the
// user typed and chose with each click and shows the page's answer.
#pragma once

#include "form_store.h"
#include "pages/calc_sheet.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace brevimo::web {

// What a page shows after an action, and what it said.
struct FormState {
  std::map<int, std::string> text;   // edit fields and labels (source texts)
  std::map<int, int> choice;         // radio groups (first ID), check boxes, lists: index or -1
  std::vector<int> readOnly;         // edit fields read-only now
  std::vector<int> disabled;         // controls disabled now
  std::vector<std::string> messages; // message boxes, untranslated
  int focus = 0;                     // the control the page put the focus on, 0 when none
};

// The user's input before a click: texts by edit ID, choices by control ID
// (a radio button by its own ID with any value, a check box 0/1, a list index).
struct FormInput {
  std::map<int, std::string> text;
  std::map<int, int> choice;
};

class WebSheet final : public CCalcSheet {
public:
  WebSheet();
  ~WebSheet() override;

  // The page of a class name ("CPP_RazvedSpirta"), nullptr for an unknown one.
  CPropertyPage* Page(const std::string& className);

  // Shows the page (its first showing creates it).
  FormState Show(const std::string& className);
  // Takes the user's input, then clicks control id.
  FormState Click(const std::string& className, int id, const FormInput& input);
  // Only takes the user's input (a page leaves its fields as typed).
  void Input(const std::string& className, const FormInput& input);
  // What the page shows now, and the messages since the last answer.
  FormState State(const std::string& className);

private:
  FormServices m_services;
  std::map<std::string, std::unique_ptr<FormStore>> m_stores;
};

} // namespace brevimo::web
