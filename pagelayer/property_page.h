// SPDX-License-Identifier: GPL-3.0-or-later
// The page layer: a calculator page built from a dialog template, with the
// data exchange between its controls and its members. Plain C++: a face
// (the window's widgets, the web app's form) keeps the controls and hands
// the page a field store over them.
//
// A page object lives as long as the sheet; its controls are created when
// its tab is first shown. Every calculate button follows one pattern: read
// the controls (UpdateData(true)), check, compute through the calc library,
// write everything back (UpdateData(false)).
#pragma once

#include "calc/number_text.h"
#include "res/dialog_template.h"

#include <functional>
#include <map>
#include <memory>
#include <string>

class CPropertyPage;
class CPropertySheet;

namespace brevimo {

// A page's controls as a face keeps them, by control ID. Texts are UTF-8;
// a label's text is its source (untranslated) text, which the face shows
// in the interface language.
class FieldStore {
public:
  virtual ~FieldStore() = default;

  // Makes the page's controls from its template; a click on a button then
  // reaches CPropertyPage::OnCommand.
  virtual void CreateControls(CPropertyPage& page) = 0;
  virtual bool HasControl(int id) const = 0;

  // An edit's text, a label's source text, a list's current item.
  virtual std::string GetText(int id) const = 0;
  // An edit's or label's text; for a list, the item of that text (none
  // when there is no such item).
  virtual void SetText(int id, const std::string& text) = 0;
  // A radio group (by the ID of its first button): the index of the
  // checked button, -1 when none; a check box: 0, 1, 2 (indeterminate);
  // a list: the index of its item, -1 when none.
  virtual int GetChoice(int id) const = 0;
  virtual void SetChoice(int id, int value) = 0;

  virtual bool IsReadOnly(int id) const = 0;
  virtual void SetReadOnly(int id, bool readOnly) = 0;
  virtual void SetEnabled(int id, bool enabled) = 0;
  // Puts the focus on a control and selects an edit's text.
  virtual void Focus(int id) = 0;

  // After the members were shown (a label may name another unit now).
  virtual void Shown() {}
};

// What the face does for the pages as a whole: message boxes, the wait
// cursor, files. A face installs its own; without one, messages and files
// go nowhere.
class PageServices {
public:
  virtual ~PageServices() = default;
  // A message box with an OK button and the exclamation icon.
  virtual void MessageBox(const std::string& text) = 0;
  virtual void BeginWait() {}
  virtual void EndWait() {}

  // A file that replaces the one of its name only once written whole.
  class OutputFile {
  public:
    virtual ~OutputFile() = default;
    // False when the file could not be created; Commit then says why.
    virtual bool IsOpen() const = 0;
    virtual void Write(const char* data, std::size_t size) = 0;
    // Puts the file in place; false, with the message to show, when it
    // could not be written.
    virtual bool Commit(std::string* message) = 0;
  };
  // Starts the file named (in the working directory); nullptr when the
  // face keeps no files.
  virtual std::unique_ptr<OutputFile> CreateFile(const std::string& name) {
    static_cast<void>(name);
    return nullptr;
  }
};

void SetPageServices(PageServices* services);
PageServices* GetPageServices();

} // namespace brevimo

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

// A control of a created page, by ID.
class CDlgItem {
public:
  CDlgItem(brevimo::FieldStore* store, int id) : m_store(store), m_id(id) {}
  explicit operator bool() const { return m_store && m_store->HasControl(m_id); }
  void EnableWindow(bool enable) const {
    if (*this) m_store->SetEnabled(m_id, enable);
  }
  void SetReadOnly(bool readOnly) const {
    if (*this) m_store->SetReadOnly(m_id, readOnly);
  }
  void SetFocus() const {
    if (*this) m_store->Focus(m_id);
  }

private:
  brevimo::FieldStore* m_store;
  int m_id;
};

// A drop-down list bound as a control (DDX_Control); the page handles its
// selection itself. Unbound until the page's first exchange.
class CComboBox {
public:
  bool IsBound() const { return m_store != nullptr; }
  int GetCurSel() const { return m_store ? m_store->GetChoice(m_id) : -1; }
  void SetCurSel(int index) const {
    if (m_store) m_store->SetChoice(m_id, index);
  }

private:
  friend void DDX_Control(CDataExchange* pDX, int id, CComboBox& control);
  brevimo::FieldStore* m_store = nullptr;
  int m_id = 0;
};

// Edit, label or list text <-> text member.
void DDX_Text(CDataExchange* pDX, int id, std::string& value);
// Edit <-> number directly: shown with "%.*g" and 15 digits; read with the
// strict rule, refusing anything else with "Please enter a number.".
void DDX_Text(CDataExchange* pDX, int id, double& value);
// Radio group starting at id <-> index of the checked button (-1 if none).
void DDX_Radio(CDataExchange* pDX, int id, int& value);
// Check box <-> 0 unchecked, 1 checked, 2 indeterminate.
void DDX_Check(CDataExchange* pDX, int id, int& value);
// List bound as a control.
void DDX_Control(CDataExchange* pDX, int id, CComboBox& control);
// Reading only: parses an input text into its member. Text that is not a
// number as a whole (blanks around it aside), or whose value is not finite,
// is refused with "Please enter a number." and the focus on the field,
// unless the field is read-only: an output is read as its leading number,
// or 0, and never refused.
void DDX_Number(CDataExchange* pDX, int id, const std::string& text, double& value);

// A number formatted with a printf format, independently of the locale.
std::string FormatNumber(const char* format, double value);

// The refusal of a field that is not a number.
inline constexpr char kEnterNumber[] = "Please enter a number.";

// Shown where a calculation would give a number that is not finite; true
// when none of the values is infinite or NaN.
using brevimo::AllFinite;
using brevimo::kNonFiniteMessage;

inline constexpr int IDOK = 1;

// Shows text with an OK button and the exclamation icon; returns IDOK.
int AfxMessageBox(const std::string& text);

// The wait cursor for as long as it is in scope, whichever way the scope is left.
class CWaitCursor {
public:
  CWaitCursor();
  ~CWaitCursor();
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;
};

// The sheet that pages are added to; the calculator's sheet derives from it.
class CPropertySheet {
public:
  virtual ~CPropertySheet() = default;
};

class CPropertyPage {
public:
  CPropertyPage(const brevimo::res::DlgTemplate& tmpl, const char* className);
  virtual ~CPropertyPage();
  CPropertyPage(const CPropertyPage&) = delete;
  CPropertyPage& operator=(const CPropertyPage&) = delete;

  const brevimo::res::DlgTemplate& Template() const { return m_template; }
  const char* ClassName() const { return m_className; }

  // Face side: the sheet gives the page its parent and the store of its
  // controls; the controls are created on first activation.
  void Attach(CPropertySheet* parent, brevimo::FieldStore* store);
  bool IsCreated() const { return m_created; }
  brevimo::FieldStore* Store() const { return m_store; }
  CPropertySheet* GetParent() const { return m_parent; }
  CDlgItem GetDlgItem(int id) const { return CDlgItem(m_created ? m_store : nullptr, id); }

  bool UpdateData(bool saveAndValidate = true);

  virtual bool OnSetActive();
  virtual bool OnKillActive();
  virtual bool OnApply(); // standard: succeeds; calculator pages refuse
  virtual void OnOK() {}

  // A click on control id (a button, a radio button, a check box): runs
  // its handler; false when the page has none.
  bool OnCommand(int id);
  bool HandlesCommand(int id) const { return m_clickHandlers.count(id) != 0; }

  // Parses a text the way input fields are read (DDX_Number), outside an
  // exchange: on failure shows "Please enter a number.", focuses id and
  // returns false.
  bool ParseNumber(int id, const std::string& text, double& value);

protected:
  virtual void DoDataExchange(CDataExchange* pDX);
  virtual bool OnInitDialog();

  // Message map: binds a click of control id to a handler of the page.
  template <class Page> void OnClicked(int id, void (Page::*handler)()) {
    m_clickHandlers[id] = [this, handler] { (static_cast<Page*>(this)->*handler)(); };
  }

private:
  void Create();

  const brevimo::res::DlgTemplate& m_template;
  const char* m_className;
  CPropertySheet* m_parent = nullptr;
  brevimo::FieldStore* m_store = nullptr;
  bool m_created = false;
  bool m_firstSetActive = true;
  std::map<int, std::function<void()>> m_clickHandlers;
};
