// SPDX-License-Identifier: GPL-3.0-or-later
// The "Язык / Language" submenu of the window menu.
#pragma once

class QMenu;

namespace brevimo {

// Switches at once and remembers the choice, or says that it cannot.
void AddLanguageMenu(QMenu* menu);

} // namespace brevimo
