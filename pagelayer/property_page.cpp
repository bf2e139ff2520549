// SPDX-License-Identifier: GPL-3.0-or-later
#include "property_page.h"

namespace {

brevimo::PageServices* s_services = nullptr;

bool Skip(CDataExchange* pDX) { return pDX->m_bFailed; }

brevimo::FieldStore* StoreOf(CDataExchange* pDX) {
  brevimo::FieldStore* store = pDX->m_pDlgWnd->Store();
  return pDX->m_pDlgWnd->IsCreated() ? store : nullptr;
}

} // namespace

namespace brevimo {

void SetPageServices(PageServices* services) { s_services = services; }
PageServices* GetPageServices() { return s_services; }

} // namespace brevimo

int AfxMessageBox(const std::string& text) {
  if (s_services) s_services->MessageBox(text);
  return IDOK;
}

CWaitCursor::CWaitCursor() {
  if (s_services) s_services->BeginWait();
}

CWaitCursor::~CWaitCursor() {
  if (s_services) s_services->EndWait();
}

void CDataExchange::Fail(int id) {
  m_bFailed = true;
  if (brevimo::FieldStore* store = StoreOf(this); store && store->HasControl(id)) store->Focus(id);
}

void DDX_Text(CDataExchange* pDX, int id, std::string& value) {
  if (Skip(pDX)) return;
  brevimo::FieldStore* store = StoreOf(pDX);
  if (!store || !store->HasControl(id)) return;
  if (pDX->m_bSaveAndValidate)
    value = store->GetText(id);
  else
    store->SetText(id, value);
}

void DDX_Text(CDataExchange* pDX, int id, double& value) {
  if (Skip(pDX)) return;
  brevimo::FieldStore* store = StoreOf(pDX);
  if (!store || !store->HasControl(id)) return;
  if (!pDX->m_bSaveAndValidate) {
    store->SetText(id, brevimo::FormatC("%.*g", 15, value));
    return;
  }
  double parsed = 0.0;
  if (!brevimo::ParseStrictNumber(store->GetText(id), &parsed)) {
    AfxMessageBox(kEnterNumber);
    pDX->Fail(id);
    return;
  }
  value = parsed;
}

void DDX_Radio(CDataExchange* pDX, int id, int& value) {
  if (Skip(pDX)) return;
  brevimo::FieldStore* store = StoreOf(pDX);
  if (!store || !store->HasControl(id)) return;
  if (pDX->m_bSaveAndValidate)
    value = store->GetChoice(id); // -1 when none is checked
  else
    store->SetChoice(id, value); // -1 clears them all
}

void DDX_Check(CDataExchange* pDX, int id, int& value) {
  if (Skip(pDX)) return;
  brevimo::FieldStore* store = StoreOf(pDX);
  if (!store || !store->HasControl(id)) return;
  if (pDX->m_bSaveAndValidate) {
    value = store->GetChoice(id);
    return;
  }
  if (value < 0 || value > 2) value = 0;
  store->SetChoice(id, value);
}

void DDX_Control(CDataExchange* pDX, int id, CComboBox& control) {
  if (Skip(pDX)) return;
  brevimo::FieldStore* store = StoreOf(pDX);
  if (!store || !store->HasControl(id)) return;
  control.m_store = store;
  control.m_id = id;
}

void DDX_Number(CDataExchange* pDX, int id, const std::string& text, double& value) {
  if (Skip(pDX) || !pDX->m_bSaveAndValidate) return;
  double parsed = 0.0;
  // A field that is read-only now is an output the calculation overwrites:
  // it is never refused (the user could not correct it), only read as the
  // number at its start, or 0.
  brevimo::FieldStore* store = StoreOf(pDX);
  if (store && store->HasControl(id) && store->IsReadOnly(id)) {
    value = brevimo::ParseLeadingNumber(text, &parsed) ? parsed : 0.0;
    return;
  }
  if (!brevimo::ParseFieldNumber(text, &parsed)) {
    AfxMessageBox(kEnterNumber);
    pDX->Fail(id);
    return;
  }
  value = parsed;
}

std::string FormatNumber(const char* format, double value) {
  return brevimo::FormatC(format, value);
}

CPropertyPage::CPropertyPage(const brevimo::res::DlgTemplate& tmpl, const char* className)
    : m_template(tmpl), m_className(className) {}

CPropertyPage::~CPropertyPage() = default;

void CPropertyPage::Attach(CPropertySheet* parent, brevimo::FieldStore* store) {
  m_parent = parent;
  m_store = store;
}

bool CPropertyPage::UpdateData(bool saveAndValidate) {
  if (!m_created) return false;
  CDataExchange dx(this, saveAndValidate);
  DoDataExchange(&dx);
  if (!saveAndValidate) m_store->Shown();
  return !dx.m_bFailed;
}

void CPropertyPage::DoDataExchange(CDataExchange*) {}

bool CPropertyPage::OnInitDialog() {
  UpdateData(false);
  return true;
}

void CPropertyPage::Create() {
  if (!m_store) return;
  m_store->CreateControls(*this);
  m_created = true;
  OnInitDialog();
}

bool CPropertyPage::OnSetActive() {
  if (!m_created) Create();
  if (m_firstSetActive)
    m_firstSetActive = false;
  else
    UpdateData(false);
  return true;
}

bool CPropertyPage::OnKillActive() { return UpdateData(true); }

bool CPropertyPage::OnApply() { return true; }

bool CPropertyPage::OnCommand(int id) {
  auto it = m_clickHandlers.find(id);
  if (it == m_clickHandlers.end()) return false;
  it->second();
  return true;
}

bool CPropertyPage::ParseNumber(int id, const std::string& text, double& value) {
  CDataExchange dx(this, true);
  DDX_Number(&dx, id, text, value);
  return !dx.m_bFailed;
}
