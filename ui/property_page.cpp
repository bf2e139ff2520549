// SPDX-License-Identifier: GPL-3.0-or-later
#include "property_page.h"

#include "calc/number_text.h"
#include "dialog_builder.h"
#include "message_box.h"
#include "translation.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace {

const QString kEnterNumber = QStringLiteral("Please enter a number.");

bool Skip(CDataExchange* pDX) { return pDX->m_bFailed; }

} // namespace

void CDataExchange::Fail(int id) {
  m_bFailed = true;
  if (QWidget* control = m_pDlgWnd->GetDlgItem(id)) {
    control->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->selectAll();
  }
}

void DDX_Text(CDataExchange* pDX, int id, QString& value) {
  if (Skip(pDX)) return;
  QWidget* control = pDX->m_pDlgWnd->GetDlgItem(id);
  if (auto* edit = qobject_cast<QLineEdit*>(control)) {
    if (pDX->m_bSaveAndValidate)
      value = edit->text();
    else
      edit->setText(value);
  } else if (auto* label = qobject_cast<QLabel*>(control)) {
    // A page's texts on labels (messages, units) are shown translated.
    if (pDX->m_bSaveAndValidate)
      value = brevimo::SourceText(label, label->text());
    else
      brevimo::SetTranslated(label, brevimo::kMessageContext, value);
  } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
    if (pDX->m_bSaveAndValidate)
      value = combo->currentText();
    else
      combo->setCurrentIndex(combo->findText(value));
  }
}

void DDX_Text(CDataExchange* pDX, int id, double& value) {
  if (Skip(pDX)) return;
  auto* edit = qobject_cast<QLineEdit*>(pDX->m_pDlgWnd->GetDlgItem(id));
  if (!edit) return;
  if (!pDX->m_bSaveAndValidate) {
    edit->setText(QString::fromStdString(brevimo::FormatC("%.*g", 15, value)));
    return;
  }
  double parsed = 0.0;
  if (!brevimo::ParseStrictNumber(edit->text().toStdString(), &parsed)) {
    AfxMessageBox(kEnterNumber);
    pDX->Fail(id);
    return;
  }
  value = parsed;
}

void DDX_Radio(CDataExchange* pDX, int id, int& value) {
  if (Skip(pDX)) return;
  QWidget* page = pDX->m_pDlgWnd->GetSafeHwnd();
  QButtonGroup* group = page ? brevimo::RadioGroupOf(page, id) : nullptr;
  if (!group) return;
  if (pDX->m_bSaveAndValidate) {
    value = group->checkedId(); // -1 when none is checked
    return;
  }
  // Checking one button clears the others; -1 clears them all.
  group->setExclusive(false);
  const QList<QAbstractButton*> buttons = group->buttons();
  for (QAbstractButton* button : buttons)
    button->setChecked(group->id(button) == value);
  group->setExclusive(true);
}

void DDX_Check(CDataExchange* pDX, int id, int& value) {
  if (Skip(pDX)) return;
  auto* box = qobject_cast<QCheckBox*>(pDX->m_pDlgWnd->GetDlgItem(id));
  if (!box) return;
  if (pDX->m_bSaveAndValidate) {
    const Qt::CheckState state = box->checkState();
    value = state == Qt::Checked ? 1 : state == Qt::PartiallyChecked ? 2 : 0;
    return;
  }
  if (value < 0 || value > 2) value = 0;
  if (value == 2) box->setTristate(true);
  box->setCheckState(value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}

void DDX_Control(CDataExchange* pDX, int id, QComboBox*& control) {
  if (Skip(pDX)) return;
  control = qobject_cast<QComboBox*>(pDX->m_pDlgWnd->GetDlgItem(id));
}

void DDX_Number(CDataExchange* pDX, int id, const QString& text, double& value) {
  if (Skip(pDX) || !pDX->m_bSaveAndValidate) return;
  double parsed = 0.0;
  const bool ok = brevimo::ParseFieldNumber(text.toStdString(), &parsed);
  // A field that is read-only now is an output the calculation overwrites:
  // it is never refused (the user could not correct it), only read as the
  // number at its start, or 0.
  auto* edit = qobject_cast<QLineEdit*>(pDX->m_pDlgWnd->GetDlgItem(id));
  if (edit && edit->isReadOnly()) {
    value = ok ? parsed : 0.0;
    return;
  }
  if (!ok) {
    AfxMessageBox(kEnterNumber);
    pDX->Fail(id);
    return;
  }
  value = parsed;
}

QString FormatNumber(const char* format, double value) {
  return QString::fromStdString(brevimo::FormatC(format, value));
}

CPropertyPage::CPropertyPage(const brevimo::res::DlgTemplate& tmpl, const char* className)
    : m_template(tmpl), m_className(className) {
  setObjectName(QString::fromLatin1(className));
}

CPropertyPage::~CPropertyPage() = default;

QString CPropertyPage::Caption() const { return brevimo::TrTemplate(m_template.caption); }

void CPropertyPage::Attach(QWidget* parent, QWidget* host) {
  m_parent = parent;
  m_host = host;
  m_host->setObjectName(QString::fromLatin1(m_className));
  brevimo::SetTabSource(m_host, m_template.caption);
}

QWidget* CPropertyPage::GetDlgItem(int id) const {
  if (!m_created) return nullptr;
  return m_host->findChild<QWidget*>(QString::number(id), Qt::FindDirectChildrenOnly);
}

bool CPropertyPage::UpdateData(bool saveAndValidate) {
  if (!m_created) return false;
  CDataExchange dx(this, saveAndValidate);
  DoDataExchange(&dx);
  // A page may have changed a caption (a label that names a unit).
  if (!saveAndValidate) brevimo::NameFields(m_host);
  return !dx.m_bFailed;
}

void CPropertyPage::DoDataExchange(CDataExchange*) {}

bool CPropertyPage::OnInitDialog() {
  UpdateData(false);
  return true;
}

void CPropertyPage::Create() {
  brevimo::BuildDialog(m_template, m_host);
  m_created = true;
  for (const auto& [id, handler] : m_clickHandlers) {
    if (auto* button = qobject_cast<QAbstractButton*>(GetDlgItem(id)))
      connect(button, &QAbstractButton::clicked, this, [fn = handler] { fn(); });
  }
  OnInitDialog();
}

bool CPropertyPage::OnSetActive() {
  if (!m_created) Create();
  if (m_firstSetActive)
    m_firstSetActive = false;
  else
    UpdateData(false);
  if (auto* button = qobject_cast<QPushButton*>(DefaultButton())) button->setDefault(true);
  return true;
}

bool CPropertyPage::OnKillActive() { return UpdateData(true); }

bool CPropertyPage::OnApply() { return true; }

QWidget* CPropertyPage::FirstTabStop() const {
  for (const brevimo::res::DlgItem& item : m_template.items) {
    QWidget* control = GetDlgItem(item.id);
    if (control && control->isEnabled() && (control->focusPolicy() & Qt::TabFocus)) return control;
  }
  return nullptr;
}

QWidget* CPropertyPage::DefaultButton() const {
  for (const brevimo::res::DlgItem& item : m_template.items)
    if (item.kind == brevimo::res::Ctl::Button && (item.style & brevimo::res::kDefault))
      return GetDlgItem(item.id);
  return nullptr;
}

bool CPropertyPage::ParseNumber(int id, const QString& text, double& value) {
  CDataExchange dx(this, true);
  DDX_Number(&dx, id, text, value);
  return !dx.m_bFailed;
}
