// SPDX-License-Identifier: GPL-3.0-or-later
// The window's face of the page layer: a page's controls are widgets built
// from its template in the tab's host widget, and its messages, wait cursor
// and files are the window's.
#pragma once

#include "pagelayer/property_page.h"

#include <QObject>
#include <QString>

class QWidget;

namespace brevimo {

class WidgetStore final : public QObject, public FieldStore {
public:
  // host: the (empty) widget of the page's tab; the page is attached to
  // parent with this store.
  WidgetStore(CPropertyPage& page, CPropertySheet* parent, QWidget* host);

  QWidget* Host() const { return m_host; }
  // The control of a created page, or nullptr.
  QWidget* Control(int id) const;

  void CreateControls(CPropertyPage& page) override;
  bool HasControl(int id) const override { return Control(id) != nullptr; }
  std::string GetText(int id) const override;
  void SetText(int id, const std::string& text) override;
  int GetChoice(int id) const override;
  void SetChoice(int id, int value) override;
  bool IsReadOnly(int id) const override;
  void SetReadOnly(int id, bool readOnly) override;
  void SetEnabled(int id, bool enabled) override;
  void Focus(int id) override;
  void Shown() override;

private:
  QWidget* m_host;
  bool m_created = false;
};

// The window's side of a page attached through a WidgetStore.
QWidget* HostOf(const CPropertyPage& page);            // the tab's widget, even before creation
QWidget* ControlOf(const CPropertyPage& page, int id); // nullptr before creation
QWidget* CreatedHostOf(const CPropertyPage& page);     // nullptr before creation
QString CaptionOf(const CPropertyPage& page);          // the tab caption, translated
// The default push button of the page's template, or nullptr.
QWidget* DefaultButtonOf(const CPropertyPage& page);
// The first control in template order that Tab stops at, or nullptr.
QWidget* FirstTabStopOf(const CPropertyPage& page);

// Makes the window's message boxes, wait cursor and files the pages'.
void InstallWidgetServices();

} // namespace brevimo
