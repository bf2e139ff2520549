// SPDX-License-Identifier: GPL-3.0-or-later
// The start's helper thread must never hold the program: it ends when the
// program ends before the application object (a bad command line), and the
// main thread reads images alongside it.
#include "app/start_ahead.h"

#include <QImageReader>

#include <gtest/gtest.h>

#include <clocale>
#include <string>

TEST(StartAheadTest, EndsWithOrWithoutTheApplication) {
  const std::string locale = std::setlocale(LC_ALL, nullptr); // the helper sets the user's
  { brevimo::CStartAhead ahead; } // no application object came: returns at once
  brevimo::CStartAhead ahead;
  ahead.ApplicationReady();
  QImageReader reader(QStringLiteral(":/icon128/32.png"));
  EXPECT_EQ(reader.read().width(), 32);
  ahead.Wait();
  std::setlocale(LC_ALL, locale.c_str());
}
