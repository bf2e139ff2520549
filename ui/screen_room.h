// SPDX-License-Identifier: GPL-3.0-or-later
// The room a top-level window has on its screen, so that no window opens
// larger than the screen's available area (the desktop less its panels),
// whatever the scale factor.
#pragma once

#include <QSize>

class QWidget;

namespace brevimo {

// The largest size the window itself (without the window manager's frame)
// may take on the screen it is on, or would open on: the available area
// less the frame, which is estimated from the style while the window has
// none yet.
QSize RoomOnScreen(const QWidget* window);

// Moves the window so that its frame lies within its screen's available
// area, where it does not already.
void KeepOnScreen(QWidget* window);

} // namespace brevimo
