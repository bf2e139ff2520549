// SPDX-License-Identifier: GPL-3.0-or-later
#include "dial_calc.h"

#include "brevimo_app.h"
#include "help_window.h"
#include "pages/page_registry.h"
#include "res/icon128.h"
#include "run_chart_module.h"
#include "ui/dialog_builder.h"
#include "ui/language_menu.h"
#include "ui/message_box.h"
#include "ui/page_size_cache.h"
#include "ui/screen_room.h"
#include "ui/stacked_tab_bar.h"
#include "ui/translation.h"
#include "ui/widget_store.h"
#include "ui/window_keys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QShowEvent>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {
CDial_Calc::WindowMenuHook s_windowMenuHook = nullptr;

// F1 in a window beside the sheet (the run's chart): the sheet's one help
// window, at that window's section.
void OpenHelpFor(QWidget* window, const QString& section) {
  QWidget* owner = brevimo::MainWindow() ? brevimo::MainWindow() : window;
  if (!CHelpWindow::Open(owner, section)) AfxMessageBox(CHelpWindow::ManualProblem());
}
} // namespace

void CDial_Calc::SetWindowMenuHook(WindowMenuHook hook) { s_windowMenuHook = hook; }

CDial_Calc::CDial_Calc(const QString& caption, QWidget* parent, int startPage)
    : QDialog(parent), m_tabs(new QTabWidget), m_area(new QScrollArea(this)) {
  setObjectName(QStringLiteral("CDial_Calc"));
  setWindowTitle(caption);
  // The icon (seven PNGs to decode) follows the first frame: see paintEvent.
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  brevimo::SetMainWindow(this);
  brevimo::SetHelpOpener(&OpenHelpFor);
  brevimo::InstallRetranslation(this);

  m_tabs->setObjectName(QStringLiteral("tabs"));
  m_tabRows = new CStackedTabBar(m_tabs, this);
  // The window is as large as its largest page, unless the screen is
  // smaller: then the pages scroll (FitToScreen) and the tabs stay in view.
  m_area->setObjectName(QStringLiteral("pages"));
  m_area->setFrameShape(QFrame::NoFrame);
  m_area->setFocusPolicy(Qt::NoFocus);
  m_area->setWidgetResizable(true);
  m_area->setWidget(m_tabs);
  auto* layout = new QVBoxLayout(this);
  layout->setSpacing(0);
  layout->addWidget(m_tabRows);
  layout->addWidget(m_area);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  // The window menu's own entries: where the window manager's menu cannot
  // take them, they sit in a menu button at the right end of the tabs.
  auto* menuButton = m_menuButton = new QToolButton(m_tabRows);
  menuButton->setObjectName(QStringLiteral("menu"));
  menuButton->setText(QStringLiteral("☰"));
  brevimo::SetTranslated(menuButton, "CDial_Calc",
                         QStringLiteral(QT_TRANSLATE_NOOP("CDial_Calc", "Меню")),
                         brevimo::TrRole::AccessibleName);
  menuButton->setPopupMode(QToolButton::InstantPopup);
  auto* menu = new QMenu(menuButton);
  menu->setObjectName(QStringLiteral("sysmenu"));
  QAction* about = menu->addAction(QString());
  brevimo::SetTranslated(about, "CDial_Calc",
                         QStringLiteral(QT_TRANSLATE_NOOP("CDial_Calc", "О программе")));
  about->setObjectName(QString::number(IDM_ABOUTBOX));
  connect(about, &QAction::triggered, this, [this] { OnSysCommand(IDM_ABOUTBOX); });
  QAction* help = menu->addAction(QStringLiteral("Help"));
  help->setObjectName(QString::number(IDM_HELP));
  connect(help, &QAction::triggered, this, [this] { OnSysCommand(IDM_HELP); });
  menu->addSeparator();
  brevimo::AddLanguageMenu(menu);
  menuButton->setMenu(menu);
  if (s_windowMenuHook) s_windowMenuHook(*this, *menu);

  auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
  connect(f1, &QShortcut::activated, this, [this] { OnSysCommand(IDM_HELP); });
  // Ctrl+Tab and Ctrl+Shift+Tab (or Ctrl+PgDown, Ctrl+PgUp) step through the tabs.
  const auto step = [this](int delta) {
    const int count = m_tabs->count();
    if (count > 0) m_tabs->setCurrentIndex((m_tabs->currentIndex() + delta + count) % count);
  };
  for (const QKeySequence& keys :
       {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)})
    connect(new QShortcut(keys, this), &QShortcut::activated, this, [step] { step(1); });
  // Shift+Tab arrives as Backtab with Shift; X's key mapper matches it to
  // Ctrl+Shift+Tab only. One more form would make the match ambiguous.
  for (const QKeySequence& keys :
       {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageUp)})
    connect(new QShortcut(keys, this), &QShortcut::activated, this, [step] { step(-1); });

  // Tab order (differs from the declaration order). The page shown first is
  // measured as it is built; the others take their sizes from an earlier
  // start where they can.
  const auto pages = brevimo::SheetPages();
  const int first = startPage >= 0 && startPage < static_cast<int>(pages.size()) ? startPage : 0;
  for (int i = 0; i < static_cast<int>(pages.size()); ++i)
    AddPage(&pages[i].page(*this), i == first);

  connect(m_tabs, &QTabWidget::currentChanged, this, &CDial_Calc::OnTabChanged);
  m_tabs->setCurrentIndex(first);
  OnTabChanged(first);
  FitToScreen();
  m_sizes->Save();
}

CDial_Calc::~CDial_Calc() {
  m_nativeEventHandler = nullptr; // its owner, a child, goes before the window
  if (brevimo::MainWindow() == this) brevimo::SetMainWindow(nullptr);
}

void CDial_Calc::AddPage(CPropertyPage* page, bool shownFirst) {
  auto* host = new QWidget;
  new brevimo::WidgetStore(*page, this, host); // a child of host
  if (!m_sizes) m_sizes = std::make_unique<brevimo::PageSizeCache>(host);
  if (!shownFirst) SizePage(page);
  m_tabs->addTab(host, brevimo::CaptionOf(*page));
  m_tabOrder.push_back(page);
}

// A page not built yet takes the size it will have: as kept from an earlier
// start, or measured (and kept).
void CDial_Calc::SizePage(CPropertyPage* page) {
  const auto& tmpl = page->Template();
  QSize size;
  if (!m_sizes->Find(tmpl, &size)) {
    size = brevimo::DialogUnits(tmpl, brevimo::HostOf(*page)).Size(tmpl.cx, tmpl.cy);
    m_sizes->Put(tmpl, size);
  }
  brevimo::HostOf(*page)->setMinimumSize(size);
}

// A built page has its real size (built, or refitted to new captions): it
// mends a kept size that no longer holds.
void CDial_Calc::KeepBuiltSize(CPropertyPage* page) {
  m_sizes->Put(page->Template(), brevimo::HostOf(*page)->minimumSize());
}

// The tabs take as many rows as their captions need over the widest page;
// the pages show at their natural size, as far as the screen has room.
void CDial_Calc::FitToScreen() {
  int pageWidth = 0;
  for (CPropertyPage* page : m_tabOrder)
    pageWidth = std::max(pageWidth, brevimo::HostOf(*page)->minimumWidth());
  const int frame = m_tabs->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, m_tabs);
  const QMargins margins = layout()->contentsMargins();
  const QSize room = brevimo::RoomOnScreen(this).shrunkBy(margins);
  const int rowWidth = std::min(pageWidth + 2 * frame, room.width());
  const QSize button = m_menuButton->sizeHint();
  m_tabRows->SetRowWidth(rowWidth, button.width() + 2);
  m_menuButton->setGeometry(rowWidth - button.width(), 0, button.width(), button.height());

  const QSize natural = m_tabs->sizeHint().expandedTo(m_tabs->minimumSizeHint());
  const QSize area(room.width(), room.height() - m_tabRows->sizeHint().height());
  // A scroll bar in one direction takes room from the other.
  const int bar = m_area->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_area);
  QSize size = natural.boundedTo(area);
  if (size.width() < natural.width())
    size.setHeight(std::min(natural.height() + bar, area.height()));
  if (size.height() < natural.height())
    size.setWidth(std::min(natural.width() + bar, area.width()));
  if (size.width() < natural.width())
    size.setHeight(std::min(natural.height() + bar, area.height()));
  m_area->setFixedSize(size);
}

void CDial_Calc::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() != QEvent::LanguageChange) return;
  // Pages not built yet take the size their captions need in the new
  // language (built ones were refitted with their captions).
  for (CPropertyPage* page : m_tabOrder) {
    if (page->IsCreated())
      KeepBuiltSize(page);
    else
      SizePage(page);
  }
  FitToScreen();
  StayOnScreen();
  m_sizes->Save();
}

// A window that grew is moved back within its screen: where it stood near
// the right edge, a wider one would take the ☰ button out of reach.
void CDial_Calc::StayOnScreen() {
  if (!isVisible()) return;
  layout()->activate(); // the new size now, not after the next events
  brevimo::KeepOnScreen(this);
}

namespace {

// The chart windows' library, loaded at the first chart; null, after a
// message box that says why, when it cannot be.
const RunChartModule* ChartModule() {
  QString problem;
  const RunChartModule* module = brevimo::LoadRunChartModule(&problem);
  if (!module) AfxMessageBox(problem);
  return module;
}

// A chart window in front, whole on its screen.
void BringForward(QWidget* window) {
  window->showNormal();
  brevimo::KeepOnScreen(window);
  window->raise();
  window->activateWindow();
}

} // namespace

void CDial_Calc::ShowRunChart(std::shared_ptr<const brevimo::DistillationRun> run) {
  const RunChartModule* chart = ChartModule();
  if (!chart) return;
  if (!m_runChart) m_runChart = chart->create(this);
  chart->setRun(m_runChart, std::move(run));
  BringForward(m_runChart);
}

void CDial_Calc::RefreshRunChart(std::shared_ptr<const brevimo::DistillationRun> run) {
  // Open, the chart window's library is loaded.
  if (m_runChart && m_runChart->isVisible())
    brevimo::LoadRunChartModule(nullptr)->setRun(m_runChart, std::move(run));
}

void CDial_Calc::ShowPlanChart(std::shared_ptr<const brevimo::RunPlan> plan) {
  const RunChartModule* chart = ChartModule();
  if (!chart) return;
  if (!m_planChart) m_planChart = chart->createPlan(this);
  chart->setPlan(m_planChart, std::move(plan));
  BringForward(m_planChart);
}

void CDial_Calc::RefreshPlanChart(std::shared_ptr<const brevimo::RunPlan> plan) {
  if (m_planChart && m_planChart->isVisible())
    brevimo::LoadRunChartModule(nullptr)->setPlan(m_planChart, std::move(plan));
}

bool CDial_Calc::SetActivePage(int index) {
  if (index < 0 || index >= GetPageCount()) return false;
  m_tabs->setCurrentIndex(index);
  return m_active == GetPage(index);
}

void CDial_Calc::OnTabChanged(int index) {
  if (m_reverting || index < 0) return;
  CPropertyPage* page = GetPage(index);
  if (page == m_active) return;
  // Leaving a page reads its fields; a field that cannot be read keeps the
  // user on that page.
  if (m_active && !m_active->OnKillActive()) {
    m_reverting = true;
    for (int i = 0; i < GetPageCount(); ++i)
      if (GetPage(i) == m_active) m_tabs->setCurrentIndex(i);
    m_reverting = false;
    return;
  }
  m_active = page;
  const QSize kept = brevimo::HostOf(*page)->minimumSize();
  const bool building = !page->IsCreated();
  page->OnSetActive();
  if (auto* button = qobject_cast<QPushButton*>(brevimo::DefaultButtonOf(*page)))
    button->setDefault(true);
  if (building) {
    KeepBuiltSize(page);
    // A size kept from an earlier start that was not right any more.
    if (brevimo::HostOf(*page)->minimumSize() != kept && isVisible()) {
      FitToScreen();
      StayOnScreen();
      m_sizes->Save();
    }
  }
  // As a property sheet does, the new page's first control takes the focus,
  // unless the user is moving through the tabs with the arrow keys.
  if (!m_tabRows->hasFocus()) FocusFirstControl();
}

void CDial_Calc::FocusFirstControl() {
  QWidget* first = m_active ? brevimo::FirstTabStopOf(*m_active) : nullptr;
  if (!first) return;
  first->setFocus(Qt::TabFocusReason);
  if (auto* edit = qobject_cast<QLineEdit*>(first)) edit->selectAll();
}

void CDial_Calc::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) FitToScreen(); // the screen it opens on, with its frame
  QDialog::showEvent(event);
  if (!event->spontaneous()) brevimo::KeepOnScreen(this);
  // At start-up the first page's first control takes the focus.
  if (!event->spontaneous() &&
      (!focusWidget() || !m_active || !brevimo::HostOf(*m_active)->isAncestorOf(focusWidget())))
    FocusFirstControl();
}

void CDial_Calc::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  // The window shows its pages first; its icon comes a moment later.
  if (!m_iconSet) {
    m_iconSet = true;
    QTimer::singleShot(0, this, [this] { setWindowIcon(brevimo::res::ProgramIcon()); });
  }
}

bool CDial_Calc::nativeEvent(const QByteArray& type, void* message, qintptr* result) {
  if (m_nativeEventHandler && m_nativeEventHandler(type, message, result)) return true;
  return QDialog::nativeEvent(type, message, result);
}

void CDial_Calc::keyPressEvent(QKeyEvent* event) {
  // Enter presses the push button that has the focus; elsewhere it runs the
  // active page's default push button. It never closes the window; Escape
  // does.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    auto* button = qobject_cast<QPushButton*>(focusWidget());
    if (!button && m_active)
      button = qobject_cast<QPushButton*>(brevimo::DefaultButtonOf(*m_active));
    if (button && button->isVisible() && button->isEnabled()) button->click();
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void CDial_Calc::OnSysCommand(int id) {
  switch (id) {
  case IDM_ABOUTBOX:
    CBrevimoApp::OnAppAbout(this);
    break;
  case IDM_HELP:
    ShowHelp();
    break;
  default:
    break;
  }
}

void CDial_Calc::ShowHelp() {
  // The manual opens at the section of the page in use.
  const QString section = m_active ? QString::fromLatin1(m_active->ClassName()) : QString();
  if (!CHelpWindow::Open(this, section)) AfxMessageBox(CHelpWindow::ManualProblem());
}
