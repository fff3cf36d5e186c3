// SPDX-License-Identifier: GPL-3.0-or-later
// The form dialogs as a user meets them: what typing does in each kind of
// box, what OK does with bad values (message, focus, selection, nothing
// lost), Escape, the tab order, and the values that come back on OK. The
// warning box is replaced by a recorder so that no modal box stops a test.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <vector>

#include "app/app_port.h"
#include "app/dialogs/aircraft_dialog.h"
#include "app/dialogs/entry_dialog.h"
#include "app/dialogs/nnumber_dialogs.h"
#include "app/dialogs/pilot_dialog.h"
#include "dialog_samples.h"

using namespace aerodex;
using samples::TextOf;

namespace {

QLineEdit* Box(QWidget& dialog, const char* member) {
  return dialog.findChild<QLineEdit*>(QString::fromLatin1(member));
}

CRemarksEdit* Remarks(QWidget& dialog) { return dialog.findChild<CRemarksEdit*>("remarks"); }

// Types any text, one key event per character (QTest::keyClicks only
// knows Latin-1).
void Type(QWidget* widget, const QString& text) {
  for (QChar c : text) QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), {});
}

// Replaces a box's text as a user would: select all, then type.
void Retype(QWidget& dialog, const char* member, const QString& text) {
  QLineEdit* box = Box(dialog, member);
  box->selectAll();
  QTest::keyClick(box, Qt::Key_Delete);
  Type(box, text);
}

// Shows the dialog and records its warnings instead of showing them.
void Open(CFormDialog& dialog, QStringList& warnings) {
  dialog.SetWarning([&warnings](QWidget*, const QString& message) { warnings << message; });
  dialog.show();
  QVERIFY(QTest::qWaitForWindowActive(&dialog));
}

// Every field as its text, to compare two forms whole.
template <class Form>
std::vector<std::string> Texts(const Form& form) {
  std::vector<std::string> texts;
  for (const auto& field : Form::Fields()) texts.push_back(FieldText(field, form));
  return texts;
}

// The controls the Tab key visits, from the first control round to it again.
std::vector<QWidget*> TabSequence(QWidget& dialog, QWidget* first) {
  std::vector<QWidget*> sequence{first};
  for (QWidget* w = first->nextInFocusChain(); w != first; w = w->nextInFocusChain()) {
    if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->window() == &dialog) {
      sequence.push_back(w);
    }
  }
  return sequence;
}

}  // namespace

class FormDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void everyFieldHasItsControlAndComesBackUnchanged();
  void firstFailureInCheckOrderIsReportedAndFocused();
  void eachKindOfCheckHasItsMessage();
  void typedLettersBecomeCapitalsWhereStated();
  void typingStopsAtTheLengthLimits();
  void remarksKeepTheirLimitForTypingAndPasting();
  void storedValuesLongerThanTheLimitAreShownWhole();
  void digitsOnlyBoxesTakeOnlyDigits();
  void textOutsideTheCodePageCannotBeTyped();
  void escapeCancelsAndEnterAccepts();
  void okWritesTheEditedValues();
  void tabOrderFollowsTheLayout();
  void titlesGroupsAndPromptText();
  void portRunsTheDialogAndKeepsTheFormOnCancel();
  void theRealWarningIsAnAerodexWarningBox();
};

void FormDialogsTest::everyFieldHasItsControlAndComesBackUnchanged() {
  CEntryDialog entry(samples::Flight());
  CAircraftDialog aircraft(samples::Cessna());
  CPilotInfoDialog pilot(samples::Pilot());
  CNNumberDlg prompt;
  prompt.nNumber = "738XL";
  CNNumberDialog nNumber(prompt);
  QVERIFY(entry.HasEveryControl() && aircraft.HasEveryControl() && pilot.HasEveryControl() &&
          nNumber.HasEveryControl());
  // OK on an untouched form gives back exactly what it was shown.
  entry.accept();
  aircraft.accept();
  pilot.accept();
  nNumber.accept();
  QCOMPARE(entry.result(), int(QDialog::Accepted));
  QVERIFY(Texts(entry.FormData()) == Texts(samples::Flight()));
  QVERIFY(Texts(aircraft.FormData()) == Texts(samples::Cessna()));
  QVERIFY(Texts(pilot.FormData()) == Texts(samples::Pilot()));
  QCOMPARE(nNumber.FormData().nNumber, std::string("738XL"));
}

void FormDialogsTest::firstFailureInCheckOrderIsReportedAndFocused() {
  CEntryDialog dialog(samples::Flight());
  QStringList warnings;
  Open(dialog, warnings);
  // The month comes first on the form, Day Hours first in the checks.
  Retype(dialog, "month", QStringLiteral("13"));
  Retype(dialog, "dayHours", QStringLiteral("1.x"));
  QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
  QCOMPARE(warnings, QStringList{QStringLiteral("Please enter a number.")});
  QVERIFY(dialog.isVisible());
  QCOMPARE(QApplication::focusWidget(), Box(dialog, "dayHours"));
  QCOMPARE(Box(dialog, "dayHours")->selectedText(), QStringLiteral("1.x"));
  // Nothing the user typed is lost, and the form data is untouched.
  QCOMPARE(TextOf<QLineEdit>(dialog, "month"), QStringLiteral("13"));
  QCOMPARE(TextOf<QLineEdit>(dialog, "route"), QStringLiteral("KRHV SNS KMRY"));
  QCOMPARE(dialog.FormData().dayHours, 1.7);

  Retype(dialog, "dayHours", QStringLiteral("1.8"));
  QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
  QCOMPARE(warnings.last(), QStringLiteral("Please enter an integer between 1 and 12."));
  QCOMPARE(QApplication::focusWidget(), Box(dialog, "month"));
  QCOMPARE(Box(dialog, "month")->selectedText(), QStringLiteral("13"));
  QCOMPARE(dialog.FormData().month, 3u);
}

void FormDialogsTest::eachKindOfCheckHasItsMessage() {
  struct Case {
    const char* member;
    QString typed;
    QString message;
  };
  const std::vector<Case> entryCases = {
      {"flightNumber", "1a", "Please enter a positive integer."},
      {"flightNumber", "100", "Please enter an integer between 0 and 99."},
      {"simulatedInstrument", "", "Please enter a number."},
      {"startTach", "10000", "Please enter a number between 0 and 9999.9."},
      {"holdingProcedures", "-1", "Please enter a positive integer."},
  };
  for (const Case& c : entryCases) {
    CEntryDialog dialog(samples::Flight());
    QStringList warnings;
    Open(dialog, warnings);
    Retype(dialog, c.member, c.typed);
    dialog.accept();
    QCOMPARE(warnings, QStringList{c.message});
    QCOMPARE(QApplication::focusWidget(), Box(dialog, c.member));
  }
  CAircraftDlg tbo = samples::Cessna();
  tbo.tbo = 10001;
  CAircraftDialog aircraft(tbo);
  QStringList warnings;
  Open(aircraft, warnings);
  aircraft.accept();
  QCOMPARE(warnings, QStringList{"Please enter an integer between 0 and 10000."});

  // A pilot record never filled in: the certificate number is refused first.
  CPilotInfoDialog empty{CPilotInfoDlg{}};
  warnings.clear();
  Open(empty, warnings);
  empty.accept();
  QCOMPARE(warnings, QStringList{"Please enter an integer between 1 and 999999999."});
  QVERIFY(empty.isVisible());
}

void FormDialogsTest::typedLettersBecomeCapitalsWhereStated() {
  CEntryDialog entry(samples::Flight());
  QStringList warnings;
  Open(entry, warnings);
  Retype(entry, "route", QStringLiteral("krhv sns"));
  QCOMPARE(TextOf<QLineEdit>(entry, "route"), QStringLiteral("KRHV SNS"));
  // Typing in the middle keeps the cursor where the user is typing.
  QLineEdit* route = Box(entry, "route");
  route->setCursorPosition(4);
  QTest::keyClicks(route, QStringLiteral(" mry"));
  QCOMPARE(route->text(), QStringLiteral("KRHV MRY SNS"));
  QCOMPARE(route->cursorPosition(), 8);
  Retype(entry, "nNumber", QString::fromUtf8("738xlé"));
  QCOMPARE(TextOf<QLineEdit>(entry, "nNumber"), QString::fromUtf8("738XLÉ"));
  // The remarks, the pilot's name and address keep what is typed.
  Remarks(entry)->moveCursor(QTextCursor::End);
  QTest::keyClicks(Remarks(entry), QStringLiteral(" ok"));
  QVERIFY(Remarks(entry)->toPlainText().endsWith(QStringLiteral(" ok")));
  CPilotInfoDialog pilot(samples::Pilot());
  Open(pilot, warnings);
  Retype(pilot, "pilotName", QStringLiteral("Dana"));
  Retype(pilot, "baseAirport", QStringLiteral("krhv"));
  QCOMPARE(TextOf<QLineEdit>(pilot, "pilotName"), QStringLiteral("Dana"));
  QCOMPARE(TextOf<QLineEdit>(pilot, "baseAirport"), QStringLiteral("KRHV"));
}

void FormDialogsTest::typingStopsAtTheLengthLimits() {
  CEntryDialog entry(samples::Flight());
  QStringList warnings;
  Open(entry, warnings);
  Retype(entry, "departure", QStringLiteral("KRHVX"));
  QCOMPARE(TextOf<QLineEdit>(entry, "departure"), QStringLiteral("KRHV"));
  Retype(entry, "dayHours", QString(40, QLatin1Char('1')));
  QCOMPARE(TextOf<QLineEdit>(entry, "dayHours").size(), 31);  // all a number box reads

  CPilotInfoDialog pilot(samples::Pilot());
  Open(pilot, warnings);
  Retype(pilot, "pilotName", QStringLiteral("Alexandra Montgomery-Smith"));
  QCOMPARE(TextOf<QLineEdit>(pilot, "pilotName"), QStringLiteral("Alexandra Montgomery"));
  Retype(pilot, "baseAirport", QStringLiteral("KRHV12"));
  QCOMPARE(TextOf<QLineEdit>(pilot, "baseAirport"), QStringLiteral("KRHV1"));

  CNNumberDialog prompt{CNNumberDlg{}};
  Open(prompt, warnings);
  QTest::keyClicks(Box(prompt, "nNumber"), QStringLiteral("n12345678"));
  QCOMPARE(TextOf<QLineEdit>(prompt, "nNumber"), QStringLiteral("N123456"));
  QVERIFY(warnings.isEmpty());
}

void FormDialogsTest::remarksKeepTheirLimitForTypingAndPasting() {
  CEntryDlg form = samples::Flight();
  form.remarks = std::string(1020, 'r');
  CEntryDialog dialog(form);
  QStringList warnings;
  Open(dialog, warnings);
  CRemarksEdit* remarks = Remarks(dialog);
  remarks->moveCursor(QTextCursor::End);
  QTest::keyClicks(remarks, QStringLiteral("abcdefgh"));
  QCOMPARE(remarks->toPlainText(), QString(1020, QLatin1Char('r')) + QStringLiteral("abcd"));
  // A paste fills what room there is; its line breaks become blanks.
  remarks->setPlainText(QStringLiteral("Pattern work"));
  remarks->moveCursor(QTextCursor::End);
  QApplication::clipboard()->setText(QStringLiteral("\nthree\r\nlandings"));
  remarks->paste();
  QCOMPARE(remarks->toPlainText(), QStringLiteral("Pattern work three landings"));
  dialog.accept();
  QCOMPARE(dialog.FormData().remarks, std::string("Pattern work three landings"));
}

void FormDialogsTest::storedValuesLongerThanTheLimitAreShownWhole() {
  // An imported flight may carry a longer airport id or remark than the form
  // takes: it is shown whole, never cut, and OK asks for a shorter one.
  CEntryDlg form = samples::Flight();
  form.departure = "SAN JOSE";
  form.remarks = std::string(1100, 'x');
  CEntryDialog dialog(form);
  QStringList warnings;
  Open(dialog, warnings);
  QCOMPARE(TextOf<QLineEdit>(dialog, "departure"), QStringLiteral("SAN JOSE"));
  QCOMPARE(Remarks(dialog)->toPlainText().size(), 1100);
  QLineEdit* departure = Box(dialog, "departure");
  departure->end(false);
  QTest::keyClick(departure, Qt::Key_Backspace);
  QTest::keyClicks(departure, QStringLiteral("AB"));  // only shortening is possible
  QCOMPARE(departure->text(), QStringLiteral("SAN JOS"));
  dialog.accept();
  QCOMPARE(warnings, QStringList{"Please enter no more than 4 characters."});
  QCOMPARE(departure->selectedText(), QStringLiteral("SAN JOS"));
  Retype(dialog, "departure", QStringLiteral("KSJC"));
  dialog.accept();
  QCOMPARE(warnings.last(), QStringLiteral("Please enter no more than 1024 characters."));
  QCOMPARE(QApplication::focusWidget(), Remarks(dialog));
  QCOMPARE(Remarks(dialog)->textCursor().selectedText().size(), 1100);
  QCOMPARE(dialog.FormData().departure, form.departure);
}

void FormDialogsTest::digitsOnlyBoxesTakeOnlyDigits() {
  CAircraftDialog aircraft(samples::Cessna());
  QStringList warnings;
  Open(aircraft, warnings);
  Retype(aircraft, "tbo", QStringLiteral("1a8-0 0"));
  QCOMPARE(TextOf<QLineEdit>(aircraft, "tbo"), QStringLiteral("1800"));
  CPilotInfoDialog pilot(samples::Pilot());
  Open(pilot, warnings);
  Retype(pilot, "medicalClass", QStringLiteral("x4"));
  QCOMPARE(TextOf<QLineEdit>(pilot, "medicalClass"), QStringLiteral("4"));
  pilot.accept();
  QCOMPARE(warnings, QStringList{"Please enter an integer between 1 and 3."});
  // Other number boxes take what is typed and leave the judgement to OK.
  Retype(pilot, "medicalClass", QStringLiteral("2"));
  Retype(pilot, "birthYear", QStringLiteral("19x9"));
  QCOMPARE(TextOf<QLineEdit>(pilot, "birthYear"), QStringLiteral("19x9"));
}

void FormDialogsTest::textOutsideTheCodePageCannotBeTyped() {
  CEntryDialog dialog(samples::Flight());
  QStringList warnings;
  Open(dialog, warnings);
  Retype(dialog, "route", QString::fromUtf8("KRHV Łódź"));
  QCOMPARE(TextOf<QLineEdit>(dialog, "route"), QString::fromUtf8("KRHV ÓD"));
  // A line break pasted into a one-line box becomes a blank.
  QApplication::clipboard()->setText(QStringLiteral("ksjc\tkmry\n"));
  Box(dialog, "route")->selectAll();
  Box(dialog, "route")->paste();
  QCOMPARE(TextOf<QLineEdit>(dialog, "route"), QStringLiteral("KSJC KMRY "));
  Retype(dialog, "route", QString::fromUtf8("KRHV Łódź"));
  Remarks(dialog)->setPlainText(QString());
  Type(Remarks(dialog), QString::fromUtf8("€12 Ł"));
  QCOMPARE(Remarks(dialog)->toPlainText(), QString::fromUtf8("€12 "));
  dialog.accept();
  QCOMPARE(dialog.FormData().remarks, std::string("\x80"
                                                  "12 "));
  QCOMPARE(dialog.FormData().route, std::string("KRHV \xD3"
                                                "D"));
}

void FormDialogsTest::escapeCancelsAndEnterAccepts() {
  CEntryDialog dialog(samples::Flight());
  QStringList warnings;
  Open(dialog, warnings);
  Retype(dialog, "dayHours", QStringLiteral("9"));
  Remarks(dialog)->setFocus();
  QTest::keyClick(Remarks(dialog), Qt::Key_Escape);
  QCOMPARE(dialog.result(), int(QDialog::Rejected));
  QVERIFY(!dialog.isVisible());
  QCOMPARE(dialog.FormData().dayHours, 1.7);

  // Enter in the remarks box accepts the form like everywhere else on it.
  CEntryDialog again(samples::Flight());
  Open(again, warnings);
  Remarks(again)->setFocus();
  QTest::keyClick(Remarks(again), Qt::Key_Return);
  QCOMPARE(again.result(), int(QDialog::Accepted));
  QCOMPARE(again.FormData().remarks, samples::Flight().remarks);

  CPilotInfoDialog pilot(samples::Pilot());
  Open(pilot, warnings);
  QTest::keyClick(Box(pilot, "pilotName"), Qt::Key_Escape);
  QCOMPARE(pilot.result(), int(QDialog::Rejected));
  QVERIFY(warnings.isEmpty());
}

void FormDialogsTest::okWritesTheEditedValues() {
  CEntryDialog entry(samples::Flight());
  QStringList warnings;
  Open(entry, warnings);
  Retype(entry, "nightHours", QStringLiteral(" 0.5"));
  Retype(entry, "rnavApproaches", QStringLiteral("2"));
  Remarks(entry)->selectAll();
  QTest::keyClicks(Remarks(entry), QStringLiteral("Night currency"));
  QTest::mouseClick(entry.OkButton(), Qt::LeftButton);
  QCOMPARE(entry.result(), int(QDialog::Accepted));
  QCOMPARE(entry.FormData().nightHours, 0.5);
  QCOMPARE(entry.FormData().rnavApproaches, 2u);
  QCOMPARE(entry.FormData().remarks, std::string("Night currency"));

  CPilotInfoDialog pilot(samples::Pilot());
  Open(pilot, warnings);
  pilot.findChild<QCheckBox*>("isCommercial")->setChecked(true);  // with Private: accepted
  pilot.findChild<QCheckBox*>("cfiHelicopter")->setChecked(true);
  Retype(pilot, "birthYear", QStringLiteral("2100"));
  pilot.accept();
  QVERIFY(warnings.isEmpty());
  QCOMPARE(pilot.FormData().isPrivate, 1);
  QCOMPARE(pilot.FormData().isCommercial, 1);
  QCOMPARE(pilot.FormData().cfiHelicopter, 1);
  QCOMPARE(pilot.FormData().birthYear, 2100u);

  CAircraftDialog aircraft(CAircraftDlg::ForNewAircraft("4417P"));
  Open(aircraft, warnings);
  QCOMPARE(TextOf<QLineEdit>(aircraft, "nNumber"), QStringLiteral("4417P"));
  aircraft.findChild<QCheckBox*>("isGlider")->setChecked(true);
  Retype(aircraft, "model", QStringLiteral("pa-28"));
  aircraft.accept();
  QCOMPARE(aircraft.FormData().isGlider, 1);
  QCOMPARE(aircraft.FormData().model, std::string("PA-28"));
}

void FormDialogsTest::tabOrderFollowsTheLayout() {
  CEntryDialog entry(samples::Flight());
  CPilotInfoDialog pilot(samples::Pilot());
  CAircraftDialog aircraft(samples::Cessna());
  const std::vector<CFormDialog*> dialogs = {&entry, &pilot, &aircraft};
  const std::vector<const char*> firsts = {"month", "pilotName", "isAirplane"};
  for (std::size_t d = 0; d < dialogs.size(); ++d) {
    QStringList warnings;
    Open(*dialogs[d], warnings);
    QWidget* first = dialogs[d]->findChild<QWidget*>(firsts[d]);
    QCOMPARE(QApplication::focusWidget(), first);
    const std::vector<QWidget*> tabs = TabSequence(*dialogs[d], first);
    // Within a group the next box stands on the same row to the right, or lower.
    for (std::size_t i = 1; i < tabs.size(); ++i) {
      if (tabs[i]->parentWidget() != tabs[i - 1]->parentWidget()) continue;
      const QPoint a = tabs[i - 1]->geometry().center(), b = tabs[i]->geometry().center();
      const bool sameRow = std::abs(a.y() - b.y()) < 6;
      QVERIFY2(sameRow ? b.x() > a.x() : b.y() > a.y() || b.x() > a.x(),
               qPrintable(tabs[i - 1]->objectName() + " -> " + tabs[i]->objectName()));
    }
    QCOMPARE(tabs.size(), dialogs[d] == &entry   ? CEntryDlg::Fields().size() + 2
                          : dialogs[d] == &pilot ? CPilotInfoDlg::Fields().size() + 2
                                                 : CAircraftDlg::Fields().size() + 2);
  }
  // The entry form ends in OK then Cancel at the left; the pilot form in Cancel then OK.
  const std::vector<QWidget*> entryTabs = TabSequence(entry, entry.findChild<QWidget*>("month"));
  QCOMPARE(entryTabs[entryTabs.size() - 2], entry.OkButton());
  QVERIFY(entry.OkButton()->x() < entry.CancelButton()->x());
  QVERIFY(entry.CancelButton()->x() < entry.width() / 2);
  QVERIFY(pilot.CancelButton()->x() < pilot.OkButton()->x());
  QVERIFY(pilot.OkButton()->geometry().right() > pilot.width() * 3 / 4);
  QVERIFY(entry.OkButton()->isDefault() && pilot.OkButton()->isDefault());
}

void FormDialogsTest::titlesGroupsAndPromptText() {
  CAircraftDialog aircraft(samples::Cessna());
  QCOMPARE(aircraft.windowTitle(), QStringLiteral("Edit Aircraft Data"));
  QStringList groups;
  for (const QGroupBox* group : aircraft.findChildren<QGroupBox*>()) groups << group->title();
  QCOMPARE(groups, (QStringList{"Aircraft", "Airplane", "Tachometer And Dates"}));
  CNNumberDialog prompt{CNNumberDlg{}};
  QCOMPARE(prompt.windowTitle(), QStringLiteral("Enter N Number for aircraft"));
  auto* text = prompt.findChild<QLabel*>("promptText");
  QCOMPARE(text->text(), QString::fromLatin1(kNNumberPromptText));
  QVERIFY(text->wordWrap());
  CPilotInfoDialog pilot(samples::Pilot());
  QCOMPARE(pilot.windowTitle(), QStringLiteral("Edit Pilot Information"));
  QCOMPARE(pilot.findChildren<QGroupBox*>().size(), 9);
  QCOMPARE(pilot.findChildren<QCheckBox*>().size(), 32);
  CEntryDialog entry(samples::Flight());
  QCOMPARE(entry.windowTitle(), QStringLiteral("Edit Aerodex Entry"));
}

void FormDialogsTest::portRunsTheDialogAndKeepsTheFormOnCancel() {
  CAppPort port;
  CEntryDlg form = samples::Flight();
  // The user changes a value, then cancels: the form is as it was.
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<CFormDialog*>(QApplication::activeModalWidget());
    QVERIFY(dialog);
    Retype(*dialog, "dayHours", QStringLiteral("3"));
    dialog->reject();
  });
  QVERIFY(!port.ShowEntryForm(form));
  QCOMPARE(form.dayHours, 1.7);
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<CFormDialog*>(QApplication::activeModalWidget());
    QVERIFY(dialog);
    Retype(*dialog, "dayHours", QStringLiteral("3"));
    dialog->OkButton()->click();
  });
  QVERIFY(port.ShowEntryForm(form));
  QCOMPARE(form.dayHours, 3.0);

  CSelectAircraftDlg list = samples::Fleet();
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<CSelectAircraftDialog*>(QApplication::activeModalWidget());
    QVERIFY(dialog);
    dialog->List()->setCurrentRow(4);
    dialog->OkButton()->click();
  });
  QVERIFY(port.ShowAircraftList(list));
  QCOMPARE(list.choice, 4L);
}

void FormDialogsTest::theRealWarningIsAnAerodexWarningBox() {
  CNNumberDlg form;
  form.nNumber = "12345678";  // one more than the prompt takes
  CNNumberDialog dialog(form);
  dialog.show();
  QVERIFY(QTest::qWaitForWindowActive(&dialog));
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    QVERIFY(box);
    title = box->windowTitle(), text = box->text(), icon = box->icon();
    box->accept();
  });
  dialog.accept();
  QCOMPARE(title, QStringLiteral("aerodex"));
  QCOMPARE(text, QStringLiteral("Please enter no more than 7 characters."));
  QCOMPARE(icon, QMessageBox::Warning);
  QVERIFY(dialog.isVisible());
  QCOMPARE(Box(dialog, "nNumber")->selectedText(), QStringLiteral("12345678"));
}

QTEST_MAIN(FormDialogsTest)
#include "form_dialogs_test.moc"
