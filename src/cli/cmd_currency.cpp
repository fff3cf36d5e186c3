#include <iostream>
#include <string>

#include "cli/cli.h"
#include "model/codepage.h"
#include "stats/currency.h"

namespace aerodex::cli {

int RunCurrency(Args args, std::FILE* out) {
  const Command& self = FindCommand("currency");
  const NowOption option = TakeNowOption(args);
  if (!option.error.empty()) return UsageError(self, option.error);
  if (option.rest.size() != 1) return UsageError(self, "expects one log file");
  LoadedLog log = NewLog(option.now);
  if (!OpenLog(log, option.rest[0])) return kFailure;
  const auto lines = stats::ComputeCurrency(*log.doc, log.doc->Clock().Now());
  if (!lines) {
    std::cerr << stats::kCurrencyNotReady << '\n';
    return kFailure;
  }
  // The form's order, top to bottom; a line left empty prints as an empty line.
  for (const std::string* line : {&lines->medical1, &lines->medical2, &lines->medical3,
                                  &lines->bfr, &lines->oldIfr, &lines->newIfr, &lines->night}) {
    std::fprintf(out, "%s\n", Cp1252ToUtf8(*line).c_str());
  }
  return kOk;
}

}  // namespace aerodex::cli
