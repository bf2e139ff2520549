// SPDX-License-Identifier: GPL-3.0-or-later
#include "transcript.h"

#include "res/dlg_129.h"
#include "res/dlg_131.h"
#include "res/dlg_132.h"
#include "res/dlg_133.h"
#include "res/dlg_136.h"
#include "res/dlg_138.h"
#include "res/dlg_140.h"
#include "res/dlg_141.h"
#include "res/dlg_143.h"
#include "res/dlg_144.h"

#include <cstdio>

namespace brevimo::transcript {

const std::vector<PageSpec>& Pages() {
  using namespace brevimo::res;
  // The run page's chart button opens a window of its own: left out.
  static const std::vector<PageSpec> pages = {
      {"CPP_KsTCorr", &kDialog138, 1024, {}},  {"CPP_RazvedSpirta", &kDialog143, 0, {}},
      {"CPP_CombRastv", &kDialog131, 0, {}},   {"CPP_PowerAndOut", &kDialog129, 0, {}},
      {"CPP_VolMasMol", &kDialog140, 0, {}},   {"CPP_CalkTkip", &kDialog141, 0, {}},
      {"CPP_VacPereg", &kDialog133, 0, {}},    {"CPP_ShugarConc", &kDialog144, 0, {}},
      {"CPP_Peregon", &kDialog136, 0, {1099}}, {"CPP_TestPage", &kDialog132, 0, {}},
  };
  return pages;
}

const PageSpec* FindPage(const std::string& className) {
  for (const PageSpec& page : Pages())
    if (className == page.className) return &page;
  return nullptr;
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

std::string Run(const PageSpec& page, const std::vector<Scenario>& scenarios, Driver& driver) {
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
