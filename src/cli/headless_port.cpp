#include "cli/headless_port.h"

#include <cstdio>

#include "model/codepage.h"

namespace aerodex::cli {
namespace {
// One message per line; a message that ends in its own newline gets no second one.
void PrintLine(const std::string& cp1252) {
  const std::string text = Cp1252ToUtf8(cp1252);
  const bool ownNewline = !text.empty() && text.back() == '\n';
  std::fprintf(stderr, ownNewline ? "%s" : "%s\n", text.c_str());
}
}  // namespace

void CHeadlessPort::ShowError(const std::string& message) { PrintLine(message); }

bool CHeadlessPort::AskConfirmation(const std::string& message) {
  PrintLine(message);
  return false;
}

bool CHeadlessPort::ShowEntryForm(CEntryDlg&) { return false; }
bool CHeadlessPort::ShowAircraftForm(CAircraftDlg&) { return false; }
bool CHeadlessPort::ShowNNumberPrompt(CNNumberDlg&) { return false; }
bool CHeadlessPort::ShowAircraftList(CSelectAircraftDlg&) { return false; }
bool CHeadlessPort::ShowPilotForm(CPilotInfoDlg&) { return false; }
void CHeadlessPort::ShowCurrency(const CCurrencyDlg&) {}
void CHeadlessPort::ShowAircraftStatus(const CAircraftStatsDlg&) {}
bool CHeadlessPort::ChooseImportFile(std::string&) { return false; }

}  // namespace aerodex::cli
