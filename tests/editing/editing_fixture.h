// SPDX-License-Identifier: GPL-3.0-or-later
// A log with one aircraft, a fixed "today" and a scripted user, shared by the
// editing tests.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editing/entry_form.h"
#include "model/clock.h"
#include "model/document.h"
#include "support/log_builders.h"
#include "support/scripted_port.h"

class EditingTest : public ::testing::Test {
 protected:
  EditingTest() {
    doc.pilot.baseAirport = "KRHV";
    doc.AppendAircraft(MakeAirplane("12345"));
  }

  // A flight that passes every rule in aircraft 12345.
  static void ValidFlight(CEntryDlg& f) {
    f.nNumber = "12345";
    f.departure = "KSJC";
    f.arrival = "KMRY";
    f.remarks = "Pattern work";
    f.dayHours = 1.2;
    f.picHours = 1.2;
    f.dayLandings = 3;
  }

  // The transcript without the redraw requests.
  std::vector<std::string> Said() const {
    std::vector<std::string> lines;
    for (const auto& line : port.transcript) {
      if (line != "redraw") lines.push_back(line);
    }
    return lines;
  }

  aerodex::FixedClock clock{aerodex::ParseLocalTime("1998-03-15 12:00:00").value()};
  ScriptedPort port;
  CAerodexDoc doc{&port, &clock};
};
