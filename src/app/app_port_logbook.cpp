// SPDX-License-Identifier: GPL-3.0-or-later
// CAppPort's side of other logbooks: the file dialogs of import and export
// and the import's preview.
#include <QApplication>
#include <QFileDialog>
#include <QProgressDialog>
#include <QStringList>

#include "app/app_port.h"
#include "app/dialogs/logbook_import_dialog.h"
#include "app/qt_text.h"

namespace aerodex {
namespace {

// Files shorter than this are planned too fast to need a progress bar.
constexpr std::size_t kLongFileRows = 5000;

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

void CAppPort::ShowPlanningProgress(std::size_t done, std::size_t all) {
  if (done >= all) {
    delete planning_.data();
    return;
  }
  if (all < kLongFileRows) return;
  if (!planning_) {
    planning_ = new QProgressDialog(QStringLiteral("Reading the flights..."), QString(), 0,
                                    static_cast<int>(all), parent_);
    planning_->setWindowTitle(QStringLiteral("Import from Another Logbook"));
    planning_->setWindowModality(Qt::WindowModal);
    planning_->setMinimumDuration(0);
  }
  planning_->setValue(static_cast<int>(done));
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
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
