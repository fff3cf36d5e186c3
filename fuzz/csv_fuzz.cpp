// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the reader of other logbooks' files: any bytes are
// read as a table, planned into a log that already holds a flight and
// applied. Besides the sanitizers' checks: rows keep their lines in order,
// the plan never touches the log, and the applied log is in log order with
// exactly the planned flights added.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "import/csv_reader.h"
#include "import/logbook_import.h"
#include "model/clock.h"
#include "model/document.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const aerodex::import::CCsvTable table = aerodex::import::ReadCsv(bytes);
  for (std::size_t i = 1; i < table.rows.size(); ++i) {
    if (table.rows[i].line <= table.rows[i - 1].line) __builtin_trap();
  }
  static const aerodex::FixedClock clock(946728000);  // 2000-01-01 12:00 UTC
  CAerodexDoc doc(nullptr, &clock);
  doc.OnNewDocument();
  auto known = std::make_unique<CAerodexEntry>();
  known->year = 2024;
  known->month = 1;
  known->day = 1;
  known->nNumber = "1";
  doc.AppendEntry(std::move(known));
  doc.SortEntries();
  const std::uint64_t revision = doc.Revision();
  const aerodex::import::CImportPlan plan = aerodex::import::PlanImport(doc, bytes, {});
  if (doc.Revision() != revision) __builtin_trap();
  const aerodex::import::CImportReport report = aerodex::import::ApplyPlan(doc, plan);
  if (doc.EntryCount() != 1 + plan.flights.size()) __builtin_trap();
  if (report.flightsAdded != static_cast<std::int64_t>(plan.flights.size())) __builtin_trap();
  for (std::uint32_t i = 1; i < doc.EntryCount(); ++i) {
    if (CompareEntries(doc.Entry(i - 1), doc.Entry(i)) > 0) __builtin_trap();
  }
  (void)aerodex::import::RenderImportReport(report);
  return 0;
}
