// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_window.h"

#include "ui/data_dir.h"
#include "ui/screen_room.h"
#include "ui/translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImageReader>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString& OverriddenFile() {
  static QString file;
  return file;
}

const QString kObjectName = QStringLiteral("CHelpWindow");

// Caption and tip are source texts, shown in the current language.
QToolButton* AddButton(QHBoxLayout* row, int id, const char* text, const char* tip) {
  auto* button = new QToolButton;
  button->setObjectName(QString::number(id));
  brevimo::SetTranslated(button, "CHelpWindow", text);
  brevimo::SetTranslated(button, "CHelpWindow", tip, brevimo::TrRole::ToolTip);
  brevimo::SetTranslated(button, "CHelpWindow", tip, brevimo::TrRole::AccessibleName);
  button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  row->addWidget(button);
  return button;
}

// The width of the widest screenshot in the manual's images folder.
int WidestImage(const QDir& manual) {
  const QDir images(manual.filePath(QStringLiteral("images")));
  int widest = 0;
  for (const QString& name : images.entryList({QStringLiteral("*.png")}, QDir::Files))
    widest = std::max(widest, QImageReader(images.filePath(name)).size().width());
  return widest;
}

// The manual's file to show: the one set for tests, the English manual under
// an English interface where it is installed, else the Russian one.
QFileInfo ManualCandidate() {
  if (!OverriddenFile().isEmpty()) return QFileInfo(OverriddenFile());
  const QDir manual(QDir(brevimo::DataDir()).filePath(QStringLiteral("manual")));
  const QFileInfo english(manual.filePath(QStringLiteral("en/index.html")));
  if (brevimo::CurrentLanguage() == brevimo::Language::English && english.isFile()) return english;
  return QFileInfo(manual.filePath(QStringLiteral("index.html")));
}

bool Readable(const QFileInfo& file) {
  QFile probe(file.filePath());
  return file.isFile() && probe.open(QIODevice::ReadOnly);
}

} // namespace

QString CHelpWindow::ManualFile() {
  const QFileInfo file = ManualCandidate();
  if (!Readable(file)) return {};
  return OverriddenFile().isEmpty() ? file.canonicalFilePath() : file.filePath();
}

QString CHelpWindow::ManualProblem() {
  const QFileInfo file = ManualCandidate();
  const char* what = !file.exists() ? QT_TRANSLATE_NOOP("CHelpWindow", "не найден")
                     : !file.isFile() ? QT_TRANSLATE_NOOP("CHelpWindow", "не является файлом")
                                      : QT_TRANSLATE_NOOP("CHelpWindow", "не читается");
  return QCoreApplication::translate("CHelpWindow",
                                     "Справку не удалось открыть: файл %1 в папке %2 %3.")
      .arg(file.fileName(), QDir::toNativeSeparators(file.absolutePath()),
           QCoreApplication::translate("CHelpWindow", what));
}

void CHelpWindow::SetManualFile(const QString& file) { OverriddenFile() = file; }

bool CHelpWindow::Open(QWidget* owner, const QString& anchor) {
  auto* window = dynamic_cast<CHelpWindow*>(
      owner->findChild<QWidget*>(kObjectName, Qt::FindDirectChildrenOnly));
  if (!window) {
    const QString file = ManualFile();
    if (file.isEmpty()) return false;
    window = new CHelpWindow(owner, file);
    window->ShowSection(anchor);
    window->m_browser->clearHistory(); // Back starts from the first section shown
  } else {
    window->FollowLanguage();
    window->ShowSection(anchor);
  }
  if (window->isMinimized()) window->showNormal();
  window->show();
  brevimo::KeepOnScreen(window);
  window->raise();
  window->activateWindow();
  return true;
}

// A child window of the calculator, so that the calculator's modal run does
// not block it, yet without modality of its own: both stay usable.
CHelpWindow::CHelpWindow(QWidget* owner, const QString& file)
    : QWidget(owner, Qt::Window), m_file(file) {
  setObjectName(kObjectName);
  setAttribute(Qt::WA_DeleteOnClose, false);
  brevimo::SetTranslated(this, "CHelpWindow", QT_TRANSLATE_NOOP("CHelpWindow", "Справка Brevimo"));

  auto* tools = new QHBoxLayout;
  QToolButton* back = AddButton(tools, IDC_BACK, QT_TRANSLATE_NOOP("CHelpWindow", "◀ Назад"),
                                QT_TRANSLATE_NOOP("CHelpWindow", "Назад (Alt+Влево)"));
  QToolButton* forward = AddButton(tools, IDC_FORWARD, QT_TRANSLATE_NOOP("CHelpWindow", "Вперед ▶"),
                                   QT_TRANSLATE_NOOP("CHelpWindow", "Вперед (Alt+Вправо)"));
  QToolButton* find = AddButton(tools, IDC_FIND, QT_TRANSLATE_NOOP("CHelpWindow", "Найти…"),
                                QT_TRANSLATE_NOOP("CHelpWindow", "Найти в тексте (Ctrl+F)"));
  tools->addStretch();

  m_contents = new QListWidget;
  m_contents->setObjectName(QString::number(IDC_CONTENTS));
  brevimo::SetTranslated(m_contents, "CHelpWindow", QT_TRANSLATE_NOOP("CHelpWindow", "Содержание"),
                         brevimo::TrRole::AccessibleName);
  m_browser = new QTextBrowser;
  m_browser->setObjectName(QString::number(IDC_BROWSER));
  brevimo::SetTranslated(m_browser, "CHelpWindow",
                         QT_TRANSLATE_NOOP("CHelpWindow", "Текст справки"),
                         brevimo::TrRole::AccessibleName);
  m_browser->setOpenExternalLinks(true);
  // The text wraps to the window; the window opens wide enough for the
  // screenshots where the screen has room, and a screenshot wider than the
  // text scrolls sideways.

  auto* splitter = new QSplitter;
  splitter->addWidget(m_contents);
  splitter->addWidget(m_browser);
  splitter->setStretchFactor(0, 0);
  splitter->setStretchFactor(1, 1);

  m_findBar = new QWidget;
  auto* findRow = new QHBoxLayout(m_findBar);
  findRow->setContentsMargins(0, 0, 0, 0);
  auto* findLabel = new QLabel;
  brevimo::SetTranslated(findLabel, "CHelpWindow", QT_TRANSLATE_NOOP("CHelpWindow", "Найти:"));
  m_findText = new QLineEdit;
  m_findText->setObjectName(QString::number(IDC_FIND_TEXT));
  brevimo::SetTranslated(m_findText, "CHelpWindow", QT_TRANSLATE_NOOP("CHelpWindow", "Найти"),
                         brevimo::TrRole::AccessibleName);
  findLabel->setBuddy(m_findText);
  findRow->addWidget(findLabel);
  findRow->addWidget(m_findText, 1);
  QToolButton* next = AddButton(findRow, IDC_FIND_NEXT, QT_TRANSLATE_NOOP("CHelpWindow", "Далее"),
                                QT_TRANSLATE_NOOP("CHelpWindow", "Следующее (F3)"));
  QToolButton* previous =
      AddButton(findRow, IDC_FIND_PREVIOUS, QT_TRANSLATE_NOOP("CHelpWindow", "Ранее"),
                QT_TRANSLATE_NOOP("CHelpWindow", "Предыдущее (Shift+F3)"));
  m_findStatus = new QLabel;
  m_findStatus->setObjectName(QString::number(IDC_FIND_STATUS));
  findRow->addWidget(m_findStatus);
  m_findBar->hide();

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(tools);
  layout->addWidget(splitter, 1);
  layout->addWidget(m_findBar);

  back->setEnabled(false);
  forward->setEnabled(false);
  connect(back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
  connect(forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
  connect(m_browser, &QTextBrowser::backwardAvailable, back, &QToolButton::setEnabled);
  connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QToolButton::setEnabled);
  connect(find, &QToolButton::clicked, this, &CHelpWindow::ShowFindBar);
  connect(next, &QToolButton::clicked, this, [this] { Find(false); });
  connect(previous, &QToolButton::clicked, this, [this] { Find(true); });
  connect(m_findText, &QLineEdit::returnPressed, this, [this] { Find(false); });
  connect(m_contents, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { ShowSection(item->data(Qt::UserRole).toString()); });
  connect(m_contents, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { ShowSection(item->data(Qt::UserRole).toString()); });

  const auto shortcut = [this](const QKeySequence& keys, auto slot) {
    connect(new QShortcut(keys, this), &QShortcut::activated, this, slot);
  };
  shortcut(QKeySequence::Find, [this] { ShowFindBar(); });
  shortcut(QKeySequence::FindNext, [this] { Find(false); });
  shortcut(QKeySequence::FindPrevious, [this] { Find(true); });
  shortcut(QKeySequence::Back, [this] { m_browser->backward(); });
  shortcut(QKeySequence::Forward, [this] { m_browser->forward(); });
  shortcut(QKeySequence(Qt::Key_Escape), [this] { OnEscape(); });

  m_browser->setSource(SectionUrl({}));
  FillContents();

  // Wide enough for the page screenshots beside the contents.
  const QFontMetrics metrics(font());
  const int textWidth =
      std::max(WidestImage(QFileInfo(m_file).dir()), metrics.averageCharWidth() * 80) +
      m_browser->verticalScrollBar()->sizeHint().width() + metrics.height() * 3;
  resize(m_contents->minimumWidth() + textWidth + metrics.height() * 2, metrics.height() * 45);
  // ... but never larger than the screen.
  resize(size().boundedTo(brevimo::RoomOnScreen(owner->window())));
  layout->activate();
  splitter->setSizes({m_contents->minimumWidth(), splitter->width() - m_contents->minimumWidth()});
}

void CHelpWindow::FollowLanguage() {
  const QString file = ManualFile();
  if (file.isEmpty() || file == m_file) return;
  const QString section = m_browser->source().fragment();
  m_file = file;
  m_browser->setSource(SectionUrl({}));
  m_browser->clearHistory();
  FillContents();
  ShowSection(section == QStringLiteral("top") ? QString() : section);
  m_browser->clearHistory();
}

void CHelpWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) FollowLanguage();
}

QUrl CHelpWindow::SectionUrl(const QString& anchor) const {
  QUrl url = QUrl::fromLocalFile(m_file);
  url.setFragment(anchor.isEmpty() ? QStringLiteral("top") : anchor);
  return url;
}

void CHelpWindow::ShowSection(const QString& anchor) {
  m_browser->setSource(SectionUrl(anchor));
  // setSource does not scroll when the same anchor is asked for again.
  m_browser->scrollToAnchor(m_browser->source().fragment());
  for (int i = 0; i < m_contents->count(); ++i)
    if (m_contents->item(i)->data(Qt::UserRole).toString() == m_browser->source().fragment())
      m_contents->setCurrentRow(i);
}

// The contents list: one entry per second-level heading that carries an
// anchor, in the order of the manual.
void CHelpWindow::FillContents() {
  m_contents->clear();
  for (QTextBlock block = m_browser->document()->begin(); block.isValid(); block = block.next()) {
    if (block.blockFormat().headingLevel() != 2) continue;
    QString anchor;
    for (auto it = block.begin(); !it.atEnd() && anchor.isEmpty(); ++it) {
      const QStringList names = it.fragment().charFormat().anchorNames();
      if (!names.isEmpty()) anchor = names.first();
    }
    if (anchor.isEmpty()) continue;
    auto* item = new QListWidgetItem(block.text().trimmed(), m_contents);
    item->setData(Qt::UserRole, anchor);
  }
  m_contents->setMinimumWidth(m_contents->sizeHintForColumn(0) + 2 * m_contents->frameWidth() +
                              fontMetrics().averageCharWidth() * 2);
}

void CHelpWindow::ShowFindBar() {
  m_findBar->show();
  m_findText->setFocus();
  m_findText->selectAll();
}

// Searches on from the cursor, and once more from the other end of the text.
void CHelpWindow::Find(bool backward) {
  const QString text = m_findText->text();
  if (text.isEmpty()) {
    ShowFindBar();
    return;
  }
  const QTextDocument::FindFlags flags =
      backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
  // Search from the text in view, not from where an earlier search stopped.
  if (!m_browser->viewport()->rect().intersects(m_browser->cursorRect()))
    m_browser->setTextCursor(m_browser->cursorForPosition(QPoint(0, 0)));
  bool found = m_browser->find(text, flags);
  if (!found) {
    const QTextCursor from = m_browser->textCursor();
    const int scrolled = m_browser->verticalScrollBar()->value();
    QTextCursor cursor = from;
    cursor.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
    m_browser->setTextCursor(cursor);
    found = m_browser->find(text, flags);
    if (!found) { // the view stays where it was
      m_browser->setTextCursor(from);
      m_browser->verticalScrollBar()->setValue(scrolled);
    }
  }
  brevimo::SetTranslated(m_findStatus, "CHelpWindow",
                         found ? "" : QT_TRANSLATE_NOOP("CHelpWindow", "Не найдено"));
}

// Escape closes the search bar first, then the window.
void CHelpWindow::OnEscape() {
  if (m_findBar->isVisible() && m_findBar->isAncestorOf(focusWidget())) {
    m_findBar->hide();
    m_browser->setFocus();
    return;
  }
  close();
}
