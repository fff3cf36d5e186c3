// SPDX-License-Identifier: GPL-3.0-or-later
// A window's first size, bounded by the screen it opens on: at a high scale
// factor a report or preview larger than the screen would put its buttons
// out of reach. Room is left for the window manager's title bar.
#pragma once

#include <QScreen>
#include <QSize>
#include <QStyle>
#include <QWidget>

namespace aerodex {

inline QSize FitToScreen(const QWidget& window, QSize wanted) {
  const QRect area = window.screen()->availableGeometry();
  const int titleBar = window.style()->pixelMetric(QStyle::PM_TitleBarHeight);
  return wanted.boundedTo(QSize(area.width(), area.height() - 2 * titleBar));
}

}  // namespace aerodex
