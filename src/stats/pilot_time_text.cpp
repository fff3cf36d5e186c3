// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>

#include "stats/month_index.h"
#include "stats/pilot_time_cells.h"

namespace aerodex::stats {
namespace {

constexpr int kLabelWidth = 36;

std::string Title(const PilotTimeReport& report) {
  return "Record of Pilot Time (FAA Form 8710-1), " + DateRangeText(report.dates);
}

int ColumnWidth(const PilotTimeRow& row) {
  return std::max(10, static_cast<int>(std::string(RowName(row.kind)).size()) + 2);
}

std::string CellLines(const PilotTimeReport& report) {
  std::string text = Format("%-*s", kLabelWidth, "");
  for (const PilotTimeRow& row : report.rows) {
    text += Format("%*s", ColumnWidth(row), RowName(row.kind));
  }
  text += "\n";
  for (const PilotTimeColumn& column : PilotTimeColumns()) {
    std::string line = Format("%-*s", kLabelWidth, column.heading);
    for (const PilotTimeRow& row : report.rows) {
      line += Format("%*s", ColumnWidth(row), CellText(row, column).c_str());
    }
    line.erase(line.find_last_not_of(' ') + 1);
    text += line + "\n";
  }
  return text;
}

std::string ClassLines(const PilotTimeReport& report) {
  std::string text = "\nTotals by class\n";
  const auto headings = ClassTotalsHeadings();
  text += Format("%-12s%10s%10s%10s%15s\n", headings[0].c_str(), headings[1].c_str(),
                 headings[2].c_str(), headings[3].c_str(), headings[4].c_str());
  for (const ClassTotals& totals : report.classTotals) {
    const auto cells = ClassTotalsCells(totals);
    text += Format("%-12s%10s%10s%10s%15s\n", cells[0].c_str(), cells[1].c_str(), cells[2].c_str(),
                   cells[3].c_str(), cells[4].c_str());
  }
  return text;
}

// "- " and the note in lines of at most 78 characters, continued under its text.
std::string NoteLines(const std::string& note) {
  constexpr std::size_t kWidth = 76;
  std::string text, rest = note, prefix = "- ";
  while (rest.size() > kWidth) {
    std::size_t cut = rest.rfind(' ', kWidth);
    if (cut == std::string::npos || cut == 0) cut = kWidth;
    text += prefix + rest.substr(0, cut) + "\n";
    rest.erase(0, rest.find_first_not_of(' ', cut));
    prefix = "  ";
  }
  return text + prefix + rest + "\n";
}

std::string Tabbed(const std::vector<std::string>& cells) {
  std::string line;
  for (std::size_t i = 0; i < cells.size(); ++i) line += (i ? "\t" : "") + cells[i];
  return line + "\n";
}

}  // namespace

std::string PilotTimeText(const PilotTimeReport& report) {
  std::string text = Title(report) + "\n\n";
  if (report.rows.empty()) {
    text += "No flights in this range.\n";
  } else {
    text += CellLines(report);
  }
  if (!report.classTotals.empty()) text += ClassLines(report);
  text += "\nNotes\n";
  for (const std::string& note : report.notes) text += NoteLines(note);
  return text;
}

std::string PilotTimeTabs(const PilotTimeReport& report) {
  std::string text = Title(report) + "\n";
  std::vector<std::string> headings = {""};
  for (const PilotTimeColumn& column : PilotTimeColumns()) headings.push_back(column.heading);
  text += Tabbed(headings);
  for (const PilotTimeRow& row : report.rows) {
    std::vector<std::string> cells = {RowName(row.kind)};
    for (const PilotTimeColumn& column : PilotTimeColumns()) cells.push_back(CellText(row, column));
    text += Tabbed(cells);
  }
  text += "\n" + Tabbed(ClassTotalsHeadings());
  for (const ClassTotals& totals : report.classTotals) text += Tabbed(ClassTotalsCells(totals));
  text += "\n";
  for (const std::string& note : report.notes) text += note + "\n";
  return text;
}

}  // namespace aerodex::stats
