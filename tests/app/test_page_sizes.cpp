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
#include <QRegularExpression>

#include <filesystem>

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
    ExpectMeasuredSizes(Sheet()); // switched: kept for the new language
    ExpectMeasuredSizes(Restart());
  }
}

TEST_F(PageSizesTest, AWrongKeptSizeIsMendedWhenThePageIsBuilt) {
  QFile file(m_file);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  QString text = QString::fromUtf8(file.readAll());
  file.close();
  // Every kept size a few pixels wide: as if the fonts had changed since.
  text.replace(QRegularExpression(QStringLiteral("(?m)^\\d+ \\d+ ")), QStringLiteral("7 5 "));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(text.toUtf8());
  file.close();

  CDial_Calc& sheet = Restart();
  sheet.show();
  // The widest page: built, it must widen the window beyond the first page.
  int widest = 1;
  for (int i = 1; i < sheet.GetPageCount(); ++i)
    if (brevimo::HostOf(*Sheet().GetPage(i))->minimumWidth() > brevimo::HostOf(*Sheet().GetPage(widest))->minimumWidth())
      widest = i;
  CPropertyPage* page = sheet.GetPage(widest);
  const QSize real = brevimo::HostOf(*Sheet().GetPage(widest))->minimumSize();
  ASSERT_GT(real.width(), brevimo::HostOf(*sheet.GetPage(0))->minimumWidth());
  ASSERT_EQ(brevimo::HostOf(*page)->minimumSize(), QSize(7, 5));

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
      {"garbage", [](const QString& file) {
         QFile f(file);
         f.open(QIODevice::WriteOnly | QIODevice::Truncate);
         f.write("Brevimo page sizes 1\nnot the key\n-1 x y\n\n\n");
       }},
      {"a folder in the way", [](const QString& file) {
         QFile::remove(file);
         QDir().mkpath(file);
       }},
      {"its folder cannot be made", [](const QString& file) {
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

} // namespace
