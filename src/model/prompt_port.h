// SPDX-License-Identifier: GPL-3.0-or-later
// CPromptPort: what the document needs from the user interface around it:
// the error prompt, the confirmation prompt and the redraw request. The Qt
// application, aerodex-cli and the tests each provide one; the editing layer
// widens it into the full interaction port with the forms.
#pragma once

#include <cstdio>
#include <string>

class CPromptPort {
 public:
  virtual ~CPromptPort() = default;
  // Shows a message and waits until the user dismisses it.
  virtual void ShowError(const std::string& message) = 0;
  // True when the user confirmed, false on Cancel or Escape.
  virtual bool AskConfirmation(const std::string& message) = 0;
  // Asks every view of the document to redraw.
  virtual void UpdateAllViews() {}
};

// The document's own port when it is given none: errors go to standard
// error, questions are answered with Cancel (as CCancellingPort does for the
// whole interaction port). Texts are Windows-1252 bytes.
class CStderrPromptPort : public CPromptPort {
 public:
  void ShowError(const std::string& message) override;
  bool AskConfirmation(const std::string& message) override;
};

// Writes a Windows-1252 message to out as one UTF-8 line; a message that
// ends in its own newline gets no second one.
void WriteMessageLine(std::FILE* out, const std::string& message);
