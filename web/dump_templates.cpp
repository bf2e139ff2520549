// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the pages of the registry, in tab order, with their dialog
// templates as JSON for the site generator, so that the web pages take
// their list, captions, items and control IDs from the same data as the
// window. Built for Node and run at build time.
#include "pages/page_registry.h"
#include "res/field_caption.h"

#include <cstdio>
#include <string>

using namespace brevimo::res;

namespace {

std::string Quoted(const char* text) {
  std::string out = "\"";
  for (const char* p = text; *p; ++p) {
    if (*p == '"' || *p == '\\') out += '\\';
    if (*p == '\n') {
      out += "\\n";
      continue;
    }
    out += *p;
  }
  return out + '"';
}

const char* KindName(Ctl kind) {
  switch (kind) {
  case Ctl::Label:
    return "label";
  case Ctl::Edit:
    return "edit";
  case Ctl::Button:
    return "button";
  case Ctl::GroupBox:
    return "group";
  case Ctl::CheckBox:
    return "check";
  case Ctl::Radio:
    return "radio";
  case Ctl::DropList:
    return "list";
  case Ctl::DropDown:
    return "dropdown";
  case Ctl::Icon:
    return "icon";
  }
  return "";
}

// A field's name as the window gives it: the indices of the items whose
// captions name it, and of its group box, which names it when the page has
// emptied those captions (-1 when none).
std::string Names(const DlgTemplate& t, const DlgItem& c) {
  if (!IsField(c)) return "";
  std::string names;
  for (const DlgItem* caption : FieldCaptions(t, c))
    names += (names.empty() ? "" : ", ") + std::to_string(caption - t.items.data());
  const DlgItem* group = GroupOf(t, c);
  return ", \"names\": [" + names +
         "], \"nameGroup\": " + std::to_string(group ? group - t.items.data() : -1);
}

void Dump(const char* className, const DlgTemplate& t, bool last) {
  std::printf("%s: {\"id\": %d, \"caption\": %s, \"items\": [\n", Quoted(className).c_str(), t.id,
              Quoted(t.caption).c_str());
  for (std::size_t i = 0; i < t.items.size(); ++i) {
    const DlgItem& c = t.items[i];
    std::string items;
    for (const char* item : c.items)
      items += (items.empty() ? "" : ", ") + Quoted(item);
    std::printf(
        "  {\"id\": %d, \"kind\": \"%s\", \"text\": %s, \"x\": %d, \"y\": %d, \"cx\": %d, "
        "\"cy\": %d, \"readOnly\": %s, \"group\": %s, \"default\": %s, \"items\": [%s]%s}%s\n",
        c.id, KindName(c.kind), Quoted(c.text).c_str(), c.x, c.y, c.cx, c.cy,
        c.style & kReadOnly ? "true" : "false", c.style & kGroup ? "true" : "false",
        c.style & kDefault ? "true" : "false", items.c_str(), Names(t, c).c_str(),
        i + 1 < t.items.size() ? "," : "");
  }
  std::printf("]}%s\n", last ? "" : ",");
}

} // namespace

int main() {
  std::printf("{\n");
  const auto pages = brevimo::SheetPages();
  for (std::size_t i = 0; i < pages.size(); ++i)
    Dump(pages[i].className, *pages[i].dialog, i + 1 == pages.size());
  std::printf("}\n");
  return 0;
}
