// SPDX-License-Identifier: GPL-3.0-or-later
// The whole job done as a pilot does it: the real main window and the real
// modal dialogs, commands given with their keys or menu items, every window
// that opens answered by typing into its boxes and pressing its buttons.
// Each scenario checks the log afterwards and every message shown, word for
// word. The clock is fixed at 15 November 2026, noon; settings, Qt's own
// dialog settings and every file live in temporary folders.
#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTemporaryDir>

#include "app/aerodex_view.h"
#include "app/command_ids.h"
#include "app/dialogs/report_dialogs.h"
#include "app/main_frame.h"
#include "app/recent_file_list.h"
#include "app_test_support.h"
#include "modal_user.h"
#include "model/document_archive.h"
#include "support/recording_surface.h"

using namespace aerodex;

// Every answered command must leave all its answers used and no window open.
#define VERIFY_ANSWERED()                                  \
  do {                                                     \
    QVERIFY2(user_.Done(), qPrintable(user_.Report()));    \
    QVERIFY(QApplication::activeModalWidget() == nullptr); \
  } while (false)

namespace {

const QString kEntryForm = QStringLiteral("Edit Aerodex Entry");
const QString kAircraftForm = QStringLiteral("Edit Aircraft Data");
const QString kError = QStringLiteral("Error");
const QString kConfirm = QStringLiteral("Please Confirm");

CAerodexEntry* FindFlight(const CAerodexDoc& doc, int month, int day, int year) {
  for (const auto& entry : doc.Entries()) {
    if (entry->month == month && entry->day == day && entry->year == year) return entry.get();
  }
  return nullptr;
}

bool InLogOrder(const CAerodexDoc& doc) {
  for (std::uint32_t i = 1; i < doc.EntryCount(); ++i) {
    if (CompareEntries(doc.Entry(i - 1), doc.Entry(i)) > 0) return false;
  }
  return true;
}

void PressOk(QDialog& window) { Click(window, QStringLiteral("OK")); }

}  // namespace

class EndToEndTest : public QObject {
  Q_OBJECT

 public:
  EndToEndTest() : clock_(*ParseLocalTime("2026-11-15 12:00:00")) {}

 private slots:
  void init();
  void cleanup();
  void newEntryCreatesTheMissingAircraft();
  void refusedEntryIsCorrectedInTheReopenedForm();
  void editEntryMovesTheFlightAndCancelRestoresIt();
  void deleteEntryAsksFirst();
  void newAircraftTakesTheNumberWithoutItsN();
  void aircraftListChoosesWhatToEditAndDelete();
  void pilotInfoIsRefusedUntilFilledThenHeadsThePage();
  void statisticsReportOnTheSampleAndRefuseAnEmptyLog();
  void importAppendsTheOldLogInDateOrder();
  void saveAsAndReopenGiveTheSameLog();

 private:
  bool Start(bool onSample);
  CAerodexDoc& Doc() { return app_->Document(); }
  CMainFrame& Frame() { return *app_->MainFrame(); }
  bool Enabled(int id) { return Frame().Router().Action(id)->isEnabled(); }
  // Presses Ctrl+key in the main window, as the user does.
  void Key(Qt::Key key);
  // Opens a menu and chooses an item; false when it is missing or greyed.
  bool Choose(const QString& menuTitle, const QString& itemText);
  // Selects a flight by clicking its row on the screen.
  bool ClickRow(const CAerodexEntry& entry);
  QString Path(const QString& name) const { return dir_->filePath(name); }

  FixedClock clock_;
  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<CAerodexApp> app_;
  ModalUser user_;
};

bool EndToEndTest::Start(bool onSample) {
  dir_ = std::make_unique<QTemporaryDir>();
  QStringList arguments;
  if (onSample) {
    if (!QFile::copy(SampleLogPath(), Path(QStringLiteral("sample.adx")))) return false;
    QFile::setPermissions(Path(QStringLiteral("sample.adx")), QFile::ReadOwner | QFile::WriteOwner);
    arguments << Path(QStringLiteral("sample.adx"));
  }
  UseOwnUserFolders(*dir_);
  CAerodexApp::Options options;
  options.settingsPath = Path(QStringLiteral("aerodex.ini"));
  // No dialogs given: the program's own Qt dialogs ask and choose files.
  options.showWindow = false;  // shown below, once sized
  app_ = std::make_unique<CAerodexApp>(options);
  Doc().SetClock(&clock_);
  if (!app_->InitInstance(arguments)) return false;
  Frame().resize(1100, 800);
  Frame().show();
  return QTest::qWaitForWindowActive(&Frame());
}

void EndToEndTest::init() {
  user_.Clear();
  user_.Start();
}

void EndToEndTest::cleanup() {
  user_.Stop();
  if (app_) Doc().SetModifiedFlag(false);
  app_.reset();
  dir_.reset();
}

void EndToEndTest::Key(Qt::Key key) {
  Frame().activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&Frame()));
  QTest::keyClick(&Frame(), key, Qt::ControlModifier);
}

bool EndToEndTest::Choose(const QString& menuTitle, const QString& itemText) {
  for (QAction* top : Frame().menuBar()->actions()) {
    if (top->text() != menuTitle || !top->menu()) continue;
    emit top->menu()->aboutToShow();  // the enabling rules run as the menu opens
    for (QAction* item : top->menu()->actions()) {
      if (item->text() != itemText) continue;
      if (!item->isEnabled()) return false;
      item->trigger();
      return true;
    }
  }
  return false;
}

bool EndToEndTest::ClickRow(const CAerodexEntry& entry) {
  CAerodexView& view = Frame().View();
  view.viewport()->repaint();
  view.viewport()->repaint();  // after the scroll the first pass may ask for
  const int factor = Doc().zoomFactor / 2;
  const double middle = (entry.rowTop + entry.rowBottom) / 2.0 * factor;
  const int y = static_cast<int>(-middle * view.viewport()->logicalDpiY() / 1000.0) -
                view.verticalScrollBar()->value();
  if (y <= 0 || y >= view.viewport()->height()) return false;
  QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(300, y));
  return Doc().selectedEntry == &entry;
}

void EndToEndTest::newEntryCreatesTheMissingAircraft() {
  QVERIFY(Start(false));
  QVERIFY(!Enabled(ID_EDIT_ENTRY) && !Enabled(ID_DELETE_ENTRY) && !Enabled(ID_EDIT_AIRCRAFT));
  QStringList defaults;
  QString nNumberOffered;
  user_.Expect(kEntryForm, [&](QDialog& form) {
    for (const char* box : {"month", "day", "year", "nNumber", "departure", "dayHours"}) {
      defaults << Shown(form, box);
    }
    Retype(form, "month", "3");
    Retype(form, "day", "14");
    Retype(form, "year", "2026");
    Retype(form, "nNumber", "4417p");
    Retype(form, "departure", "krhv");
    Retype(form, "arrival", "kmry");
    RetypeRemarks(form, "Pattern work at Monterey");
    Retype(form, "dayHours", "1.5");
    Retype(form, "picHours", "1.5");
    Retype(form, "dayLandings", "1");
    PressOk(form);
  });
  user_.Expect(kConfirm, [](QDialog& prompt) { Click(prompt, "Confirm"); });
  user_.Expect(kAircraftForm, [&](QDialog& form) {
    nNumberOffered = Shown(form, "nNumber");
    Retype(form, "make", "cessna");
    Retype(form, "model", "172n");
    Tick(form, "isAirplane");
    Tick(form, "isSingleEngine");
    PressOk(form);
  });
  Key(Qt::Key_L);
  VERIFY_ANSWERED();
  // A new log: today's date from the clock, no aircraft, no base airport yet.
  QCOMPARE(defaults, (QStringList{"11", "15", "2026", "", "", "0"}));
  QCOMPARE(nNumberOffered, QStringLiteral("4417P"));
  QCOMPARE(user_.messages, QStringList{"Please Confirm: N4417P: not in aircraft database. "
                                       "Confirm to create, Cancel to re-edit."});

  CAerodexDoc& doc = Doc();
  QCOMPARE(doc.EntryCount(), 1u);
  const CAerodexEntry& flight = doc.Entry(0);
  QCOMPARE(flight.nNumber, std::string("4417P"));
  QCOMPARE(QList<int>({flight.month, flight.day, flight.year}), QList<int>({3, 14, 2026}));
  QCOMPARE(flight.departure + " " + flight.arrival, std::string("KRHV KMRY"));
  QCOMPARE(flight.remarks, std::string("Pattern work at Monterey"));
  QCOMPARE(flight.dayHours, 1.5);
  QCOMPARE(flight.picHours, 1.5);
  QCOMPARE(flight.dayLandings, 1);
  QCOMPARE(doc.selectedEntry, &flight);
  QVERIFY(doc.IsModified());
  QCOMPARE(doc.lastNNumber, std::string("4417P"));
  QCOMPARE(doc.AircraftCount(), std::size_t{1});
  const CAirplane& cessna = doc.Aircraft(0);
  QCOMPARE(cessna.make + " " + cessna.model, std::string("CESSNA 172N"));
  QVERIFY(cessna.isAirplane && cessna.isSingleEngine && !cessna.isMultiEngine);
  QVERIFY(Enabled(ID_EDIT_ENTRY) && Enabled(ID_DELETE_ENTRY));
  QVERIFY(Enabled(ID_EDIT_AIRCRAFT) && Enabled(ID_DELETE_AIRCRAFT));
  // The window redraws by itself and places the new row.
  QTRY_VERIFY(flight.rowBottom < flight.rowTop);
}

void EndToEndTest::refusedEntryIsCorrectedInTheReopenedForm() {
  QVERIFY(Start(true));
  CAerodexDoc& doc = Doc();
  const std::uint32_t before = doc.EntryCount();
  double highestTach = 0;
  for (const auto& entry : doc.Entries()) {
    if (entry->nNumber == "5432K") highestTach = std::max(highestTach, entry->endTach);
  }
  const QString startTach = QString::number(highestTach, 'g', 15);
  QStringList offered, reopened;
  user_.Expect(kEntryForm, [&](QDialog& form) {
    for (const char* box : {"nNumber", "startTach", "endTach", "departure", "arrival"}) {
      offered << Shown(form, box);
    }
    Retype(form, "endTach", QString::number(highestTach + 1.6, 'f', 1));
    Retype(form, "dayHours", "1.4");
    Retype(form, "dayLandings", "2");
    Retype(form, "ilsApproaches", "2");
    RetypeRemarks(form, "ILS 31R practice");
    PressOk(form);
  });
  user_.Expect(kError, PressOk);
  user_.Expect(kEntryForm, [&](QDialog& form) {
    for (const char* box : {"ilsApproaches", "dayHours", "simulatedInstrument"}) {
      reopened << Shown(form, box);
    }
    Retype(form, "simulatedInstrument", "1.1");
    PressOk(form);
  });
  // No pilot-in-command time either: assumed, and shown in the form again.
  user_.Expect(kError, PressOk);
  user_.Expect(kEntryForm, [&](QDialog& form) {
    reopened << Shown(form, "picHours") << Shown(form, "simulatedInstrument");
    PressOk(form);
  });
  Key(Qt::Key_L);
  VERIFY_ANSWERED();
  // The monitored aircraft last flown fills in its tachometer readings.
  QCOMPARE(offered, (QStringList{"5432K", startTach, startTach, "KRHV", "KRHV"}));
  QCOMPARE(user_.messages,
           (QStringList{"Error: Approaches logged without any actual or simulated IMC",
                        "Error: No hours for PIC/Dual. Assuming 1.4 hours"}));
  QCOMPARE(reopened, (QStringList{"2", "1.4", "0", "1.4", "1.1"}));
  QCOMPARE(doc.EntryCount(), before + 1);
  QVERIFY(InLogOrder(doc));
  const CAerodexEntry& flight = doc.Entry(doc.EntryCount() - 1);  // the newest date
  QCOMPARE(doc.selectedEntry, &flight);
  QCOMPARE(QList<int>({flight.month, flight.day, flight.year}), QList<int>({11, 15, 2026}));
  QCOMPARE(flight.ilsApproaches, 2);
  QCOMPARE(flight.simulatedInstrument, 1.1);
  QCOMPARE(flight.picHours, 1.4);
  QCOMPARE(flight.startTach, highestTach);
  QCOMPARE(flight.remarks, std::string("ILS 31R practice"));
}

void EndToEndTest::editEntryMovesTheFlightAndCancelRestoresIt() {
  QVERIFY(Start(true));
  CAerodexDoc& doc = Doc();
  CAerodexEntry* flight = FindFlight(doc, 9, 21, 2026);
  QVERIFY(flight);
  QVERIFY(ClickRow(*flight));
  const std::uint32_t count = doc.EntryCount();
  QStringList shown;
  user_.Expect(kEntryForm, [&](QDialog& form) {
    shown << Shown(form, "month") << Shown(form, "day") << Shown(form, "year");
    Retype(form, "month", "1");
    Retype(form, "day", "2");
    Retype(form, "year", "2023");
    PressOk(form);
  });
  Key(Qt::Key_E);
  VERIFY_ANSWERED();
  QCOMPARE(shown, (QStringList{"9", "21", "2026"}));
  QVERIFY(user_.messages.isEmpty());
  QCOMPARE(doc.EntryCount(), count);
  QCOMPARE(&doc.Entry(0), flight);  // the oldest flight now
  QCOMPARE(doc.selectedEntry, flight);
  QVERIFY(InLogOrder(doc));

  // A refused change, then Cancel: the flight is as it was, field for field.
  const std::string before = SaveDocument(doc);
  user_.Expect(kEntryForm, [](QDialog& form) {
    Retype(form, "month", "12");
    Retype(form, "day", "25");
    Retype(form, "dayHours", "0.5");
    Retype(form, "actualInstrument", "3");
    Retype(form, "route", "LOST");
    PressOk(form);
  });
  user_.Expect(kError, PressOk);
  user_.Expect(kEntryForm, [](QDialog& form) { Click(form, "Cancel"); });
  Key(Qt::Key_E);
  VERIFY_ANSWERED();
  QCOMPARE(user_.messages,
           QStringList{"Error: Simulated and actual IMC hours exceed total hours flown!"});
  QVERIFY(SaveDocument(doc) == before);
  QCOMPARE(&doc.Entry(0), flight);
  QCOMPARE(doc.selectedEntry, flight);
}

void EndToEndTest::deleteEntryAsksFirst() {
  QVERIFY(Start(true));
  CAerodexDoc& doc = Doc();
  CAerodexEntry* flight = FindFlight(doc, 9, 21, 2026);
  QVERIFY(flight);
  QVERIFY(ClickRow(*flight));
  const std::uint32_t count = doc.EntryCount();
  const QString question = QStringLiteral(
      "Please Confirm: Do you really want to delete the entry dated 9/21/2026? "
      "Deletion cannot be undone...");
  // Escape is Cancel: nothing changes.
  user_.Expect(kConfirm, [](QDialog& prompt) { PressKey(prompt.focusWidget(), Qt::Key_Escape); });
  Key(Qt::Key_X);
  VERIFY_ANSWERED();
  QCOMPARE(doc.EntryCount(), count);
  QCOMPARE(doc.selectedEntry, flight);
  QVERIFY(!doc.IsModified());

  user_.Expect(kConfirm, [](QDialog& prompt) { Click(prompt, "Confirm"); });
  Key(Qt::Key_X);
  VERIFY_ANSWERED();
  QCOMPARE(doc.EntryCount(), count - 1);
  QVERIFY(!FindFlight(doc, 9, 21, 2026));
  QVERIFY(!doc.selectedEntry);
  QVERIFY(doc.IsModified());
  QVERIFY(Enabled(ID_EDIT_ENTRY) && Enabled(ID_DELETE_ENTRY));  // flights remain

  // With nothing selected both commands explain themselves.
  user_.Expect(kError, PressOk);
  Key(Qt::Key_X);
  user_.Expect(kError, [](QDialog& prompt) { PressKey(&prompt, Qt::Key_Escape); });
  Key(Qt::Key_E);
  VERIFY_ANSWERED();
  QCOMPARE(user_.messages,
           (QStringList{question, question,
                        "Error: You must select an entry to delete by clicking on it.",
                        "Error: You must first select an entry to edit!"}));
  QCOMPARE(doc.EntryCount(), count - 1);
}

void EndToEndTest::newAircraftTakesTheNumberWithoutItsN() {
  QVERIFY(Start(false));
  CAerodexDoc& doc = Doc();
  const QString prompt = QStringLiteral("Enter N Number for aircraft");
  QString offered, keptModel, retyped;
  user_.Expect(prompt, [](QDialog& window) {
    QTest::keyClicks(BoxOf(window, "nNumber"), QStringLiteral("n123"));
    PressOk(window);
  });
  user_.Expect(kAircraftForm, [&](QDialog& form) {
    offered = Shown(form, "nNumber");
    Retype(form, "make", "piper");
    Retype(form, "model", "pa-28");
    Tick(form, "isAirplane");
    PressOk(form);
  });
  user_.Expect(kError, PressOk);
  user_.Expect(kAircraftForm, [&](QDialog& form) {
    keptModel = Shown(form, "model");
    Tick(form, "isSingleEngine");
    PressOk(form);
  });
  Key(Qt::Key_A);
  VERIFY_ANSWERED();
  QCOMPARE(offered, QStringLiteral("123"));
  QCOMPARE(keptModel, QStringLiteral("PA-28"));
  QCOMPARE(doc.AircraftCount(), std::size_t{1});
  const CAirplane& piper = doc.Aircraft(0);
  QCOMPARE(piper.nNumber + " " + piper.make + " " + piper.model, std::string("123 PIPER PA-28"));
  QVERIFY(piper.isAirplane && piper.isSingleEngine);
  QCOMPARE(doc.lastNNumber, std::string("123"));

  // The same aircraft again: refused, and the prompt comes back as typed.
  user_.Expect(prompt, [](QDialog& window) {
    QTest::keyClicks(BoxOf(window, "nNumber"), QStringLiteral("N123"));
    PressOk(window);
  });
  user_.Expect(kError, PressOk);
  user_.Expect(prompt, [&](QDialog& window) {
    retyped = Shown(window, "nNumber");
    Click(window, "Cancel");
  });
  Key(Qt::Key_A);
  VERIFY_ANSWERED();
  QCOMPARE(retyped, QStringLiteral("N123"));
  QCOMPARE(doc.AircraftCount(), std::size_t{1});

  // Deleting the only aircraft greys Edit and Delete Aircraft out.
  user_.Expect(QStringLiteral("Select Aircraft"), PressOk);  // opens on the last-used one
  user_.Expect(kConfirm, [](QDialog& window) { Click(window, "Confirm"); });
  QVERIFY(Choose("&Aircraft", "&Delete Aircraft..."));
  VERIFY_ANSWERED();
  QCOMPARE(doc.AircraftCount(), std::size_t{0});
  QVERIFY(!Enabled(ID_EDIT_AIRCRAFT) && !Enabled(ID_DELETE_AIRCRAFT));
  QVERIFY(!Choose("&Aircraft", "&Edit Aircraft..."));
  QCOMPARE(
      user_.messages,
      (QStringList{"Error: Must specify single engine or multi-Engine for airplane",
                   "Error: That aircraft already exists in the data base!",
                   "Please Confirm: Are you sure you want to delete 123 from the database ?"}));
}

void EndToEndTest::aircraftListChoosesWhatToEditAndDelete() {
  QVERIFY(Start(true));
  CAerodexDoc& doc = Doc();
  QStringList listed;
  int preselected = -2;
  // Notes what the list shows, clicks a row (none for -1), presses OK.
  const auto pick = [&](int row) {
    return [&listed, &preselected, row](QDialog& window) {
      auto* list = window.findChild<QListWidget*>(QStringLiteral("aircraftList"));
      listed.clear();
      for (int i = 0; i < list->count(); ++i) listed << list->item(i)->text();
      const QList<QListWidgetItem*> selected = list->selectedItems();
      preselected = selected.isEmpty() ? -1 : list->row(selected.front());
      if (row >= 0) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
      }
      PressOk(window);
    };
  };
  QString offered;
  user_.Expect(QStringLiteral("Select Aircraft"), pick(1));
  user_.Expect(kAircraftForm, [&](QDialog& form) {
    offered = Shown(form, "nNumber") + " " + Shown(form, "model");
    Retype(form, "hourlyCost", "170");
    PressOk(form);
  });
  QVERIFY(Choose("&Aircraft", "&Edit Aircraft..."));
  VERIFY_ANSWERED();
  QCOMPARE(listed, (QStringList{"5432K", "738CP", "6017D", "3112T", "SIM1"}));  // database order
  QCOMPARE(preselected, 0);  // the log's last-used aircraft
  QCOMPARE(offered, QStringLiteral("738CP PA-28-181 ARCHER"));
  QCOMPARE(doc.Aircraft(1).hourlyCost, 170.0);
  QCOMPARE(doc.lastNNumber, std::string("738CP"));
  QVERIFY(doc.IsModified());

  // Delete: Cancel keeps it, Confirm removes it, and with the last-used
  // aircraft gone an OK without a choice does nothing.
  user_.Expect(QStringLiteral("Select Aircraft"), pick(-1));
  user_.Expect(kConfirm, [](QDialog& window) { Click(window, "Cancel"); });
  QVERIFY(Choose("&Aircraft", "&Delete Aircraft..."));
  user_.Expect(QStringLiteral("Select Aircraft"), pick(-1));
  user_.Expect(kConfirm, [](QDialog& window) { Click(window, "Confirm"); });
  QVERIFY(Choose("&Aircraft", "&Delete Aircraft..."));
  VERIFY_ANSWERED();
  QCOMPARE(preselected, 1);
  QCOMPARE(listed, (QStringList{"5432K", "738CP", "6017D", "3112T", "SIM1"}));
  QCOMPARE(doc.AircraftCount(), std::size_t{4});
  QCOMPARE(doc.Aircraft(1).nNumber, std::string("6017D"));
  user_.Expect(QStringLiteral("Select Aircraft"), pick(-1));
  QVERIFY(Choose("&Aircraft", "&Delete Aircraft..."));
  VERIFY_ANSWERED();
  QCOMPARE(preselected, -1);
  QCOMPARE(doc.AircraftCount(), std::size_t{4});
  const QString question =
      QStringLiteral("Please Confirm: Are you sure you want to delete 738CP from the database ?");
  QCOMPARE(user_.messages, (QStringList{question, question}));
}

void EndToEndTest::pilotInfoIsRefusedUntilFilledThenHeadsThePage() {
  QVERIFY(Start(false));
  const auto redPixels = [this] {
    const QImage screen = Frame().View().viewport()->grab().toImage();
    int red = 0;
    for (int y = 0; y < screen.height() / 4; ++y) {
      for (int x = 0; x < screen.width() / 2; ++x) {
        const QColor c = screen.pixelColor(x, y);
        red += c.red() > 150 && c.green() < 80 && c.blue() < 80;
      }
    }
    return red;
  };
  QCOMPARE(redPixels(), 0);  // no pilot block before the particulars exist
  QStringList shown;
  QString warningTitle;
  QMessageBox::Icon warningIcon = QMessageBox::NoIcon;
  user_.Expect(QStringLiteral("Edit Pilot Information"), [&](QDialog& form) {
    shown << Shown(form, "pilotName") << Shown(form, "licenseNumber") << Shown(form, "birthYear");
    PressOk(form);
  });
  user_.Expect(QStringLiteral("aerodex"), [&](QDialog& window) {
    auto& box = static_cast<QMessageBox&>(window);
    warningTitle = box.windowTitle();
    warningIcon = box.icon();
    Click(box.button(QMessageBox::Ok));
  });
  user_.ThenOnSameWindow(QStringLiteral("Edit Pilot Information"), [&](QDialog& form) {
    // The refused box has the form's focus, its whole text selected. (The
    // offscreen platform has no window manager to activate the form again.)
    QLineEdit* license = BoxOf(form, "licenseNumber");
    shown << (form.focusWidget() == license ? "focus on license" : "focus elsewhere")
          << license->selectedText();
    Retype(form, "pilotName", "Dana Whitfield");
    Retype(form, "address", "1450 Aviation Way, San Jose");
    Retype(form, "baseAirport", "krhv");
    Retype(form, "licenseNumber", "3456789");
    for (const auto& [month, year] : {std::pair{"bfrMonth", "bfrYear"},
                                      {"iccMonth", "iccYear"},
                                      {"medicalMonth", "medicalYear"}}) {
      Retype(form, month, "6");
      Retype(form, year, "2025");
    }
    Retype(form, "medicalClass", "3");
    Retype(form, "birthMonth", "4");
    Retype(form, "birthYear", "1979");
    for (const char* box :
         {"isPrivate", "ratedAirplane", "ratedSingleEngineLand", "ratedInstrumentAirplane"}) {
      Tick(form, box);
    }
    PressOk(form);
  });
  QVERIFY(Choose("&File", "&Edit Pilot Info"));
  VERIFY_ANSWERED();
  QCOMPARE(shown, (QStringList{"", "0", "0", "focus on license", "0"}));
  QCOMPARE(warningTitle, QStringLiteral("aerodex"));
  QCOMPARE(warningIcon, QMessageBox::Warning);
  QCOMPARE(user_.messages,
           QStringList{"aerodex: Please enter an integer between 1 and 999999999."});

  const CPilotInfo& pilot = Doc().pilot;
  QCOMPARE(pilot.pilotName, std::string("Dana Whitfield"));
  QCOMPARE(pilot.baseAirport, std::string("KRHV"));
  QCOMPARE(pilot.licenseNumber, 3456789);
  QCOMPARE(QList<int>({pilot.bfrMonth, pilot.iccYear, pilot.medicalClass, pilot.birthYear}),
           QList<int>({6, 2025, 3, 1979}));
  QVERIFY(pilot.isPrivate && pilot.ratedInstrumentAirplane && !pilot.isCommercial);
  QVERIFY(Doc().IsModified());
  // The page heading now carries the pilot block, on screen as in the layout.
  QTRY_VERIFY(redPixels() > 0);
  RecordingSurface surface;
  Frame().View().LogView().OnDraw(surface, Frame().View());
  QStringList texts;
  for (const SurfaceOp& op : surface.ops) {
    if (op.kind == SurfaceOp::kText) texts << QString::fromStdString(op.text);
  }
  for (const char* text : {"Dana Whitfield", "1450 Aviation Way, San Jose", "License # 3456789",
                           "Private Pilot, Instrument Rated"}) {
    QVERIFY2(texts.contains(QString::fromLatin1(text)), text);
  }
}

void EndToEndTest::statisticsReportOnTheSampleAndRefuseAnEmptyLog() {
  QVERIFY(Start(true));
  QStringList lines, headings;
  user_.Expect(QStringLiteral("Currency Check"), [&](QDialog& window) {
    auto& report = static_cast<CCurrencyDialog&>(window);
    lines = report.Lines();
    headings = report.Headings();
    Click(report.OkButton());
  });
  QVERIFY(Choose("&Statistics", "&Check Currency"));
  VERIFY_ANSWERED();
  QCOMPARE(headings,
           (QStringList{"Medical Currency", "BFR Currency", "IFR Currency (Pre-Aug. 4, 1997 Rules)",
                        "IFR Currency (Post-Aug. 4, 1997 Rules)", "Night Currency"}));
  QCOMPARE(lines,
           (QStringList{"You may perform operations requiring a Class 3 Medical Certificate until  "
                        "3/31/2027",
                        "", "", "Your next Biennial Flight Review is due on  6/30/2027",
                        "IFR currency will expire on  2/28/2027",
                        "IFR currency will expire on  2/28/2027",
                        "Not legal to carry passengers at night as of  1/24/2026"}));

  QString shownAircraft;
  user_.Expect(QStringLiteral("Aircraft Statistics"), [&](QDialog& window) {
    auto& report = static_cast<CAircraftStatsDialog&>(window);
    shownAircraft = report.NNumberShown();
    lines = report.Lines();
    PressKey(&report, Qt::Key_Escape);
  });
  QVERIFY(Choose("&Statistics", "&Aircraft Status"));
  VERIFY_ANSWERED();
  QCOMPARE(shownAircraft, QStringLiteral("5432K"));  // the one monitored aircraft
  QCOMPARE(lines, (QStringList{"This plane was flown 30.5 tach hours since the last oil change.",
                               "Annual inspection is due in 5 months.",
                               "This plane is 217.5 hours from TBO.",
                               "At 4 hrs/month ( 42 hrs/year) , TBO is estimated in 62 months."}));
  QVERIFY(!Doc().IsModified());
  QVERIFY(user_.messages.isEmpty());

  // A new log keeps the pilot but has no flight and no aircraft.
  Key(Qt::Key_N);
  QCOMPARE(Doc().EntryCount(), 0u);
  user_.Expect(kError, PressOk);
  QVERIFY(Choose("&Statistics", "&Check Currency"));
  user_.Expect(kError, PressOk);
  QVERIFY(Choose("&Statistics", "&Aircraft Status"));
  VERIFY_ANSWERED();
  QCOMPARE(user_.messages,
           (QStringList{"Error: Pilot information not initialized or aerodex not loaded!",
                        "Error: No aircraft was marked as 'Monitored/Owned'"}));
}

void EndToEndTest::importAppendsTheOldLogInDateOrder() {
  QVERIFY(Start(true));
  CAerodexDoc& doc = Doc();
  const std::uint32_t before = doc.EntryCount();
  const std::size_t aircraft = doc.AircraftCount();
  const QString oldLog = Path(QStringLiteral("n1234x.aerodex"));
  QVERIFY(WriteBytes(oldLog,
                     "# written by the Unix version\n"
                     "3\n^Dana Whitfield^\n^1450 Aviation Way^\n3456789 6 1995 3 1979\n"
                     "\n^N1234X^\n14 6 1996\n^KRHV^\n^KMRY^\n^KRHV SNS KMRY^\n"
                     "2 0 1.2 0.0 0.0 0.0 1.3 1.2 0.0 0.0 0.0\n0 0 0 0 0 0 0\n"
                     "^pattern work^\n"
                     "^N5432K^\n2 3 2024   # after the numbers\n^KRHV^\n^KSNS^\n^V25^\n"
                     "1 0 1.5 0.0 1.5 0.0 1.4 1.5 0.0 0.0 0.0\n0 2 0 0 0 0 0\n"
                     "^Salinas and back^\n"
                     "^1234X^\n1 1 1990\n^KSJC^\n^KSJC^\n^^\n"
                     "3 0 1.0 0.0 0.0 0.0 0.9 0.0 1.0 0.0 0.0\n0 0 0 0 0 0 0\n"
                     "^first lesson^\n"));
  QString preset;
  user_.Expect(QStringLiteral("Import from Unix"), [&](QDialog& window) {
    QLineEdit* name = window.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    preset = name->text();
    name->setText(oldLog);
    PressKey(name, Qt::Key_Return);
  });
  user_.Expect(kConfirm, [](QDialog& prompt) { Click(prompt, "Cancel"); });
  user_.Expect(kConfirm, [](QDialog& prompt) { PressKey(prompt.focusWidget(), Qt::Key_Escape); });
  QString report;
  user_.Expect(QStringLiteral("Import Report"), [&](QDialog& window) {
    report = window.findChild<QPlainTextEdit*>(QStringLiteral("report"))->toPlainText();
    PressOk(window);
  });
  QVERIFY(Choose("&File", "Import from Unix..."));
  VERIFY_ANSWERED();
  QVERIFY2(report.startsWith(QStringLiteral("Import of %1\nRecords read: 3 (as the header says)\n"
                                            "Flights added to the log: 3\n")
                                 .arg(oldLog)),
           qPrintable(report));
  QVERIFY(report.contains(QStringLiteral("\n  N1234X: 2 flights\n")));
  QCOMPARE(preset, QStringLiteral("*.aerodex"));
  const QString question = QStringLiteral(
      "Please Confirm: N1234X: not in aircraft database. Confirm to create, Cancel to edit later.");
  QCOMPARE(user_.messages, (QStringList{question, question}));  // asked again for the 3rd flight

  QCOMPARE(doc.EntryCount(), before + 3);
  QCOMPARE(doc.AircraftCount(), aircraft);
  QVERIFY(InLogOrder(doc));
  const CAerodexEntry& lesson = doc.Entry(0);  // 1990, older than the whole log
  const CAerodexEntry& pattern = doc.Entry(1);
  QCOMPARE(QList<int>({lesson.year, pattern.year}), QList<int>({1990, 1996}));
  QCOMPARE(lesson.nNumber + " " + pattern.nNumber, std::string("1234X 1234X"));
  QCOMPARE(lesson.route, std::string());
  QCOMPARE(lesson.remarks, std::string("first lesson"));
  QCOMPARE(lesson.dualHours, double(1.0f));
  QCOMPARE(pattern.tachTime, double(1.3f));
  QCOMPARE(pattern.route, std::string("KRHV SNS KMRY"));
  const CAerodexEntry* salinas = FindFlight(doc, 3, 2, 2024);
  QVERIFY(salinas);
  QCOMPARE(salinas->nNumber, std::string("5432K"));
  QCOMPARE(salinas->vorApproaches, 2);
  QCOMPARE(doc.selectedEntry, &lesson);  // the last flight read
  QVERIFY(doc.IsModified());
  QTRY_VERIFY(lesson.rowBottom < lesson.rowTop);  // redrawn with the new rows
}

void EndToEndTest::saveAsAndReopenGiveTheSameLog() {
  QVERIFY(Start(true));
  CAerodexDoc& doc = Doc();
  user_.Expect(QStringLiteral("Edit Pilot Information"), [](QDialog& form) {
    Retype(form, "pilotName", "Dana Whitfield-Ross");
    PressOk(form);
  });
  QVERIFY(Choose("&File", "&Edit Pilot Info"));
  VERIFY_ANSWERED();
  QVERIFY(doc.IsModified());
  // New asks first; Cancel keeps the changed log.
  user_.Expect(QStringLiteral("aerodex"), [](QDialog& window) {
    Click(static_cast<QMessageBox&>(window).button(QMessageBox::Cancel));
  });
  Key(Qt::Key_N);
  VERIFY_ANSWERED();
  QCOMPARE(user_.messages, QStringList{"aerodex: Save changes to sample.adx?"});
  QCOMPARE(doc.pilot.pilotName, std::string("Dana Whitfield-Ross"));
  QVERIFY(doc.IsModified());

  const std::string log = SaveDocument(doc);
  const std::uint32_t count = doc.EntryCount();
  const QString saved = Path(QStringLiteral("flights-2026.adx"));
  const auto chooseFile = [](const QString& path) {
    return [path](QDialog& window) {
      QLineEdit* name = window.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      name->setText(path);
      PressKey(name, Qt::Key_Return);
    };
  };
  user_.Expect(QStringLiteral("Save As"), chooseFile(saved));
  QVERIFY(Choose("&File", "Save Aerodex &As..."));
  VERIFY_ANSWERED();
  QVERIFY(!doc.IsModified());
  QCOMPARE(ShownCaption(&Frame()), QStringLiteral("flights-2026.adx - aerodex"));
  QVERIFY(ReadBytes(saved).toStdString() == log);

  Key(Qt::Key_N);  // saved: no question
  QCOMPARE(doc.EntryCount(), 0u);
  QCOMPARE(ShownCaption(&Frame()), QStringLiteral("Untitled - aerodex"));
  user_.Expect(QStringLiteral("Open"), chooseFile(saved));
  Key(Qt::Key_O);
  VERIFY_ANSWERED();
  QCOMPARE(doc.EntryCount(), count);
  QVERIFY(SaveDocument(doc) == log);
  QVERIFY(!doc.IsModified());
  QCOMPARE(ShownCaption(&Frame()), QStringLiteral("flights-2026.adx - aerodex"));
  QCOMPARE(app_->RecentFiles().Files().value(0), saved);
  QCOMPARE(user_.messages.size(), 1);
}

int main(int argc, char** argv) {
  // Qt's file dialogs remember folders in the user's settings: keep them apart.
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  EndToEndTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "end_to_end_test.moc"
