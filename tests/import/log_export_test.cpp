// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/log_export.h"

#include <gtest/gtest.h>

#include <cmath>

#include "import/cell_values.h"
#include "import/logbook_import.h"
#include "import/remarks_tag.h"
#include "model/record_fields.h"
#include "sample_log.h"
#include "support/log_builders.h"

namespace aerodex::import {
namespace {

// Every saved field of every flight, hours within a millionth.
void ExpectSameFlights(const CAerodexDoc& want, const CAerodexDoc& got, const char* format) {
  ASSERT_EQ(got.EntryCount(), want.EntryCount()) << format;
  for (std::size_t i = 0; i < want.EntryCount(); ++i) {
    for (const auto& field : kEntryFields) {
      const CAerodexEntry& a = want.Entry(i);
      const CAerodexEntry& b = got.Entry(i);
      switch (field.Kind()) {
        case ValueKind::kText:
          EXPECT_EQ(a.*field.text, b.*field.text) << format << " flight " << i << field.name;
          break;
        case ValueKind::kWhole:
          EXPECT_EQ(a.*field.whole, b.*field.whole) << format << " flight " << i << field.name;
          break;
        case ValueKind::kDecimal:
          EXPECT_NEAR(a.*field.decimal, b.*field.decimal, 1e-6)
              << format << " flight " << i << field.name;
          break;
      }
    }
  }
}

TEST(LogExportTest, EachFormatRoundTripsTheSampleLogIntoAnEmptyLog) {
  CAerodexDoc sample;
  sample.OnNewDocument();
  sample::BuildSampleLog(sample);
  // Flights the target formats cannot hold as they are.
  auto odd = MakeFlight(2019, 7, 4, 3, "n77");  // lower case, a lone number 3
  odd->loranApproaches = 2;
  odd->radarApproaches = 1;
  odd->simulatedInstrument = 1.0;
  odd->dayCrossCountry = 0.2;
  odd->nightCrossCountry = 0.4;
  odd->nightHours = 0.5;
  odd->tachTime = 1.7;
  odd->dayHours = static_cast<double>(1.3f);  // as the older text log stores hours
  odd->departure = "PALO ALTO";
  odd->remarks = "Remarks [with brackets] = 100%";
  sample.AppendEntry(std::move(odd));
  sample.SortEntries();
  for (const auto& [format, name] : {std::pair{ExportFormat::kForeFlight, "foreflight"},
                                     std::pair{ExportFormat::kMyFlightbook, "myflightbook"},
                                     std::pair{ExportFormat::kAerodexCsv, "csv"}}) {
    CAerodexDoc empty;
    empty.OnNewDocument();
    const CImportPlan plan = PlanImport(empty, ExportLog(sample, format), {});
    ASSERT_TRUE(plan.recognised) << name << ": " << plan.failure;
    EXPECT_TRUE(plan.badRows.empty()) << name;
    ApplyPlan(empty, plan);
    ExpectSameFlights(sample, empty, name);
  }
}

TEST(LogExportTest, HoursReadAsTheyWereEntered) {
  EXPECT_EQ(HoursText(static_cast<double>(1.3f)), "1.3");
  EXPECT_EQ(HoursText(1.3), "1.3");
  EXPECT_EQ(HoursText(0.1 + 0.2), "0.30000000000000004");
  EXPECT_EQ(HoursText(0), "0");
  EXPECT_EQ(SumText(1.2, 0.3), "1.5");
  EXPECT_EQ(SumText(static_cast<double>(1.2f), 0.25), "1.45");
}

TEST(LogExportTest, TagCarriesOnlyWhatDiffersAndComesOffTheRemarks) {
  CAerodexEntry stored;
  stored.loranApproaches = 2;
  stored.route = "A B]";
  CAerodexEntry read;
  const std::string tag = MakeRemarksTag(stored, read);
  EXPECT_EQ(tag, "[aerodex route=A%20B%5D loranApproaches=2]");
  std::string remarks = "Night work " + tag;
  const TagFields fields = TakeRemarksTag(remarks);
  EXPECT_EQ(remarks, "Night work");
  ApplyRemarksTag(read, fields);
  EXPECT_EQ(read.route, "A B]");
  EXPECT_EQ(read.loranApproaches, 2);
  std::string plain = "no tag [here]";
  EXPECT_TRUE(TakeRemarksTag(plain).empty());
  EXPECT_EQ(plain, "no tag [here]");
}

}  // namespace
}  // namespace aerodex::import
