// SPDX-License-Identifier: GPL-3.0-or-later
// The currency check: which privileges the pilot record and the flights still
// allow, and until when. ComputeCurrency is pure (document and instant in,
// seven lines out) so the dialog, aerodex-cli and the tests share it;
// OnCheckCurrency is the command that shows the lines through the port.
#pragma once

#include <ctime>
#include <optional>

#include "editing/interaction_port.h"
#include "model/document.h"

namespace aerodex::stats {

inline constexpr const char* kCurrencyNotReady =
    "Pilot information not initialized or aerodex not loaded!";

// The seven lines at the instant now, with that day and the working behind
// them, or nothing when the pilot's birth year is 0 or the log holds no
// flights (the message above is then due).
std::optional<CCurrencyDlg> ComputeCurrency(const CAerodexDoc& doc, std::time_t now);

// The report as of a calendar day, computed at noon local time of that day
// (as aerodex-cli's --now would); empty when the check cannot run.
CCurrencyDlg CurrencyAsOf(const CAerodexDoc& doc, const LocalDate& day);

}  // namespace aerodex::stats

// The Check Currency command: reads the clock once, then shows the form or
// the one failure message; the form's "As of" date recomputes through
// CurrencyAsOf. Never changes the document.
void OnCheckCurrency(const CAerodexDoc& doc, CInteractionPort& port);
