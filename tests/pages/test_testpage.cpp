// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/CPP_TestPage.h"
#include "tests/ui/small_disk.h"
#include "tests/ui/ui_fixture.h"
#include "ui/replacing_file.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

// The test page is not in the sheet: it is built on a host widget of its
// own, inside a temporary working directory that is restored afterwards.
class TestPageTest : public UiTest {
protected:
  void SetUp() override {
    UiTest::SetUp();
    ASSERT_TRUE(m_dir.isValid());
    m_previousDir = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(m_dir.path()));
    new brevimo::WidgetStore(m_page, &Sheet(), &m_host); // a child of m_host
    m_page.OnSetActive();
    m_host.show();
  }

  void TearDown() override {
    QDir::setCurrent(m_previousDir);
    UiTest::TearDown();
  }

  void PressTest() {
    auto* button = m_host.findChild<QPushButton*>(QStringLiteral("1020"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), U("Тест"));
    QTest::mouseClick(button, Qt::LeftButton);
  }

  QString FilePath() const { return m_dir.filePath(QStringLiteral("TestData.txt")); }

  QByteArray ReadFile() const {
    QFile file(FilePath());
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
  }

  QTemporaryDir m_dir;
  QString m_previousDir;
  QWidget m_host;
  CPP_TestPage m_page;
};

TEST_F(TestPageTest, IsNotInTheSheet) {
  EXPECT_EQ(brevimo::CaptionOf(m_page), U("Тестовая страница"));
  EXPECT_EQ(m_page.m_pCalcTkip, nullptr);
  for (int i = 0; i < Sheet().GetPageCount(); ++i)
    EXPECT_STRNE(Sheet().GetPage(i)->ClassName(), "CPP_TestPage");
  EXPECT_EQ(Tabs()->indexOf(&m_host), -1);
}

TEST_F(TestPageTest, RefusesWithoutTheBoilingPageAndWritesNothing) {
  PressTest();
  EXPECT_EQ(TakeMessage(), U("No CalcTkipAdress"));
  EXPECT_FALSE(QFile::exists(FilePath()));
}

// Not run under Wine (cmake/Windows.cmake): the table is written in text
// mode, so on Windows its lines end in CR LF, as Windows text files do; the
// expected lines here are LF-terminated.
TEST_F(TestPageTest, WritesTheHeaderAndOneLinePerWholePercent) {
  m_page.m_pCalcTkip = &Sheet().m_CalkTkip;
  PressTest();
  EXPECT_TRUE(NoMessage());

  const QByteArray data = ReadFile();
  ASSERT_TRUE(data.endsWith('\n'));
  const QList<QByteArray> lines = data.chopped(1).split('\n');
  ASSERT_EQ(lines.size(), 102);
  EXPECT_EQ(lines[0], "MasCon%\tTkip\tParMas%\tParMol%");

  // telling lines, byte for byte
  EXPECT_EQ(lines[1 + 0], "  0\t-1.000\t-1.000\t-1.000");
  EXPECT_EQ(lines[1 + 1], "  1\t98.750\t10.750\t4.501");
  EXPECT_EQ(lines[1 + 2], "  2\t97.650\t19.700\t8.759");
  EXPECT_EQ(lines[1 + 12], " 12\t90.500\t55.800\t33.070");
  EXPECT_EQ(lines[1 + 49], " 49\t82.000\t76.800\t56.430");
  EXPECT_EQ(lines[1 + 95], " 95\t78.180\t95.050\t88.250");
  for (int i = 96; i <= 100; ++i)
    EXPECT_EQ(lines[1 + i],
              QByteArray::number(i).rightJustified(3, ' ') + "\t-1.000\t-1.000\t-1.000");

  // every line: the content right-aligned in three, then three numbers
  for (int i = 0; i <= 100; ++i) {
    const QList<QByteArray> cells = lines[1 + i].split('\t');
    ASSERT_EQ(cells.size(), 4) << i;
    EXPECT_EQ(cells[0], QByteArray::number(i).rightJustified(3, ' ')) << i;
    for (int c = 1; c < 4; ++c) {
      bool ok = false;
      cells[c].toDouble(&ok);
      EXPECT_TRUE(ok) << i << " " << cells[c].constData();
      EXPECT_EQ(cells[c].indexOf('.'), cells[c].size() - 4) << i;
    }
    const bool refused = i == 0 || i > 95;
    EXPECT_EQ(cells[1] == "-1.000", refused) << i;
  }

  // a second run replaces the file instead of adding to it
  PressTest();
  EXPECT_EQ(ReadFile(), data);
}

TEST_F(TestPageTest, ReportsAFileThatCannotBeCreated) {
  m_page.m_pCalcTkip = &Sheet().m_CalkTkip;
  ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("TestData.txt")));
  PressTest();
  EXPECT_EQ(TakeMessage(), U("Can't open file TestData.txt"));
  EXPECT_TRUE(NoMessage());
}

// On a full disk the previous table stays whole and a message says so.
TEST_F(TestPageTest, FullDiskKeepsThePreviousFileAndSaysSo) {
  m_page.m_pCalcTkip = &Sheet().m_CalkTkip;
  SmallDisk disk(std::filesystem::path(m_dir.path().toStdString()) / "disk", 64);
  if (!disk.Mounted()) GTEST_SKIP() << disk.Why();
  const QString folder = QString::fromStdString(disk.Path().string());
  ASSERT_TRUE(QDir::setCurrent(folder));
  PressTest();
  ASSERT_TRUE(NoMessage());
  QFile written(folder + QStringLiteral("/TestData.txt"));
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  const QByteArray previous = written.readAll();
  written.close();
  ASSERT_TRUE(disk.Fill(0));
  PressTest();
  EXPECT_EQ(TakeMessage(), brevimo::WriteFailureMessage(written.fileName(), U("на диске нет места")));
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  EXPECT_EQ(written.readAll(), previous);
  disk.Free();
  ASSERT_TRUE(QDir::setCurrent(m_dir.path()));
}

} // namespace
