// SPDX-License-Identifier: GPL-3.0-or-later
// The numeric command identifiers of the program. They name every menu item,
// accelerator and tool-bar button, and they are also the numbers of the
// status-bar prompt strings. The framework's standard commands keep their
// standard numbers, so a settings file or a help text can refer to them.
#pragma once

namespace aerodex {

enum CommandId : int {
  // File
  ID_FILE_NEW = 57600,
  ID_FILE_OPEN = 57601,
  ID_FILE_SAVE = 57603,
  ID_FILE_SAVE_AS = 57604,
  ID_EDIT_PILOT_INFO = 32771,
  ID_IMPORT_UNIX = 32786,
  ID_IMPORT_LOGBOOK = 32835,
  ID_EXPORT_LOGBOOK = 32836,
  ID_APP_ABOUT_QT = 32837,
  ID_FILE_PRINT = 57607,
  ID_FILE_PRINT_PREVIEW = 57609,
  ID_FILE_PRINT_SETUP = 57606,
  ID_FILE_MRU_FILE1 = 57616,  // 57616 to 57631: the recent-file slots
  ID_FILE_MRU_LAST = 57631,
  ID_APP_EXIT = 57665,

  // Aerodex (flights)
  ID_NEW_ENTRY = 32778,
  ID_EDIT_ENTRY = 32779,
  ID_DELETE_ENTRY = 32780,
  ID_GO_TO_DATE = 32831,

  // Aircraft
  ID_NEW_AIRCRAFT = 32774,
  ID_EDIT_AIRCRAFT = 32775,
  ID_DELETE_AIRCRAFT = 32776,

  // Statistics
  ID_CHECK_CURRENCY = 32787,
  ID_AIRCRAFT_STATUS = 32806,
  ID_USAGE_PATTERNS = 32794,
  ID_CHECK_LOG = 32830,
  ID_PILOT_TIME = 32832,
  ID_FLIGHTS_PANEL = 32833,
  ID_CHARTS = 32834,

  // View
  ID_VIEW_TOOLBAR = 59392,
  ID_VIEW_STATUS_BAR = 59393,
  ID_VIEW_ALL_ENTRIES = 32790,
  ID_VIEW_GROUP_BY_NNUMBER = 32791,
  ID_VIEW_GROUP_BY_MAKE = 32792,
  ID_VIEW_SINGLE_MULTI = 32793,  // prompt string only
  ID_VIEW_ANNUAL_SUMMARY = 32795,
  ID_VIEW_DOUBLE_SIZE = 32800,  // prompt string only
  ID_VIEW_NORMAL_SIZE = 32801,
  ID_VIEW_EXPANDED_SIZE = 32802,
  ID_VIEW_FIT_WIDTH = 32838,
  ID_VIEW_NIGHT_SUMMARY = 32803,  // prompt string only
  ID_VIEW_NIGHT_SUBTOTALS = 32804,

  // Help
  ID_HELP_FINDER = 57667,
  ID_APP_ABOUT = 57664,
  ID_HELP = 57670,
  ID_CONTEXT_HELP = 57669,

  // Accelerators that reach no handler
  ID_EDIT_COPY = 57634,
  ID_EDIT_CUT = 57635,
  ID_EDIT_PASTE = 57637,
  ID_EDIT_UNDO = 57643,
  ID_NEXT_PANE = 57680,
  ID_PREV_PANE = 57681,
};

inline constexpr int kRecentFileCount = 4;

}  // namespace aerodex
