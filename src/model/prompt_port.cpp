#include "model/prompt_port.h"

#include <cstdio>

#include "model/codepage.h"

void CStderrPromptPort::ShowError(const std::string& message) {
  std::fprintf(stderr, "%s\n", aerodex::Cp1252ToUtf8(message).c_str());
}

bool CStderrPromptPort::AskConfirmation(const std::string& message) {
  std::fprintf(stderr, "%s\n", aerodex::Cp1252ToUtf8(message).c_str());
  return false;
}
