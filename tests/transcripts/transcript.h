// SPDX-License-Identifier: GPL-3.0-or-later
// Page transcripts: scenarios of user actions played on a page through a
// driver (the window's widgets, or another face of the same pages), with
// what the page shows afterwards written as stable, diffable UTF-8 text.
// Plain C++: the scenarios, the generator and the writer know the pages only
// from their dialog templates.
#pragma once

#include "res/dialog_template.h"

#include <cstdint>
#include <string>
#include <vector>

namespace brevimo::transcript {

struct Action {
  enum Kind { Type, Choose, Click } kind;
  int id;
  std::string text; // Type: the field's new text
  int index = 0;    // Choose: 1 checks a radio button, 0/1 a check box, a list's item
};

struct Scenario {
  std::string name;
  std::vector<Action> actions;
};

// A page as the runner knows it: its class, its template, the error line
// that takes its refusals (0: it has none, refusals are boxes) and the
// buttons the scenarios leave alone, and how many random scenarios it
// plays.
struct TranscriptPage {
  const char* className;
  const res::DlgTemplate* dialog;
  int errorLine = 0;
  std::vector<int> leftOut;
  int random = 2000;
};

// The sheet's pages in tab order, then the developer's test page.
const std::vector<TranscriptPage>& Pages();
const TranscriptPage* FindPage(const std::string& className);

// What one control shows, for the control of the template at the same index.
struct ControlState {
  std::string text;      // edit: its text; others: the shown (source) caption
  bool readOnly = false; // edit
  bool enabled = true;
  int value = -1; // radio, check: 0/1 (check 2 indeterminate); list: current index
};

struct Snapshot {
  std::vector<ControlState> controls; // template order
  std::string focus;                  // the focus control's ID, "-" for none, or a name
};

// A face of the pages that the runner plays scenarios through. One driver
// object plays one page: Start builds it, the actions follow in order and
// the state carries over from one scenario to the next.
class Driver {
public:
  virtual ~Driver() = default;
  virtual void Start(const TranscriptPage& page) = 0;
  // Each returns false when the action could not be done (a read-only field,
  // a disabled button, no such item); the page is then left as it was.
  virtual bool Type(int id, const std::string& text) = 0;
  virtual bool Choose(int id, int index) = 0;
  virtual bool Click(int id) = 0;
  virtual Snapshot Snap() = 0;
  // The message boxes shown since the last call, in order.
  virtual std::vector<std::string> TakeBoxes() = 0;
};

// Plays the scenarios on a fresh page of the driver; the transcript text.
std::string Run(const TranscriptPage& page, const std::vector<Scenario>& scenarios, Driver& driver);

// Every scenario of a page: the manual's worked example, the cases of the
// page tests, each refusal, then `random` seeded ones (by default the
// page's number).
std::vector<Scenario> AllScenarios(const TranscriptPage& page, int random = -1);

// The hand-written ones alone.
std::vector<Scenario> HandScenarios(const TranscriptPage& page);
// Seeded random scenarios, the same on every platform and standard library.
std::vector<Scenario> RandomScenarios(const TranscriptPage& page, std::uint32_t seed, int count);

// Where two transcripts first part: the line, its scenario and both texts.
std::string FirstDifference(const std::string& expected, const std::string& actual);

// A text in double quotes, with \\ \" \n \t and \xNN for other control bytes.
std::string Quote(const std::string& text);

} // namespace brevimo::transcript
