// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the tool-bar buttons, the About box and the program,
// drawn with QPainter on a 32 by 32 grid, so they stay crisp at any size
// and on any screen density.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace aerodex {

// The icon of a command's tool-bar button; a null icon for other commands.
QIcon CommandIcon(int commandId);
// The program's icon: a light aircraft over an open logbook.
QIcon ProgramIcon();
// One picture at size by size device pixels; commandId 0 draws the program's icon.
QPixmap DrawIconPixmap(int commandId, int size, qreal devicePixelRatio = 1.0);

}  // namespace aerodex
