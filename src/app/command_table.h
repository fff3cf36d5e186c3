// SPDX-License-Identifier: GPL-3.0-or-later
// The command vocabulary of the program as data: for every command its menu
// text (with its & mnemonic and, after a tab, the accelerator it shows), its
// prompt string (status-bar prompt, a newline, the tool tip), its keys and
// its What's This text; then the main menu as a tree of command ids and the
// tool bar as a row of them. The main window is built from these tables only.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>
#include <span>

namespace aerodex {

struct CommandInfo {
  int id;
  const char* menuText;  // null: the command has no menu item
  const char* prompt;    // null: no prompt string exists for the id
  const char* keys;      // accelerators separated by ';', null: none
  const char* whatsThis;
};

// A menu entry: a command id, or kSeparator.
inline constexpr int kSeparator = 0;

struct MenuInfo {
  const char* title;
  std::span<const int> items;
};

// Every command, in menu order, then those reached only by a key.
std::span<const CommandInfo> Commands();
const CommandInfo* FindCommand(int id);

// The prompt string of an id ("status\ntool tip"), also for the ids that have
// no command (32793, 32800, 32803); empty when none exists.
QString PromptString(int id);
// Its first text, shown in the status bar while the command is highlighted.
QString StatusPrompt(int id);
// Its second text, the tool tip of the command's tool-bar button.
QString ToolTipText(int id);
QList<QKeySequence> Accelerators(int id);

std::span<const MenuInfo> MainMenu();
std::span<const int> ToolBarButtons();

inline constexpr const char* kIdleText = "For Help, press F1";
inline constexpr const char* kAppTitle = "aerodex";
inline constexpr const char* kUntitled = "Untitled";
inline constexpr const char* kFileFilter = "Aerodex Files (*.adx)";
inline constexpr const char* kFileExtension = "adx";
inline constexpr const char* kRecentFilePrompt = "Open this document";

}  // namespace aerodex
