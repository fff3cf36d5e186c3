// SPDX-License-Identifier: GPL-3.0-or-later
// What keeping a full-size log (65,535 flights) safe costs: the recovery
// snapshot written after each change (its bytes, then the synced file), the
// lock taken when a log is opened and the check of a lock held elsewhere,
// the stamp compared before a save, and a save that keeps the replaced
// version against one that does not.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "files/backup_store.h"
#include "files/log_lock.h"
#include "files/recovery_store.h"
#include "model/document_archive.h"
#include "model/document_file.h"
#include "tools/sample_log.h"

namespace {

namespace fs = std::filesystem;

const CAerodexDoc& FullLog() {
  static CAerodexDoc* doc = [] {
    auto* made = new CAerodexDoc;
    made->OnNewDocument();
    aerodex::sample::BuildLargeLog(*made, aerodex::kMaxRecordCount);
    return made;
  }();
  return *doc;
}

// On the disk the logs live on, not in memory: syncs cost what they cost.
const fs::path& Scratch() {
  static const fs::path folder = [] {
    const fs::path made =
        fs::current_path() / ("aerodex-safety-bench-" + std::to_string(::getpid()));
    fs::create_directories(made);
    return made;
  }();
  return folder;
}

void BM_SnapshotBytes(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(aerodex::SaveDocument(FullLog()).size());
}

void BM_RecoverySnapshot(benchmark::State& state) {
  aerodex::CRecoveryWriter writer((Scratch() / "recovery").string());
  const aerodex::FileStamp base = aerodex::StampOf("/");
  for (auto _ : state) {
    if (!writer.Write(aerodex::SaveDocument(FullLog()), "/logs/log.adx", base, "").ok) {
      state.SkipWithError("snapshot failed");
    }
  }
}

void BM_LockAcquireRelease(benchmark::State& state) {
  const std::string log = (Scratch() / "locked.adx").string();
  for (auto _ : state) {
    aerodex::CLogLock lock;
    if (!lock.Acquire(log).ok) state.SkipWithError("not acquired");
  }
}

void BM_LockHeldElsewhere(benchmark::State& state) {
  const std::string log = (Scratch() / "held.adx").string();
  aerodex::CLogLock holder;
  if (!holder.Acquire(log).ok) state.SkipWithError("holder not acquired");
  for (auto _ : state) {
    aerodex::CLogLock other;
    if (other.Acquire(log).code != aerodex::FileCode::kLockedByAnother)
      state.SkipWithError("not held");
  }
}

void BM_StampCheckBeforeSave(benchmark::State& state) {
  const std::string log = (Scratch() / "stamped.adx").string();
  if (!aerodex::SaveDocumentFile(FullLog(), log).ok) state.SkipWithError("save failed");
  const aerodex::FileStamp stamp = aerodex::StampOf(log);
  for (auto _ : state) benchmark::DoNotOptimize(aerodex::ChangedSince(stamp, log));
}

void BM_SaveFullLog(benchmark::State& state) {
  const bool keepVersions = state.range(0) != 0;
  const std::string log = (Scratch() / "saved.adx").string();
  const aerodex::CBackupStore backups((Scratch() / "backups").string());
  aerodex::SaveOptions options;
  if (keepVersions) options.backups = &backups;
  options.replacedHash = aerodex::SaveDocumentFile(FullLog(), log).contentHash;
  for (auto _ : state) {
    // As the window saves: it knows what it wrote last.
    const aerodex::SavedFile saved = aerodex::SaveDocumentFile(FullLog(), log, options);
    if (!saved.ok) state.SkipWithError("save failed");
    options.replacedHash = saved.contentHash;
  }
  state.SetLabel(keepVersions ? "replaced version kept" : "no version kept");
}

void CleanUp() { fs::remove_all(Scratch()); }

}  // namespace

BENCHMARK(BM_SnapshotBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecoverySnapshot)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LockAcquireRelease)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LockHeldElsewhere)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StampCheckBeforeSave)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveFullLog)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  CleanUp();
  return 0;
}
