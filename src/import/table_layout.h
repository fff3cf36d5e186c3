// SPDX-License-Identifier: GPL-3.0-or-later
// Where a logbook file keeps its flights: the format told by its first lines,
// the header row with each column's meaning (what its name says, then the
// user's mapping), the rows of flights and, for ForeFlight, its aircraft
// table. Used by the import's planning.
#pragma once

#include <string>
#include <vector>

#include "import/csv_reader.h"
#include "import/logbook_import.h"

namespace aerodex::import {

struct CTableLayout {
  LogbookFormat format = LogbookFormat::kCsv;
  std::vector<CColumn> columns;
  std::vector<std::string> header;  // the names as written
  std::vector<const CCsvRow*> flightRows;
  std::vector<CColumn> aircraftColumns;
  std::vector<const CCsvRow*> aircraftRows;
  std::string failure;  // empty when the layout was recognised
};

// The columns of a header, each with the meaning its name (or the mapping)
// gives it; of meanings that may not repeat the first column wins.
std::vector<CColumn> ColumnsOf(const std::vector<std::string>& header,
                               const CImportOptions& options);

CTableLayout FindLayout(const CCsvTable& table, const CImportOptions& options);

}  // namespace aerodex::import
