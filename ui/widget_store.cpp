// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget_store.h"

#include "dialog_builder.h"
#include "message_box.h"
#include "replacing_file.h"
#include "translation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace brevimo {
namespace {

const WidgetStore* StoreOf(const CPropertyPage& page) {
  return dynamic_cast<const WidgetStore*>(page.Store());
}

// The results and test files: they replace the file of their name only once
// written whole (ReplacingFile).
class WidgetFile final : public PageServices::OutputFile {
public:
  explicit WidgetFile(const std::string& name) : m_file(QString::fromStdString(name)) {
    m_open = m_file.Open();
  }
  bool IsOpen() const override { return m_open; }
  void Write(const char* data, std::size_t size) override {
    m_file.Write(data, static_cast<qsizetype>(size));
  }
  bool Commit(std::string* message) override {
    if (m_file.Commit()) return true;
    if (message) *message = WriteFailureMessage(m_file.Path(), m_file.Reason()).toStdString();
    return false;
  }

private:
  ReplacingFile m_file;
  bool m_open = false;
};

class WidgetServices final : public PageServices {
public:
  void MessageBox(const std::string& text) override { AfxMessageBox(QString::fromStdString(text)); }
  void BeginWait() override { QApplication::setOverrideCursor(Qt::WaitCursor); }
  void EndWait() override { QApplication::restoreOverrideCursor(); }
  std::unique_ptr<OutputFile> CreateFile(const std::string& name) override {
    return std::make_unique<WidgetFile>(name);
  }
};

} // namespace

WidgetStore::WidgetStore(CPropertyPage& page, CPropertySheet* parent, QWidget* host)
    : QObject(host), m_host(host) {
  InstallWidgetServices();
  setObjectName(QString::fromLatin1(page.ClassName()));
  m_host->setObjectName(QString::fromLatin1(page.ClassName()));
  SetTabSource(m_host, page.Template().caption);
  page.Attach(parent, this);
}

QWidget* WidgetStore::Control(int id) const {
  if (!m_created) return nullptr;
  return m_host->findChild<QWidget*>(QString::number(id), Qt::FindDirectChildrenOnly);
}

void WidgetStore::CreateControls(CPropertyPage& page) {
  BuildDialog(page.Template(), m_host);
  m_created = true;
  for (const res::DlgItem& item : page.Template().items) {
    if (!page.HandlesCommand(item.id)) continue;
    if (auto* button = qobject_cast<QAbstractButton*>(Control(item.id)))
      connect(button, &QAbstractButton::clicked, this,
              [&page, id = item.id] { page.OnCommand(id); });
  }
}

std::string WidgetStore::GetText(int id) const {
  QWidget* control = Control(id);
  if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit->text().toStdString();
  // A page's texts on labels (messages, units) are shown translated.
  if (auto* label = qobject_cast<QLabel*>(control))
    return SourceText(label, label->text()).toStdString();
  if (auto* combo = qobject_cast<QComboBox*>(control)) return combo->currentText().toStdString();
  return {};
}

void WidgetStore::SetText(int id, const std::string& text) {
  QWidget* control = Control(id);
  const QString value = QString::fromStdString(text);
  if (auto* edit = qobject_cast<QLineEdit*>(control)) {
    edit->setText(value);
    KeepStartInView(edit); // a number wider than the field from its first digit
  } else if (auto* label = qobject_cast<QLabel*>(control))
    SetTranslated(label, kMessageContext, value);
  else if (auto* combo = qobject_cast<QComboBox*>(control))
    combo->setCurrentIndex(combo->findText(value));
}

int WidgetStore::GetChoice(int id) const {
  QWidget* control = Control(id);
  if (auto* box = qobject_cast<QCheckBox*>(control)) {
    const Qt::CheckState state = box->checkState();
    return state == Qt::Checked ? 1 : state == Qt::PartiallyChecked ? 2 : 0;
  }
  if (auto* combo = qobject_cast<QComboBox*>(control)) return combo->currentIndex();
  QButtonGroup* group = m_created ? RadioGroupOf(m_host, id) : nullptr;
  return group ? group->checkedId() : -1; // -1 when none is checked
}

void WidgetStore::SetChoice(int id, int value) {
  QWidget* control = Control(id);
  if (auto* box = qobject_cast<QCheckBox*>(control)) {
    if (value == 2) box->setTristate(true);
    box->setCheckState(value == 1   ? Qt::Checked
                       : value == 2 ? Qt::PartiallyChecked
                                    : Qt::Unchecked);
    return;
  }
  if (auto* combo = qobject_cast<QComboBox*>(control)) {
    combo->setCurrentIndex(value);
    return;
  }
  QButtonGroup* group = m_created ? RadioGroupOf(m_host, id) : nullptr;
  if (!group) return;
  // Checking one button clears the others; -1 clears them all.
  group->setExclusive(false);
  const QList<QAbstractButton*> buttons = group->buttons();
  for (QAbstractButton* button : buttons)
    button->setChecked(group->id(button) == value);
  group->setExclusive(true);
}

bool WidgetStore::IsReadOnly(int id) const {
  auto* edit = qobject_cast<QLineEdit*>(Control(id));
  return edit && edit->isReadOnly();
}

void WidgetStore::SetReadOnly(int id, bool readOnly) {
  if (auto* edit = qobject_cast<QLineEdit*>(Control(id))) edit->setReadOnly(readOnly);
}

void WidgetStore::SetEnabled(int id, bool enabled) {
  if (QWidget* control = Control(id)) control->setEnabled(enabled);
}

void WidgetStore::Focus(int id) {
  QWidget* control = Control(id);
  if (!control) return;
  control->setFocus(Qt::OtherFocusReason);
  if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->selectAll();
}

void WidgetStore::Shown() { NameFields(m_host); }

QWidget* HostOf(const CPropertyPage& page) {
  const WidgetStore* store = StoreOf(page);
  return store ? store->Host() : nullptr;
}

QWidget* CreatedHostOf(const CPropertyPage& page) {
  return page.IsCreated() ? HostOf(page) : nullptr;
}

QWidget* ControlOf(const CPropertyPage& page, int id) {
  const WidgetStore* store = StoreOf(page);
  return store ? store->Control(id) : nullptr;
}

QString CaptionOf(const CPropertyPage& page) { return TrTemplate(page.Template().caption); }

QWidget* FirstTabStopOf(const CPropertyPage& page) {
  for (const res::DlgItem& item : page.Template().items) {
    QWidget* control = ControlOf(page, item.id);
    if (control && control->isEnabled() && (control->focusPolicy() & Qt::TabFocus)) return control;
  }
  return nullptr;
}

QWidget* DefaultButtonOf(const CPropertyPage& page) {
  for (const res::DlgItem& item : page.Template().items)
    if (item.kind == res::Ctl::Button && (item.style & res::kDefault))
      return ControlOf(page, item.id);
  return nullptr;
}

void InstallWidgetServices() {
  static WidgetServices services;
  SetPageServices(&services);
}

} // namespace brevimo
