// SPDX-License-Identifier: GPL-3.0-or-later
// aerodex-cli pdf: the printed log as a PDF, drawn by the same pass and page
// routine as printing, without a display.
#ifdef AERODEX_HAVE_PDF

#include <QFileInfo>
#include <QGuiApplication>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/surface/log_printing.h"
#include "cli/arguments.h"
#include "cli/cli.h"
#include "display/log_view.h"

namespace aerodex::cli {
namespace {

struct PdfOptions {
  std::string log;
  std::string out;
  int viewMode = kViewAllEntries;
  bool nightSubtotals = false;
  std::optional<std::time_t> now;
  std::string error;
};

bool ParseViewMode(const std::string& name, int& mode) {
  if (name == "all")
    mode = kViewAllEntries;
  else if (name == "nnumber")
    mode = kViewByNNumber;
  else if (name == "annual")
    mode = kViewAnnualSummary;
  else
    return false;
  return true;
}

PdfOptions ParsePdfOptions(Args args) {
  PdfOptions options;
  ParsedArgs parsed = ParseArgs(args, {{"--view", true}, {"--night-subtotals"}, {"--now", true}});
  options.now = NowValue(parsed, parsed.error);
  options.nightSubtotals = parsed.Has("--night-subtotals");
  const std::optional<std::string> view = parsed.Value("--view");
  if (!parsed.error.empty()) {
    options.error = parsed.error;
  } else if (view && !ParseViewMode(*view, options.viewMode)) {
    options.error = "--view takes all, nnumber or annual";
  } else if (parsed.files.size() != 2) {
    options.error = "expects a log file and an output file";
  } else {
    options.log = parsed.files[0];
    options.out = parsed.files[1];
  }
  return options;
}

// The PDF must never replace the log it was made from.
bool IsSameFile(const std::string& a, const std::string& b) {
  std::error_code ec;
  return std::filesystem::equivalent(a, b, ec) && !ec;
}

QtMessageHandler previousHandler = nullptr;

// The platform's start-up notes (a missing runtime folder and the like) are
// not the user's business on a command line; anything fatal still goes out.
void QuietStartupHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type != QtFatalMsg && type != QtCriticalMsg) return;
  if (previousHandler != nullptr) {
    previousHandler(type, context, text);
  } else {
    std::cerr << qFormatLogMessage(type, context, text).toStdString() << '\n';
  }
}

// Fonts need a QGuiApplication; without a display it runs offscreen.
std::unique_ptr<QGuiApplication> EnsureGuiApplication() {
  if (QGuiApplication::instance() != nullptr) return nullptr;
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static int argc = 1;
  static char name[] = "aerodex-cli";
  static char* argv[] = {name, nullptr};
  previousHandler = qInstallMessageHandler(QuietStartupHandler);
  auto app = std::make_unique<QGuiApplication>(argc, argv);
  qInstallMessageHandler(previousHandler);
  return app;
}

}  // namespace

int RunPdf(Args args, std::FILE* out) {
  const Command& self = FindCommand("pdf");
  const PdfOptions options = ParsePdfOptions(args);
  if (!options.error.empty()) return UsageError(self, options.error);
  if (IsSameFile(options.log, options.out)) {
    return FileFailure(options.out, "Is the log itself: the PDF is not written over it.");
  }
  LoadedLog log = NewLog(options.now);
  if (!OpenLog(log, options.log)) return kFailure;
  const auto app = EnsureGuiApplication();
  CLogView view(*log.doc);
  view.viewMode = options.viewMode;
  view.showNightSubtotals = options.nightSubtotals ? 1 : 0;
  const std::string& titled = IsStdStream(options.out) ? options.log : options.out;
  const QByteArray pdf =
      RenderLogPdf(view, QFileInfo(QString::fromLocal8Bit(titled)).completeBaseName());
  if (pdf.isEmpty()) return FileFailure(options.out, "Could not render the log as PDF.");
  const std::string_view bytes(pdf.constData(), static_cast<std::size_t>(pdf.size()));
  return WriteOutput(options.out, bytes, out) ? kOk : kFailure;
}

}  // namespace aerodex::cli

#endif  // AERODEX_HAVE_PDF
