// SPDX-License-Identifier: GPL-3.0-or-later
// Every input field of every page takes a number only as its whole text.
#include "pages/page_registry.h"
#include "tests/ui/ui_fixture.h"

#include <QPushButton>
#include <QRadioButton>

#include <set>

namespace {

const QString kEnterNumber = QStringLiteral("Please enter a number.");

class NumberFieldsTest : public UiTest {
protected:
  // Types text into field, clicks button and tells whether the field was
  // refused: the message in a box (or in the page's error line) and the
  // focus back on the field. Other messages, such as limits, are dropped.
  bool Refuses(QLineEdit* field, QPushButton* button, const QString& text) {
    Type(field->objectName().toInt(), text);
    button->setFocus();
    QTest::mouseClick(button, Qt::LeftButton);
    bool refused = false;
    while (!Boxes().empty())
      refused |= TakeMessage() == kEnterNumber;
    for (const QLabel* label : Page()->findChildren<QLabel*>())
      refused |= label->text() == kEnterNumber;
    return refused && field->hasFocus();
  }
};

TEST_F(NumberFieldsTest, EveryInputTakesOnlyAWholeNumber) {
  const QString bad[] = {U("1,2,3"), U("1.5.5"), U(" 12.5kg"), U("12.5 kg"), U("abc")};
  const QString good[] = {U(" 12.5 "), U("12,5")};
  int fields = 0;
  for (const brevimo::PageEntry& entry : brevimo::SheetPages()) {
    ShowPage(entry.className);
    CPropertyPage& page = entry.page(Sheet());
    std::vector<QPushButton*> buttons;
    std::vector<QRadioButton*> options{nullptr}; // as opened, then after each handled option
    for (QAbstractButton* b : Page()->findChildren<QAbstractButton*>()) {
      if (!page.HandlesCommand(b->objectName().toInt())) continue;
      if (auto* push = qobject_cast<QPushButton*>(b)) buttons.push_back(push);
      if (auto* option = qobject_cast<QRadioButton*>(b)) options.push_back(option);
    }
    std::set<QLineEdit*> tested;
    for (QRadioButton* option : options) {
      if (option) QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(5, option->height() / 2));
      for (QLineEdit* field : Page()->findChildren<QLineEdit*>()) {
        if (field->isReadOnly() || !tested.insert(field).second) continue;
        const std::string where =
            std::string(entry.className) + " field " + field->objectName().toStdString();
        const QString before = field->text();
        // the button that reads this field
        QPushButton* reader = nullptr;
        for (QPushButton* button : buttons)
          if (button->isEnabled() && Refuses(field, button, bad[0])) {
            reader = button;
            break;
          }
        ASSERT_NE(reader, nullptr) << where << ": no button refuses " << bad[0].toStdString();
        for (const QString& text : bad)
          EXPECT_TRUE(Refuses(field, reader, text))
              << where << " took '" << text.toStdString() << "'";
        for (const QString& text : good)
          EXPECT_FALSE(Refuses(field, reader, text))
              << where << " refused '" << text.toStdString() << "'";
        Type(field->objectName().toInt(), before);
        ++fields;
      }
    }
  }
  EXPECT_GE(fields, 36); // every page's inputs were reached
}

} // namespace
