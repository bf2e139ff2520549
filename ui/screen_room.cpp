// SPDX-License-Identifier: GPL-3.0-or-later
#include "screen_room.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace brevimo {
namespace {

const QScreen* ScreenOf(const QWidget* window) {
  if (const QScreen* screen = window->screen()) return screen;
  return QGuiApplication::primaryScreen();
}

// The frame's share of the size: as it is once the window manager has put
// one on, else the style's title bar and frame as an estimate.
QSize FrameExtra(const QWidget* window) {
  const QSize frame = window->frameGeometry().size() - window->geometry().size();
  if (window->isVisible() && (frame.width() > 0 || frame.height() > 0)) return frame;
  const QStyle* style = window->style();
  const int border = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, window);
  return {2 * border, 2 * border + style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window)};
}

} // namespace

QSize RoomOnScreen(const QWidget* window) {
  const QScreen* screen = ScreenOf(window);
  if (!screen) return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
  return (screen->availableGeometry().size() - FrameExtra(window)).expandedTo(QSize(1, 1));
}

void KeepOnScreen(QWidget* window) {
  const QScreen* screen = ScreenOf(window);
  if (!screen) return;
  const QRect room = screen->availableGeometry();
  const QRect frame = window->frameGeometry();
  QPoint topLeft = frame.topLeft();
  topLeft.setX(std::max(room.left(), std::min(topLeft.x(), room.right() + 1 - frame.width())));
  topLeft.setY(std::max(room.top(), std::min(topLeft.y(), room.bottom() + 1 - frame.height())));
  if (topLeft != frame.topLeft()) window->move(topLeft); // move() places the frame
}

} // namespace brevimo
