// SPDX-License-Identifier: GPL-3.0-or-later
// The sheet's entries in the window's own system menu: "О программе",
// "Help" and a separator, inserted by position (6, 7, 8: before Close) into
// the menu Windows built, with the texts of the ☰ menu, which stays. A
// choice of either arrives at the window as WM_SYSCOMMAND with the entry's
// ID and goes to CDial_Calc::OnSysCommand. Linked into the programs that show the sheet,
// it registers itself before main.
#include "app/dial_calc.h"
#include "ui/message_box.h"

#include <QAction>
#include <QEvent>
#include <QGuiApplication>
#include <QMenu>

#include <string>
#include <vector>

#include <windows.h>

namespace {

class CSystemMenu : public QObject {
public:
  CSystemMenu(CDial_Calc& sheet, QMenu& menu) : QObject(&sheet), m_sheet(sheet) {
    for (const int id : {CDial_Calc::IDM_ABOUTBOX, CDial_Calc::IDM_HELP}) {
      QAction* action = menu.findChild<QAction*>(QString::number(id));
      if (!action) continue;
      m_actions.push_back({id, action});
      // A new language renames the ☰ entry, and so this one.
      connect(action, &QAction::changed, this, [this, id, action] { Rename(id, action->text()); });
    }
    sheet.installEventFilter(this);
    sheet.SetNativeEventHandler(
        [this](const QByteArray& type, void* message, qintptr* result) {
          return NativeEvent(type, message, result);
        });
  }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // The native window exists once the sheet is shown (or made again).
    if (watched == &m_sheet && (event->type() == QEvent::Show || event->type() == QEvent::WinIdChange))
      Insert();
    return QObject::eventFilter(watched, event);
  }

private:
  struct Entry {
    int id;
    QAction* action;
  };

  bool NativeEvent(const QByteArray& type, void* message, qintptr* result) {
    if (type != "windows_generic_MSG") return false;
    const MSG* msg = static_cast<const MSG*>(message);
    if (msg->message != WM_SYSCOMMAND || !m_hwnd || msg->hwnd != m_hwnd) return false;
    // Windows keeps the low four bits of its own commands (SC_*) to itself;
    // an entry of ours comes with its ID as it was inserted.
    const WPARAM id = msg->wParam;
    for (const auto& entry : m_actions) {
      if (id != static_cast<WPARAM>(entry.id)) continue;
      m_sheet.OnSysCommand(entry.id);
      *result = 0;
      return true;
    }
    return false;
  }

  void Insert() {
    // Only Qt's windows platform has native windows (not offscreen).
    if (QGuiApplication::platformName() != QLatin1String("windows")) return;
    const auto hwnd = reinterpret_cast<HWND>(m_sheet.internalWinId());
    if (!hwnd || hwnd == m_hwnd || !IsWindow(hwnd)) return;
    m_hwnd = hwnd;
    HMENU menu = GetSystemMenu(hwnd, FALSE); // the window's own copy
    UINT position = 6;
    for (const auto& entry : m_actions) {
      const std::wstring text = entry.action->text().toStdWString();
      if (!InsertMenuW(menu, position, MF_BYPOSITION | MF_STRING, static_cast<UINT_PTR>(entry.id),
                       text.c_str()))
        AfxMessageBox(QStringLiteral("Error SysMenu"));
      ++position;
    }
    if (!InsertMenuW(menu, position, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr))
      AfxMessageBox(QStringLiteral("Error SysMenu"));
    DrawMenuBar(hwnd);
  }

  void Rename(int id, const QString& text) {
    if (!m_hwnd) return;
    const std::wstring wide = text.toStdWString();
    ModifyMenuW(GetSystemMenu(m_hwnd, FALSE), static_cast<UINT>(id), MF_BYCOMMAND | MF_STRING,
                static_cast<UINT_PTR>(id), wide.c_str());
    DrawMenuBar(m_hwnd);
  }

  CDial_Calc& m_sheet;
  std::vector<Entry> m_actions;
  HWND m_hwnd = nullptr; // the window the entries are in
};

void AddSystemMenu(CDial_Calc& sheet, QMenu& menu) { new CSystemMenu(sheet, menu); }

[[maybe_unused]] const bool registered = (CDial_Calc::SetWindowMenuHook(&AddSystemMenu), true);

} // namespace
