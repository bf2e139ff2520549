// SPDX-License-Identifier: GPL-3.0-or-later
// Page and sheet tests run real widgets on Qt's offscreen platform.
#include "ui/page_size_cache.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  // ctest runs the tests of this program as parallel processes: each keeps
  // its remembered settings (the language) in a folder of its own.
  QTemporaryDir settings;
  if (!settings.isValid()) return 1;
  for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
    for (QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope})
      QSettings::setPath(format, scope, settings.path());
  // So are the page sizes kept between starts.
  brevimo::PageSizeCache::SetFile(settings.path() + QStringLiteral("/page-sizes"));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
