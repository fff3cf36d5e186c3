// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/document.h"

#include <algorithm>
#include <new>

namespace {
CStderrPromptPort& FallbackPort() {
  static CStderrPromptPort port;
  return port;
}
}  // namespace

CAerodexDoc::CAerodexDoc(CPromptPort* port, const aerodex::Clock* clock, CProgramRun* run)
    : port_(port ? port : &FallbackPort()),
      clock_(clock ? clock : &aerodex::DefaultClock()),
      run_(run ? run : &ownRun_) {}

CAerodexDoc::~CAerodexDoc() = default;

bool CAerodexDoc::GrowEntryArray(std::uint32_t n) {
  const std::uint64_t capacity = (std::uint64_t{n} & ~std::uint64_t{0xFF}) + 256;
  std::unique_ptr<EntrySlot[]> grown;
  if (!failAllocation_ && capacity <= UINT32_MAX) {
    grown.reset(new (std::nothrow) EntrySlot[capacity]);
  }
  if (!grown) {
    // Ending the process here would throw away the user's unsaved flights;
    // the caller refuses the one append instead.
    ShowError("Could not allocate memory for Entry Array! Aborting program...");
    return false;
  }
  for (std::uint32_t i = 0; i < entryCount_; ++i) grown[i] = std::move(entries_[i]);
  entries_ = std::move(grown);
  entryCapacity_ = static_cast<std::uint32_t>(capacity);
  return true;
}

bool CAerodexDoc::AppendEntry(std::unique_ptr<CAerodexEntry> entry) {
  if (entryCount_ >= entryCapacity_ && !GrowEntryArray(entryCount_ + 1)) return false;
  selectedEntry = entry.get();
  entries_[entryCount_++] = std::move(entry);
  // Told once by the caller when the whole change is made: an import appends
  // thousands of flights.
  modified_ = true;
  ++revision_;
  return true;
}

long CAerodexDoc::IndexOfEntry(const CAerodexEntry* entry) const {
  for (std::uint32_t i = 0; i < entryCount_; ++i) {
    if (entries_[i].get() == entry) return static_cast<long>(i);
  }
  return -1;
}

void CAerodexDoc::RemoveEntry(const CAerodexEntry* entry) {
  const long index = IndexOfEntry(entry);
  if (index < 0) return;
  EntrySlot removed = std::move(entries_[index]);
  std::move(&entries_[index + 1], &entries_[entryCount_], &entries_[index]);
  --entryCount_;
  NoteChange();
}

void CAerodexDoc::SortEntries() {
  PutInLogOrder();
  Announce();
}

void CAerodexDoc::PutInLogOrder() {
  if (entryCount_ < 2) return;
  const auto inLogOrder = [](const EntrySlot& a, const EntrySlot& b) {
    return CompareEntries(*a, *b) < 0;
  };
  EntrySlot* begin = &entries_[0];
  EntrySlot* end = begin + entryCount_;
  // Logs are nearly always in order already (every change sorts); checking
  // first makes loading a large log much cheaper.
  EntrySlot* disorder = std::is_sorted_until(begin, end, inLogOrder);
  if (disorder == end) return;
  // A stable sort keeps flights of equal date and number in the order they
  // were stored, so saving a sorted log twice writes the same bytes. One new
  // or edited flight leaves two sorted runs, which a stable merge puts in
  // the same order in linear time.
  if (std::is_sorted(disorder, end, inLogOrder)) {
    std::inplace_merge(begin, disorder, end, inLogOrder);
  } else {
    std::stable_sort(begin, end, inLogOrder);
  }
  NoteChange();
}

CAirplane* CAerodexDoc::FindAircraft(const std::string& nNumber) const {
  for (const auto& airplane : aircraft_) {
    if (airplane->nNumber == nNumber) return airplane.get();
  }
  return nullptr;
}

void CAerodexDoc::AppendAircraft(std::unique_ptr<CAirplane> airplane) {
  aircraft_.push_back(std::move(airplane));
  NoteChange();
}

void CAerodexDoc::RemoveAircraftAt(std::size_t index) {
  if (index >= aircraft_.size()) return;
  aircraft_.erase(aircraft_.begin() + static_cast<long>(index));
  NoteChange();
}

void CAerodexDoc::InitializeOnce() {
  if (!run_->FirstTime()) return;
  scrollToSelection = 1;
  entries_.reset();
  entryCount_ = entryCapacity_ = 0;
  selectedEntry = nullptr;
  logWidth = pageWidth = 11000;
  logHeight = pageHeight = 8500;
  zoomFactor = 2;
  pilot.Reset();
  rowFont = {"Courier New", 100, false, 400, 0};
  smallRowFont = {"Courier New", 80, false, 400, 0};
  screenRowFont = rowFont;
  screenRowFont.stretch = 100 * smallRowFont.height / rowFont.height;
  headingFont = {"Times New Roman", 100, false, 700, 0};
  slantedHeadingFont = {"Times New Roman", 150, true, 700, -675};
  totalsPen = {20, {0, 0, 230}};
  placeholderAircraft = CAirplane("  --  ");
}

void CAerodexDoc::DeleteContents() {
  InitializeOnce();
  ++revision_;
  aircraft_.clear();
  if (entryCount_ > 0) {
    entries_.reset();
    entryCount_ = entryCapacity_ = 0;
  }
  selectedEntry = nullptr;
  Announce();
}

void CAerodexDoc::OnNewDocument() {
  InitializeOnce();
  DeleteContents();
  SetModifiedFlag(false);
}

void CAerodexDoc::ShowError(std::string message) { port_->ShowError(message); }

bool CAerodexDoc::AskConfirmation(std::string message) { return port_->AskConfirmation(message); }

void CAerodexDoc::SetModifiedFlag(bool isModified) {
  modified_ = isModified;
  if (isModified) ++revision_;
  Announce();
}

void CAerodexDoc::UpdateAllViews() {
  port_->UpdateAllViews();
  Announce();
}

void CAerodexDoc::AddListener(CDocumentListener* listener) {
  if (std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end()) {
    listeners_.push_back(listener);
  }
}

void CAerodexDoc::RemoveListener(CDocumentListener* listener) { std::erase(listeners_, listener); }

void CAerodexDoc::Announce() const {
  // A copy, so that a listener may remove itself while being told.
  const std::vector<CDocumentListener*> told = listeners_;
  for (CDocumentListener* listener : told) listener->DocumentChanged(*this);
}

void CAerodexDoc::SetPort(CPromptPort* newPort) { port_ = newPort ? newPort : &FallbackPort(); }

void CAerodexDoc::SetClock(const aerodex::Clock* newClock) {
  clock_ = newClock ? newClock : &aerodex::DefaultClock();
}
