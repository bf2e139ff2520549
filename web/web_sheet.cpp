// SPDX-License-Identifier: GPL-3.0-or-later
#include "web_sheet.h"

#include "pages/page_registry.h"

namespace brevimo::web {

WebSheet::WebSheet() {
  SetPageServices(&m_services);
  for (const PageEntry& entry : SheetPages()) {
    auto store = std::make_unique<FormStore>();
    entry.page(*this).Attach(this, store.get());
    m_stores.emplace(entry.className, std::move(store));
  }
}

WebSheet::~WebSheet() {
  if (GetPageServices() == &m_services) SetPageServices(nullptr);
}

CPropertyPage* WebSheet::Page(const std::string& className) {
  const PageEntry* entry = FindPage(className.c_str());
  return entry ? &entry->page(*this) : nullptr;
}

FormState WebSheet::Show(const std::string& className) {
  if (CPropertyPage* page = Page(className)) page->OnSetActive();
  return State(className);
}

void WebSheet::Input(const std::string& className, const FormInput& input) {
  CPropertyPage* page = Page(className);
  if (!page) return;
  if (!page->IsCreated()) page->OnSetActive();
  FormStore& store = *m_stores.at(className);
  for (const auto& [id, text] : input.text)
    store.Type(id, text);
  for (const auto& [id, value] : input.choice)
    store.Choose(id, value);
}

FormState WebSheet::Click(const std::string& className, int id, const FormInput& input) {
  Input(className, input);
  if (CPropertyPage* page = Page(className)) page->OnCommand(id);
  return State(className);
}

FormState WebSheet::State(const std::string& className) {
  FormState state;
  auto it = m_stores.find(className);
  if (it == m_stores.end()) return state;
  FormStore& store = *it->second;
  state.text = store.Texts();
  state.choice = store.Choices();
  state.readOnly.assign(store.ReadOnly().begin(), store.ReadOnly().end());
  state.disabled.assign(store.Disabled().begin(), store.Disabled().end());
  state.messages = m_services.TakeMessages();
  state.focus = store.TakeFocus();
  return state;
}

} // namespace brevimo::web
