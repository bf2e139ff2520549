// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator sheet: one window, a tab per calculator page.
//
// The window's face of the calculator sheet (CCalcSheet, which owns the
// pages): it adds them as tabs in the registry's order. A page's controls
// are created when its tab is first shown.
#pragma once

#include "pages/calc_sheet.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CPlanChart;
class CRunChart;
namespace brevimo {
struct DistillationRun;
struct RunPlan;
class PageSizeCache;
} // namespace brevimo
class CStackedTabBar;
class QMenu;
class QScrollArea;
class QTabWidget;
class QToolButton;

class CDial_Calc : public QDialog, public CCalcSheet {
public:
  explicit CDial_Calc(const QString& caption, QWidget* parent = nullptr, int startPage = 0);
  ~CDial_Calc() override;

  // System commands of the window menu.
  static constexpr int IDM_ABOUTBOX = 101;
  static constexpr int IDM_HELP = 103;
  void OnSysCommand(int id);

  // Where the platform's own window menu takes entries (the system menu on
  // Windows, win/), a hook set before any sheet is made is given each new
  // sheet and its ☰ menu, whose entries it mirrors there.
  using WindowMenuHook = void (*)(CDial_Calc& sheet, QMenu& menu);
  static void SetWindowMenuHook(WindowMenuHook hook);
  // A handler of the window's native messages (the system menu's commands);
  // what it declines the sheet handles as usual.
  using NativeEventHandler =
      std::function<bool(const QByteArray& type, void* message, qintptr* result)>;
  void SetNativeEventHandler(NativeEventHandler handler) {
    m_nativeEventHandler = std::move(handler);
  }

  int GetPageCount() const { return static_cast<int>(m_tabOrder.size()); }
  CPropertyPage* GetPage(int index) const { return m_tabOrder.at(static_cast<std::size_t>(index)); }
  CPropertyPage* GetActivePage() const { return m_active; }
  bool SetActivePage(int index);

  // The chart window of the distillation run, made on first use: Show puts
  // the run in it and brings it to the front; Refresh puts the run in it
  // only while it is open.
  void ShowRunChart(std::shared_ptr<const brevimo::DistillationRun> run) override;
  void RefreshRunChart(std::shared_ptr<const brevimo::DistillationRun> run) override;
  // The chart window once shown, else nullptr. A template, so that only a
  // caller that includes run_chart.h (and links the chart library) needs
  // its type: the program itself never does.
  template <class Chart = CRunChart> Chart* RunChart() const {
    return static_cast<Chart*>(m_runChart);
  }
  // The same for the planned run's chart window.
  void ShowPlanChart(std::shared_ptr<const brevimo::RunPlan> plan) override;
  void RefreshPlanChart(std::shared_ptr<const brevimo::RunPlan> plan) override;
  template <class Chart = CPlanChart> Chart* PlanChart() const {
    return static_cast<Chart*>(m_planChart);
  }

protected:
  void changeEvent(QEvent* event) override; // a new language: new page sizes
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  bool nativeEvent(const QByteArray& type, void* message, qintptr* result) override;

private:
  void AddPage(CPropertyPage* page, bool shownFirst);
  void SizePage(CPropertyPage* page);
  void KeepBuiltSize(CPropertyPage* page);
  void OnTabChanged(int index);
  void FocusFirstControl();
  void ShowHelp();
  void FitToScreen();
  void StayOnScreen();

  QTabWidget* m_tabs;
  QScrollArea* m_area; // holds m_tabs: scrolls where the pages outgrow the screen
  CStackedTabBar* m_tabRows;
  QToolButton* m_menuButton;
  std::vector<CPropertyPage*> m_tabOrder;
  CPropertyPage* m_active = nullptr;
  bool m_reverting = false;
  bool m_iconSet = false;
  QWidget* m_runChart = nullptr;  // a child window of the sheet, from the chart library
  QWidget* m_planChart = nullptr; // the same for the planned run
  std::unique_ptr<brevimo::PageSizeCache> m_sizes; // pages measured at an earlier start
  NativeEventHandler m_nativeEventHandler;
};
