// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_store.h"

#include <algorithm>

namespace brevimo::web {

void FormStore::CreateControls(CPropertyPage& page) {
  Group* group = nullptr;
  for (const res::DlgItem& item : page.Template().items) {
    // A run of radio buttons from one that starts a group up to the next
    // control that starts one, as the window builds its groups.
    if (item.style & res::kGroup) group = nullptr;
    switch (item.kind) {
    case res::Ctl::Label:
    case res::Ctl::Edit:
      m_kind[item.id] = Kind::Text;
      m_text[item.id] = item.text;
      if (item.style & res::kReadOnly) m_readOnly.insert(item.id);
      break;
    case res::Ctl::CheckBox:
      m_kind[item.id] = Kind::Check;
      m_choice[item.id] = 0;
      break;
    case res::Ctl::DropList:
    case res::Ctl::DropDown:
      m_kind[item.id] = Kind::List;
      m_choice[item.id] = -1;
      m_items[item.id].assign(item.items.begin(), item.items.end());
      break;
    case res::Ctl::Radio:
      m_kind[item.id] = Kind::Radio;
      if (!group) group = &m_groups.emplace_back(Group{item.id, {}, -1});
      group->buttons.push_back(item.id);
      break;
    case res::Ctl::Button:
      m_kind[item.id] = Kind::Button;
      break;
    case res::Ctl::GroupBox:
    case res::Ctl::Icon:
      break;
    }
  }
  // Labels without an ID are never exchanged.
  m_kind.erase(res::IDC_STATIC);
  m_text.erase(res::IDC_STATIC);
}

FormStore::Group* FormStore::GroupOf(int id) {
  for (Group& group : m_groups)
    if (std::find(group.buttons.begin(), group.buttons.end(), id) != group.buttons.end())
      return &group;
  return nullptr;
}

const FormStore::Group* FormStore::GroupOf(int id) const {
  return const_cast<FormStore*>(this)->GroupOf(id);
}

std::string FormStore::GetText(int id) const {
  auto kind = m_kind.find(id);
  if (kind == m_kind.end()) return {};
  if (kind->second == Kind::List) {
    const int index = m_choice.at(id);
    const auto& items = m_items.at(id);
    return index >= 0 && index < static_cast<int>(items.size()) ? items[index] : std::string();
  }
  auto it = m_text.find(id);
  return it == m_text.end() ? std::string() : it->second;
}

void FormStore::SetText(int id, const std::string& text) {
  auto kind = m_kind.find(id);
  if (kind == m_kind.end()) return;
  if (kind->second == Kind::Text) {
    m_text[id] = text;
  } else if (kind->second == Kind::List) {
    const auto& items = m_items.at(id);
    auto it = std::find(items.begin(), items.end(), text);
    m_choice[id] = it == items.end() ? -1 : static_cast<int>(it - items.begin());
  }
}

int FormStore::GetChoice(int id) const {
  auto kind = m_kind.find(id);
  if (kind == m_kind.end()) return -1;
  if (kind->second == Kind::Check || kind->second == Kind::List) return m_choice.at(id);
  const Group* group = GroupOf(id);
  return group ? group->checked : -1;
}

void FormStore::SetChoice(int id, int value) {
  auto kind = m_kind.find(id);
  if (kind == m_kind.end()) return;
  if (kind->second == Kind::Check) {
    m_choice[id] = value;
  } else if (kind->second == Kind::List) {
    const int count = static_cast<int>(m_items.at(id).size());
    m_choice[id] = value >= 0 && value < count ? value : -1;
  } else if (Group* group = GroupOf(id)) {
    const int count = static_cast<int>(group->buttons.size());
    group->checked = value >= 0 && value < count ? value : -1;
  }
}

void FormStore::SetReadOnly(int id, bool readOnly) {
  if (!HasControl(id)) return;
  if (readOnly)
    m_readOnly.insert(id);
  else
    m_readOnly.erase(id);
}

void FormStore::SetEnabled(int id, bool enabled) {
  if (!HasControl(id)) return;
  if (enabled)
    m_disabled.erase(id);
  else
    m_disabled.insert(id);
}

void FormStore::Type(int id, const std::string& text) {
  auto kind = m_kind.find(id);
  if (kind != m_kind.end() && kind->second == Kind::Text && !m_readOnly.count(id))
    m_text[id] = text;
}

void FormStore::Choose(int id, int value) { SetChoice(id, value); }

std::map<int, int> FormStore::Choices() const {
  std::map<int, int> choices = m_choice;
  for (const Group& group : m_groups)
    choices[group.first] = group.checked;
  return choices;
}

} // namespace brevimo::web
