// SPDX-License-Identifier: GPL-3.0-or-later
// A document on a fixed clock (5 March 2024, local noon) with a recording
// prompt port, plus a view, a screen and a host, for the display tests.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "display/log_page.h"
#include "display/log_view.h"
#include "model/clock.h"
#include "model/document.h"
#include "support/recording_host.h"
#include "support/recording_port.h"
#include "support/recording_surface.h"

class DisplayTest : public ::testing::Test {
 protected:
  DisplayTest() { doc.OnNewDocument(); }

  // A one-hour local flight with nothing optional filled in.
  static std::unique_ptr<CAerodexEntry> Flight(int year, int month, int day,
                                               const std::string& nNumber = "12345") {
    auto e = std::make_unique<CAerodexEntry>();
    e->year = year;
    e->month = month;
    e->day = day;
    e->nNumber = nNumber;
    e->departure = "KSJC";
    e->arrival = "KSJC";
    e->remarks = "Local";
    e->dayLandings = 1;
    e->dayHours = 1.0;
    return e;
  }
  CAerodexEntry& Add(std::unique_ptr<CAerodexEntry> entry) {
    CAerodexEntry& added = *entry;
    doc.AppendEntry(std::move(entry));
    doc.SortEntries();
    return added;
  }
  CAirplane& AddAircraft(const std::string& nNumber, bool single = true, double cost = 0) {
    auto a = std::make_unique<CAirplane>(nNumber);
    a->isAirplane = 1;
    a->isSingleEngine = single ? 1 : 0;
    a->isMultiEngine = single ? 0 : 1;
    a->hourlyCost = cost;
    CAirplane& added = *a;
    doc.AppendAircraft(std::move(a));
    return added;
  }
  // The texts drawn with their top at y, by x.
  static std::map<int, std::string> RowTexts(const RecordingSurface& surface, int y) {
    std::map<int, std::string> row;
    for (const SurfaceOp& op : surface.Texts()) {
      if (op.y == y) row[op.x] = op.text;
    }
    return row;
  }
  void Draw(aerodex::CSurface& surface) { view.OnDraw(surface, host); }

  RecordingPromptPort port;
  aerodex::FixedClock clock{*aerodex::ParseLocalTime("2024-03-05 12:00:00")};
  CAerodexDoc doc{&port, &clock};
  aerodex::CLogView view{doc};
  RecordingSurface screen;
  RecordingHost host;
};
