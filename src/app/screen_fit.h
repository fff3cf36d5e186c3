// SPDX-License-Identifier: GPL-3.0-or-later
// Windows bounded by the screen they open on: at a high scale factor a form,
// report or preview larger than the screen would put its buttons out of
// reach. Room is left for the window manager's title bar.
#pragma once

#include <QSize>

class QDialog;
class QLayout;
class QScrollArea;
class QWidget;

namespace aerodex {

// The largest size a window on this widget's screen can take, its title
// bar included.
QSize ScreenRoom(const QWidget& window);

// A window's first size: wanted, bounded by the screen.
inline QSize FitToScreen(const QWidget& window, QSize wanted) {
  return wanted.boundedTo(ScreenRoom(window));
}

// A resizable window's stretching part (a list, a text) gets at least the
// size it wants, less whatever would carry the window past the screen.
// Call once the window's layout is complete.
void BoundToScreen(QWidget& window, QWidget& stretching, QSize wanted);

// Lays a form out in dialog: content above, gap, then buttons. The content
// sits in a scroll area that takes the content's natural size while the
// screen has room for it, and no more than the screen leaves once the
// buttons are in: then it scrolls and the buttons stay in sight. The dialog
// keeps a fixed size, following the content as parts of it show or hide.
QScrollArea* LayOutFitted(QDialog& dialog, QLayout* content, QLayout* buttons, int gap);

}  // namespace aerodex
