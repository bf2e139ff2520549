// SPDX-License-Identifier: GPL-3.0-or-later
// The user manual and its help window: F1 opens it at the page in use, its
// links and images resolve, and its worked examples are what the pages
// compute, carried out from the manual's own text on the real pages.
#include "tests/ui/ui_fixture.h"

#include "app/help_window.h"
#include "ui/translation.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMenu>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

#include <utility>

namespace {

QString ManualSource(const char* path) {
  QFile file(QString::fromUtf8(path));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
  return QString::fromUtf8(file.readAll());
}

QString PlainText(QString html) {
  html.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
  html.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
  html.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
  html.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
  return html.simplified();
}

QStringList Captures(const QString& text, const QString& pattern) {
  QStringList found;
  const QRegularExpression re(pattern);
  for (auto it = re.globalMatch(text); it.hasNext();)
    found << it.next().captured(1);
  return found;
}

class HelpTest : public UiTest {
protected:
  void TearDown() override {
    CHelpWindow::SetManualFile({});
    UiTest::TearDown();
  }

  CHelpWindow* Help() {
    const auto windows = Sheet().findChildren<CHelpWindow*>(QStringLiteral("CHelpWindow"));
    EXPECT_LE(windows.size(), 1);
    return windows.isEmpty() ? nullptr : windows.first();
  }

  // The keys go to the window the application has active.
  static bool Activate(QWidget* window) {
    window->activateWindow();
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
  }

  void PressF1() {
    Sheet().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Sheet()));
    QTest::keyClick(&Sheet(), Qt::Key_F1);
  }

  // The heading that carries the anchor, and whether it is in view.
  QString HeadingShown(QTextBrowser* browser, const QString& anchor) {
    QTextDocument* doc = browser->document();
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next())
      for (auto it = block.begin(); !it.atEnd(); ++it)
        if (it.fragment().charFormat().anchorNames().contains(anchor)) {
          const qreal y = doc->documentLayout()->blockBoundingRect(block).top();
          const int top = browser->verticalScrollBar()->value();
          EXPECT_GE(y + 1, top) << anchor.toStdString();
          EXPECT_LT(y, top + browser->viewport()->height()) << anchor.toStdString();
          return block.text();
        }
    return {};
  }

  void CheckSectionsLinksAndImages(const char* path);
  void RunWorkedExamples(const char* path, const QString& yes);
};

TEST_F(HelpTest, F1OpensTheSectionOfEachPageInOneWindow) {
  ASSERT_FALSE(CHelpWindow::ManualFile().isEmpty()) << "manual not built next to the program";
  for (int i = 0; i < Sheet().GetPageCount(); ++i) {
    ASSERT_TRUE(Sheet().SetActivePage(i));
    const QString anchor = QString::fromLatin1(Sheet().GetPage(i)->ClassName());
    SCOPED_TRACE(anchor.toStdString());
    PressF1();
    CHelpWindow* help = Help();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_FALSE(help->isModal());
    EXPECT_EQ(help->Browser()->source().fragment(), anchor);
    EXPECT_TRUE(
        HeadingShown(help->Browser(), anchor).contains(brevimo::CaptionOf(*Sheet().GetPage(i))));
    // The calculator stays on its page and open to input.
    EXPECT_EQ(Sheet().GetActivePage(), Sheet().GetPage(i));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  }
  // A second F1 on a page brings the same window back to that page's section.
  CHelpWindow* help = Help();
  help->Browser()->setSource(help->Browser()->source().resolved(QUrl(QStringLiteral("#keyboard"))));
  PressF1();
  EXPECT_EQ(Help(), help);
  EXPECT_EQ(help->Browser()->source().fragment(), QStringLiteral("CPP_PlanPeregon"));
  // Back returns to the section read before.
  help->Browser()->backward();
  EXPECT_EQ(help->Browser()->source().fragment(), QStringLiteral("keyboard"));
}

// The run's chart window answers the keys as the sheet does: F1 opens the
// manual at the chart, in the sheet's one help window; Escape closes the
// chart alone.
// Both chart windows: the run's and the run plan's.
TEST_F(HelpTest, ChartWindowOpensItsSectionWithF1AndClosesWithEscape) {
  const struct {
    const char* page;
    int calc, button;
    const char* window;
  } charts[] = {{"CPP_Peregon", 1062, 1099, "CRunChart"},
                {"CPP_PlanPeregon", 2013, 2014, "CPlanChart"}};
  for (const auto& c : charts) {
    SCOPED_TRACE(c.window);
    ShowPage(c.page);
    Click(c.calc);
    Click(c.button);
    auto* chart = Sheet().findChild<QWidget*>(QString::fromLatin1(c.window));
    ASSERT_NE(chart, nullptr);
    ASSERT_TRUE(Activate(chart));
    QTest::keyClick(chart, Qt::Key_F1);
    CHelpWindow* help = Help();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->Browser()->source().fragment(), QString::fromLatin1(c.window));
    EXPECT_TRUE(
        HeadingShown(help->Browser(), QString::fromLatin1(c.window)).contains(Text(c.button)));

    ASSERT_TRUE(Activate(chart));
    QTest::keyClick(chart, Qt::Key_Escape);
    EXPECT_FALSE(chart->isVisible());
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(Sheet().isVisible());
    // Shown again, it is the same window with the same keys.
    Click(c.button);
    EXPECT_TRUE(chart->isVisible());
    chart->close();
  }
}

TEST_F(HelpTest, MenuHelpOpensTheManualAndSearchFindsText) {
  Sheet().findChild<QMenu*>(QStringLiteral("sysmenu"))->actions()[1]->trigger();
  CHelpWindow* help = Help();
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(help->Browser()->source().fragment(), QStringLiteral("CPP_KsTCorr"));
  auto* contents = help->findChild<QWidget*>(QString::number(CHelpWindow::IDC_CONTENTS));
  ASSERT_NE(contents, nullptr);
  help->activateWindow();
  ASSERT_TRUE(QTest::qWaitFor([help] { return help->isActiveWindow(); }));
  QTest::keyClick(help, Qt::Key_F, Qt::ControlModifier);
  auto* find = help->findChild<QLineEdit*>(QString::number(CHelpWindow::IDC_FIND_TEXT));
  ASSERT_NE(find, nullptr);
  EXPECT_TRUE(find->isVisible());
  find->setText(U("РезультатПерегонки"));
  QTest::keyClick(find, Qt::Key_Return);
  EXPECT_EQ(help->Browser()->textCursor().selectedText(), U("РезультатПерегонки"));
  find->setText(U("жжж"));
  QTest::keyClick(find, Qt::Key_Return);
  EXPECT_EQ(help->findChild<QLabel*>(QString::number(CHelpWindow::IDC_FIND_STATUS))->text(),
            U("Не найдено"));
  // Escape closes the search bar, then the help window; the calculator stays.
  QTest::keyClick(find, Qt::Key_Escape);
  EXPECT_FALSE(find->isVisible());
  EXPECT_TRUE(help->isVisible());
  QTest::keyClick(help->Browser(), Qt::Key_Escape);
  EXPECT_FALSE(help->isVisible());
  EXPECT_TRUE(Sheet().isVisible());
}

// A manual that is missing, not a file or unreadable: the message says which
// file was looked for, where, and what is wrong, in the interface language;
// no window opens.
TEST_F(HelpTest, WithoutTheManualHelpSaysWhy) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString folder = QDir::toNativeSeparators(dir.path());
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("index.html")));
  // Root reads any file with its permissions taken away, but not a
  // write-only kernel setting.
  QString unreadable = dir.filePath(QStringLiteral("manual.html"));
  QFile(unreadable).open(QIODevice::WriteOnly);
  QFile::setPermissions(unreadable, QFileDevice::WriteOwner);
  if (QFile(unreadable).open(QIODevice::ReadOnly))
    unreadable = QStringLiteral("/proc/sys/vm/drop_caches");
  const struct {
    QString file;
    QString message;
  } cases[] = {
      {dir.filePath(QStringLiteral("none.html")),
       U("Справку не удалось открыть: файл none.html в папке %1 не найден.").arg(folder)},
      {dir.filePath(QStringLiteral("index.html")),
       U("Справку не удалось открыть: файл index.html в папке %1 не является файлом.").arg(folder)},
      {unreadable, U("Справку не удалось открыть: файл %1 в папке %2 не читается.")
                       .arg(QFileInfo(unreadable).fileName(),
                            QDir::toNativeSeparators(QFileInfo(unreadable).absolutePath()))},
  };
  for (const auto& c : cases) {
    CHelpWindow::SetManualFile(c.file);
    Sheet().findChild<QMenu*>(QStringLiteral("sysmenu"))->actions()[1]->trigger();
    EXPECT_EQ(TakeMessage(), c.message);
    PressF1();
    EXPECT_EQ(TakeMessage(), c.message);
    EXPECT_EQ(Help(), nullptr);
  }
  brevimo::SetLanguage(brevimo::Language::English);
  PressF1();
  EXPECT_EQ(TakeMessage(),
            QStringLiteral("The help could not be opened: the file %1 in the "
                           "folder %2 cannot be read.")
                .arg(QFileInfo(unreadable).fileName(),
                     QDir::toNativeSeparators(QFileInfo(unreadable).absolutePath())));
  brevimo::SetLanguage(brevimo::Language::Russian);
}

// Every page has its section, in tab order; every link and image resolves,
// in the source and in the copy the program opens; no section is empty.
void HelpTest::CheckSectionsLinksAndImages(const char* path) {
  const QString html = ManualSource(path);
  const QStringList anchors = Captures(html, QStringLiteral("<a name=\"([^\"]+)\""));
  qsizetype previous = -1;
  for (int i = 0; i < Sheet().GetPageCount(); ++i) {
    const QString name = QString::fromLatin1(Sheet().GetPage(i)->ClassName());
    const qsizetype at = html.indexOf(QStringLiteral("<h2><a name=\"%1\"></a>").arg(name));
    EXPECT_GT(at, previous) << name.toStdString() << ": missing or out of tab order";
    previous = at;
  }
  for (const QString& target : Captures(html, QStringLiteral("href=\"#([^\"]+)\"")))
    EXPECT_TRUE(anchors.contains(target)) << target.toStdString();
  EXPECT_EQ(Captures(html, QStringLiteral("href=\"([^#][^\"]*)\"")), QStringList());

  const QDir source = QFileInfo(QString::fromUtf8(path)).dir();
  const QDir built = QFileInfo(CHelpWindow::ManualFile()).dir();
  const QStringList images = Captures(html, QStringLiteral("<img src=\"([^\"]+)\""));
  EXPECT_GE(images.size(), Sheet().GetPageCount());
  for (const QString& image : images) {
    EXPECT_TRUE(QFileInfo(source.filePath(image)).isFile()) << image.toStdString();
    EXPECT_TRUE(QFileInfo(built.filePath(image)).isFile()) << image.toStdString();
    EXPECT_FALSE(QImage(source.filePath(image)).isNull()) << image.toStdString();
  }

  // The sections besides the pages', in their order after them.
  qsizetype after = previous;
  for (const char* name : {"tables", "accuracy", "messages", "results-file", "keyboard"}) {
    const qsizetype at = html.indexOf(QStringLiteral("<h2><a name=\"%1\"></a>").arg(name));
    EXPECT_GT(at, after) << name << ": missing or out of order";
    after = at;
  }

  const QStringList sections = html.split(QStringLiteral("<h2>")).mid(1);
  EXPECT_GE(sections.size(), Sheet().GetPageCount() + 7);
  for (const QString& section : sections) {
    const QString text = PlainText(section);
    EXPECT_GT(text.size(), 300) << text.left(60).toStdString();
  }
}

// The worked examples of the manual, carried out as written: type the
// inputs, click the options, press the button, read the results.
void HelpTest::RunWorkedExamples(const char* path, const QString& yes) {
  const QString html = ManualSource(path);
  const QRegularExpression table(
      QStringLiteral("<table class=\"example\" data-page=\"(\\w+)\".*?</table>"),
      QRegularExpression::DotMatchesEverythingOption);
  const QRegularExpression row(
      QStringLiteral("<tr data-(\\w+)=\"(\\d+)\"><td>.*?</td><td>(.*?)</td></tr>"));
  QStringList pages;
  for (auto tables = table.globalMatch(html); tables.hasNext();) {
    const QRegularExpressionMatch example = tables.next();
    const QString page = example.captured(1);
    SCOPED_TRACE(page.toStdString());
    pages << page;
    ShowPage(page.toLatin1().constData());
    int outputs = 0;
    for (auto rows = row.globalMatch(example.captured(0)); rows.hasNext();) {
      const QRegularExpressionMatch step = rows.next();
      const QString action = step.captured(1);
      const int id = step.captured(2).toInt();
      const QString value = PlainText(step.captured(3));
      SCOPED_TRACE(QStringLiteral("%1 %2 %3").arg(action).arg(id).arg(value).toStdString());
      if (action == "in") {
        ASSERT_FALSE(Control<QLineEdit>(id)->isReadOnly());
        Type(id, value);
      } else if (action == "option" || action == "check") {
        ASSERT_NO_FATAL_FAILURE(SetChecked(id, action == "option" || value == yes));
      } else if (action == "choose") {
        ASSERT_NO_FATAL_FAILURE(Choose(id, value));
      } else if (action == "press") {
        Click(id);
        EXPECT_TRUE(NoMessage()) << Boxes().front().text.toStdString();
      } else if (action == "out") {
        EXPECT_EQ(Text(id).trimmed(), value);
        ++outputs;
      } else {
        ADD_FAILURE() << "unknown step " << action.toStdString();
      }
    }
    EXPECT_GT(outputs, 0);
  }
  QStringList expected;
  for (int i = 0; i < Sheet().GetPageCount(); ++i)
    expected << QString::fromLatin1(Sheet().GetPage(i)->ClassName());
  EXPECT_EQ(pages, expected) << "one example per page, in tab order";
}

TEST_F(HelpTest, ManualHasASectionPerPageAndItsLinksAndImagesResolve) {
  CheckSectionsLinksAndImages(BREVIMO_MANUAL_SOURCE);
}

// The dilution page computes with a zero or negative volume, as both
// manuals say, with the figures it gives.
TEST_F(HelpTest, ManualsSayWhatTheDilutionPageDoesWithZeroAndNegativeVolumes) {
  ShowPage("CPP_RazvedSpirta");
  SetChecked(1036, true);
  Type(1039, "96");
  Type(1040, "40");
  Type(1041, "0");
  Click(1042);
  for (int id : {1043, 1044, 1045})
    EXPECT_EQ(Text(id), "0.00") << id;
  Type(1041, "-1000");
  Click(1042);
  EXPECT_EQ(Text(1044), "-1467.97");
  EXPECT_EQ(Text(1045), "-2400.11");
  EXPECT_TRUE(NoMessage());
  for (const auto& [path, comma] :
       {std::pair{BREVIMO_MANUAL_SOURCE, true}, std::pair{BREVIMO_MANUAL_SOURCE_EN, false}}) {
    const QString html = ManualSource(path);
    const qsizetype from = html.indexOf(QStringLiteral("<h2><a name=\"CPP_RazvedSpirta\">"));
    const QString section = html.mid(from, html.indexOf(QStringLiteral("<h2>"), from + 4) - from);
    for (QString figure : {U("0.00"), U("−1467.97"), U("−2400.11")}) {
      if (comma) figure.replace(QLatin1Char('.'), QLatin1Char(','));
      EXPECT_TRUE(PlainText(section).contains(figure)) << path << ": " << figure.toStdString();
    }
    // The given volume's row sets no lower limit.
    const QRegularExpression givenRow(U("<tr><td>(Поле под переключателем|Field below the "
                                        "option buttons)</td>.*?</tr>"));
    const QString row = givenRow.match(section).captured(0);
    ASSERT_FALSE(row.isEmpty()) << path;
    EXPECT_FALSE(row.contains(U("больше 0")) || row.contains(U("above 0"))) << path;
  }
}

TEST_F(HelpTest, WorkedExamplesAreWhatThePagesCompute) {
  RunWorkedExamples(BREVIMO_MANUAL_SOURCE, U("да"));
}

// Under the English interface: the English manual, the same checks, its
// examples carried out on the English pages.
class EnglishHelpTest : public HelpTest {
protected:
  void SetUp() override {
    ASSERT_TRUE(brevimo::SetLanguage(brevimo::Language::English));
    HelpTest::SetUp();
  }
  void TearDown() override {
    HelpTest::TearDown();
    brevimo::SetLanguage(brevimo::Language::Russian);
  }
};

TEST_F(EnglishHelpTest, EnglishManualIsShownAndItsExamplesAreComputed) {
  EXPECT_TRUE(CHelpWindow::ManualFile().endsWith(QStringLiteral("/en/index.html")))
      << CHelpWindow::ManualFile().toStdString();
  CheckSectionsLinksAndImages(BREVIMO_MANUAL_SOURCE_EN);
  RunWorkedExamples(BREVIMO_MANUAL_SOURCE_EN, QStringLiteral("yes"));
}

} // namespace
