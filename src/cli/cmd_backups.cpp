// SPDX-License-Identifier: GPL-3.0-or-later
// backups and restore: the earlier versions that saves keep of a log.
#include <cstdint>
#include <span>
#include <string>

#include "cli/arguments.h"
#include "cli/cli.h"
#include "cli/log_writer.h"
#include "files/backup_store.h"
#include "files/file_env.h"
#include "model/document_archive.h"

namespace aerodex::cli {
namespace {

// "200 flights", or why the version cannot be read.
std::string FlightsIn(const std::string& path) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes).ok) return "unreadable";
  CAerodexDoc doc;
  doc.OnNewDocument();
  const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
  if (LoadDocument(doc, std::span(data, bytes.size())) != LoadResult::kLoaded) return "damaged";
  return std::to_string(doc.EntryCount()) + (doc.EntryCount() == 1 ? " flight" : " flights");
}

std::string LocalTimeText(std::time_t time) {
  const std::tm local = ToLocalTime(time);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  return text;
}

// Version N (from 1, the newest) of the log, or none with a message printed.
const BackupVersion* FindVersion(const std::vector<BackupVersion>& versions, const std::string& n,
                                 const std::string& log) {
  std::size_t index = 0;
  try {
    std::size_t used = 0;
    index = std::stoul(n, &used);
    if (used != n.size()) index = 0;
  } catch (const std::exception&) {
    index = 0;
  }
  if (index >= 1 && index <= versions.size()) return &versions[index - 1];
  FileFailure(log, "There is no version " + n + "; aerodex-cli backups " + log + " lists the " +
                       std::to_string(versions.size()) + " kept.");
  return nullptr;
}

// A usage error's text, or nothing: as many files as wanted, the first a log
// file (versions are kept per file: standard input has none).
std::string CheckLogArgs(const ParsedArgs& parsed, std::size_t files, const char* expected) {
  if (!parsed.error.empty()) return parsed.error;
  if (parsed.files.size() != files) return expected;
  if (IsStdStream(parsed.files[0])) return "the log must be a file, not standard input";
  return {};
}

}  // namespace

int RunBackups(Args args, std::FILE* out) {
  const Command& self = FindCommand("backups");
  const ParsedArgs parsed = ParseArgs(args, {});
  if (const std::string error = CheckLogArgs(parsed, 1, "expects one log file"); !error.empty()) {
    return UsageError(self, error);
  }
  const std::string& logPath = parsed.files[0];
  const CBackupStore store;
  const std::vector<BackupVersion> versions = store.List(logPath);
  std::fprintf(out, "Earlier versions of %s, kept in %s:\n", logPath.c_str(),
               store.FolderFor(logPath).c_str());
  if (versions.empty()) std::fprintf(out, "none\n");
  for (std::size_t i = 0; i < versions.size(); ++i) {
    std::fprintf(out, "%3zu  %s  %s  %lld bytes\n", i + 1, LocalTimeText(versions[i].time).c_str(),
                 FlightsIn(versions[i].path).c_str(), static_cast<long long>(versions[i].size));
  }
  return kOk;
}

int RunRestore(Args args, std::FILE* out) {
  const Command& self = FindCommand("restore");
  const ParsedArgs parsed = ParseArgs(args, {{"-o", true}});
  const std::optional<std::string> output = parsed.Value("-o");
  std::string error = CheckLogArgs(parsed, 2, "expects LOG N -o OUT");
  if (error.empty() && !output) error = "expects LOG N -o OUT";
  if (!error.empty()) return UsageError(self, error);
  const std::string& logPath = parsed.files[0];
  const CBackupStore store;
  const std::vector<BackupVersion> versions = store.List(logPath);
  const BackupVersion* version = FindVersion(versions, parsed.files[1], logPath);
  if (!version) return kFailure;
  std::string bytes;
  if (const FileResult read = ReadWholeFile(version->path, bytes); !read.ok) {
    return FileFailure(version->path, WithReason("Failed to read the file.", read.message));
  }
  if (IsStdStream(*output)) return WriteOutput(*output, bytes, out) ? kOk : kFailure;
  CLogWriter writer;
  if (!writer.Lock(*output)) return kFailure;
  return writer.SaveBytes(bytes) ? kOk : kFailure;
}

}  // namespace aerodex::cli
