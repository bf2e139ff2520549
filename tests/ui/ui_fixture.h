// SPDX-License-Identifier: GPL-3.0-or-later
// The shared fixture of the page tests: a real calculator sheet on the
// offscreen platform. Message boxes are captured instead of shown; a test
// takes the ones it expects, and any it did not take fails it. A modal
// dialog left open fails the test and is closed by a watchdog.
#pragma once

#include "app/dial_calc.h"
#include "ui/message_box.h"
#include "ui/widget_store.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <memory>

class UiTest : public ::testing::Test {
protected:
  void SetUp() override {
    brevimo::SetMessageBoxHook(
        [this](const brevimo::MessageBoxCall& call) { m_boxes.push_back(call); });
    m_sheet = std::make_unique<CDial_Calc>(QStringLiteral("Brevimo"));
    m_sheet->show();
    m_sheet->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(m_sheet.get()));
    m_watchdog.setInterval(2000);
    QObject::connect(&m_watchdog, &QTimer::timeout, &m_watchdog, [] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        ADD_FAILURE() << "unexpected modal dialog: " << modal->windowTitle().toStdString();
        modal->close();
      }
    });
    m_watchdog.start();
  }

  void TearDown() override {
    m_watchdog.stop();
    for (const auto& box : m_boxes)
      ADD_FAILURE() << "unexpected message box: " << box.text.toStdString();
    m_boxes.clear();
    m_sheet.reset();
    brevimo::SetMessageBoxHook({});
  }

  CDial_Calc& Sheet() { return *m_sheet; }
  QTabWidget* Tabs() { return m_sheet->findChild<QTabWidget*>(QStringLiteral("tabs")); }

  // Selects the tab of the page with the given class name.
  void ShowPage(const char* className) {
    QWidget* host = m_sheet->findChild<QWidget*>(QString::fromLatin1(className));
    ASSERT_NE(host, nullptr) << className;
    Tabs()->setCurrentWidget(host);
  }

  QWidget* Page() { return Tabs()->currentWidget(); }

  template <class W = QWidget> W* Control(int id) {
    auto* w = Page()->findChild<W*>(QString::number(id), Qt::FindDirectChildrenOnly);
    EXPECT_NE(w, nullptr) << "control " << id;
    return w;
  }

  // Replaces the text of an edit field by typing, as a user would.
  void Type(int id, const QString& text) {
    QLineEdit* edit = Control<QLineEdit>(id);
    if (!edit) return;
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
  }

  void Click(int id) {
    if (auto* button = Control<QAbstractButton>(id)) QTest::mouseClick(button, Qt::LeftButton);
  }

  QString Text(int id) {
    QWidget* w = Control(id);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text();
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
    if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->currentText();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
    return {};
  }

  bool Checked(int id) {
    auto* b = Control<QAbstractButton>(id);
    return b && b->isChecked();
  }

  // Checks or clears a check box, or checks a radio button, as a user would:
  // a click on its box, and only when it is not so already.
  void SetChecked(int id, bool on) {
    auto* button = Control<QAbstractButton>(id);
    ASSERT_NE(button, nullptr);
    if (button->isChecked() != on)
      QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, button->height() / 2));
    ASSERT_EQ(button->isChecked(), on);
  }

  // Chooses a list item by its text, as a user would: the lists take no typing.
  void Choose(int id, const QString& item) {
    auto* list = Control<QComboBox>(id);
    ASSERT_NE(list, nullptr);
    const int index = list->findText(item);
    ASSERT_GE(index, 0) << item.toStdString();
    list->setCurrentIndex(index);
  }

  // The oldest captured message box text; fails when there is none.
  QString TakeMessage() {
    if (m_boxes.empty()) {
      ADD_FAILURE() << "no message box was shown";
      return {};
    }
    const QString text = m_boxes.front().text;
    m_boxes.pop_front();
    return text;
  }

  const std::deque<brevimo::MessageBoxCall>& Boxes() const { return m_boxes; }
  bool NoMessage() const { return m_boxes.empty(); }

private:
  std::unique_ptr<CDial_Calc> m_sheet;
  std::deque<brevimo::MessageBoxCall> m_boxes;
  QTimer m_watchdog;
};

// Readable QStrings in test failures.
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

// Texts in expectations are UTF-8 literals.
inline QString U(const char* text) { return QString::fromUtf8(text); }
