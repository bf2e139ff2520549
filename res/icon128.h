// SPDX-License-Identifier: GPL-3.0-or-later
// Icon 128: the program icon (a drop of spirit), 32x32 and 16x16, drawn in
// four of the sixteen standard colours.
#pragma once

#include <QIcon>

namespace brevimo::res {

QIcon ProgramIcon();

} // namespace brevimo::res
