// SPDX-License-Identifier: GPL-3.0-or-later
// The web app's face of the page layer: a page's controls as the state of
// its form (texts, choices, read-only fields) by control ID. The browser
// sends what the user typed and chose before a click and shows what the
// page left afterwards; the page decides everything in between.
#pragma once

#include "pagelayer/property_page.h"

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace brevimo::web {

class FormStore final : public FieldStore {
public:
  void CreateControls(CPropertyPage& page) override;
  bool HasControl(int id) const override { return m_kind.count(id) != 0; }
  std::string GetText(int id) const override;
  void SetText(int id, const std::string& text) override;
  int GetChoice(int id) const override;
  void SetChoice(int id, int value) override;
  bool IsReadOnly(int id) const override { return m_readOnly.count(id) != 0; }
  void SetReadOnly(int id, bool readOnly) override;
  void SetEnabled(int id, bool enabled) override;
  void Focus(int id) override { m_focus = id; }

  // What the user typed into an edit field (read-only ones keep theirs).
  void Type(int id, const std::string& text);
  // What the user chose: a radio group (any of its buttons' IDs) the index
  // of its checked button, a check box 0/1, a list its item's index.
  void Choose(int id, int value);

  // The state the browser shows.
  const std::map<int, std::string>& Texts() const { return m_text; }
  std::map<int, int> Choices() const; // radio groups by their first ID, boxes, lists
  const std::set<int>& ReadOnly() const { return m_readOnly; }
  const std::set<int>& Disabled() const { return m_disabled; }
  // The control the page put the focus on since the last TakeFocus, or 0.
  int TakeFocus() {
    const int id = m_focus;
    m_focus = 0;
    return id;
  }

private:
  enum class Kind { Text, Radio, Check, List, Button };
  struct Group {
    int first;
    std::vector<int> buttons;
    int checked = -1;
  };
  Group* GroupOf(int id);
  const Group* GroupOf(int id) const;

  std::map<int, Kind> m_kind;
  std::map<int, std::string> m_text;               // edits and labels
  std::map<int, int> m_choice;                     // check boxes and lists
  std::map<int, std::vector<std::string>> m_items; // list items
  std::vector<Group> m_groups;
  std::set<int> m_readOnly, m_disabled;
  int m_focus = 0;
};

// The web app's messages: collected for the browser to show.
class FormServices final : public PageServices {
public:
  void MessageBox(const std::string& text) override { m_messages.push_back(text); }
  std::vector<std::string> TakeMessages() { return std::exchange(m_messages, {}); }

private:
  std::vector<std::string> m_messages;
};

} // namespace brevimo::web
