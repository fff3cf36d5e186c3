// CAppPort's side of other logbooks: the file dialogs of import and export
// and the import's preview.
#include <QFileDialog>
#include <QStringList>

#include "app/app_port.h"
#include "app/dialogs/logbook_import_dialog.h"
#include "app/qt_text.h"

namespace aerodex {
namespace {

// The export's choices, in the order of its file-type list.
const std::pair<const char*, import::ExportFormat> kExportTypes[] = {
    {"ForeFlight logbook (*.csv)", import::ExportFormat::kForeFlight},
    {"MyFlightbook (*.csv)", import::ExportFormat::kMyFlightbook},
    {"aerodex CSV (*.csv)", import::ExportFormat::kAerodexCsv},
};

}  // namespace

bool CAppPort::ChooseLogbookFile(std::string& path) {
  const QString chosen = QFileDialog::getOpenFileName(
      parent_, QStringLiteral("Import from Another Logbook"), QString(),
      QStringLiteral("Logbook files (*.csv *.tsv *.txt *.aerodex);;All files (*)"));
  if (chosen.isEmpty()) return false;
  path = ToLocalPath(chosen);
  return true;
}

bool CAppPort::ShowImportPreview(import::CImportPlan& plan, import::CImportOptions& options,
                                 const import::Replan& replan) {
  CLogbookImportDialog preview(plan, options, replan, parent_);
  return preview.exec() == QDialog::Accepted;
}

bool CAppPort::ChooseExportFile(std::string& path, import::ExportFormat& format) {
  QFileDialog dialog(parent_, QStringLiteral("Export to Another Logbook"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("csv"));
  QStringList types;
  for (const auto& [name, type] : kExportTypes) types << QString::fromLatin1(name);
  dialog.setNameFilters(types);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  const auto chosen = types.indexOf(dialog.selectedNameFilter());
  format = kExportTypes[chosen < 0 ? 0 : chosen].second;
  path = ToLocalPath(dialog.selectedFiles().front());
  return true;
}

}  // namespace aerodex
