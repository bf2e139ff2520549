// SPDX-License-Identifier: GPL-3.0-or-later
// The web app's face of the transcripts, natively: the pages over the web
// sheet's form stores, driven as web/static/app.js drives them (what the
// user typed and chose goes in with a click; a choice is a click too), with
// the window's focus emulated: the page's first tab stop at the start, then
// the control a user types into, chooses or presses, unless the page moves
// it. Every sheet page must give its golden transcript byte for byte.
#include "transcript.h"

#include "web/web_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>

namespace brevimo::transcript {
namespace {

class WebDriver final : public Driver {
public:
  void Start(const TranscriptPage& page) override {
    m_page = &page;
    m_sheet = std::make_unique<web::WebSheet>();
    m_name = page.className;
    Take(m_sheet->Show(m_name));
    m_focus = FirstTabStop();
  }

  bool Type(int id, const std::string& text) override {
    const res::DlgItem* item = Item(id);
    if (!item || item->kind != res::Ctl::Edit || ReadOnly(id) || Disabled(id)) return false;
    m_focus = id;
    m_input.text[id] = text;
    return true;
  }

  bool Choose(int id, int index) override {
    const res::DlgItem* item = Item(id);
    if (!item || Disabled(id)) return false;
    if (item->kind == res::Ctl::DropList || item->kind == res::Ctl::DropDown) {
      if (index < 0 || index >= static_cast<int>(item->items.size())) return false;
      m_focus = id;
      m_input.choice[id] = index;
      Input();
      return true;
    }
    if (item->kind == res::Ctl::Radio) {
      if (index != 1) return false; // a radio button is cleared only by another
      if (Value(id) == 1) return true;
      m_input.choice[id] = Position(id);
    } else if (item->kind == res::Ctl::CheckBox) {
      if (index < 0 || index > 1) return false;
      if (Value(id) == index) return true;
      m_input.choice[id] = index;
    } else {
      return false;
    }
    // A click on the box: the page may answer it.
    m_focus = id;
    Press(id);
    return true;
  }

  bool Click(int id) override {
    const res::DlgItem* item = Item(id);
    if (!item || item->kind != res::Ctl::Button || Disabled(id)) return false;
    m_focus = id;
    Press(id);
    return true;
  }

  Snapshot Snap() override {
    Input();
    Snapshot s;
    for (const res::DlgItem& item : m_page->dialog->items) {
      ControlState c;
      c.text = item.text;
      c.enabled = !Disabled(item.id);
      switch (item.kind) {
      case res::Ctl::Label:
      case res::Ctl::Edit:
        if (auto it = m_state.text.find(item.id); it != m_state.text.end()) c.text = it->second;
        c.readOnly = item.kind == res::Ctl::Edit && ReadOnly(item.id);
        break;
      case res::Ctl::Radio:
      case res::Ctl::CheckBox:
        c.value = Value(item.id);
        break;
      case res::Ctl::DropList:
      case res::Ctl::DropDown: {
        c.value = Value(item.id);
        c.text = c.value >= 0 ? item.items[static_cast<std::size_t>(c.value)] : "";
        break;
      }
      case res::Ctl::Icon:
        c.text = "";
        break;
      default:
        break;
      }
      s.controls.push_back(c);
    }
    s.focus = m_focus ? std::to_string(m_focus) : "-";
    return s;
  }

  std::vector<std::string> TakeBoxes() override { return std::exchange(m_boxes, {}); }

private:
  const res::DlgItem* Item(int id) const {
    for (const res::DlgItem& item : m_page->dialog->items)
      if (item.id == id && id != res::IDC_STATIC) return &item;
    return nullptr;
  }
  bool ReadOnly(int id) const {
    return std::find(m_state.readOnly.begin(), m_state.readOnly.end(), id) !=
           m_state.readOnly.end();
  }
  bool Disabled(int id) const {
    return std::find(m_state.disabled.begin(), m_state.disabled.end(), id) !=
           m_state.disabled.end();
  }
  // The first of a radio group's buttons.
  int GroupFirst(int id) const {
    int first = 0;
    for (const res::DlgItem& item : m_page->dialog->items) {
      if (item.style & res::kGroup) first = 0;
      if (item.kind == res::Ctl::Radio && !first) first = item.id;
      if (item.id == id) return first;
    }
    return 0;
  }
  int Position(int id) const {
    const int first = GroupFirst(id);
    int position = 0;
    for (const res::DlgItem& item : m_page->dialog->items) {
      if (item.id == id) return position;
      if (item.kind == res::Ctl::Radio && GroupFirst(item.id) == first) ++position;
    }
    return -1;
  }
  // A radio button 1 checked, 0 not; a box's or list's index.
  int Value(int id) const {
    const res::DlgItem* item = Item(id);
    if (!item) return -1;
    if (item->kind == res::Ctl::Radio) {
      auto it = m_state.choice.find(GroupFirst(id));
      return it != m_state.choice.end() && it->second == Position(id) ? 1 : 0;
    }
    auto it = m_state.choice.find(id);
    return it == m_state.choice.end() ? -1 : it->second;
  }
  // The window's first tab stop: an enabled edit, button, box or list, or
  // a radio group's checked button (its first when none is).
  int FirstTabStop() const {
    for (const res::DlgItem& item : m_page->dialog->items) {
      if (item.id == res::IDC_STATIC || Disabled(item.id)) continue;
      switch (item.kind) {
      case res::Ctl::Edit:
      case res::Ctl::Button:
      case res::Ctl::CheckBox:
      case res::Ctl::DropList:
      case res::Ctl::DropDown:
        return item.id;
      case res::Ctl::Radio: {
        auto it = m_state.choice.find(GroupFirst(item.id));
        const int checked = it == m_state.choice.end() ? -1 : it->second;
        if (Position(item.id) == (checked < 0 ? 0 : checked)) return item.id;
        break;
      }
      default:
        break;
      }
    }
    return 0;
  }

  void Input() {
    if (m_input.text.empty() && m_input.choice.empty()) return;
    m_sheet->Input(m_name, m_input);
    m_input = {};
    Take(m_sheet->State(m_name), false);
  }
  void Press(int id) { Take(m_sheet->Click(m_name, id, std::exchange(m_input, {}))); }
  // The page's answer; a field it refused takes the focus.
  void Take(const web::FormState& state, bool answer = true) {
    m_state = state;
    if (!answer) return;
    m_boxes.insert(m_boxes.end(), state.messages.begin(), state.messages.end());
    if (state.focus) m_focus = state.focus;
  }

  const TranscriptPage* m_page = nullptr;
  std::unique_ptr<web::WebSheet> m_sheet;
  std::string m_name;
  web::FormInput m_input;
  web::FormState m_state;
  std::vector<std::string> m_boxes;
  int m_focus = 0;
};

class WebTranscriptTest : public ::testing::TestWithParam<std::string> {};

TEST_P(WebTranscriptTest, PageBehavesAsInTheWindow) {
  const TranscriptPage* page = FindPage(GetParam());
  ASSERT_NE(page, nullptr);
  WebDriver driver;
  const std::string actual = brevimo::transcript::Run(*page, AllScenarios(*page), driver);
  const std::string path = std::string(BREVIMO_TRANSCRIPTS_DIR) + "/" + page->className + ".txt";
  std::ifstream file(path, std::ios::binary);
  ASSERT_TRUE(file) << path;
  const std::string expected((std::istreambuf_iterator<char>(file)), {});
  EXPECT_TRUE(expected == actual) << path << " differs at " << FirstDifference(expected, actual);
}

std::vector<std::string> SheetPageNames() {
  std::vector<std::string> names;
  for (const TranscriptPage& page : Pages())
    if (std::string(page.className) != "CPP_TestPage") names.push_back(page.className);
  return names;
}

INSTANTIATE_TEST_SUITE_P(Pages, WebTranscriptTest, ::testing::ValuesIn(SheetPageNames()),
                         [](const auto& info) { return info.param; });

} // namespace
} // namespace brevimo::transcript
