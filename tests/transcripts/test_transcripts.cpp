// SPDX-License-Identifier: GPL-3.0-or-later
// The pages' golden transcripts: every scenario played on the window's
// pages must give, byte for byte, the transcript recorded in golden/.
// BREVIMO_WRITE_TRANSCRIPTS=1 records them anew instead.
#include "transcript.h"
#include "window_driver.h"

#include "ui/page_size_cache.h"
#include "ui/translation.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <clocale>
#include <fstream>
#include <sstream>

namespace {

using namespace brevimo::transcript;

std::string GoldenPath(const std::string& className) {
  return std::string(BREVIMO_TRANSCRIPTS_DIR) + "/" + className + ".txt";
}

class TranscriptTest : public ::testing::TestWithParam<std::string> {};

TEST_P(TranscriptTest, PageBehavesAsRecorded) {
  const TranscriptPage* page = FindPage(GetParam());
  ASSERT_NE(page, nullptr);
  auto driver = MakeWindowDriver();
  const std::string actual = brevimo::transcript::Run(*page, AllScenarios(*page), *driver);
  const std::string path = GoldenPath(page->className);
  if (qEnvironmentVariableIntValue("BREVIMO_WRITE_TRANSCRIPTS") == 1) {
    std::ofstream(path, std::ios::binary) << actual;
    return;
  }
  std::ifstream file(path, std::ios::binary);
  ASSERT_TRUE(file) << path << " missing; BREVIMO_WRITE_TRANSCRIPTS=1 records it";
  const std::string expected((std::istreambuf_iterator<char>(file)), {});
  EXPECT_TRUE(expected == actual) << path << " differs at " << FirstDifference(expected, actual);
}

std::vector<std::string> ClassNames() {
  std::vector<std::string> names;
  for (const TranscriptPage& page : Pages())
    names.push_back(page.className);
  return names;
}

INSTANTIATE_TEST_SUITE_P(Pages, TranscriptTest, ::testing::ValuesIn(ClassNames()),
                         [](const auto& info) { return info.param; });

} // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  // Nothing of the user's: settings, page sizes and the files the pages
  // write go to a folder of this run, and the language is Russian.
  QTemporaryDir dir;
  if (!dir.isValid() || !QDir::setCurrent(dir.path())) return 1;
  for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
    for (QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope})
      QSettings::setPath(format, scope, dir.path());
  brevimo::PageSizeCache::SetFile(dir.path() + QStringLiteral("/page-sizes"));
  brevimo::SetLanguage(brevimo::Language::Russian);
  ::testing::InitGoogleTest(&argc, argv);
  const int status = RUN_ALL_TESTS();
  QDir::setCurrent(QDir::tempPath());
  return status;
}
