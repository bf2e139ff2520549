// SPDX-License-Identifier: GPL-3.0-or-later
// The help window: the user manual (HTML installed with the program's data)
// in a non-modal window beside the calculator, with a table of contents,
// back and forward, and search within the text (Ctrl+F). It reads nothing
// from the calculator and changes nothing in it.
#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QTextBrowser;
class QToolButton;
class QUrl;

class CHelpWindow : public QWidget {
public:
  // Control IDs of the window's controls (their objectNames).
  static constexpr int IDC_BROWSER = 2001;
  static constexpr int IDC_CONTENTS = 2002;
  static constexpr int IDC_BACK = 2003;
  static constexpr int IDC_FORWARD = 2004;
  static constexpr int IDC_FIND_TEXT = 2005;
  static constexpr int IDC_FIND_NEXT = 2006;
  static constexpr int IDC_FIND_PREVIOUS = 2007;
  static constexpr int IDC_FIND_STATUS = 2008;
  static constexpr int IDC_FIND = 2009;

  // Shows the help window of owner at the section with the given anchor
  // (the page's class name), creating it on first use and bringing it to
  // the front after that. Returns false when the manual cannot be found.
  static bool Open(QWidget* owner, const QString& anchor);

  // The manual's main file: <program folder>/../share/brevimo/manual in an
  // installation, <program folder>/share/brevimo/manual in the build folder.
  // Empty when neither exists or the file cannot be read.
  static QString ManualFile();
  // Points the window at another manual file (tests); empty restores the search.
  static void SetManualFile(const QString& file);
  // Why the manual cannot be shown: which file was looked for, where, and
  // whether it is missing, not a file or unreadable; in the interface language.
  static QString ManualProblem();

  QTextBrowser* Browser() const { return m_browser; }
  void ShowSection(const QString& anchor);

protected:
  void changeEvent(QEvent* event) override; // a new language: its manual at once

private:
  CHelpWindow(QWidget* owner, const QString& file);

  // Shows the manual of the current language, when it is another file than
  // the one shown, at the same section.
  void FollowLanguage();

  void FillContents();
  void ShowFindBar();
  void Find(bool backward);
  void OnEscape();

  QUrl SectionUrl(const QString& anchor) const;

  QString m_file;
  QTextBrowser* m_browser;
  QListWidget* m_contents;
  QWidget* m_findBar;
  QLineEdit* m_findText;
  QLabel* m_findStatus;
};
