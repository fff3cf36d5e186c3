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

// The seven lines at the instant now, or nothing when the pilot's birth year
// is 0 or no entry is selected (the message above is then due).
std::optional<CCurrencyDlg> ComputeCurrency(const CAerodexDoc& doc, std::time_t now);

}  // namespace aerodex::stats

// The Check Currency command: reads the clock once, then shows the form or
// the one failure message. Never changes the document.
void OnCheckCurrency(const CAerodexDoc& doc, CInteractionPort& port);
