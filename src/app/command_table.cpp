// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_table.h"

#include <array>

#include "app/command_ids.h"

namespace aerodex {
namespace {

// clang-format off
constexpr std::array kCommands = {
  CommandInfo{ID_FILE_NEW, "&New Aerodex\tCtrl+N", "Create a new document\nNew", "Ctrl+N",
    "Starts a new, empty flight log. Your pilot information is kept."},
  CommandInfo{ID_FILE_OPEN, "&Open Aerodex...\tCtrl+O", "Open an existing document\nOpen", "Ctrl+O",
    "Opens a flight log (.adx file) that you saved before."},
  CommandInfo{ID_FILE_SAVE, "&Save Aerodex\tCtrl+S", "Save the active document\nSave", "Ctrl+S",
    "Saves the flight log. A new log asks for a file name first."},
  CommandInfo{ID_FILE_SAVE_AS, "Save Aerodex &As...", "Save the active document with a new name\nSave As",
    nullptr, "Saves the flight log under a new file name."},
  CommandInfo{ID_EDIT_PILOT_INFO, "&Edit Pilot Info",
    "Enter or Change Information about the pilot\nChange Pilot Data", nullptr,
    "Enter your name, address, certificate, ratings and the dates of your last flight review, "
    "instrument competency check and medical. They head every page and drive the currency check."},
  CommandInfo{ID_IMPORT_UNIX, "Import from Unix...", "Import the aerodex from its Unix version\nImport Aerodex",
    nullptr, "Adds the flights of a text log written by the older Unix version to this log."},
  CommandInfo{ID_IMPORT_LOGBOOK, "Import from Another Logbook...",
    "Import flights from ForeFlight, MyFlightbook, LogTen Pro or any CSV file\nImport from another logbook",
    nullptr, "Adds the flights of another logbook's file (ForeFlight, MyFlightbook, LogTen Pro, any "
    "CSV) to this log, after a preview of what will come in. Flights already in the log are skipped."},
  CommandInfo{ID_EXPORT_LOGBOOK, "Export to Another Logbook...",
    "Write the log for ForeFlight, MyFlightbook or as aerodex CSV\nExport to another logbook",
    nullptr, "Writes the log in a file another logbook reads (ForeFlight, MyFlightbook) or as "
    "aerodex's own CSV. What the other logbook cannot hold is kept in the remarks."},
  CommandInfo{ID_FILE_PRINT, "&Print...\tCtrl+P", "Print the active document\nPrint", "Ctrl+P",
    "Prints the log, one landscape page per sheet. You can also print to a PDF file."},
  CommandInfo{ID_FILE_PRINT_PREVIEW, "Print Pre&view", "Display full pages\nPrint Preview", nullptr,
    "Shows the printed pages on the screen before you print them."},
  CommandInfo{ID_FILE_PRINT_SETUP, "P&rint Setup...", "Change the printer and printing options\nPrint Setup",
    nullptr, "Chooses the paper and its orientation. The log is laid out for landscape paper."},
  CommandInfo{ID_FILE_MRU_FILE1, "Recent File", "Open this document", nullptr,
    "Opens one of the flight logs you used most recently."},
  CommandInfo{ID_APP_EXIT, "E&xit", "Quit the application; prompts to save documents\nExit", "Ctrl+Q",
    "Closes aerodex. If the log has unsaved changes you are asked whether to save them."},
  CommandInfo{ID_NEW_ENTRY, "&New Entry\tCtrl+L", "Create a new aerodex entry\nNew entry", "Ctrl+L",
    "Records a new flight. The form checks it against your aircraft and offers to add an "
    "aircraft it does not know."},
  CommandInfo{ID_EDIT_ENTRY, "&Edit Entry\tCtrl+E", "Edit aerodex entry\nEdit entry", "Ctrl+E",
    "Changes the selected flight. Click a flight to select it, or double-click it to edit it."},
  CommandInfo{ID_DELETE_ENTRY, "&Delete Entry\tCtrl+X", "Remove entry from the aerodex\nDelete entry",
    "Ctrl+X", "Removes the selected flight from the log after you confirm."},
  CommandInfo{ID_GO_TO_DATE, "Go to Date...\tCtrl+G",
    "Select and show the first flight on or after a date\nGo to date", "Ctrl+G",
    "Asks for a date, then selects and shows the first flight on or after it, or the last "
    "flight when none is later."},
  CommandInfo{ID_NEW_AIRCRAFT, "&New Aircraft\tCtrl+A",
    "Create information about another aircraft\nNew aircraft", "Ctrl+A",
    "Adds an aircraft to your aircraft database, keyed by its N-Number."},
  CommandInfo{ID_EDIT_AIRCRAFT, "&Edit Aircraft...", "Edit information about an aircraft\nEdit aircraft",
    nullptr, "Changes an aircraft of your database: class, equipment, hourly cost and maintenance data."},
  CommandInfo{ID_DELETE_AIRCRAFT, "&Delete Aircraft...", "Remove an aircraft from the database\nDelete aircraft",
    nullptr, "Removes an aircraft from the database. Flights in it stay in the log."},
  CommandInfo{ID_CHECK_CURRENCY, "&Check Currency", "Check for Night, IFR, and BFR Currency\nCheck Currency",
    nullptr, "Tells you whether your medical, flight review, instrument and night currency are "
    "still valid, and until when."},
  CommandInfo{ID_AIRCRAFT_STATUS, "&Aircraft Status", "Check Aircraft Maintenance Status\nAircraft Status",
    nullptr, "Shows when each monitored aircraft is due for its oil change, annual inspection "
    "and overhaul."},
  CommandInfo{ID_USAGE_PATTERNS, "&Usage Patterns", "Flying trends\nFlying trends", nullptr,
    "Flying trends. Not available in this version."},
  CommandInfo{ID_CHECK_LOG, "Check &Log...", "Check every flight of the log for likely mistakes\nCheck Log",
    nullptr, "Checks every flight against the entry form's rules, and the whole log for flights "
    "entered twice, tachometer gaps and overlaps, and hours above the hours they are part of. "
    "Double-click a finding to show its flight."},
  CommandInfo{ID_PILOT_TIME, "&Pilot Time (8710)...",
    "Record of pilot time for the FAA Form 8710-1, by kind of aircraft and class\nPilot Time (8710)",
    nullptr, "Adds up your time as the FAA Form 8710-1 asks for it (IACRA too), cell by cell: "
    "airplanes, rotorcraft, gliders, lighter than air and training devices, then the totals "
    "by class. Choose a date range, copy it or print it."},
  CommandInfo{ID_FLIGHTS_PANEL, "&Flights and Totals...",
    "Find flights and their totals for any question\nFlights and Totals", nullptr,
    "Opens a panel beside the log that lists the flights of a period, aircraft, make and model, "
    "class or equipment, or with a text in their airports, route or remarks, with their totals "
    "under the list; group them by month, year, aircraft, model or class. Click a flight to "
    "show it in the log, double-click it to edit it. The second tab gives the hours an "
    "insurer asks for."},
  CommandInfo{ID_CHARTS, "C&harts...",
    "Chart the flying by month, year, aircraft, model or class\nCharts", nullptr,
    "Draws one value of your flying (hours of any kind, landings, approaches, flights or cost) "
    "as bars by month, year, aircraft, make and model or class, with the running total for "
    "months and years, for the flights the filters let through. Save the chart as a picture "
    "or its numbers as CSV."},
  CommandInfo{ID_VIEW_TOOLBAR, "&Toolbar", "Show or hide the toolbar\nToggle ToolBar", nullptr,
    "Shows or hides the row of buttons under the menus."},
  CommandInfo{ID_VIEW_STATUS_BAR, "&Status Bar", "Show or hide the status bar\nToggle StatusBar", nullptr,
    "Shows or hides the bar at the bottom of the window."},
  CommandInfo{ID_VIEW_ALL_ENTRIES, "&All Entries", "View all entries chronologically\nView all entries",
    nullptr, "Shows every flight in date order, closed by the grand total."},
  CommandInfo{ID_VIEW_GROUP_BY_NNUMBER, "Group By &N Number", "Group entries by N Number\nView by N Number",
    nullptr, "Groups the flights by aircraft, with a summary row for each N-Number."},
  CommandInfo{ID_VIEW_GROUP_BY_MAKE, "Group By Aircraft &Make", "Group by Make of aircraft\nAircraft make",
    nullptr, "Groups the flights by make of aircraft. Not available in this version."},
  CommandInfo{ID_VIEW_ANNUAL_SUMMARY, "Annual Summary", "Group Usage by Calendar Year\nGroup by year",
    nullptr, "Shows the flights in date order with a summary row after each calendar year."},
  CommandInfo{ID_VIEW_NORMAL_SIZE, "View Normal Size", "Show text and graphics normal size\nZoom out",
    nullptr, "Shows the log pages at their normal size."},
  CommandInfo{ID_VIEW_EXPANDED_SIZE, "View Expanded Size", "Double the size of text and graphics\nZoom in",
    nullptr, "Shows the log pages at double size, for easier reading."},
  CommandInfo{ID_VIEW_FIT_WIDTH, "Fit Page &Width", "Scale the page to the width of the window\nFit page width",
    nullptr, "Scales the log pages so that a page fills the window's width; printing is not changed."},
  CommandInfo{ID_VIEW_NIGHT_SUBTOTALS, "Break out Night Subtotals", nullptr, nullptr,
    "Adds a night subtotal row (night landings and night cross-country) under every totals row."},
  CommandInfo{ID_HELP_FINDER, "&Help Topics", "List Help topics\nHelp Topics", nullptr,
    "Opens the guide to aerodex."},
  CommandInfo{ID_APP_ABOUT, "&About aerodex...",
    "Display program information, version number and copyright\nAbout", nullptr,
    "Shows the program's version."},
  CommandInfo{ID_APP_ABOUT_QT, "About &Qt",
    "Display the version and licence of the Qt toolkit\nAbout Qt", nullptr,
    "Shows which version of Qt aerodex runs on, and Qt's licence."},
  // Reached by keys and the tool bar only.
  CommandInfo{ID_CONTEXT_HELP, nullptr, "Display help for clicked on buttons, menus and windows\nHelp",
    "Shift+F1", "Click this button, then click a button, a menu item or the log to learn what it does."},
  CommandInfo{ID_HELP, nullptr, "Display help for current task or command\nHelp", "F1", nullptr},
  CommandInfo{ID_EDIT_COPY, nullptr, nullptr, "Ctrl+C;Ctrl+Ins", nullptr},
  CommandInfo{ID_EDIT_PASTE, nullptr, nullptr, "Ctrl+V;Shift+Ins", nullptr},
  CommandInfo{ID_EDIT_CUT, nullptr, nullptr, "Shift+Del", nullptr},
  CommandInfo{ID_EDIT_UNDO, nullptr, nullptr, "Ctrl+Z;Alt+Backspace", nullptr},
  CommandInfo{ID_NEXT_PANE, nullptr, nullptr, "F6", nullptr},
  CommandInfo{ID_PREV_PANE, nullptr, nullptr, "Shift+F6", nullptr},
};

struct PromptOnly {
  int id;
  const char* prompt;
};
constexpr std::array kOrphanPrompts = {
  PromptOnly{ID_VIEW_SINGLE_MULTI, "Group by Single Engine and Multi Engine\nView Single/Multi"},
  PromptOnly{ID_VIEW_DOUBLE_SIZE, "Doubles the Display Size\nZ"},
  PromptOnly{ID_VIEW_NIGHT_SUMMARY, "Break out Night summary\nNight Summary"},
};

constexpr std::array kFileMenu = {
  int{ID_FILE_NEW}, int{ID_FILE_OPEN}, int{ID_FILE_SAVE}, int{ID_FILE_SAVE_AS}, kSeparator,
  int{ID_EDIT_PILOT_INFO}, int{ID_IMPORT_UNIX}, int{ID_IMPORT_LOGBOOK}, int{ID_EXPORT_LOGBOOK},
  kSeparator,
  int{ID_FILE_PRINT}, int{ID_FILE_PRINT_PREVIEW}, int{ID_FILE_PRINT_SETUP}, kSeparator,
  int{ID_FILE_MRU_FILE1}, kSeparator, int{ID_APP_EXIT}};
constexpr std::array kAerodexMenu = {
  kSeparator, int{ID_NEW_ENTRY}, int{ID_EDIT_ENTRY}, int{ID_DELETE_ENTRY}, kSeparator,
  int{ID_GO_TO_DATE}};
constexpr std::array kAircraftMenu = {
  int{ID_NEW_AIRCRAFT}, int{ID_EDIT_AIRCRAFT}, int{ID_DELETE_AIRCRAFT}};
constexpr std::array kStatisticsMenu = {
  int{ID_CHECK_CURRENCY}, int{ID_AIRCRAFT_STATUS}, int{ID_USAGE_PATTERNS},
  kSeparator, int{ID_CHECK_LOG}, int{ID_PILOT_TIME}, int{ID_FLIGHTS_PANEL},
  int{ID_CHARTS}};
constexpr std::array kViewMenu = {
  int{ID_VIEW_TOOLBAR}, int{ID_VIEW_STATUS_BAR}, kSeparator,
  int{ID_VIEW_ALL_ENTRIES}, int{ID_VIEW_GROUP_BY_NNUMBER}, int{ID_VIEW_GROUP_BY_MAKE},
  int{ID_VIEW_ANNUAL_SUMMARY}, kSeparator,
  int{ID_VIEW_NORMAL_SIZE}, int{ID_VIEW_EXPANDED_SIZE}, int{ID_VIEW_FIT_WIDTH}, kSeparator,
  int{ID_VIEW_NIGHT_SUBTOTALS}};
constexpr std::array kHelpMenu = {int{ID_HELP_FINDER}, kSeparator, int{ID_APP_ABOUT},
  int{ID_APP_ABOUT_QT}};

constexpr std::array kMenus = {
  MenuInfo{"&File", kFileMenu}, MenuInfo{"&Aerodex", kAerodexMenu},
  MenuInfo{"&Aircraft", kAircraftMenu}, MenuInfo{"&Statistics", kStatisticsMenu},
  MenuInfo{"&View", kViewMenu}, MenuInfo{"&Help", kHelpMenu}};

constexpr std::array kToolBar = {
  int{ID_FILE_SAVE}, int{ID_FILE_PRINT}, int{ID_VIEW_EXPANDED_SIZE}, int{ID_VIEW_NORMAL_SIZE},
  int{ID_EDIT_PILOT_INFO}, int{ID_NEW_AIRCRAFT}, int{ID_EDIT_AIRCRAFT}, int{ID_DELETE_AIRCRAFT},
  int{ID_NEW_ENTRY}, int{ID_EDIT_ENTRY}, int{ID_DELETE_ENTRY}, int{ID_CHECK_CURRENCY},
  int{ID_AIRCRAFT_STATUS}, int{ID_APP_ABOUT}, int{ID_CONTEXT_HELP}};
// clang-format on

}  // namespace

std::span<const CommandInfo> Commands() { return kCommands; }

const CommandInfo* FindCommand(int id) {
  for (const CommandInfo& command : kCommands) {
    if (command.id == id) return &command;
  }
  return nullptr;
}

QString PromptString(int id) {
  if (id > ID_FILE_MRU_FILE1 && id <= ID_FILE_MRU_LAST) id = ID_FILE_MRU_FILE1;
  if (const CommandInfo* command = FindCommand(id); command && command->prompt) {
    return QString::fromLatin1(command->prompt);
  }
  for (const PromptOnly& orphan : kOrphanPrompts) {
    if (orphan.id == id) return QString::fromLatin1(orphan.prompt);
  }
  return {};
}

QString StatusPrompt(int id) { return PromptString(id).section(QLatin1Char('\n'), 0, 0); }

QString ToolTipText(int id) { return PromptString(id).section(QLatin1Char('\n'), 1, 1); }

QList<QKeySequence> Accelerators(int id) {
  QList<QKeySequence> keys;
  const CommandInfo* command = FindCommand(id);
  if (!command || !command->keys) return keys;
  for (const QString& text : QString::fromLatin1(command->keys).split(QLatin1Char(';'))) {
    keys.append(QKeySequence(text, QKeySequence::PortableText));
  }
  return keys;
}

std::span<const MenuInfo> MainMenu() { return kMenus; }

std::span<const int> ToolBarButtons() { return kToolBar; }

}  // namespace aerodex
