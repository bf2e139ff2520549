// SPDX-License-Identifier: GPL-3.0-or-later
// The English interface: every text shown is English, patterns keep their
// numbers, the language menu retranslates the open window, captions fit.
#include "tests/ui/small_disk.h"
#include "tests/ui/ui_fixture.h"

#include "app/dial_about.h"
#include "app/help_window.h"
#include "app/run_chart.h"
#include "ui/translation.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLibraryInfo>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolButton>
#include <QXmlStreamReader>

#include <set>

namespace {

using brevimo::Language;

bool HasCyrillic(const QString& text) {
  for (QChar c : text)
    if (c.unicode() >= 0x0400 && c.unicode() <= 0x04FF) return true;
  return false;
}

// The language entry is the same in both languages and names Russian in
// Russian, by design; everything else a menu shows is collected.
void MenuTexts(QMenu* menu, QStringList& out) {
  for (QAction* action : menu->actions()) {
    if (action->objectName() == QStringLiteral("104")) continue;
    out << action->text();
    if (action->menu()) MenuTexts(action->menu(), out);
  }
}

// Every text a user can see or hear in window: captions, list items, field
// contents, tab captions, accessible names, the window menu.
QStringList VisibleTexts(QWidget* window) {
  QStringList out{window->windowTitle()};
  QList<QWidget*> widgets = window->findChildren<QWidget*>();
  widgets.prepend(window);
  for (QWidget* w : widgets) {
    out << w->accessibleName() << w->toolTip();
    if (auto* label = qobject_cast<QLabel*>(w)) out << label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) out << button->text();
    if (auto* box = qobject_cast<QGroupBox*>(w)) out << box->title();
    if (auto* edit = qobject_cast<QLineEdit*>(w)) out << edit->text();
    if (auto* combo = qobject_cast<QComboBox*>(w))
      for (int i = 0; i < combo->count(); ++i)
        out << combo->itemText(i);
    if (auto* tabs = qobject_cast<QTabWidget*>(w))
      for (int i = 0; i < tabs->count(); ++i)
        out << tabs->tabText(i);
    if (auto* menu = qobject_cast<QMenu*>(w); menu && menu->objectName() == "sysmenu")
      MenuTexts(menu, out);
  }
  return out;
}

QStringList CyrillicIn(const QStringList& texts) {
  QStringList found;
  for (const QString& text : texts)
    if (HasCyrillic(text)) found << text;
  return found;
}

// Captions that do not fit their control or controls that leave their page,
// one line each, for the page shown.
std::set<std::string> FitProblems(QWidget* page) {
  std::set<std::string> problems;
  const QRect bounds = page->rect();
  const QList<QWidget*> controls = page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  // Built through QString: GCC 12's optimiser warns falsely on "#" + std::string.
  const auto name = [&](int i) {
    return QStringLiteral("#%1 %2").arg(i).arg(controls[i]->objectName()).toStdString();
  };
  for (int i = 0; i < controls.size(); ++i)
    for (int j = i + 1; j < controls.size(); ++j)
      if (!qobject_cast<QGroupBox*>(controls[i]) && !qobject_cast<QGroupBox*>(controls[j]) &&
          controls[i]->isVisible() && controls[j]->isVisible() &&
          controls[i]->geometry().intersects(controls[j]->geometry()))
        problems.insert("overlap: " + name(i) + " / " + name(j));
  int index = 0;
  for (QWidget* w : controls) {
    const std::string id = name(index++);
    if (!bounds.contains(w->geometry())) problems.insert("outside the page: " + id);
    if (auto* label = qobject_cast<QLabel*>(w)) {
      if (label->text().isEmpty() || !label->pixmap().isNull()) continue;
      const bool fits = label->wordWrap()
                            ? label->heightForWidth(label->width()) <= label->height() + 1
                            : label->sizeHint().width() <= label->width() &&
                                  label->sizeHint().height() <= label->height() + 1;
      if (!fits) problems.insert("label clipped: " + id);
    } else if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
      if (w->sizeHint().width() > w->width()) problems.insert("caption clipped: " + id);
    } else if (auto* button = qobject_cast<QPushButton*>(w)) {
      if (button->fontMetrics().horizontalAdvance(button->text()) > button->width())
        problems.insert("button clipped: " + id);
    }
  }
  return problems;
}

class EnglishTest : public UiTest {
protected:
  void SetUp() override {
    ASSERT_TRUE(brevimo::SetLanguage(Language::English));
    UiTest::SetUp();
  }
  void TearDown() override {
    UiTest::TearDown();
    brevimo::SetLanguage(Language::Russian);
  }
};

TEST_F(EnglishTest, NoPageShowsARussianText) {
  for (int i = 0; i < Sheet().GetPageCount(); ++i) {
    ASSERT_TRUE(Sheet().SetActivePage(i));
    EXPECT_EQ(CyrillicIn(VisibleTexts(&Sheet())), QStringList()) << Sheet().GetPage(i)->ClassName();
  }
  EXPECT_EQ(Tabs()->tabText(0), "Temperature correction");
  CDial_About about(&Sheet());
  EXPECT_EQ(CyrillicIn(VisibleTexts(&about)), QStringList());
}

// The chart window of a run.
TEST_F(EnglishTest, RunChartIsEnglish) {
  ShowPage("CPP_Peregon");
  Type(1054, U("98"));
  Click(1062);
  Click(1099);
  ASSERT_NE(Sheet().RunChart(), nullptr);
  EXPECT_EQ(Sheet().RunChart()->windowTitle(), "Distillation chart");
  EXPECT_EQ(CyrillicIn(VisibleTexts(Sheet().RunChart())), QStringList());
  // a change of language while it is open retranslates it, both ways
  brevimo::SetLanguage(Language::Russian);
  QApplication::processEvents(); // the change reaches every window as a posted event
  EXPECT_EQ(Sheet().RunChart()->windowTitle(), U("График перегонки"));
  brevimo::SetLanguage(Language::English);
  QApplication::processEvents();
  EXPECT_EQ(CyrillicIn(VisibleTexts(Sheet().RunChart())), QStringList());
}

// The help window's own texts (the manual itself is Russian only).
TEST_F(EnglishTest, HelpWindowChromeIsEnglish) {
  CHelpWindow::SetManualFile(QStringLiteral(BREVIMO_MANUAL_SOURCE));
  ASSERT_TRUE(CHelpWindow::Open(&Sheet(), QStringLiteral("CPP_KsTCorr")));
  auto* help = Sheet().findChild<CHelpWindow*>(QStringLiteral("CHelpWindow"));
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(help->windowTitle(), "Brevimo Help");
  EXPECT_EQ(CyrillicIn(VisibleTexts(help)), QStringList());
  help->close();
  CHelpWindow::SetManualFile({});
}

// Messages from calc/ (found as they are and as patterns), from the pages,
// and a page's own message line.
TEST_F(EnglishTest, MessagesAreEnglishWithTheirNumbersAsBefore) {
  struct Case {
    const char* page;
    std::vector<std::pair<int, const char*>> typed;
    std::vector<int> clicks;
    const char* message;
  };
  const Case cases[] = {
      {"CPP_PowerAndOut", {{1002, "0"}}, {1004}, "Power <=0"},
      {"CPP_PowerAndOut", {{1002, "1000"}, {1000, "2000"}}, {1004}, "Reflux ratio 0..1000"},
      {"CPP_RazvedSpirta",
       {{1041, "1000"}, {1039, "96"}, {1040, "96.5"}},
       {1036, 1042},
       "The result is stronger than the starting spirit"},
      {"CPP_RazvedSpirta",
       {{1041, "1000"}, {1039, "101"}, {1040, "40"}},
       {1036, 1042},
       "Parameter error. Concentration 0..100 (%)"},
      {"CPP_VacPereg",
       {{1021, "300"}},
       {1023},
       "The ethanol boiling temperature must be from -13.18 to 199.00 *C."},
      {"CPP_CombRastv", {{1011, "-1"}}, {1017, 1004}, "Volume <0"},
      {"CPP_VolMasMol", {{1031, "1.0"}}, {1043}, "Parameter error. Density 0.7893...0.9982 (kg/l)"},
      {"CPP_CalkTkip", {{1025, "150"}}, {1032, 1031}, "Parameter error\nConcentration 0..100%"},
      {"CPP_ShugarConc",
       {{1046, "250"}, {1047, "1208.42"}},
       {1038, 1040, 1042},
       "Sugar per 1 l of solution 0..1208.41 g"},
      {"CPP_Peregon",
       {{1053, "92.5"}, {1054, "92.5"}, {1057, "1"}},
       {1062},
       "Error: the start strength is below or equal to the end strength"},
      {"CPP_PlanPeregon", {{2004, "51"}}, {2013}, "Theoretical plates 0..50"},
  };
  for (const Case& c : cases) {
    ShowPage(c.page);
    for (const auto& [id, text] : c.typed)
      Type(id, U(text));
    for (int id : c.clicks)
      Click(id);
    const QString message = TakeMessage();
    EXPECT_EQ(message, U(c.message)) << c.page;
    EXPECT_FALSE(HasCyrillic(message));
  }
  // The temperature correction page writes its messages into a line.
  ShowPage("CPP_KsTCorr");
  Type(1015, U("150"));
  Click(1021);
  EXPECT_EQ(Text(1024), "Strength out of the allowed range");
  EXPECT_TRUE(NoMessage());
  // The system's own English texts stay.
  EXPECT_EQ(brevimo::TrMessage("Please enter a number."), "Please enter a number.");
}

// Every message of the .ts: translated, with no Russian left, and a pattern
// gets its numbers back exactly as they were written, in their order.
TEST_F(EnglishTest, EveryMessagePatternFillsInItsNumbers) {
  QFile file(QStringLiteral(BREVIMO_TS_FILE));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  QXmlStreamReader xml(&file);
  QString context, source;
  int patterns = 0, messages = 0;
  while (!xml.atEnd()) {
    if (!xml.readNextStartElement()) continue;
    if (xml.name() == QStringLiteral("name")) context = xml.readElementText();
    if (xml.name() == QStringLiteral("source")) source = xml.readElementText();
    if (xml.name() != QStringLiteral("translation")) continue;
    const QString translation = xml.readElementText();
    EXPECT_FALSE(HasCyrillic(translation)) << translation.toStdString();
    if (context != QString::fromLatin1(brevimo::kMessageContext)) continue;
    ++messages;
    // Sample numbers in place of the placeholders, as printf writes them.
    static const QRegularExpression placeholder(QStringLiteral("%(d|\\.(\\d)f)"));
    QString russian = source, english = translation;
    int n = 0;
    for (QString* text : {&russian, &english}) {
      n = 0;
      QRegularExpressionMatch m;
      while ((m = placeholder.match(*text)).hasMatch()) {
        const int decimals = m.captured(2).isEmpty() ? 0 : m.captured(2).toInt();
        const QString value = QString::number(-12.5 + 1000 * n++, 'f', decimals);
        text->replace(m.capturedStart(), m.capturedLength(), value);
      }
      text->replace(QStringLiteral("%%"), QStringLiteral("%"));
    }
    if (n == 0) {
      EXPECT_EQ(brevimo::TrMessage(source), translation);
      continue;
    }
    ++patterns;
    EXPECT_EQ(brevimo::TrMessage(russian), english) << source.toStdString();
  }
  EXPECT_GE(messages, 40);
  EXPECT_GE(patterns, 6);
}

class LanguageSwitchTest : public UiTest {
protected:
  void SetUp() override {
    QSettings(QStringLiteral("Brevimo"), QStringLiteral("Brevimo")).clear();
    brevimo::SetLanguage(Language::Russian);
    UiTest::SetUp();
  }
  void TearDown() override {
    UiTest::TearDown();
    brevimo::SetLanguage(Language::Russian);
    QSettings(QStringLiteral("Brevimo"), QStringLiteral("Brevimo")).clear();
  }

  QStringList PageAndTabTexts() {
    QStringList texts = VisibleTexts(Page());
    for (int i = 0; i < Tabs()->count(); ++i)
      texts << Tabs()->tabText(i);
    return texts;
  }

  void Choose(const char* id) {
    auto* action = Sheet().findChild<QAction*>(QString::fromLatin1(id));
    ASSERT_NE(action, nullptr) << id;
    action->trigger();
    QApplication::processEvents(); // the language change is posted
  }
};

TEST_F(LanguageSwitchTest, TheMenuRetranslatesTheOpenWindowAndIsRemembered) {
  ShowPage("CPP_Peregon");
  QApplication::processEvents();
  const QStringList russian = PageAndTabTexts();
  const QSize russianSize = Sheet().size();

  CHelpWindow::SetManualFile(QStringLiteral(BREVIMO_MANUAL_SOURCE));
  ASSERT_TRUE(CHelpWindow::Open(&Sheet(), QStringLiteral("CPP_Peregon")));
  auto* help = Sheet().findChild<CHelpWindow*>(QStringLiteral("CHelpWindow"));
  ASSERT_NE(help, nullptr);
  const QStringList russianHelp = VisibleTexts(help);

  Choose("106");
  EXPECT_EQ(brevimo::CurrentLanguage(), Language::English);
  EXPECT_EQ(help->windowTitle(), "Brevimo Help"); // a window already open
  EXPECT_EQ(CyrillicIn(VisibleTexts(help)), QStringList());
  EXPECT_EQ(brevimo::StartupLanguage(), Language::English); // saved
  EXPECT_EQ(CyrillicIn(VisibleTexts(&Sheet())), QStringList());
  EXPECT_EQ(Text(1062), "Calculate");
  EXPECT_EQ(Text(1059), "% ABV"); // set by the page
  // A page opened for the first time after the change.
  ShowPage("CPP_ShugarConc");
  EXPECT_EQ(CyrillicIn(VisibleTexts(&Sheet())), QStringList());
  EXPECT_EQ(Tabs()->tabText(Tabs()->currentIndex()), "Sugar");

  // Back to Russian: the window is as it was.
  Choose("105");
  EXPECT_EQ(brevimo::StartupLanguage(), Language::Russian);
  ShowPage("CPP_Peregon");
  QApplication::processEvents();
  const QStringList back = PageAndTabTexts();
  ASSERT_EQ(back.size(), russian.size());
  for (int i = 0; i < back.size(); ++i)
    EXPECT_EQ(back[i], russian[i]) << i;
  EXPECT_EQ(Sheet().size(), russianSize);
  EXPECT_EQ(VisibleTexts(help), russianHelp);
  help->close();
  CHelpWindow::SetManualFile({});
}

// What Qt itself shows: a field's context menu, the file dialog of an
// export, the standard buttons.
QStringList QtTexts(QLineEdit* field) {
  QStringList texts;
  std::unique_ptr<QMenu> menu(field->createStandardContextMenu());
  for (QAction* action : menu->actions())
    if (!action->isSeparator()) texts << action->text().section(QLatin1Char('\t'), 0, 0);
  QFileDialog dialog(field, {}, QDir::tempPath());
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  texts << dialog.findChild<QLabel*>(QStringLiteral("lookInLabel"))->text();
  QDialogButtonBox buttons(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
  for (QAbstractButton* button : buttons.buttons())
    texts << button->text();
  return texts;
}

TEST_F(LanguageSwitchTest, QtsOwnTextsFollowTheLanguage) {
  ShowPage("CPP_VolMasMol");
  auto* field = Control<QLineEdit>(1025);
  ASSERT_NE(field, nullptr);
  const QStringList russian = QtTexts(field);
  EXPECT_EQ(russian.front(), U("&Отменить действие"));
  for (const QString& text : russian)
    EXPECT_TRUE(HasCyrillic(text)) << text.toStdString();
  Choose("106");
  const QStringList english = QtTexts(field);
  EXPECT_EQ(english.front(), "&Undo");
  EXPECT_TRUE(english.contains("Select All"));
  EXPECT_TRUE(english.contains("Look in:"));
  EXPECT_TRUE(english.contains("Cancel"));
  EXPECT_EQ(CyrillicIn(english), QStringList());
  Choose("105");
  EXPECT_EQ(QtTexts(field), russian);
}

// Qt's translations are found where Qt keeps them, or else in
// translations/ beside the program.
TEST(QtTranslations, FoundInQtsFolderOrBesideTheProgram) {
  const QStringList dirs = brevimo::QtTranslationDirs();
  ASSERT_EQ(dirs.size(), 2);
  EXPECT_EQ(dirs[0], QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  EXPECT_EQ(dirs[1], QCoreApplication::applicationDirPath() + "/translations");
  // Qt's folder on Linux (qt6-translations-l10n); beside the program where
  // the build deploys them (Windows).
  const QString installed = brevimo::QtTranslationFile(Language::Russian, dirs);
  ASSERT_FALSE(installed.isEmpty())
      << "qtbase_ru.qm is in neither " << dirs.join(", ").toStdString();

  QTemporaryDir empty, beside;
  ASSERT_TRUE(QFile::copy(installed, beside.filePath("qtbase_ru.qm")));
  EXPECT_EQ(brevimo::QtTranslationFile(Language::Russian, {empty.path(), beside.path()}),
            beside.filePath("qtbase_ru.qm"));
  EXPECT_EQ(brevimo::QtTranslationFile(Language::English, {empty.path(), beside.path()}),
            QString());
  EXPECT_EQ(brevimo::QtTranslationFile(Language::Russian, {QString(), empty.path()}), QString());
}

// Where the choice cannot be saved (a full or read-only disk) the switch
// still works, and a message says it will not be remembered.
TEST_F(LanguageSwitchTest, AChoiceThatCannotBeSavedIsSaidSo) {
  const QString settingsFile =
      QSettings(QStringLiteral("Brevimo"), QStringLiteral("Brevimo")).fileName();
  const QString settingsRoot = QFileInfo(QFileInfo(settingsFile).absolutePath()).absolutePath();
  for (const bool full : {true, false}) {
    SmallDisk disk(std::filesystem::path(settingsRoot.toStdString()) / "disk");
    if (!disk.Mounted()) GTEST_SKIP() << disk.Why();
    const QString root = QString::fromStdString(disk.Path().string());
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
      QSettings::setPath(format, QSettings::UserScope, root);
    const QString file = QSettings(QStringLiteral("Brevimo"), QStringLiteral("Brevimo")).fileName();
    ASSERT_TRUE(full ? disk.Fill() : disk.MakeReadOnly());
    Choose("106");
    EXPECT_EQ(brevimo::CurrentLanguage(), Language::English) << full;
    EXPECT_FALSE(HasCyrillic(Tabs()->tabText(0))) << full;
    EXPECT_EQ(TakeMessage(), brevimo::SettingNotSavedMessage(file)) << full;
    Choose("105");
    EXPECT_EQ(TakeMessage(), brevimo::SettingNotSavedMessage(file)) << full;
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
      QSettings::setPath(format, QSettings::UserScope, settingsRoot);
  }
}

// English captions fit their controls wherever the Russian ones do: pages
// built in English and pages retranslated after being built in Russian.
TEST_F(LanguageSwitchTest, EnglishCaptionsFitWhereRussianOnesDo) {
  std::vector<std::set<std::string>> russian;
  for (int i = 0; i < Sheet().GetPageCount(); ++i) {
    ASSERT_TRUE(Sheet().SetActivePage(i));
    russian.push_back(FitProblems(Page()));
  }
  Choose("106");
  for (int i = 0; i < Sheet().GetPageCount(); ++i) {
    ASSERT_TRUE(Sheet().SetActivePage(i));
    std::set<std::string> extra;
    for (const std::string& p : FitProblems(Page()))
      if (!russian[static_cast<std::size_t>(i)].count(p)) extra.insert(p);
    for (const std::string& p : extra)
      ADD_FAILURE() << Sheet().GetPage(i)->ClassName() << ": " << p;
  }
}

} // namespace
