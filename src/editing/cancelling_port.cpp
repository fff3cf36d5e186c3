// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/cancelling_port.h"

void CCancellingPort::ShowError(const std::string& message) {
  if (messages_) WriteMessageLine(messages_, message);
}

bool CCancellingPort::AskConfirmation(const std::string& message) {
  if (messages_) WriteMessageLine(messages_, message);
  return false;
}
