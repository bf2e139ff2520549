// SPDX-License-Identifier: GPL-3.0-or-later
// The page layer: a calculator page built from a dialog template, with the
// data exchange between its controls and its members.
//
// A page object lives as long as the sheet; its window (the controls) is
// created when its tab is first shown. Every calculate button follows one
// pattern: read the controls (UpdateData(true)), check, compute through the
// calc library, write everything back (UpdateData(false)).
#pragma once

#include "calc/number_text.h"
#include "res/dialog_template.h"

#include <QObject>
#include <QString>

#include <functional>
#include <map>

class QComboBox;
class QWidget;
class CPropertyPage;

// Direction and state of one data exchange. After a failure every further
// DDX_ call of the same exchange does nothing.
class CDataExchange {
public:
  CDataExchange(CPropertyPage* page, bool saveAndValidate)
      : m_pDlgWnd(page), m_bSaveAndValidate(saveAndValidate) {}

  // Ends the exchange as failed and puts the focus on control id.
  void Fail(int id);

  CPropertyPage* m_pDlgWnd;
  bool m_bSaveAndValidate; // true: controls to members
  bool m_bFailed = false;
};

// Edit or static text <-> text member.
void DDX_Text(CDataExchange* pDX, int id, QString& value);
// Edit <-> number directly: shown with "%.*g" and 15 digits; read with the
// strict rule, refusing anything else with "Please enter a number.".
void DDX_Text(CDataExchange* pDX, int id, double& value);
// Radio group starting at id <-> index of the checked button (-1 if none).
void DDX_Radio(CDataExchange* pDX, int id, int& value);
// Check box <-> 0 unchecked, 1 checked, 2 indeterminate.
void DDX_Check(CDataExchange* pDX, int id, int& value);
// Combo box bound as a control; the page handles its selection itself.
void DDX_Control(CDataExchange* pDX, int id, QComboBox*& control);
// Reading only: parses an input text into its member. Text without a number
// at its start, or with a value that is not finite, is refused with
// "Please enter a number." and the focus on the field, unless the field is
// read-only: an output is read as its leading number, or 0, and never refused.
void DDX_Number(CDataExchange* pDX, int id, const QString& text, double& value);

// A number formatted with a printf format, independently of the locale.
QString FormatNumber(const char* format, double value);

// Shown where a calculation would give a number that is not finite; true
// when none of the values is infinite or NaN.
using brevimo::AllFinite;
using brevimo::kNonFiniteMessage;

class CPropertyPage : public QObject {
public:
  CPropertyPage(const brevimo::res::DlgTemplate& tmpl, const char* className);
  ~CPropertyPage() override;

  const brevimo::res::DlgTemplate& Template() const { return m_template; }
  const char* ClassName() const { return m_className; }
  QString Caption() const;

  // Sheet side: the sheet gives the page its parent and the (empty) host
  // widget; the controls are created on first activation.
  void Attach(QWidget* parent, QWidget* host);
  bool IsCreated() const { return m_created; }
  QWidget* GetSafeHwnd() const { return m_created ? m_host : nullptr; }
  QWidget* Host() const { return m_host; } // the tab's widget, even before creation
  QWidget* GetParent() const { return m_parent; }
  QWidget* GetDlgItem(int id) const;

  bool UpdateData(bool saveAndValidate = true);

  virtual bool OnSetActive();
  virtual bool OnKillActive();
  virtual bool OnApply(); // standard: succeeds; calculator pages refuse
  virtual void OnOK() {}

  // The default push button of the template, or nullptr.
  QWidget* DefaultButton() const;
  // The first control in template order that Tab stops at, or nullptr.
  QWidget* FirstTabStop() const;

  // Parses a text the way input fields are read (DDX_Number), outside an
  // exchange: on failure shows "Please enter a number.", focuses id and
  // returns false.
  bool ParseNumber(int id, const QString& text, double& value);

protected:
  virtual void DoDataExchange(CDataExchange* pDX);
  virtual bool OnInitDialog();

  // Message map: binds a click of button id to a handler of the page.
  template <class Page> void OnClicked(int id, void (Page::*handler)()) {
    m_clickHandlers[id] = [this, handler] { (static_cast<Page*>(this)->*handler)(); };
  }

private:
  void Create();

  const brevimo::res::DlgTemplate& m_template;
  const char* m_className;
  QWidget* m_parent = nullptr;
  QWidget* m_host = nullptr;
  bool m_created = false;
  bool m_firstSetActive = true;
  std::map<int, std::function<void()>> m_clickHandlers;
};
