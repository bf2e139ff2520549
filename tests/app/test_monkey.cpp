// SPDX-License-Identifier: GPL-3.0-or-later
// A seeded random walk through the whole window, as an impatient user would
// take it: any text into any input field of any page, list choices, check
// boxes, radio and push buttons, changes of tab, distillation runs whose
// wash volumes differ by orders of magnitude, the chart window's buttons
// (its file dialogs answered), every message box answered. After every
// step no field shows a number that is not finite, every message box has
// the program's title and a text, the chart's axes ask for a few dozen
// ticks at most, and the window is open; a step that does not come back
// within kStepLimit ends the program, naming the seed and the step.
// It runs with several fixed seeds; BREVIMO_MONKEY_SEED=<n> runs that seed
// alone, BREVIMO_MONKEY_STEPS=<n> makes each run longer.
#include "tests/ui/step_watchdog.h"
#include "tests/ui/ui_fixture.h"

#include "app/run_chart.h"
#include "ui/stacked_tab_bar.h"

#include <QDir>
#include <QFileDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QValueAxis>

#include <chrono>
#include <cmath>
#include <map>
#include <random>
#include <vector>

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

// Generous: a step that takes this long has hung (a long distillation run
// with its chart takes well under a second, also with sanitizers).
constexpr std::chrono::seconds kStepLimit{20};

constexpr int kWash = 1057, kRun = 1062, kChartButton = 1099;

class MonkeyTest : public UiTest, public ::testing::WithParamInterface<unsigned> {
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

  // One random action of a user; returns what it did. Doing() says what it
  // is about to do, for the watchdog.
  std::string Act(std::mt19937& rng) {
    QWidget* page = Page();
    switch (std::uniform_int_distribution<int>(0, 12)(rng)) {
    case 0: { // another tab
      auto* rows = Sheet().findChild<CStackedTabBar*>(QStringLiteral("tabrows"));
      const int tab = std::uniform_int_distribution<int>(0, Tabs()->count() - 1)(rng);
      Doing("tab " + std::to_string(tab));
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
      Doing("type \"" + text.toStdString() + "\" into " + edit->objectName().toStdString());
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
      Doing("press " + button->objectName().toStdString());
      AnswerFileDialog(rng);
      QTest::mouseClick(button, Qt::LeftButton);
      return "press " + button->objectName().toStdString();
    }
    case 8: { // a radio button or check box
      QAbstractButton* button = Pick(Usable<QAbstractButton>(page), rng);
      if (!button || qobject_cast<QPushButton*>(button)) return "no option";
      Doing("click " + button->objectName().toStdString());
      QTest::mouseClick(button, Qt::LeftButton);
      return "click " + button->objectName().toStdString();
    }
    case 9: { // a list choice, by the keyboard
      QComboBox* combo = Pick(Usable<QComboBox>(page), rng);
      if (!combo) return "no list";
      Doing("choose " + combo->objectName().toStdString());
      combo->setFocus();
      QTest::keyClick(combo, rng() % 2 ? Qt::Key_Down : Qt::Key_Up);
      return "choose " + combo->objectName().toStdString();
    }
    case 10:
    case 11: // a distillation run some orders of magnitude larger or smaller
      return RunOtherSize(rng);
    default: // the chart window
      return UseChart(rng);
    }
  }

  // The distillation page, a wash volume 10^-6 to 10^12 times a small
  // number, and "Расчет".
  std::string RunOtherSize(std::mt19937& rng) {
    ShowPage("CPP_Peregon");
    const double mantissa = std::uniform_real_distribution<double>(1.0, 10.0)(rng);
    const int exponent = std::uniform_int_distribution<int>(-6, 12)(rng);
    const QString wash = QString::number(mantissa * std::pow(10.0, exponent), 'g', 3);
    const std::string what = "run with wash volume " + wash.toStdString();
    Doing(what);
    auto* edit = Page()->findChild<QLineEdit*>(QString::number(kWash));
    auto* run = Page()->findChild<QPushButton*>(QString::number(kRun));
    if (!edit || !run) return "no distillation page";
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, wash);
    m_typed[edit] = edit->text();
    QTest::mouseClick(run, Qt::LeftButton);
    return what;
  }

  // Opens the chart window when it is closed (as "График" does), otherwise
  // one of its buttons, a point on the chart, or closing it.
  std::string UseChart(std::mt19937& rng) {
    CRunChart* chart = Sheet().RunChart();
    if (!chart || !chart->isVisible()) {
      ShowPage("CPP_Peregon");
      auto* button = Page()->findChild<QPushButton*>(QString::number(kChartButton));
      if (!button || !button->isEnabled()) return "no chart yet";
      Doing("open the chart");
      QTest::mouseClick(button, Qt::LeftButton);
      return "open the chart";
    }
    const int choice = std::uniform_int_distribution<int>(0, 5)(rng);
    if (choice == 0) {
      Doing("close the chart");
      chart->close();
      return "close the chart";
    }
    if (choice == 1) {
      auto* view = chart->findChild<QChartView*>(QString::number(CRunChart::IDC_CHART));
      if (!view) return "no chart view";
      const QPoint at(std::uniform_int_distribution<int>(0, view->width() - 1)(rng),
                      std::uniform_int_distribution<int>(0, view->height() - 1)(rng));
      const std::string what = "point at the chart at " + std::to_string(at.x()) + "," +
                               std::to_string(at.y()) + " and click";
      Doing(what);
      QTest::mouseMove(view->viewport(), at);
      QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
      return what;
    }
    QList<QPushButton*> buttons;
    for (QPushButton* b : chart->findChildren<QPushButton*>())
      if (b->isVisible() && b->isEnabled()) buttons.push_back(b);
    QPushButton* button = Pick(buttons, rng);
    if (!button) return "no chart button";
    const std::string what = "press chart " + button->objectName().toStdString();
    Doing(what);
    AnswerFileDialog(rng);
    QTest::mouseClick(button, Qt::LeftButton);
    return what;
  }

  // A file dialog the next action opens is answered at once: a new file in
  // the working folder, or Cancel.
  void AnswerFileDialog(std::mt19937& rng) {
    const bool save = rng() % 4 != 0;
    const QString name = QStringLiteral("export%1").arg(++m_exports);
    QTimer::singleShot(0, &Sheet(), [save, name] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      if (!save) {
        dialog->reject();
        return;
      }
      const QString suffix = dialog->defaultSuffix().isEmpty()
                                 ? QFileInfo(dialog->selectedFiles().value(0)).suffix()
                                 : dialog->defaultSuffix();
      dialog->selectFile(QDir::current().filePath(name + QLatin1Char('.') + suffix));
      static_cast<QDialog*>(dialog)->accept(); // QFileDialog::accept, as its Save button
    });
  }

  void Doing(const std::string& what) { m_watchdog.Arm(m_stepName + ": " + what); }

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
    if (CRunChart* chart = Sheet().RunChart()) {
      for (QAbstractAxis* abstract : chart->Chart()->axes()) {
        const auto* axis = qobject_cast<const QValueAxis*>(abstract);
        if (!axis) continue;
        const double ticks = (axis->max() - axis->min()) / axis->tickInterval();
        EXPECT_TRUE(ticks >= 1.0 && ticks <= 40.0)
            << step << ": axis " << axis->titleText().toStdString() << " asks for " << ticks
            << " ticks";
      }
    }
    EXPECT_TRUE(Sheet().isVisible()) << step;
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << step;
  }

  // Runs the walk with the seed; a step that hangs ends the program.
  void Walk(unsigned seed, int steps) {
    SCOPED_TRACE("BREVIMO_MONKEY_SEED=" + std::to_string(seed));
    std::mt19937 rng(seed);
    for (int i = 0; i < steps && !HasFailure(); ++i) {
      m_stepName = "BREVIMO_MONKEY_SEED=" + std::to_string(seed) + " step " + std::to_string(i);
      Doing("a step");
      const std::string step = "step " + std::to_string(i) + ": " + Act(rng);
      Check(step);
      m_watchdog.Disarm();
    }
  }

private:
  QTemporaryDir m_dir;
  QString m_oldDir;
  std::map<QLineEdit*, QString> m_typed; // each field's text as last typed
  int m_exports = 0;
  std::string m_stepName;
  StepWatchdog m_watchdog{kStepLimit};
};

// The fixed seeds CI runs, each its own test; 271828 found the chart's
// hang after a larger run.
std::vector<unsigned> Seeds() {
  if (qEnvironmentVariableIsSet("BREVIMO_MONKEY_SEED"))
    return {qEnvironmentVariable("BREVIMO_MONKEY_SEED").toUInt()};
  return {20261208u, 271828u, 314159u, 161803u};
}

TEST_P(MonkeyTest, RandomUseKeepsTheWindowSound) {
  const int steps = qEnvironmentVariableIsSet("BREVIMO_MONKEY_STEPS")
                        ? qEnvironmentVariableIntValue("BREVIMO_MONKEY_STEPS")
                        : 1500;
  Walk(GetParam(), steps);
}

INSTANTIATE_TEST_SUITE_P(Seed, MonkeyTest, ::testing::ValuesIn(Seeds()),
                         [](const ::testing::TestParamInfo<unsigned>& info) {
                           return std::to_string(info.param);
                         });

} // namespace
