// SPDX-License-Identifier: GPL-3.0-or-later
// The keys a window beside the calculator answers as the calculator does:
// Escape closes it, F1 opens the manual at the window's own section.
//
// The manual's window belongs to the program, not to this library: the
// program sets how it is opened (SetHelpOpener); until it does, F1 does
// nothing.
#pragma once

#include <QString>

class QWidget;

namespace brevimo {

// Opens the manual at the section with the given anchor, on behalf of window.
using HelpOpener = void (*)(QWidget* window, const QString& section);
void SetHelpOpener(HelpOpener opener);

// Gives window its Escape and F1 keys; section is the manual's anchor of it.
void AddWindowKeys(QWidget* window, const QString& section);

} // namespace brevimo
