// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/prompt_port.h"

#include "model/codepage.h"

void WriteMessageLine(std::FILE* out, const std::string& message) {
  const std::string text = aerodex::Cp1252ToUtf8(message);
  const bool ownNewline = !text.empty() && text.back() == '\n';
  std::fprintf(out, ownNewline ? "%s" : "%s\n", text.c_str());
}

void CStderrPromptPort::ShowError(const std::string& message) { WriteMessageLine(stderr, message); }

bool CStderrPromptPort::AskConfirmation(const std::string& message) {
  WriteMessageLine(stderr, message);
  return false;
}
