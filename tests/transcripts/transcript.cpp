// SPDX-License-Identifier: GPL-3.0-or-later
#include "transcript.h"

#include "pages/page_registry.h"
#include "res/dlg_132.h"

#include <cstdio>
#include <sstream>

namespace brevimo::transcript {

const std::vector<TranscriptPage>& Pages() {
  static const std::vector<TranscriptPage> pages = [] {
    std::vector<TranscriptPage> list;
    for (const PageEntry& entry : SheetPages()) {
      TranscriptPage page{entry.className, entry.dialog, 0, {}};
      const std::string name = entry.className;
      // The correction page refuses in its error line; the run pages' chart
      // buttons open a window of their own: left out.
      if (name == "CPP_KsTCorr") page.errorLine = 1024;
      if (name == "CPP_Peregon") page.leftOut = {1099};
      if (name == "CPP_PlanPeregon") page.leftOut = {2014};
      list.push_back(page);
    }
    list.push_back({"CPP_TestPage", &res::kDialog132, 0, {}});
    return list;
  }();
  return pages;
}

const TranscriptPage* FindPage(const std::string& className) {
  for (const TranscriptPage& page : Pages())
    if (className == page.className) return &page;
  return nullptr;
}

// Where two transcripts first part: the line, its scenario and both texts.
std::string FirstDifference(const std::string& expected, const std::string& actual) {
  std::istringstream e(expected), a(actual);
  std::string le, la, scenario = "start";
  for (int n = 1;; ++n) {
    const bool he = static_cast<bool>(std::getline(e, le));
    const bool ha = static_cast<bool>(std::getline(a, la));
    if (!he && !ha) return "the same";
    if (he && le.rfind("scenario ", 0) == 0) scenario = le.substr(9);
    if (he != ha || le != la)
      return "line " + std::to_string(n) + " (" + scenario + ")\n  golden: " + (he ? le : "<end>") +
             "\n  now:    " + (ha ? la : "<end>");
  }
}

std::string Quote(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c == '\\' || c == '"') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c < 0x20 || c == 0x7f) {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + '"';
}

namespace {

const char* KindName(res::Ctl kind) {
  switch (kind) {
  case res::Ctl::Label:
    return "label";
  case res::Ctl::Edit:
    return "edit";
  case res::Ctl::Button:
    return "button";
  case res::Ctl::GroupBox:
    return "group";
  case res::Ctl::CheckBox:
    return "check";
  case res::Ctl::Radio:
    return "radio";
  case res::Ctl::DropList:
    return "list";
  case res::Ctl::DropDown:
    return "combo";
  case res::Ctl::Icon:
    return "icon";
  }
  return "?";
}

// "<index> <id> <kind> [ro] [off] [value] "text"": one control.
std::string ControlLine(const res::DlgItem& item, std::size_t index, const ControlState& c) {
  std::string line = std::to_string(index) + ' ' +
                     (item.id == res::IDC_STATIC ? std::string("-") : std::to_string(item.id)) +
                     ' ' + KindName(item.kind);
  if (c.readOnly) line += " ro";
  if (!c.enabled) line += " off";
  if (item.kind == res::Ctl::Radio) line += c.value == 1 ? " on" : " -";
  if (item.kind == res::Ctl::CheckBox || item.kind == res::Ctl::DropList ||
      item.kind == res::Ctl::DropDown)
    line += ' ' + std::to_string(c.value);
  return line + ' ' + Quote(c.text);
}

bool Same(const ControlState& a, const ControlState& b) {
  return a.text == b.text && a.readOnly == b.readOnly && a.enabled == b.enabled &&
         a.value == b.value;
}

void Boxes(Driver& driver, std::string& out) {
  for (const std::string& text : driver.TakeBoxes())
    out += "    box " + Quote(text) + '\n';
}

} // namespace

std::string Run(const TranscriptPage& page, const std::vector<Scenario>& scenarios,
                Driver& driver) {
  const auto& items = page.dialog->items;
  std::string out = "# Page transcript: every scenario's actions, the messages each gave (box: a\n"
                    "# message box, line: the page's error line), the controls that changed\n"
                    "# (index id kind [ro] [off] [state] \"text\") and the focus afterwards.\n";
  out += "page " + std::string(page.className) + '\n';
  driver.Start(page);
  out += "start\n";
  Boxes(driver, out);
  Snapshot last = driver.Snap();
  for (std::size_t i = 0; i < items.size(); ++i)
    out += "  " + ControlLine(items[i], i, last.controls.at(i)) + '\n';
  out += "  focus " + last.focus + '\n';

  for (const Scenario& scenario : scenarios) {
    out += "scenario " + scenario.name + '\n';
    for (const Action& a : scenario.actions) {
      bool done = false;
      switch (a.kind) {
      case Action::Type:
        out += "  type " + std::to_string(a.id) + ' ' + Quote(a.text);
        done = driver.Type(a.id, a.text);
        break;
      case Action::Choose:
        out += "  choose " + std::to_string(a.id) + ' ' + std::to_string(a.index);
        done = driver.Choose(a.id, a.index);
        break;
      case Action::Click:
        out += "  click " + std::to_string(a.id);
        done = driver.Click(a.id);
        break;
      }
      out += done ? "\n" : " skipped\n";
      Boxes(driver, out);
      // A click writes the error line, with a refusal or with nothing.
      if (done && a.kind == Action::Click && page.errorLine) {
        const Snapshot now = driver.Snap();
        for (std::size_t i = 0; i < items.size(); ++i)
          if (items[i].id == page.errorLine && !now.controls.at(i).text.empty())
            out += "    line " + Quote(now.controls[i].text) + '\n';
      }
    }
    const Snapshot now = driver.Snap();
    for (std::size_t i = 0; i < items.size(); ++i)
      if (!Same(now.controls.at(i), last.controls.at(i)))
        out += "  = " + ControlLine(items[i], i, now.controls[i]) + '\n';
    out += "  focus " + now.focus + '\n';
    last = now;
  }
  return out;
}

} // namespace brevimo::transcript
