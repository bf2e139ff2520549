// SPDX-License-Identifier: GPL-3.0-or-later
// The web app's face of the transcripts, natively: the pages' exchange of
// web/page_exchange.cpp driven as web/static/app.js drives it in the
// browser (the fields' texts, choices and read-only state go in, what the
// page shows comes back), with the browser's focus emulated: a field typed
// into or a choice made takes the focus, a pressed button takes it unless
// the refusal names a field. Controls the web page does not have are
// reported as absent; actions on them are skipped.
//
// Writes one transcript a page into a folder:
//   web_transcripts OUTDIR [CLASS...]
#include "transcript.h"

#include "web/page_exchange.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <utility>

namespace brevimo::transcript {
namespace {

using web::Exchange;

class WebDriver final : public Driver {
public:
  void Start(const PageSpec& page) override {
    m_spec = &page;
    m_page = web::MakePage(page.className);
    m_absent.clear();
    // The site has no "Tmp" button, no results file box and no chart button
    // (it draws the run's chart below the page instead).
    if (std::string(page.className) == "CPP_VolMasMol") m_absent = {1065};
    if (std::string(page.className) == "CPP_Peregon") m_absent = {1064, 1099};
    const auto& items = page.dialog->items;
    int group = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
      const res::DlgItem& item = items[i];
      if (item.style & res::kGroup) group = 0;
      if (item.kind == res::Ctl::Radio) {
        if (!group) group = item.id;
        m_groupOf[item.id] = group;
        m_position[item.id] = m_groupSize[group]++;
      }
      if (item.kind == res::Ctl::Edit && (item.style & res::kReadOnly)) m_readOnly.insert(item.id);
      if (item.kind == res::Ctl::Edit) m_values[item.id] = "";
      if (item.kind == res::Ctl::CheckBox) m_choice[item.id] = 0;
      if (item.kind == res::Ctl::DropList) m_choice[item.id] = 0; // a select shows its first item
    }
    for (const auto& [radio, first] : m_groupOf)
      m_choice[first] = -1;
    if (!m_page) return;
    Exchange x;
    m_page->Show(x);
    Apply(x, 0);
  }

  bool Type(int id, const std::string& text) override {
    if (!m_values.count(id) || m_readOnly.count(id) || m_absent.count(id)) return false;
    m_focus = std::to_string(id);
    m_values[id] = text;
    return true;
  }

  bool Choose(int id, int index) override {
    if (m_absent.count(id)) return false;
    const res::DlgItem* item = Item(id);
    if (!item) return false;
    if (item->kind == res::Ctl::Radio) {
      if (index != 1) return false;
      m_focus = std::to_string(id);
      m_choice[m_groupOf[id]] = m_position[id];
      if (Is("CPP_CombRastv")) ModeFields();
      return true;
    }
    if (item->kind == res::Ctl::CheckBox && (index == 0 || index == 1)) {
      m_focus = std::to_string(id);
      m_choice[id] = index;
      return true;
    }
    if (item->kind == res::Ctl::DropList && index >= 0 &&
        index < static_cast<int>(item->items.size())) {
      m_focus = std::to_string(id);
      m_choice[id] = index;
      return true;
    }
    return false;
  }

  bool Click(int id) override {
    const res::DlgItem* item = Item(id);
    if (!item || item->kind != res::Ctl::Button || m_absent.count(id) || !m_page) return false;
    m_focus = std::to_string(id);
    // app.js state(): every input's text, the error line's source text,
    // the choices, the read-only fields.
    Exchange x;
    for (const auto& [field, text] : m_values)
      x.text[field] = text;
    if (m_spec->errorLine) x.text[m_spec->errorLine] = m_labels[m_spec->errorLine];
    x.choice = m_choice;
    x.readOnly = m_readOnly;
    m_page->Click(id, x);
    Apply(x, id);
    return true;
  }

  Snapshot Snap() override {
    Snapshot s;
    for (const res::DlgItem& item : m_spec->dialog->items) {
      ControlState c;
      if (m_absent.count(item.id)) {
        c.text = "(absent)";
        c.enabled = false;
        s.controls.push_back(c);
        continue;
      }
      switch (item.kind) {
      case res::Ctl::Edit:
        c.text = m_values[item.id];
        c.readOnly = m_readOnly.count(item.id) > 0;
        break;
      case res::Ctl::Label:
        c.text = item.id != res::IDC_STATIC && m_labels.count(item.id) ? m_labels[item.id]
                 : item.id != res::IDC_STATIC                          ? ""
                                                                       : item.text;
        break;
      case res::Ctl::Radio:
        c.text = item.text;
        c.value = m_choice[m_groupOf[item.id]] == m_position[item.id] ? 1 : 0;
        break;
      case res::Ctl::CheckBox:
        c.text = item.text;
        c.value = m_choice[item.id];
        break;
      case res::Ctl::DropList:
      case res::Ctl::DropDown: {
        c.value = m_choice[item.id];
        if (c.value >= 0 && c.value < static_cast<int>(item.items.size()))
          c.text = item.items[static_cast<std::size_t>(c.value)];
        break;
      }
      default:
        c.text = item.text;
      }
      s.controls.push_back(c);
    }
    s.focus = m_focus;
    return s;
  }

  std::vector<std::string> TakeBoxes() override { return std::exchange(m_boxes, {}); }

private:
  bool Is(const char* name) const { return std::string(m_spec->className) == name; }

  const res::DlgItem* Item(int id) const {
    for (const res::DlgItem& item : m_spec->dialog->items)
      if (item.id == id) return &item;
    return nullptr;
  }

  // app.js apply(): texts into the fields and labels, the choices, the
  // messages under the pressed button, the focus on a refused field.
  void Apply(const Exchange& x, int buttonId) {
    for (const auto& [id, text] : x.text) {
      const res::DlgItem* item = Item(id);
      if (!item || m_absent.count(id)) continue;
      if (item->kind == res::Ctl::Edit)
        m_values[id] = text;
      else
        m_labels[id] = text;
    }
    for (const auto& [id, index] : x.choice)
      if (!m_absent.count(id)) m_choice[id] = index;
    if (buttonId)
      for (const std::string& m : x.messages)
        m_boxes.push_back(m);
    if (x.failed) m_focus = std::to_string(x.failed);
    if (Is("CPP_CombRastv")) ModeFields();
  }

  // The mixing page: the mode decides which solution is typed in.
  void ModeFields() {
    const bool findSecond = m_choice[1017] == 1;
    for (int id : {1013, 1012})
      findSecond ? (void)m_readOnly.insert(id) : (void)m_readOnly.erase(id);
    for (int id : {1015, 1014})
      findSecond ? (void)m_readOnly.erase(id) : (void)m_readOnly.insert(id);
  }

  const PageSpec* m_spec = nullptr;
  std::unique_ptr<web::Page> m_page;
  std::set<int> m_absent, m_readOnly;
  std::map<int, std::string> m_values, m_labels;
  std::map<int, int> m_choice, m_groupOf, m_position, m_groupSize;
  std::string m_focus = "-";
  std::vector<std::string> m_boxes;
};

} // namespace
} // namespace brevimo::transcript

int main(int argc, char* argv[]) {
  using namespace brevimo::transcript;
  if (argc < 2) {
    std::cerr << "usage: web_transcripts OUTDIR [CLASS...]\n";
    return 2;
  }
  const std::filesystem::path dir = argv[1];
  std::filesystem::create_directories(dir);
  for (const PageSpec& page : Pages()) {
    bool wanted = argc == 2;
    for (int i = 2; i < argc; ++i)
      wanted = wanted || page.className == std::string(argv[i]);
    if (!wanted || !brevimo::web::MakePage(page.className)) continue;
    WebDriver driver;
    std::ofstream(dir / (std::string(page.className) + ".txt"), std::ios::binary)
        << Run(page, AllScenarios(page), driver);
  }
  return 0;
}
