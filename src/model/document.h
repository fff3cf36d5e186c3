// SPDX-License-Identifier: GPL-3.0-or-later
// CAerodexDoc: the one flight log open in the program. It owns the pilot
// record, the aircraft database and the entries (always sorted in log order
// after a load, creation, edit or import), the selection and the page
// geometry that the log view keeps in it. Talk with the user goes through
// the CPromptPort given to it; "now" comes from its clock.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "model/airplane.h"
#include "model/clock.h"
#include "model/document_listener.h"
#include "model/drawing_resources.h"
#include "model/entry.h"
#include "model/pilot.h"
#include "model/program_run.h"
#include "model/prompt_port.h"

struct CExtent {
  int cx = 0;
  int cy = 0;
  bool operator==(const CExtent&) const = default;
};

class CAerodexDoc {
 public:
  using EntrySlot = std::unique_ptr<CAerodexEntry>;

  // A null run makes the document a run of its own.
  explicit CAerodexDoc(CPromptPort* port = nullptr, const aerodex::Clock* clock = nullptr,
                       CProgramRun* run = nullptr);
  ~CAerodexDoc();
  CAerodexDoc(const CAerodexDoc&) = delete;
  CAerodexDoc& operator=(const CAerodexDoc&) = delete;

  // --- collections ---
  // Makes room for more than n entries: the capacity becomes n with its low 8
  // bits cleared, plus 256. False (after telling the user) when memory ran out;
  // the entries are then untouched.
  bool GrowEntryArray(std::uint32_t n);
  // Takes ownership, appends, selects and marks modified. The caller sorts
  // once its whole change is made, which tells the listeners.
  // False when the array could not grow: the entry is given back destroyed and
  // the log is unchanged.
  bool AppendEntry(std::unique_ptr<CAerodexEntry> entry);
  // Removes and destroys the entry if it is in the array (found by identity).
  void RemoveEntry(const CAerodexEntry* entry);
  // Puts the entries in log order (a change of order counts as a change) and
  // tells the listeners: every change to the flights ends here.
  void SortEntries();
  // The first aircraft whose N-Number equals nNumber byte for byte, or null.
  CAirplane* FindAircraft(const std::string& nNumber) const;
  void AppendAircraft(std::unique_ptr<CAirplane> airplane);
  void RemoveAircraftAt(std::size_t index);

  std::uint32_t EntryCount() const { return entryCount_; }
  std::uint32_t EntryCapacity() const { return entryCapacity_; }
  CAerodexEntry& Entry(std::size_t index) const { return *entries_[index]; }
  std::span<const EntrySlot> Entries() const { return {entries_.get(), entryCount_}; }
  std::size_t AircraftCount() const { return aircraft_.size(); }
  CAirplane& Aircraft(std::size_t index) const { return *aircraft_[index]; }
  // Index of an entry in the array, or -1.
  long IndexOfEntry(const CAerodexEntry* entry) const;

  // --- framework document ---
  // Once per run (see CProgramRun): the fonts, pen, page geometry and pilot.
  void InitializeOnce();
  // Empties the aircraft and entries; keeps the pilot record, lastNNumber,
  // page geometry and drawing resources.
  void DeleteContents();
  // New: a fresh empty log that keeps the pilot and lastNNumber.
  void OnNewDocument();
  bool IsModified() const { return modified_; }
  void SetModifiedFlag(bool isModified = true);
  // Counts the changes to the log's contents: every change marks the log
  // modified, and clearing or loading it counts too. Whatever is derived from
  // the contents (a layout, a recovery snapshot) is stale once this moves.
  std::uint64_t Revision() const { return revision_; }
  // A change to the contents that does not mark the log modified (yet): a
  // form writing into a flight that it may put back on Cancel.
  void NoteChange() { ++revision_; }

  // --- talking to the user ---
  void ShowError(std::string message);
  bool AskConfirmation(std::string message);
  // Asks the views to redraw: the port's request and every listener's notice.
  void UpdateAllViews();
  // Listeners are told of every change (see CDocumentListener); not owned.
  void AddListener(CDocumentListener* listener);
  void RemoveListener(CDocumentListener* listener);
  CPromptPort& Port() const { return *port_; }
  void SetPort(CPromptPort* newPort);
  const aerodex::Clock& Clock() const { return *clock_; }
  void SetClock(const aerodex::Clock* newClock);

  // Test hook: makes the next allocations of the entry array fail.
  void SimulateAllocationFailure(bool fail) { failAllocation_ = fail; }

  // --- members of the log ---
  // Fonts and pen of the log page, made by InitializeOnce.
  CFontDesc rowFont;
  CFontDesc smallRowFont;
  // rowFont's em height on smallRowFont's character cell: the rows on screen
  // stay legible and every field keeps inside its column, as on paper.
  CFontDesc screenRowFont;
  CFontDesc headingFont;
  CFontDesc slantedHeadingFont;
  CPenDesc totalsPen;
  CAerodexEntry* selectedEntry = nullptr;
  int scrollToSelection = 0;
  CAirplane placeholderAircraft{"  --  "};
  CPilotInfo pilot;
  std::string lastNNumber;

  // Page geometry in logical units of 0.001 inch; kept across New and Open.
  int logWidth = 11000;
  int logHeight = 8500;
  int pageWidth = 11000;
  int pageHeight = 8500;
  int zoomFactor = 2;  // 2 normal size, 4 expanded
  CExtent baseViewportExtent;
  CExtent viewportExtent;
  CExtent windowExtent;

 private:
  void Announce() const;
  void PutInLogOrder();

  std::unique_ptr<EntrySlot[]> entries_;
  std::uint32_t entryCount_ = 0;
  std::uint32_t entryCapacity_ = 0;
  std::vector<std::unique_ptr<CAirplane>> aircraft_;
  std::vector<CDocumentListener*> listeners_;
  bool modified_ = false;
  std::uint64_t revision_ = 0;
  bool failAllocation_ = false;
  CPromptPort* port_;
  const aerodex::Clock* clock_;
  CProgramRun ownRun_;
  CProgramRun* run_;

  friend class CDocumentLoader;  // fills the entry slots while reading a file
};
