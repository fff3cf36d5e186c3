// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology reads for the commands. A menu text carries its
// key after a tab ("&New Aerodex\tCtrl+N"), which Qt would read as part of
// the name of the menu item and of the tool-bar button; here the name is
// the text alone ("New Aerodex"), while menus show text and key as before.
#pragma once

#include <QString>

class QToolBar;

namespace aerodex {

// A menu text without its & marks and without the key after the tab.
QString AccessibleCommandName(const QString& menuText);
// Names each tool-bar button after its command; the What's This button,
// which has no menu text, after what it does.
void NameToolBarButtons(QToolBar& toolBar);
// Gives every menu item whose text carries a key a name without it.
void InstallMenuItemNames();

}  // namespace aerodex
