// SPDX-License-Identifier: GPL-3.0-or-later
// A prompt port for tests: records every message and answers confirmations
// from a script (Cancel once the script runs out).
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "model/prompt_port.h"

class RecordingPromptPort : public CPromptPort {
 public:
  void ShowError(const std::string& message) override { errors.push_back(message); }
  bool AskConfirmation(const std::string& message) override {
    questions.push_back(message);
    if (answers.empty()) return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void UpdateAllViews() override { ++redraws; }

  std::vector<std::string> errors;
  std::vector<std::string> questions;
  std::deque<bool> answers;
  int redraws = 0;
};
