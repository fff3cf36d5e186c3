// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/logbook_commands.h"

#include <sstream>

#include "files/atomic_write.h"
#include "files/file_env.h"
#include "import/text_import.h"

namespace aerodex::import {
namespace {

// The older text log keeps its own import, with its questions and report.
void ImportOlderTextLog(CAerodexDoc& doc, CInteractionPort& port, const std::string& path,
                        const std::string& bytes) {
  std::istringstream in(bytes);
  CImportReport report = ImportTextLog(doc, port, in);
  report.file = path;
  port.ShowImportReport(RenderImportReport(report));
}

}  // namespace

void OnImportFromLogbook(CAerodexDoc& doc, CInteractionPort& port, CLogbookPort& logbook) {
  std::string path;
  if (!logbook.ChooseLogbookFile(path)) return;
  // Read whole and without waiting: a named pipe or a device fails at once.
  std::string bytes;
  if (const FileResult read = ReadWholeFile(path, bytes); !read.ok) {
    port.ShowError("Failed to open " + path + ". " + read.message);
    return;
  }
  if (path.ends_with(".aerodex") || LooksLikeTextLog(bytes)) {
    return ImportOlderTextLog(doc, port, path, bytes);
  }
  CImportOptions options;
  options.progress = [&logbook](std::size_t done, std::size_t all) {
    logbook.ShowPlanningProgress(done, all);
  };
  CImportPlan plan = PlanImport(doc, bytes, options);
  const Replan replan = [&doc, &bytes](const CImportOptions& changed) {
    return PlanImport(doc, bytes, changed);
  };
  if (!logbook.ShowImportPreview(plan, options, replan)) return;
  CImportReport report = ApplyPlan(doc, plan);
  report.file = path;
  port.ShowImportReport(RenderImportReport(report));
}

void OnExportToLogbook(const CAerodexDoc& doc, CInteractionPort& port, CLogbookPort& logbook) {
  std::string path;
  ExportFormat format = ExportFormat::kForeFlight;
  if (!logbook.ChooseExportFile(path, format)) return;
  if (const FileResult written = WriteFileAtomically(path, ExportLog(doc, format)); !written.ok) {
    port.ShowError("Failed to write " + path + ". " + written.message);
  }
}

}  // namespace aerodex::import
