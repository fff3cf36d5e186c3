// SPDX-License-Identifier: GPL-3.0-or-later
// ScriptedPort: a CInteractionPort that plays a user from a script and
// records, in order, everything the program shows or asks.
//
// The script is one queue of actions per form kind ("press OK after typing
// these values", "press Cancel"), one queue of answers to confirmation
// questions and one of file choices. A form, question or file dialog met
// after its queue ran out is answered with Cancel and counted in
// `unscripted`, so a rule that reopens a form forever still ends.
//
// On OK the port does what a dialog does: it shows every field of the form
// as text and reads it back through the form's field checks. A failing check
// is recorded as "field check: <message>", the form stays open with the
// user's values, and the next action of that form's queue is played.
//
// The transcript holds one line per event: "entry form", "aircraft form",
// "N-Number prompt", "aircraft list", "pilot form", "currency", "aircraft
// status", "import file", "import report", "error: <message>", "question: <message>",
// "field check: <message>", "redraw".
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "editing/aircraft_forms.h"
#include "editing/entry_form.h"
#include "editing/form_fields.h"
#include "editing/interaction_port.h"
#include "editing/pilot_form.h"

class ScriptedPort : public CInteractionPort {
 public:
  template <class Form>
  using Edit = std::function<void(Form&)>;

  // --- the script ---
  ScriptedPort& OkEntry(Edit<CEntryDlg> edit = {}) { return Queue(entryScript, true, edit); }
  ScriptedPort& CancelEntry() { return Queue(entryScript, false, Edit<CEntryDlg>{}); }
  ScriptedPort& OkAircraft(Edit<CAircraftDlg> edit = {}) {
    return Queue(aircraftScript, true, edit);
  }
  ScriptedPort& CancelAircraft() { return Queue(aircraftScript, false, Edit<CAircraftDlg>{}); }
  // Types this text into the N-Number box and presses OK.
  ScriptedPort& OkNNumber(std::string typed) {
    return Queue(nNumberScript, true,
                 Edit<CNNumberDlg>([typed](CNNumberDlg& f) { f.nNumber = typed; }));
  }
  // Presses OK on the prompt as shown (the text typed last time).
  ScriptedPort& OkNNumberAsShown() { return Queue(nNumberScript, true, Edit<CNNumberDlg>{}); }
  ScriptedPort& CancelNNumber() { return Queue(nNumberScript, false, Edit<CNNumberDlg>{}); }
  // Clicks the item at index (as the list's contract does), then OK.
  ScriptedPort& ChooseAircraft(long index) {
    return Queue(listScript, true,
                 Edit<CSelectAircraftDlg>([index](CSelectAircraftDlg& f) { f.Choose(index); }));
  }
  ScriptedPort& OkAircraftList() { return Queue(listScript, true, Edit<CSelectAircraftDlg>{}); }
  ScriptedPort& CancelAircraftList() {
    return Queue(listScript, false, Edit<CSelectAircraftDlg>{});
  }
  ScriptedPort& OkPilot(Edit<CPilotInfoDlg> edit = {}) { return Queue(pilotScript, true, edit); }
  ScriptedPort& CancelPilot() { return Queue(pilotScript, false, Edit<CPilotInfoDlg>{}); }
  // The answer to the next confirmation question.
  ScriptedPort& Answer(bool confirm) {
    answers.push_back(confirm);
    return *this;
  }
  // The next file dialog: a path, or nothing for Cancel.
  ScriptedPort& ChooseFile(std::optional<std::string> path) {
    files.push_back(std::move(path));
    return *this;
  }

  // True when every scripted action was played and nothing went unscripted.
  bool ScriptDone() const {
    return unscripted == 0 && entryScript.empty() && aircraftScript.empty() &&
           nNumberScript.empty() && listScript.empty() && pilotScript.empty() && answers.empty() &&
           files.empty();
  }

  // --- what the program showed, in order ---
  std::vector<std::string> transcript;
  std::vector<std::string> errors;
  std::vector<std::string> questions;
  std::vector<std::string> fieldCheckMessages;
  // Each form as it was when shown.
  std::vector<CEntryDlg> entryForms;
  std::vector<CAircraftDlg> aircraftForms;
  std::vector<CNNumberDlg> nNumberPrompts;
  std::vector<CSelectAircraftDlg> aircraftLists;
  std::vector<CPilotInfoDlg> pilotForms;
  std::vector<CCurrencyDlg> currencyReports;
  std::vector<CAircraftStatsDlg> statusReports;
  std::vector<std::string> importReports;
  int redraws = 0;
  int unscripted = 0;

  // --- CInteractionPort ---
  void ShowError(const std::string& message) override {
    transcript.push_back("error: " + message);
    errors.push_back(message);
  }
  bool AskConfirmation(const std::string& message) override {
    transcript.push_back("question: " + message);
    questions.push_back(message);
    if (answers.empty()) {
      ++unscripted;
      return false;
    }
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void UpdateAllViews() override {
    transcript.push_back("redraw");
    ++redraws;
  }
  bool ShowEntryForm(CEntryDlg& form) override {
    return Play("entry form", entryScript, entryForms, form);
  }
  bool ShowAircraftForm(CAircraftDlg& form) override {
    return Play("aircraft form", aircraftScript, aircraftForms, form);
  }
  bool ShowNNumberPrompt(CNNumberDlg& form) override {
    return Play("N-Number prompt", nNumberScript, nNumberPrompts, form);
  }
  bool ShowAircraftList(CSelectAircraftDlg& form) override {
    return Play("aircraft list", listScript, aircraftLists, form);
  }
  bool ShowPilotForm(CPilotInfoDlg& form) override {
    return Play("pilot form", pilotScript, pilotForms, form);
  }
  void ShowCurrency(const CCurrencyDlg& report) override {
    transcript.push_back("currency");
    currencyReports.push_back(report);
  }
  void ShowAircraftStatus(const CAircraftStatsDlg& report) override {
    transcript.push_back("aircraft status");
    statusReports.push_back(report);
  }
  void ShowImportReport(const std::string& report) override {
    transcript.push_back("import report");
    importReports.push_back(report);
  }
  bool ChooseImportFile(std::string& path) override {
    transcript.push_back("import file");
    if (files.empty()) {
      ++unscripted;
      return false;
    }
    std::optional<std::string> choice = std::move(files.front());
    files.pop_front();
    if (!choice) return false;
    path = *choice;
    return true;
  }

 private:
  template <class Form>
  struct Action {
    bool ok = false;
    Edit<Form> edit;
  };

  template <class Form>
  ScriptedPort& Queue(std::deque<Action<Form>>& script, bool ok, Edit<Form> edit) {
    script.push_back({ok, std::move(edit)});
    return *this;
  }

  template <class Form>
  bool Play(const char* name, std::deque<Action<Form>>& script, std::vector<Form>& shown,
            Form& form) {
    transcript.push_back(name);
    shown.push_back(form);
    Form typed = form;  // what the boxes hold; the form data changes only on OK
    for (;;) {
      if (script.empty()) {
        ++unscripted;
        return false;
      }
      Action<Form> action = std::move(script.front());
      script.pop_front();
      if (!action.ok) return false;
      if (action.edit) action.edit(typed);
      if (PassesFieldChecks(typed)) {
        form = std::move(typed);
        return true;
      }
    }
  }

  template <class Form>
  bool PassesFieldChecks(Form& form) {
    if constexpr (requires { Form::Fields(); }) {
      if (auto failure = aerodex::RoundTripFields(Form::Fields(), form)) {
        transcript.push_back("field check: " + failure->message);
        fieldCheckMessages.push_back(failure->message);
        return false;
      }
    }
    return true;
  }

  std::deque<Action<CEntryDlg>> entryScript;
  std::deque<Action<CAircraftDlg>> aircraftScript;
  std::deque<Action<CNNumberDlg>> nNumberScript;
  std::deque<Action<CSelectAircraftDlg>> listScript;
  std::deque<Action<CPilotInfoDlg>> pilotScript;
  std::deque<bool> answers;
  std::deque<std::optional<std::string>> files;
};
