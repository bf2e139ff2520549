// SPDX-License-Identifier: GPL-3.0-or-later
// Icon 128: the program icon (a drop of spirit), from the resource
// ":/icon128/<size>.png", rendered at build time from the SVG under packaging/icons.
#pragma once

#include <QIcon>

namespace brevimo::res {

// Every size the resource holds (16 to 256 px).
QIcon ProgramIcon();

} // namespace brevimo::res
