// SPDX-License-Identifier: GPL-3.0-or-later
// The sheet's entries in the window's system menu, through the Win32 API on
// the window's handle. Only Qt's windows platform has native windows: on
// the offscreen platform these tests are skipped (CTest's windows_platform
// runs them on a virtual display).
#include "tests/ui/ui_fixture.h"

#include "app/dial_about.h"
#include "ui/translation.h"

#include <QGuiApplication>
#include <QMenu>

#include <string>

#include <windows.h>

namespace {

class SystemMenuTest : public UiTest {
protected:
  void SetUp() override {
    if (QGuiApplication::platformName() != QLatin1String("windows"))
      GTEST_SKIP() << "no native windows on " << QGuiApplication::platformName().toStdString();
    UiTest::SetUp();
    m_hwnd = reinterpret_cast<HWND>(Sheet().winId());
    m_menu = GetSystemMenu(m_hwnd, FALSE);
  }

  QString ItemText(int position) {
    wchar_t text[128] = {};
    GetMenuStringW(m_menu, static_cast<UINT>(position), text, 128, MF_BYPOSITION);
    return QString::fromWCharArray(text);
  }

  // As the menu does when an entry is chosen: the command is posted.
  void Choose(int id) {
    ASSERT_TRUE(PostMessageW(m_hwnd, WM_SYSCOMMAND, static_cast<WPARAM>(id), 0));
    QCoreApplication::processEvents();
  }

  HWND m_hwnd = nullptr;
  HMENU m_menu = nullptr;
};

TEST_F(SystemMenuTest, HoldsAboutHelpAndASeparatorBeforeClose) {
  ASSERT_NE(m_menu, nullptr);
  const int count = GetMenuItemCount(m_menu);
  ASSERT_GE(count, 10); // the platform's seven with ours among them
  EXPECT_EQ(GetMenuItemID(m_menu, 6), static_cast<UINT>(CDial_Calc::IDM_ABOUTBOX));
  EXPECT_EQ(ItemText(6), U("О программе"));
  EXPECT_EQ(GetMenuItemID(m_menu, 7), static_cast<UINT>(CDial_Calc::IDM_HELP));
  EXPECT_EQ(ItemText(7), "Help");
  EXPECT_TRUE(GetMenuState(m_menu, 8, MF_BYPOSITION) & MF_SEPARATOR);
  int close = -1;
  for (int i = 0; i < count; ++i)
    if (GetMenuItemID(m_menu, i) == SC_CLOSE) close = i;
  EXPECT_GT(close, 8);
  // the ☰ menu stays
  EXPECT_NE(Sheet().findChild<QMenu*>(QStringLiteral("sysmenu")), nullptr);
}

TEST_F(SystemMenuTest, ChoosingTheEntriesOpensTheAboutBoxAndTheManual) {
  QString modal;
  QTimer closer;
  closer.setInterval(50);
  QObject::connect(&closer, &QTimer::timeout, &closer, [&] {
    if (QWidget* box = QApplication::activeModalWidget()) {
      modal = box->objectName();
      box->close();
    }
  });
  closer.start();
  Choose(CDial_Calc::IDM_ABOUTBOX); // returns when the About box closes
  EXPECT_EQ(modal, "CDial_About");

  Choose(CDial_Calc::IDM_HELP);
  QWidget* help = nullptr;
  EXPECT_TRUE(QTest::qWaitFor(
      [&] { return (help = Sheet().findChild<QWidget*>(QStringLiteral("CHelpWindow"))); }, 2000));
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  help->close();
  EXPECT_TRUE(Sheet().isVisible());
}

TEST_F(SystemMenuTest, EntriesFollowTheLanguage) {
  ASSERT_TRUE(brevimo::SetLanguage(brevimo::Language::English));
  QCoreApplication::processEvents(); // the windows take the change as a posted event
  EXPECT_EQ(ItemText(6), "About");
  EXPECT_EQ(ItemText(7), "Help");
  EXPECT_EQ(GetMenuItemID(m_menu, 6), static_cast<UINT>(CDial_Calc::IDM_ABOUTBOX));
  brevimo::SetLanguage(brevimo::Language::Russian);
  QCoreApplication::processEvents();
  EXPECT_EQ(ItemText(6), U("О программе"));
}

} // namespace
