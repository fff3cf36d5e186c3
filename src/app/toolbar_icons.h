// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the tool-bar buttons, the About box and the program. The
// tool bar takes the desktop theme's icon where a standard one exists and
// the bundled SVG drawing otherwise; the bundled line art follows the
// palette, so it reads on light and dark desktops alike.
#pragma once

#include <QIcon>
#include <QStringList>

namespace aerodex {

// The icon of a command's tool-bar button; a null icon for other commands.
QIcon CommandIcon(int commandId);
// The bundled drawing of a command's button, never the theme's; null for other commands.
QIcon BundledCommandIcon(int commandId);
// The SVG layers of that drawing, drawn one over another; empty for other commands.
QStringList CommandIconLayers(int commandId);
// The program's icon: a light aircraft on a logbook.
QIcon ProgramIcon();

}  // namespace aerodex
