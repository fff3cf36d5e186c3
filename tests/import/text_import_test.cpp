// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/text_import.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "import/data_reader.h"
#include "model/clock.h"
#include "support/log_builders.h"
#include "support/scripted_port.h"

using aerodex::import::CImportReport;
using aerodex::import::ImportStatus;
using aerodex::import::ImportTextLog;

namespace {

const char* kHeader = "^Jane Doe^\n^12 Main St^\n1 2 3 4\n";

// The eight lines of one record, as the older version wrote them.
std::string Record(const std::string& nNumber, const std::string& date,
                   const std::string& times = "2 0 1.2 0.0 0.0 0.0 1.3 1.2 0.0 0.0 0.0",
                   const std::string& approaches = "0 0 0 0 0 0 0") {
  return "^" + nNumber + "^\n" + date + "\n^AAA^\n^BBB^\n^AAA BBB^\n" + times + "\n" + approaches +
         "\n^pattern work^\n";
}

std::string File(int count, const std::string& records) {
  return std::to_string(count) + "\n" + kHeader + records;
}

class TextImportTest : public ::testing::Test {
 protected:
  TextImportTest() : clock(*aerodex::ParseLocalTime("2001-02-03 10:00:00")), doc(&port, &clock) {
    doc.OnNewDocument();
  }
  CImportReport Import(const std::string& text) {
    std::istringstream in(text);
    return ImportTextLog(doc, port, in);
  }
  std::vector<std::string> NNumbers() const {
    std::vector<std::string> out;
    for (const auto& entry : doc.Entries()) out.push_back(entry->nNumber);
    return out;
  }

  ScriptedPort port;
  aerodex::FixedClock clock;
  CAerodexDoc doc;
};

TEST_F(TextImportTest, EveryItemLandsInItsFieldInLogOrder) {
  doc.AppendAircraft(MakeAirplane("1234X"));
  const std::string text = File(
      2,
      Record("N1234X", "14 6 1996", "2 1 1.2 0.5 0.7 0.25 1.3 1.1 0.4 0.3 0.2", "1 2 3 4 5 6 7") +
          Record("1234X", "1 3 1995"));
  const CImportReport result = Import(text);
  EXPECT_EQ(result.status, ImportStatus::kCompleted);
  EXPECT_EQ(result.found, 2);
  EXPECT_TRUE(port.errors.empty());
  EXPECT_TRUE(port.questions.empty());
  ASSERT_EQ(doc.EntryCount(), 2u);
  const CAerodexEntry& e = doc.Entry(1);        // 1996 sorts after 1995
  EXPECT_EQ(doc.selectedEntry, &doc.Entry(0));  // the record appended last
  EXPECT_EQ(e.nNumber, "1234X");
  EXPECT_EQ(std::vector<int>({e.day, e.month, e.year}), std::vector<int>({14, 6, 1996}));
  EXPECT_EQ(e.departure, "AAA");
  EXPECT_EQ(e.arrival, "BBB");
  EXPECT_EQ(e.route, "AAA BBB");
  EXPECT_EQ(e.remarks, "pattern work");
  EXPECT_EQ(e.dayLandings, 2);
  EXPECT_EQ(e.nightLandings, 1);
  EXPECT_EQ(e.dayHours, static_cast<double>(1.2f));
  EXPECT_EQ(e.nightHours, 0.5);
  EXPECT_EQ(e.dayCrossCountry, static_cast<double>(0.7f));
  EXPECT_EQ(e.nightCrossCountry, 0.25);
  EXPECT_EQ(e.tachTime, static_cast<double>(1.3f));
  EXPECT_EQ(e.picHours, static_cast<double>(1.1f));  // PIC before dual
  EXPECT_EQ(e.dualHours, static_cast<double>(0.4f));
  EXPECT_EQ(e.actualInstrument, static_cast<double>(0.3f));
  EXPECT_EQ(e.simulatedInstrument, static_cast<double>(0.2f));
  EXPECT_EQ(
      std::vector<int>({e.ilsApproaches, e.vorApproaches, e.locApproaches, e.ndbApproaches,
                        e.gpsApproaches, e.loranApproaches, e.radarApproaches, e.rnavApproaches}),
      std::vector<int>({1, 2, 3, 4, 5, 6, 7, 0}));  // GPS before LORAN and RADAR
  EXPECT_EQ(e.flightNumber, 0);
  EXPECT_EQ(e.holdingProcedures, 0);
  EXPECT_EQ(e.startTach, 0.0);
  EXPECT_EQ(e.endTach, 0.0);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_GE(port.redraws, 1);
}

TEST_F(TextImportTest, CommentsAndBlankLinesMayStandAnywhere) {
  const std::string text =
      "# aerodex data\n\n3 # records\n# pilot\n^Jane Doe^\n\n^addr^\n1 2 # data\n"
      "^N1^ # aircraft\n#\n14 6 1996 # date\n\n^A^\n^B^\n# route next\n^R^\n"
      "2 0 1.2 0.0 0.0 0.0 1.3 1.2 0.0 0.0 0.0 # 9.9 9.9\n\n0 0 0 0 0 0 0\n^r^\n# end\n";
  const CImportReport result = Import(text);
  EXPECT_EQ(result.status, ImportStatus::kCompleted);
  ASSERT_EQ(doc.EntryCount(), 1u);
  EXPECT_EQ(doc.Entry(0).route, "R");
  EXPECT_EQ(doc.Entry(0).simulatedInstrument, 0.0);
  // The header said 3: the count message names both numbers, its newline included.
  EXPECT_EQ(port.errors, std::vector<std::string>{"Expected 3 entries, found 1 entries!\n"});
}

TEST_F(TextImportTest, HeaderOnlyFilesImportNothing) {
  EXPECT_EQ(Import(File(0, "")).found, 0);
  EXPECT_TRUE(port.errors.empty());
  Import(File(3, ""));
  EXPECT_EQ(port.errors, std::vector<std::string>{"Expected 3 entries, found 0 entries!\n"});
  EXPECT_EQ(doc.EntryCount(), 0u);
}

TEST_F(TextImportTest, NNumberPrefixesAndFifteenCharacterCuts) {
  const std::string longText(20, 'D');
  Import(File(5, Record("N1234X", "1 1 1990") + Record("1234X", "2 1 1990") +
                     Record("n1234X", "3 1 1990") + Record("NN12", "4 1 1990") +
                     Record("N" + std::string(16, '7'), "5 1 1990")));
  EXPECT_EQ(NNumbers(),
            (std::vector<std::string>{"1234X", "1234X", "n1234X", "N12", std::string(14, '7')}));
  port.errors.clear();
  const std::string route(600, 'r');
  Import(File(1, "^N9^\n6 1 1990\n^" + longText + "^\n^" + longText + "^\n^" + route +
                     "^\n0 0 0 0 0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n^" + route + "^\n"));
  const CAerodexEntry& e = doc.Entry(5);
  EXPECT_EQ(e.departure, std::string(15, 'D'));
  EXPECT_EQ(e.arrival, std::string(15, 'D'));
  EXPECT_EQ(e.route, route);  // route and remarks are taken whole
  EXPECT_EQ(e.remarks, route);
}

struct Truncation {
  int lines;  // lines of the file kept
  const char* message;
  unsigned entries;
};

TEST_F(TextImportTest, FileEndingAtEachItem) {
  std::vector<std::string> lines;
  std::istringstream whole(File(1, Record("1234X", "14 6 1996")));
  for (std::string line; std::getline(whole, line);) lines.push_back(line + "\n");
  const char* const integrity = "Aerodex: Aerodex integrity suspect!";
  const char* const pilotInfo = "aerodex: Error reading Pilot info!";
  const char* const timeData = "Aerodex: Aerodex time data suspect!";
  for (const Truncation& t :
       std::vector<Truncation>{{0, integrity, 0},
                               {1, pilotInfo, 0},
                               {2, pilotInfo, 0},
                               {3, "Aerodex: Aerodex pilot data suspect!", 0},
                               {4, "Expected 1 entries, found 0 entries!\n", 0},
                               {5, integrity, 0},
                               {6, timeData, 0},
                               {7, timeData, 0},
                               {8, timeData, 0},
                               {9, timeData, 0},
                               {10, "Aerodex: Aerodex approach data suspect!", 0},
                               {11, nullptr, 1},
                               {12, nullptr, 1}}) {
    SCOPED_TRACE("lines kept: " + std::to_string(t.lines));
    CAerodexDoc fresh(&port, &clock);
    port.errors.clear();
    std::string text;
    for (int i = 0; i < t.lines; ++i) text += lines[static_cast<std::size_t>(i)];
    std::istringstream in(text);
    ImportTextLog(fresh, port, in);
    EXPECT_EQ(fresh.EntryCount(), t.entries);
    EXPECT_EQ(port.errors,
              t.message ? std::vector<std::string>{t.message} : std::vector<std::string>{});
    // A record that ends after its approaches is still added, with empty remarks.
    if (t.lines == 11) {
      EXPECT_EQ(fresh.Entry(0).remarks, "");
    }
  }
}

TEST_F(TextImportTest, MissingCaretStopsTheImportAndKeepsTheLogSorted) {
  doc.AppendEntry(MakeFlight(2000, 5, 5));
  doc.AppendEntry(MakeFlight(2000, 1, 1));  // unsaved work, not yet sorted
  doc.SortEntries();
  std::string broken = Record("1234X", "3 3 1990");
  broken.replace(broken.find("^AAA^"), 5, "AAA^");
  const CImportReport result =
      Import(File(3, Record("1234X", "2 2 2003") + Record("1234X", "1 1 1999") + broken));
  EXPECT_EQ(result.status, ImportStatus::kStopped);
  EXPECT_EQ(port.errors.back(), "Aerodex: Entry string integrity suspect<AAA^>!");
  ASSERT_EQ(doc.EntryCount(), 4u);  // the broken record is not added
  std::vector<int> years;
  for (const auto& entry : doc.Entries()) years.push_back(entry->year);
  EXPECT_EQ(years, (std::vector<int>{1999, 2000, 2000, 2003}));
  EXPECT_TRUE(doc.IsModified());

  // In the header the same fault stops before anything is appended.
  port.errors.clear();
  Import("1\n^Jane^\nno carets\n1 2\n");
  EXPECT_EQ(port.errors,
            std::vector<std::string>{"Aerodex: Entry string integrity suspect<no carets>!"});
  EXPECT_EQ(doc.EntryCount(), 4u);
}

TEST_F(TextImportTest, NumbersThatDoNotFitStopWithAClearMessage) {
  for (const auto& [record, message] : std::vector<std::pair<std::string, std::string>>{
           {Record("1", "1 1 99999999999"),
            "Aerodex: Entry number data suspect<1 1 99999999999>! Expected 3 numbers."},
           {Record("1", "1 1 1990", "2 0 1.2 1e39 0 0 0 0 0 0 0"),
            "Aerodex: Entry number data suspect<2 0 1.2 1e39 0 0 0 0 0 0 0>! Expected 11 "
            "numbers."},
           {Record("1", "1 1 1990", "2 0 nan"),
            "Aerodex: Entry number data suspect<2 0 nan>! Expected 11 numbers."},
           {Record("1", "1 1 1990", "2 0 0 0 0 0 0 0 0 0 0", "1 2 3 -4294967296"),
            "Aerodex: Entry number data suspect<1 2 3 -4294967296>! Expected 7 numbers."}}) {
    port.errors.clear();
    const CImportReport report = Import(File(2, Record("5", "1 1 1980") + record));
    EXPECT_EQ(report.status, ImportStatus::kStopped);
    EXPECT_EQ(port.errors, std::vector<std::string>{message});
    // The report names the line: the date is line 14, the hours 18, the approaches 19.
    EXPECT_EQ(report.stop.text, message);
    EXPECT_EQ(report.stop.line, record.find("99999") != std::string::npos   ? 14
                                : record.find("1 2 3") != std::string::npos ? 19
                                                                            : 18);
  }
  EXPECT_EQ(doc.EntryCount(), 4u);  // the good record before each bad one
  port.errors.clear();
  Import(File(2147483647, Record("1", "1 1 1990", "2147483647 -2147483648 0 0 0 0 0 0 0 0 0")));
  EXPECT_EQ(port.errors,
            std::vector<std::string>{"Expected 2147483647 entries, found 1 entries!\n"});
  EXPECT_EQ(doc.selectedEntry->dayLandings, 2147483647);
  EXPECT_EQ(doc.selectedEntry->nightLandings, -2147483647 - 1);
}

TEST_F(TextImportTest, ShortNumberLinesAreReadWithZerosAndAWarning) {
  // A short approaches line, text in the hours line, a date without its year.
  const CImportReport report = Import(
      File(3, Record("1", "14 6 1996", "2 1 1.5 0.5 0 0 1.6 2.0 0 0 0", "1 2") +
                  Record("2", "15 6 1996", "3 0 1.5 x 9 9 9 9 9 9 9") + Record("3", "16 6")));
  EXPECT_EQ(report.status, ImportStatus::kCompleted);
  EXPECT_TRUE(port.errors.empty());
  ASSERT_EQ(doc.EntryCount(), 3u);
  const CAerodexEntry& first = doc.Entry(1);  // the year-0 flight sorts first
  EXPECT_EQ(std::vector<int>({first.ilsApproaches, first.vorApproaches, first.locApproaches,
                              first.radarApproaches}),
            std::vector<int>({1, 2, 0, 0}));
  EXPECT_EQ(first.picHours, 2.0);
  const CAerodexEntry& second = doc.Entry(2);
  EXPECT_EQ(second.dayLandings, 3);
  EXPECT_EQ(second.dayHours, 1.5);
  EXPECT_EQ(second.nightHours, 0.0);  // "x" and everything after it
  EXPECT_EQ(second.simulatedInstrument, 0.0);
  const CAerodexEntry& third = doc.Entry(0);
  EXPECT_EQ(std::vector<int>({third.day, third.month, third.year}), std::vector<int>({16, 6, 0}));
  ASSERT_EQ(report.warnings.size(), 3u);
  EXPECT_EQ(report.warnings[0].line, 11);
  EXPECT_EQ(report.warnings[0].text, "numbers missing <1 2>: 2 of 7 read, the rest set to 0");
  EXPECT_EQ(report.warnings[1].line, 18);
  EXPECT_EQ(report.warnings[1].text,
            "numbers missing <3 0 1.5 x 9 9 9 9 9 9 9>: 3 of 11 read, the rest set to 0");
  EXPECT_EQ(report.warnings[2].line, 22);

  // A header count that is no number reads as 0; the count message follows.
  port.errors.clear();
  const CImportReport header = Import("many\n" + std::string(kHeader));
  EXPECT_EQ(header.status, ImportStatus::kCompleted);
  EXPECT_EQ(header.warnings.size(), 1u);
  EXPECT_TRUE(port.errors.empty());  // E = 0, F = 0
}

TEST_F(TextImportTest, ReportListsDuplicatesCreatedAndMissingAircraft) {
  auto typed = MakeFlight(1996, 6, 14, 0, "1234X");  // 1.2 hours as typed into the form
  typed->departure = "AAA";
  typed->arrival = "BBB";
  doc.AppendEntry(std::move(typed));
  port.Answer(false).Answer(false).Answer(true).OkAircraft([](CAircraftDlg& form) {
    form.model = "PA-28";
    form.isAirplane = form.isSingleEngine = 1;
  });
  const CImportReport report =
      Import(File(4, Record("N1234X", "14 6 1996") + Record("N1234X", "14 6 1996") +
                         Record("77Z", "14 6 1996") + Record("N1234X", "15 6 1996")));
  // Both copies of the known flight are listed, at the lines their records begin on.
  ASSERT_EQ(report.duplicates.size(), 2u);
  EXPECT_EQ(report.duplicates[0].line, 5);
  EXPECT_EQ(report.duplicates[1].line, 13);
  EXPECT_EQ(report.duplicates[0].text, "6/14/1996 N1234X AAA to BBB, 1.2 h");
  EXPECT_EQ(report.aircraftCreated, std::vector<std::string>{"77Z"});
  ASSERT_EQ(report.missingAircraft.size(), 1u);
  EXPECT_EQ(report.missingAircraft[0].nNumber, "1234X");
  EXPECT_EQ(report.missingAircraft[0].flights, 3);
  EXPECT_EQ(doc.EntryCount(), 5u);  // the duplicates are added all the same

  // Importing the same file again makes every flight a duplicate.
  EXPECT_EQ(
      Import(File(4, Record("N1234X", "14 6 1996") + Record("77Z", "14 6 1996"))).duplicates.size(),
      2u);
}

TEST_F(TextImportTest, ReportText) {
  port.Answer(false);
  CImportReport report =
      Import(File(3, Record("N9\xE9", "1 1 1990", "1 0 1.0", "0 0 0 0 0 0 0") +
                         Record("N9\xE9", "2 1 1990", "1 0 1.0 0 0 0 0 1.0 0 0 nan")));
  report.file = "/logs/old.aerodex";
  report.flightsAdded = 0;
  report.notes.push_back("Nothing was written.");
  EXPECT_EQ(aerodex::import::RenderImportReport(report),
            "Import of /logs/old.aerodex\n"
            "Records read: 1 (the header says 3)\n"
            "Flights added to the log: 0\n"
            "Aircraft created: none\n"
            "N-Numbers not in the aircraft database: 1\n"
            "  N9\u00e9: 1 flight\n"
            "Flights that look like ones already in the log (added all the same): none\n"
            "Warnings: 1\n"
            "  line 10: numbers missing <1 0 1.0>: 3 of 11 read, the rest set to 0\n"
            "Stopped at line 18: Aerodex: Entry number data suspect<1 0 1.0 0 0 0 0 1.0 0 0 "
            "nan>! Expected 11 numbers.\n"
            "Nothing was written.\n");
}

TEST_F(TextImportTest, CarriageReturnOnlyFileReadsAsLinesWithAHint) {
  std::string cr = File(2, Record("1234X", "14 6 1996") + Record("N5", "1 1 1990", "1 0 x"));
  for (char& c : cr) c = c == '\n' ? '\r' : c;
  const CImportReport report = Import(cr);
  EXPECT_EQ(report.found, 2);
  EXPECT_TRUE(port.errors.empty());
  EXPECT_TRUE(report.loneCarriageReturns);
  ASSERT_EQ(report.warnings.size(), 1u);
  EXPECT_EQ(report.warnings[0].line, 18);
  EXPECT_NE(aerodex::import::RenderImportReport(report).find("carriage return alone"),
            std::string::npos);
  EXPECT_FALSE(Import(File(0, "")).loneCarriageReturns);
}

TEST_F(TextImportTest, MissingAircraftIsOfferedPerRecordUntilCreated) {
  const std::string text = File(2, Record("N77Z", "1 1 1990") + Record("77Z", "2 1 1990"));
  Import(text);  // both questions cancelled
  EXPECT_EQ(port.questions,
            std::vector<std::string>(
                2, "N77Z: not in aircraft database. Confirm to create, Cancel to edit later."));
  EXPECT_EQ(doc.AircraftCount(), 0u);
  EXPECT_EQ(doc.EntryCount(), 2u);

  port.questions.clear();
  port.transcript.clear();
  port.Answer(true).OkAircraft([](CAircraftDlg& form) {
    form.model = "PA-28";
    form.isAirplane = form.isSingleEngine = 1;
  });
  Import(text);  // confirmed and the form accepted: no second question
  EXPECT_EQ(port.questions.size(), 1u);
  ASSERT_EQ(port.aircraftForms.size(), 1u);
  EXPECT_EQ(port.aircraftForms[0].nNumber, "77Z");  // the form opens on the stored N-Number
  EXPECT_EQ(port.transcript[0], "question: " + port.questions[0]);
  EXPECT_EQ(port.transcript[1], "aircraft form");
  ASSERT_EQ(doc.AircraftCount(), 1u);
  EXPECT_EQ(doc.Aircraft(0).nNumber, "77Z");
  EXPECT_EQ(doc.EntryCount(), 4u);  // importing again doubles every flight
}

TEST_F(TextImportTest, CancelledAircraftFormStillImportsTheFlight) {
  port.Answer(true).CancelAircraft().Answer(false);
  Import(File(2, Record("9Q", "1 1 1990") + Record("9Q", "2 1 1990")));
  EXPECT_TRUE(port.ScriptDone());
  EXPECT_EQ(port.questions.size(), 2u);
  EXPECT_EQ(doc.AircraftCount(), 0u);
  EXPECT_EQ(doc.EntryCount(), 2u);
}

TEST_F(TextImportTest, CrLfFileImportsLikeLfFile) {
  std::string lf = File(2, Record("1234X", "14 6 1996") + Record("N5", "1 1 1990"));
  std::string crlf;
  for (char c : lf) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  Import(lf);
  Import(crlf);
  ASSERT_EQ(doc.EntryCount(), 4u);
  EXPECT_TRUE(port.errors.empty());
  for (std::size_t i = 0; i < 4; i += 2) {
    const CAerodexEntry& a = doc.Entry(i);
    const CAerodexEntry& b = doc.Entry(i + 1);
    EXPECT_EQ(a.nNumber, b.nNumber);
    EXPECT_EQ(a.remarks, b.remarks);
    EXPECT_EQ(a.route, b.route);
    EXPECT_EQ(a.simulatedInstrument, b.simulatedInstrument);
  }
}

TEST_F(TextImportTest, Latin1TextKeepsItsBytes) {
  // Latin-1 letters have the same bytes in Windows-1252, the code page of the log.
  Import(File(1,
              "^N1^\n1 1 1990\n^Z\xDCR^\n^\xC9^\n^caf\xE9^\n0 0 0 0 0 0 0 0 0 0 0\n"
              "0 0 0 0 0 0 0\n^\xA9 1996 \xBD h^\n"));
  ASSERT_EQ(doc.EntryCount(), 1u);
  EXPECT_EQ(doc.Entry(0).departure, "Z\xDCR");
  EXPECT_EQ(doc.Entry(0).route, "caf\xE9");
  EXPECT_EQ(doc.Entry(0).remarks, "\xA9 1996 \xBD h");
}

TEST_F(TextImportTest, CommandAsksForTheFileAndReportsOneThatCannotBeOpened) {
  port.ChooseFile(std::nullopt);
  OnImportFromUnix(doc, port);  // dialog cancelled
  EXPECT_EQ(port.transcript, std::vector<std::string>{"import file"});
  port.ChooseFile(::testing::TempDir() + "/no-such-dir/none.aerodex");
  OnImportFromUnix(doc, port);
  EXPECT_EQ(port.errors, std::vector<std::string>{"Failed to open .aerodex"});
  port.errors.clear();
  port.ChooseFile(::testing::TempDir());  // a folder
  OnImportFromUnix(doc, port);
  EXPECT_EQ(port.errors, std::vector<std::string>{"Failed to open .aerodex"});
  EXPECT_EQ(doc.EntryCount(), 0u);
  EXPECT_TRUE(port.importReports.empty());  // nothing was imported, so no report

  // An import that ran shows its report after its own messages.
  const std::string path =
      ::testing::TempDir() + "/report-" + std::to_string(::getpid()) + ".aerodex";
  std::ofstream(path, std::ios::binary) << File(2, Record("N1", "1 1 1990"));
  port.transcript.clear();
  port.ChooseFile(path);
  OnImportFromUnix(doc, port);
  std::remove(path.c_str());
  EXPECT_EQ(port.transcript,
            (std::vector<std::string>{"import file",
                                      "question: N1: not in aircraft database. "
                                      "Confirm to create, Cancel to edit later.",
                                      "redraw", "error: Expected 2 entries, found 1 entries!\n",
                                      "import report"}));
  ASSERT_EQ(port.importReports.size(), 1u);
  EXPECT_EQ(port.importReports[0].rfind(
                "Import of " + path + "\nRecords read: 1 (the header says 2)\n", 0),
            0u);
}

}  // namespace

namespace {

// A 1,000-record file with faults planted at known lines, and what the
// report must say about it.
struct PlantedFile {
  std::string text;
  std::vector<std::int64_t> warningLines;
  std::vector<std::int64_t> duplicateLines;
  std::int64_t flightsOf77Z = 0;
  std::int64_t flightsOf88Y = 0;
};

PlantedFile MakePlantedFile(CAerodexDoc& doc) {
  PlantedFile planted;
  std::int64_t line = 0;
  auto add = [&](const std::string& text) {
    planted.text += text + "\n";
    return ++line;
  };
  add("1003");  // three more than the file holds
  add("^Jane Doe^");
  add("^12 Main St^");
  add("1 2 3 4");
  for (int i = 0; i < 1000; ++i) {
    if (i % 37 == 0) add("# page " + std::to_string(i / 37));
    const std::string nNumber = i % 3 == 0 ? "N1234X" : i % 3 == 1 ? "N77Z" : "88Y";
    if (i % 3 == 1) ++planted.flightsOf77Z;
    if (i % 3 == 2) ++planted.flightsOf88Y;
    const int day = 1 + i % 28, month = 1 + (i / 28) % 12, year = 1980 + i / 336;
    const std::int64_t first = add("^" + nNumber + "^");
    add(std::to_string(day) + " " + std::to_string(month) + " " + std::to_string(year));
    add("^KSJC^");
    add("^KMRY^");
    add("^V25^");
    if (i % 250 == 3) {
      planted.warningLines.push_back(add("1 0 1.2 none"));
    } else {
      add("1 0 1.2 0 0 0 1.3 1.2 0 0 0");
    }
    if (i % 100 == 7) {
      planted.warningLines.push_back(add("0 1"));
    } else {
      add("0 0 0 0 0 0 0");
    }
    add("^flight " + std::to_string(i) + "^");
    if (i % 200 == 50) {  // already in the log, typed in by hand
      auto known = MakeFlight(year, month, day, 1, nNumber[0] == 'N' ? nNumber.substr(1) : nNumber);
      doc.AppendEntry(std::move(known));
      planted.duplicateLines.push_back(first);
    }
  }
  return planted;
}

std::vector<std::int64_t> Lines(const std::vector<aerodex::import::CImportLine>& found) {
  std::vector<std::int64_t> lines;
  for (const auto& item : found) lines.push_back(item.line);
  return lines;
}

}  // namespace

TEST_F(TextImportTest, ReportCountsOnAThousandRecordsWithPlantedFaults) {
  doc.AppendAircraft(MakeAirplane("1234X"));
  const PlantedFile planted = MakePlantedFile(doc);
  const CImportReport report = Import(planted.text);
  EXPECT_EQ(report.status, ImportStatus::kCompleted);
  EXPECT_EQ(report.found, 1000);
  EXPECT_EQ(report.flightsAdded, 1000);
  EXPECT_EQ(doc.EntryCount(), 1005u);
  EXPECT_EQ(port.errors, std::vector<std::string>{"Expected 1003 entries, found 1000 entries!\n"});
  // Asked for every flight of the two missing aircraft.
  EXPECT_EQ(port.questions.size(), planted.flightsOf77Z + planted.flightsOf88Y);
  std::vector<std::int64_t> warnings = planted.warningLines;
  std::sort(warnings.begin(), warnings.end());
  EXPECT_EQ(warnings.size(), 14u);
  EXPECT_EQ(Lines(report.warnings), warnings);
  EXPECT_EQ(Lines(report.duplicates), planted.duplicateLines);
  ASSERT_EQ(report.missingAircraft.size(), 2u);
  EXPECT_EQ(report.missingAircraft[0].nNumber, "77Z");
  EXPECT_EQ(report.missingAircraft[0].flights, planted.flightsOf77Z);
  EXPECT_EQ(report.missingAircraft[1].nNumber, "88Y");
  EXPECT_EQ(report.missingAircraft[1].flights, planted.flightsOf88Y);
  const std::string text = aerodex::import::RenderImportReport(report);
  EXPECT_NE(text.find("Records read: 1000 (the header says 1003)\n"), std::string::npos);
  EXPECT_NE(text.find("Warnings: 14\n"), std::string::npos);
}
