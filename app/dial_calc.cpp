#include "dial_calc.h"

#include "brevimo_app.h"
#include "dialog_builder.h"
#include "message_box.h"
#include "property_page.h"
#include "res/icon128.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

CDial_Calc::CDial_Calc(const QString& caption, QWidget* parent, int startPage)
    : QDialog(parent), m_tabs(new QTabWidget(this)) {
  setObjectName(QStringLiteral("CDial_Calc"));
  setWindowTitle(caption);
  setWindowIcon(brevimo::res::ProgramIcon());
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  brevimo::SetMainWindow(this);

  m_tabs->setObjectName(QStringLiteral("tabs"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_tabs);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  // The window menu's own entries: where the window manager's menu cannot
  // take them, they sit in a menu button at the right end of the tab bar.
  auto* menuButton = new QToolButton(m_tabs);
  menuButton->setObjectName(QStringLiteral("menu"));
  menuButton->setText(QStringLiteral("☰"));
  menuButton->setAccessibleName(QStringLiteral("Меню"));
  menuButton->setPopupMode(QToolButton::InstantPopup);
  auto* menu = new QMenu(menuButton);
  menu->setObjectName(QStringLiteral("sysmenu"));
  QAction* about = menu->addAction(QStringLiteral("О программе"));
  about->setObjectName(QString::number(IDM_ABOUTBOX));
  connect(about, &QAction::triggered, this, [this] { OnSysCommand(IDM_ABOUTBOX); });
  QAction* help = menu->addAction(QStringLiteral("Help"));
  help->setObjectName(QString::number(IDM_HELP));
  connect(help, &QAction::triggered, this, [this] { OnSysCommand(IDM_HELP); });
  menu->addSeparator();
  menuButton->setMenu(menu);
  m_tabs->setCornerWidget(menuButton, Qt::TopRightCorner);

  auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
  connect(f1, &QShortcut::activated, this, [this] { OnSysCommand(IDM_HELP); });

  // Tab order (differs from the declaration order).
  AddPage(&m_KsTCorr);
  AddPage(&m_RazvedSpirta);
  AddPage(&m_CombRastv);
  AddPage(&m_PowerAndOut);
  AddPage(&m_VolMasMol);
  AddPage(&m_CalkTkip);
  AddPage(&m_VacPereg);
  AddPage(&m_ShugarConc);
  AddPage(&m_Peregon);

  connect(m_tabs, &QTabWidget::currentChanged, this, &CDial_Calc::OnTabChanged);
  if (!m_tabOrder.empty()) {
    const int first = startPage >= 0 && startPage < GetPageCount() ? startPage : 0;
    m_tabs->setCurrentIndex(first);
    OnTabChanged(first);
  }
}

CDial_Calc::~CDial_Calc() {
  if (brevimo::MainWindow() == this) brevimo::SetMainWindow(nullptr);
}

void CDial_Calc::AddPage(CPropertyPage* page) {
  auto* host = new QWidget;
  page->Attach(this, host);
  const auto& tmpl = page->Template();
  host->setMinimumSize(brevimo::DialogUnits(host->font()).Size(tmpl.cx, tmpl.cy));
  m_tabs->addTab(host, page->Caption());
  m_tabOrder.push_back(page);
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
  page->OnSetActive();
}

void CDial_Calc::keyPressEvent(QKeyEvent* event) {
  // Enter runs the active page's default push button and never closes the
  // window; Escape closes it.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    if (m_active)
      if (auto* button = qobject_cast<QPushButton*>(m_active->DefaultButton()))
        if (button->isVisible() && button->isEnabled()) button->click();
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
  // The help file is named after the executable, with the extension ".HLP".
  const QFileInfo exe(QCoreApplication::applicationFilePath());
  const QString helpFile =
      exe.absolutePath() + QLatin1Char('/') + exe.completeBaseName() + QStringLiteral(".HLP");
  if (QFileInfo::exists(helpFile) && QDesktopServices::openUrl(QUrl::fromLocalFile(helpFile)))
    return;
  AfxMessageBox(QStringLiteral("Failed to launch help."));
}
