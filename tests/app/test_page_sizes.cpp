// SPDX-License-Identifier: GPL-3.0-or-later
// The sheet measures only the page it shows at start and takes the other
// pages' sizes from an earlier start: they must be the sizes the pages get
// when built, and a wrong or unusable file must never show.
#include "tests/temp_dir.h"
#include "tests/ui/ui_fixture.h"

#include "ui/dialog_builder.h"
#include "ui/page_size_cache.h"
#include "ui/translation.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <functional>
#include <map>
#include <mutex>
#include <thread>

namespace {

class PageSizesTest : public UiTest {
protected:
  void SetUp() override {
    m_dir = brevimo::test::MakeTempDir("brevimo-sizes");
    m_file = QString::fromStdString((m_dir / "page-sizes").string());
    brevimo::PageSizeCache::SetFile(m_file);
    UiTest::SetUp();
  }
  void TearDown() override {
    UiTest::TearDown();
    brevimo::SetLanguage(brevimo::Language::Russian);
    brevimo::PageSizeCache::SetFile(m_saved);
    std::filesystem::remove_all(m_dir);
  }

  // A new sheet, as at the next start.
  CDial_Calc& Restart() {
    m_next = std::make_unique<CDial_Calc>(QStringLiteral("Brevimo"));
    return *m_next;
  }

  // Each page's size not built, and measured as its build would: equal.
  static void ExpectMeasuredSizes(CDial_Calc& sheet) {
    for (int i = 0; i < sheet.GetPageCount(); ++i) {
      CPropertyPage* page = sheet.GetPage(i);
      if (page->IsCreated()) continue;
      const auto& tmpl = page->Template();
      EXPECT_EQ(brevimo::HostOf(*page)->minimumSize(),
                brevimo::DialogUnits(tmpl, brevimo::HostOf(*page)).Size(tmpl.cx, tmpl.cy))
          << page->ClassName();
    }
  }

  // Every kept size of the file replaced by size(caption) ("W H").
  void ReplaceKeptSizes(const std::function<QString(const QString& caption)>& size) {
    QFile file(m_file);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    file.close();
    // "<width> <height> <fingerprint> <caption>"
    const QRegularExpression sized(QStringLiteral("^\\d+ \\d+ (\\S+ (.*))$"));
    for (QString& line : lines)
      if (const auto match = sized.match(line); match.hasMatch())
        line = size(match.captured(2).trimmed()) + QLatin1Char(' ') +
               match.captured(1); // "\r" on Windows
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(lines.join(QLatin1Char('\n')).toUtf8());
  }

  std::filesystem::path m_dir;
  QString m_file;
  QString m_saved = brevimo::PageSizeCache::File();
  std::unique_ptr<CDial_Calc> m_next;
};

TEST_F(PageSizesTest, KeptSizesAreTheMeasuredOnesInBothLanguages) {
  ASSERT_TRUE(QFile::exists(m_file)); // the first start kept them
  for (brevimo::Language language : {brevimo::Language::Russian, brevimo::Language::English}) {
    brevimo::SetLanguage(language);
    QCoreApplication::sendPostedEvents(); // the language change reaches the sheet
    ExpectMeasuredSizes(Sheet());         // switched: kept for the new language
    ExpectMeasuredSizes(Restart());
  }
}

TEST_F(PageSizesTest, AWrongKeptSizeIsMendedWhenThePageIsBuilt) {
  // Every kept size the least its page can be, in the font's own units:
  // possible, but narrower than the pages whose captions widen them.
  std::map<QString, QSize> least;
  for (int i = 0; i < Sheet().GetPageCount(); ++i) {
    const auto& tmpl = Sheet().GetPage(i)->Template();
    least[QString::fromUtf8(tmpl.caption)] =
        brevimo::DialogUnits(brevimo::HostOf(*Sheet().GetPage(i))->font()).Size(tmpl.cx, tmpl.cy);
  }
  ReplaceKeptSizes([&](const QString& caption) {
    const QSize size = least.at(caption);
    return QStringLiteral("%1 %2").arg(size.width()).arg(size.height());
  });

  CDial_Calc& sheet = Restart();
  sheet.show();
  // The widest page: built, it must widen the window beyond the first page.
  int widest = 1;
  for (int i = 1; i < sheet.GetPageCount(); ++i)
    if (brevimo::HostOf(*Sheet().GetPage(i))->minimumWidth() >
        brevimo::HostOf(*Sheet().GetPage(widest))->minimumWidth())
      widest = i;
  CPropertyPage* page = sheet.GetPage(widest);
  const QSize real = brevimo::HostOf(*Sheet().GetPage(widest))->minimumSize();
  ASSERT_GT(real.width(), brevimo::HostOf(*sheet.GetPage(0))->minimumWidth());
  ASSERT_EQ(brevimo::HostOf(*page)->minimumSize(),
            least.at(QString::fromUtf8(page->Template().caption)));

  const auto areaWidth = [](CDial_Calc& s) {
    return s.findChild<QWidget*>(QStringLiteral("pages"))->width();
  };
  ASSERT_LT(areaWidth(sheet), areaWidth(Sheet()));

  ASSERT_TRUE(sheet.SetActivePage(widest));
  EXPECT_EQ(brevimo::HostOf(*page)->minimumSize(), real);
  EXPECT_EQ(areaWidth(sheet), areaWidth(Sheet())); // as wide as with the right sizes
  QSize kept;
  EXPECT_TRUE(brevimo::PageSizeCache(brevimo::HostOf(*page)).Find(page->Template(), &kept));
  EXPECT_EQ(kept, real); // and kept for the next start
}

TEST_F(PageSizesTest, AFileThatCannotBeUsedOnlyCostsAMeasurement) {
  const struct {
    const char* name;
    void (*spoil)(const QString& file);
  } cases[] = {
      {"garbage",
       [](const QString& file) {
         QFile f(file);
         f.open(QIODevice::WriteOnly | QIODevice::Truncate);
         f.write("Brevimo page sizes 1\nnot the key\n-1 x y\n\n\n");
       }},
      {"a folder in the way",
       [](const QString& file) {
         QFile::remove(file);
         QDir().mkpath(file);
       }},
      {"its folder cannot be made",
       [](const QString& file) {
         QFile::remove(file);
         QFile blocker(file + QStringLiteral(".d"));
         blocker.open(QIODevice::WriteOnly);
         brevimo::PageSizeCache::SetFile(file + QStringLiteral(".d/page-sizes"));
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    c.spoil(m_file);
    CDial_Calc& sheet = Restart();
    ExpectMeasuredSizes(sheet);
    ASSERT_TRUE(sheet.SetActivePage(4));
    EXPECT_TRUE(Boxes().empty()); // never a message
  }
}

// A size no page can have on this screen (far beyond the screen, or below
// the page's size in the font's own units) is measured again, as a missing
// one, and the measured size is kept instead.
TEST_F(PageSizesTest, AKeptSizeNoPageCanHaveIsMeasuredAgain) {
  for (const char* absurd : {"2147483647 2147483647", "1000000 1000000", "500 2147483647", "1 1"}) {
    SCOPED_TRACE(absurd);
    ReplaceKeptSizes([&](const QString&) { return QString::fromLatin1(absurd); });
    ExpectMeasuredSizes(Restart());
    QFile file(m_file);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString kept = QString::fromUtf8(file.readAll());
    EXPECT_FALSE(kept.contains(QRegularExpression(QStringLiteral("(?m)^") +
                                                  QString::fromLatin1(absurd) + QLatin1Char(' '))));
  }
}

// In the file's place a FIFO or a link to a device: never read, the pages
// measured. Opening a FIFO would wait for a writer for ever; should the
// start do it, a writer comes after a while, and the test fails. (Not
// under Wine: no FIFOs, and links cannot be made there.)
TEST_F(PageSizesTest, OnlyARegularFileIsRead) {
  const struct {
    const char* name;
    bool (*put)(const QString& file);
  } cases[] = {
      {"a FIFO",
       [](const QString& file) {
         return QProcess::execute(QStringLiteral("mkfifo"), {file}) == 0;
       }},
      {"a link to /dev/zero",
       [](const QString& file) {
         std::error_code error;
         std::filesystem::create_symlink("/dev/zero", file.toStdString(), error);
         return !error;
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QFile::remove(m_file);
    ASSERT_TRUE(c.put(m_file));
    std::mutex mutex;
    std::condition_variable startDone;
    bool started = false, writerNeeded = false;
    std::thread writer([&] {
      std::unique_lock lock(mutex);
      if (startDone.wait_for(lock, std::chrono::seconds(20), [&] { return started; })) return;
      writerNeeded = true;
      QFile fifo(m_file); // read and write: never waits for a reader
      fifo.open(QIODevice::ReadWrite);
    });
    CDial_Calc& sheet = Restart();
    {
      std::lock_guard lock(mutex);
      started = true;
    }
    startDone.notify_one();
    writer.join();
    EXPECT_FALSE(writerNeeded) << "the start waited on the FIFO";
    ExpectMeasuredSizes(sheet);
  }
}

} // namespace
