// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_driver.h"

#include "app/dial_calc.h"
#include "pages/CPP_TestPage.h"
#include "ui/message_box.h"
#include "ui/translation.h"
#include "ui/widget_store.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <stdexcept>
#include <utility>

namespace brevimo::transcript {
namespace {

std::string Utf8(const QString& text) { return text.toStdString(); }

class WindowDriver final : public Driver {
public:
  ~WindowDriver() override {
    m_testPage.reset();
    m_testHost.reset();
    m_sheet.reset();
    SetMessageBoxHook({});
  }

  void Start(const TranscriptPage& page) override {
    m_page = &page;
    SetMessageBoxHook([this](const MessageBoxCall& call) { m_boxes.push_back(Utf8(call.text)); });
    m_sheet = std::make_unique<CDial_Calc>(QStringLiteral("Brevimo"));
    m_sheet->show();
    m_sheet->activateWindow();
    if (!QTest::qWaitForWindowActive(m_sheet.get())) throw std::runtime_error("sheet not active");
    QWidget* host = nullptr;
    if (std::string(page.className) == "CPP_TestPage") {
      // Not in the sheet: built on a host of its own, as its tests build it,
      // and linked to the sheet's boiling page as whoever creates it must.
      m_testHost = std::make_unique<QWidget>();
      m_testPage = std::make_unique<CPP_TestPage>();
      m_testPage->m_pCalcTkip = &m_sheet->m_CalkTkip;
      new WidgetStore(*m_testPage, m_sheet.get(), m_testHost.get()); // a child of the host
      m_testPage->OnSetActive();
      m_testHost->show();
      m_testHost->activateWindow();
      if (!QTest::qWaitForWindowActive(m_testHost.get()))
        throw std::runtime_error("test page not active");
      host = m_testHost.get();
    } else {
      auto* tabs = m_sheet->findChild<QTabWidget*>(QStringLiteral("tabs"));
      host = m_sheet->findChild<QWidget*>(QString::fromLatin1(page.className));
      tabs->setCurrentWidget(host);
    }
    // The controls in template order, found by the template item each
    // was built from.
    const auto& items = page.dialog->items;
    m_controls.assign(items.size(), nullptr);
    for (QWidget* w : host->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      const QVariant item = w->property("brevimoItem");
      if (!item.isValid()) continue;
      const auto* p = reinterpret_cast<const res::DlgItem*>(item.value<quintptr>());
      if (p >= items.data() && p < items.data() + items.size())
        m_controls[static_cast<std::size_t>(p - items.data())] = w;
    }
  }

  bool Type(int id, const std::string& text) override {
    auto* edit = qobject_cast<QLineEdit*>(Control(id));
    if (!edit || edit->isReadOnly() || !edit->isEnabled()) return false;
    edit->setFocus(Qt::MouseFocusReason);
    edit->setText(QString::fromStdString(text));
    return true;
  }

  bool Choose(int id, int index) override {
    QWidget* w = Control(id);
    if (auto* list = qobject_cast<QComboBox*>(w)) {
      if (!list->isEnabled() || index < 0 || index >= list->count()) return false;
      list->setFocus(Qt::MouseFocusReason);
      list->setCurrentIndex(index);
      Q_EMIT list->activated(index);
      Q_EMIT list->textActivated(list->itemText(index));
      return true;
    }
    auto* button = qobject_cast<QAbstractButton*>(w);
    if (!button || !button->isEnabled()) return false;
    if (qobject_cast<QRadioButton*>(button)) {
      if (index != 1) return false; // a radio button is cleared only by another
    } else if (!qobject_cast<QCheckBox*>(button) || index < 0 || index > 1) {
      return false;
    }
    // A click on the box, and only when it is not so already.
    if (button->isChecked() != (index == 1))
      QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, button->height() / 2));
    return true;
  }

  bool Click(int id) override {
    auto* button = qobject_cast<QPushButton*>(Control(id));
    if (!button || !button->isEnabled()) return false;
    QTest::mouseClick(button, Qt::LeftButton);
    return true;
  }

  Snapshot Snap() override {
    Snapshot s;
    for (QWidget* w : m_controls) {
      ControlState c;
      if (!w) {
        s.controls.push_back(c);
        continue;
      }
      c.enabled = w->isEnabled();
      if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        c.text = Utf8(edit->text());
        c.readOnly = edit->isReadOnly();
      } else if (auto* label = qobject_cast<QLabel*>(w)) {
        c.text = Utf8(SourceText(label, label->text()));
      } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
        c.text = Utf8(SourceText(box, box->title()));
      } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
        c.text = Utf8(SourceText(check, check->text()));
        c.value = check->checkState() == Qt::Checked            ? 1
                  : check->checkState() == Qt::PartiallyChecked ? 2
                                                                : 0;
      } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        c.text = Utf8(SourceText(button, button->text()));
        if (qobject_cast<QRadioButton*>(button)) c.value = button->isChecked() ? 1 : 0;
      } else if (auto* list = qobject_cast<QComboBox*>(w)) {
        c.value = list->currentIndex();
        c.text = Utf8(list->currentText());
      }
      s.controls.push_back(c);
    }
    s.focus = FocusName(QApplication::focusWidget());
    return s;
  }

  std::vector<std::string> TakeBoxes() override { return std::exchange(m_boxes, {}); }

private:
  // The focus control's ID, "#<index>" for a static, "-" for none, or
  // "outside:<name>".
  std::string FocusName(const QWidget* focus) const {
    if (!focus) return std::string(1, '-');
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
      if (m_controls[i] != focus) continue;
      const int id = m_page->dialog->items[i].id;
      return id == res::IDC_STATIC ? std::string(1, '#').append(std::to_string(i))
                                   : std::to_string(id);
    }
    return std::string("outside:").append(Utf8(focus->objectName()));
  }

  QWidget* Control(int id) const {
    for (std::size_t i = 0; i < m_controls.size(); ++i)
      if (m_page->dialog->items[i].id == id) return m_controls[i];
    return nullptr;
  }

  const TranscriptPage* m_page = nullptr;
  std::unique_ptr<CDial_Calc> m_sheet;
  std::unique_ptr<QWidget> m_testHost;
  std::unique_ptr<CPP_TestPage> m_testPage;
  std::vector<QWidget*> m_controls;
  std::vector<std::string> m_boxes;
};

} // namespace

std::unique_ptr<Driver> MakeWindowDriver() { return std::make_unique<WindowDriver>(); }

} // namespace brevimo::transcript
