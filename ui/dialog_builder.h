// SPDX-License-Identifier: GPL-3.0-or-later
// Turns a dialog template into Qt widgets. Dialog units are converted with
// the real font's metrics, as the platform does for dialog templates:
// horizontal base = average width of the 52 Latin letters, vertical = font
// height; x pixels = x * base / 4, y pixels = y * base / 8.
#pragma once

#include "res/dialog_template.h"

#include <QFont>
#include <QRect>
#include <QSize>

class QButtonGroup;
class QLineEdit;
class QWidget;

namespace brevimo {

struct LabelWidths;

class DialogUnits {
public:
  explicit DialogUnits(const QFont& font);
  // The units of a template built on parent (its font and style).
  DialogUnits(const res::DlgTemplate& tmpl, const QWidget* parent);
  int X(int dlu) const;
  int Y(int dlu) const;
  QRect Rect(int x, int y, int cx, int cy) const;
  QSize Size(int cx, int cy) const { return {X(cx), Y(cy)}; }

private:
  friend void BuildDialog(const res::DlgTemplate& tmpl, QWidget* parent);
  // The same, keeping what the labels need in widths for the build.
  DialogUnits(const res::DlgTemplate& tmpl, const QWidget* parent, LabelWidths* widths);

  double m_baseX;
  int m_baseY;
};

// Creates the template's controls as children of parent. Each control's
// objectName is its ID in decimal; each field's accessible name is its
// captions (res::FieldCaptions). Radio buttons of one group share a
// QButtonGroup. An edit field whose text is wider than the field holds the
// whole text as its tool tip and accessible description.
void BuildDialog(const res::DlgTemplate& tmpl, QWidget* parent);

// Names every field under root built by BuildDialog after its captions as
// they are shown now (a new language, or a label the page has changed).
void NameFields(QWidget* root);

// Fits every control under root built by BuildDialog to its caption again,
// after the captions changed (a new language).
void RefitDialogs(QWidget* root);

// Shows an edit field's text from its start (a number wider than the field
// from its first digit), keeping a selection of all of it.
void KeepStartInView(QLineEdit* edit);

// The radio group that holds the button with the given ID, or nullptr.
QButtonGroup* RadioGroupOf(QWidget* parent, int id);

} // namespace brevimo
