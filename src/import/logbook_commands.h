// SPDX-License-Identifier: GPL-3.0-or-later
// The window's two commands for other logbooks: "Import from Another
// Logbook..." (a file, then the preview of the plan, then the import and its
// report) and "Export to Another Logbook..." (a file and a format, then the
// file written atomically). What they ask goes through CLogbookPort, which
// the window implements with its file dialogs and preview and tests fake.
#pragma once

#include <functional>
#include <string>

#include "editing/interaction_port.h"
#include "import/log_export.h"
#include "import/logbook_import.h"
#include "model/document.h"

namespace aerodex::import {

// Plans the same file again with other options (the preview's column choices).
using Replan = std::function<CImportPlan(const CImportOptions&)>;

class CLogbookPort {
 public:
  virtual ~CLogbookPort() = default;
  // The file to import; false when cancelled. A local 8-bit path.
  virtual bool ChooseLogbookFile(std::string& path) = 0;
  // Shows the plan; the user may change columns (replanning into plan and
  // options) and untick aircraft. True on Import, false on Cancel.
  virtual bool ShowImportPreview(CImportPlan& plan, CImportOptions& options,
                                 const Replan& replan) = 0;
  // The file and format to export to; false when cancelled.
  virtual bool ChooseExportFile(std::string& path, ExportFormat& format) = 0;
  // Rows planned of all; done == all when the planning ends.
  virtual void ShowPlanningProgress(std::size_t done, std::size_t all) {
    (void)done;
    (void)all;
  }
};

void OnImportFromLogbook(CAerodexDoc& doc, CInteractionPort& port, CLogbookPort& logbook);
void OnExportToLogbook(const CAerodexDoc& doc, CInteractionPort& port, CLogbookPort& logbook);

}  // namespace aerodex::import
