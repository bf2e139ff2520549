// SPDX-License-Identifier: GPL-3.0-or-later
// A seeded random walk through the whole window, as an impatient user would
// take it: any text into any input field of any page, list choices, check
// boxes, radio and push buttons, changes of tab, every message box answered.
// After every step no field shows a number that is not finite, every
// message box has the program's title and a text, and the window is open.
// BREVIMO_MONKEY_SEED=<n> replays a run; BREVIMO_MONKEY_STEPS=<n> makes it
// longer.
#include "tests/ui/ui_fixture.h"

#include "ui/stacked_tab_bar.h"

#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cmath>
#include <map>
#include <random>

namespace {

// Texts of every kind a user may type.
QString RandomText(std::mt19937& rng) {
  static const char* const kFixed[] = {
      "",
      " ",
      "0",
      "-0",
      "1",
      "-1",
      "0.5",
      ",5",
      "1,5",
      "96",
      "100",
      "100.01",
      "-273.2",
      "1e308",
      "-1e308",
      "1e-308",
      "1e999",
      "4.9e-324",
      "99999999999999999999",
      "12kg",
      "abc",
      "Спирт",
      "  12 ",
      "1 2",
      "nan",
      "inf",
      "-inf",
      "0x10",
      "..",
      "--5",
      "5e",
      "7 ",
  };
  std::uniform_int_distribution<int> kind(0, 3);
  switch (kind(rng)) {
  case 0:
    return QString::fromUtf8(
        kFixed[std::uniform_int_distribution<std::size_t>(0, std::size(kFixed) - 1)(rng)]);
  case 1: { // a number of any size and sign, with a point or a comma
    const double mantissa = std::uniform_real_distribution<double>(-10, 10)(rng);
    const int exponent = std::uniform_int_distribution<int>(-12, 12)(rng);
    QString text = QString::number(mantissa * std::pow(10.0, exponent), 'g', 8);
    if (rng() % 2) text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
  }
  case 2: // a plain value in the ranges the pages use
    return QString::number(std::uniform_real_distribution<double>(-50, 150)(rng), 'f',
                           std::uniform_int_distribution<int>(0, 3)(rng));
  default: { // characters of every kind
    static const QString kChars = QString::fromUtf8("0123456789.,-+eE xйЖ%");
    QString text;
    for (int n = std::uniform_int_distribution<int>(1, 8)(rng); n > 0; --n)
      text += kChars[std::uniform_int_distribution<int>(0, kChars.size() - 1)(rng)];
    return text;
  }
  }
}

// Types text key by key; letters outside ASCII come as the text of a key
// event without a key code, as an input method delivers them.
void TypeKeys(QWidget* w, const QString& text) {
  for (const QChar c : text) {
    if (c.unicode() >= 0x20 && c.unicode() < 0x7f)
      QTest::keyClick(w, static_cast<char>(c.unicode()));
    else
      QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

template <class W> QList<W*> Usable(QWidget* page) {
  QList<W*> out;
  for (W* w : page->findChildren<W*>(QString(), Qt::FindDirectChildrenOnly))
    if (w->isVisible() && w->isEnabled()) out.push_back(w);
  return out;
}

template <class W> W* Pick(const QList<W*>& list, std::mt19937& rng) {
  if (list.isEmpty()) return nullptr;
  return list[std::uniform_int_distribution<int>(0, list.size() - 1)(rng)];
}

class MonkeyTest : public UiTest {
protected:
  void SetUp() override {
    // The distillation run may write its results file into the current folder.
    ASSERT_TRUE(m_dir.isValid());
    m_oldDir = QDir::currentPath();
    QDir::setCurrent(m_dir.path());
    UiTest::SetUp();
  }
  void TearDown() override {
    UiTest::TearDown();
    QDir::setCurrent(m_oldDir);
  }

  // One random action of a user; returns what it did.
  std::string Act(std::mt19937& rng) {
    QWidget* page = Page();
    switch (std::uniform_int_distribution<int>(0, 9)(rng)) {
    case 0: { // another tab
      auto* rows = Sheet().findChild<CStackedTabBar*>(QStringLiteral("tabrows"));
      const int tab = std::uniform_int_distribution<int>(0, Tabs()->count() - 1)(rng);
      QTest::mouseClick(rows, Qt::LeftButton, {}, rows->TabRect(tab).center());
      return "tab " + std::to_string(tab);
    }
    case 1:
    case 2:
    case 3:
    case 4: { // text into an input field
      QList<QLineEdit*> inputs;
      for (QLineEdit* edit : Usable<QLineEdit>(page))
        if (!edit->isReadOnly()) inputs.push_back(edit);
      QLineEdit* edit = Pick(inputs, rng);
      if (!edit) return "no input";
      const QString text = RandomText(rng);
      edit->setFocus();
      edit->selectAll();
      QTest::keyClick(edit, Qt::Key_Delete);
      TypeKeys(edit, text);
      m_typed[edit] = edit->text();
      return "type \"" + text.toStdString() + "\" into " + edit->objectName().toStdString();
    }
    case 5:
    case 6:
    case 7: { // a push button
      QPushButton* button = Pick(Usable<QPushButton>(page), rng);
      if (!button) return "no button";
      QTest::mouseClick(button, Qt::LeftButton);
      return "press " + button->objectName().toStdString();
    }
    case 8: { // a radio button or check box
      QAbstractButton* button = Pick(Usable<QAbstractButton>(page), rng);
      if (!button || qobject_cast<QPushButton*>(button)) return "no option";
      QTest::mouseClick(button, Qt::LeftButton);
      return "click " + button->objectName().toStdString();
    }
    default: { // a list choice, by the keyboard
      QComboBox* combo = Pick(Usable<QComboBox>(page), rng);
      if (!combo) return "no list";
      combo->setFocus();
      QTest::keyClick(combo, rng() % 2 ? Qt::Key_Down : Qt::Key_Up);
      return "choose " + combo->objectName().toStdString();
    }
    }
  }

  // What the program shows after a step.
  void Check(const std::string& step) {
    for (const brevimo::MessageBoxCall& box : Boxes()) {
      EXPECT_EQ(box.title, brevimo::AppName()) << step;
      EXPECT_FALSE(box.text.trimmed().isEmpty()) << step;
    }
    while (!NoMessage())
      TakeMessage(); // answered
    const QRegularExpression nonFinite(QStringLiteral("nan|inf"),
                                       QRegularExpression::CaseInsensitiveOption);
    for (QLineEdit* edit : Sheet().findChildren<QLineEdit*>()) {
      const auto typed = m_typed.find(edit);
      if (typed != m_typed.end() && typed->second == edit->text()) continue; // as typed
      EXPECT_FALSE(edit->text().contains(nonFinite))
          << step << ": field " << edit->objectName().toStdString() << " shows "
          << edit->text().toStdString();
    }
    for (QLabel* label : Sheet().findChildren<QLabel*>())
      EXPECT_FALSE(label->text().contains(nonFinite))
          << step << ": label " << label->objectName().toStdString() << " shows "
          << label->text().toStdString();
    EXPECT_TRUE(Sheet().isVisible()) << step;
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << step;
  }

private:
  QTemporaryDir m_dir;
  QString m_oldDir;
  std::map<QLineEdit*, QString> m_typed; // each field's text as last typed
};

TEST_F(MonkeyTest, RandomUseKeepsTheWindowSound) {
  const unsigned seed = qEnvironmentVariableIsSet("BREVIMO_MONKEY_SEED")
                            ? qEnvironmentVariable("BREVIMO_MONKEY_SEED").toUInt()
                            : 20261208u;
  const int steps = qEnvironmentVariableIsSet("BREVIMO_MONKEY_STEPS")
                        ? qEnvironmentVariableIntValue("BREVIMO_MONKEY_STEPS")
                        : 1500;
  SCOPED_TRACE("BREVIMO_MONKEY_SEED=" + std::to_string(seed));
  std::mt19937 rng(seed);
  for (int i = 0; i < steps && !HasFailure(); ++i) {
    const std::string step = "step " + std::to_string(i) + ": " + Act(rng);
    Check(step);
  }
}

} // namespace
