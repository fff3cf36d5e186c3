// backups and restore: the earlier versions that saves keep of a log.
#include <cstdint>
#include <iostream>
#include <span>
#include <string>

#include "cli/cli.h"
#include "cli/log_writer.h"
#include "model/backup_store.h"
#include "model/document_archive.h"
#include "model/file_layer.h"

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
  std::cerr << "There is no version " << n << " of " << log << "; aerodex-cli backups " << log
            << " lists the " << versions.size() << " kept.\n";
  return nullptr;
}

}  // namespace

int RunBackups(Args args, std::FILE* out) {
  if (args.size() != 1) return UsageError(FindCommand("backups"), "expects one log file");
  const CBackupStore store;
  const std::vector<BackupVersion> versions = store.List(args[0]);
  std::fprintf(out, "Earlier versions of %s, kept in %s:\n", args[0].c_str(),
               store.FolderFor(args[0]).c_str());
  if (versions.empty()) std::fprintf(out, "none\n");
  for (std::size_t i = 0; i < versions.size(); ++i) {
    std::fprintf(out, "%3zu  %s  %s  %lld bytes\n", i + 1, LocalTimeText(versions[i].time).c_str(),
                 FlightsIn(versions[i].path).c_str(), static_cast<long long>(versions[i].size));
  }
  return kOk;
}

int RunRestore(Args args, std::FILE* /*out*/) {
  const Command& command = FindCommand("restore");
  if (args.size() != 4 || args[2] != "-o") return UsageError(command, "expects LOG N -o OUT");
  const CBackupStore store;
  const std::vector<BackupVersion> versions = store.List(args[0]);
  const BackupVersion* version = FindVersion(versions, args[1], args[0]);
  if (!version) return kFailure;
  std::string bytes;
  if (const FileResult read = ReadWholeFile(version->path, bytes); !read.ok) {
    std::cerr << "Failed to read " << version->path << ". " << read.message << '\n';
    return kFailure;
  }
  CLogWriter writer;
  if (!writer.Lock(args[3])) return kFailure;
  return writer.SaveBytes(bytes) ? kOk : kFailure;
}

}  // namespace aerodex::cli
