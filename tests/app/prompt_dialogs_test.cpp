// SPDX-License-Identifier: GPL-3.0-or-later
// The error prompt and the confirmation prompt, driven as a user drives
// them: their titles and buttons, the message that wraps, Enter, Escape and
// the buttons' results, and the port through which the document shows them.
#include "app/dialogs/prompt_dialogs.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/app_port.h"
#include "app/dialogs/recovery_dialog.h"

using namespace aerodex;

namespace {

struct SeenPrompt {
  QString title;
  QString message;
  QStringList buttons;  // left to right
  QString defaultButton;
  bool hasCloseBox = true;
  int messageWidth = 0;
  int messageHeight = 0;
};

// Once the prompt is up: note what it shows, then let `act` answer it.
void WhenPromptOpens(SeenPrompt& seen, std::function<void(QWidget*)> act) {
  QTimer::singleShot(0, [&seen, act] {
    QWidget* prompt = QApplication::activeModalWidget();
    QVERIFY(prompt);
    seen.title = prompt->windowTitle();
    auto* message = prompt->findChild<QLabel*>(QStringLiteral("messageArea"));
    QVERIFY(message);
    seen.message = message->text();
    seen.messageWidth = message->width();
    seen.messageHeight = message->height();
    QList<QPushButton*> buttons = prompt->findChildren<QPushButton*>();
    std::sort(buttons.begin(), buttons.end(),
              [](QPushButton* a, QPushButton* b) { return a->x() < b->x(); });
    for (QPushButton* button : buttons) {
      seen.buttons.append(button->text());
      if (button->isDefault()) seen.defaultButton = button->text();
    }
    seen.hasCloseBox = prompt->windowFlags().testFlag(Qt::WindowCloseButtonHint);
    act(prompt);
  });
}

void Press(QWidget* prompt, const QString& text) {
  for (QPushButton* button : prompt->findChildren<QPushButton*>()) {
    if (button->text() == text) QTest::mouseClick(button, Qt::LeftButton);
  }
}

}  // namespace

class PromptDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void errorPromptShowsTheMessageUntilOk();
  void errorPromptClosesOnEscape();
  void confirmationOffersConfirmThenCancel();
  void confirmationEscapeAndEnterCancel();
  void longMessageWraps();
  void recoveryOfferKeepsTheWorkOnEnterAndEscape();
  void portConvertsTheLogTexts();
};

void PromptDialogsTest::errorPromptShowsTheMessageUntilOk() {
  SeenPrompt seen;
  WhenPromptOpens(seen, [](QWidget* prompt) { Press(prompt, QStringLiteral("OK")); });
  ShowErrorPrompt(nullptr, QStringLiteral("No departure airport ID entered!"));
  QCOMPARE(seen.title, QStringLiteral("Error"));
  QCOMPARE(seen.message, QStringLiteral("No departure airport ID entered!"));
  QCOMPARE(seen.buttons, QStringList{"OK"});
  QCOMPARE(seen.defaultButton, QStringLiteral("OK"));
  QVERIFY(!seen.hasCloseBox);
}

void PromptDialogsTest::errorPromptClosesOnEscape() {
  SeenPrompt seen;
  WhenPromptOpens(seen, [](QWidget* prompt) { QTest::keyClick(prompt, Qt::Key_Escape); });
  CErrorDlg dialog;
  dialog.m_message = QString();
  QCOMPARE(dialog.exec(), int{QDialog::Rejected});
  QCOMPARE(seen.message, QString());  // an empty message is shown as such
}

void PromptDialogsTest::confirmationOffersConfirmThenCancel() {
  SeenPrompt seen;
  WhenPromptOpens(seen, [](QWidget* prompt) { Press(prompt, QStringLiteral("Confirm")); });
  QVERIFY(AskConfirmationPrompt(
      nullptr, QStringLiteral("Are you sure you want to delete 12345 from the database ?")));
  QCOMPARE(seen.title, QStringLiteral("Please Confirm"));
  QCOMPARE(seen.buttons, (QStringList{"Confirm", "Cancel"}));
  QVERIFY(!seen.hasCloseBox);

  SeenPrompt cancelled;
  WhenPromptOpens(cancelled, [](QWidget* prompt) { Press(prompt, QStringLiteral("Cancel")); });
  QVERIFY(!AskConfirmationPrompt(nullptr, QStringLiteral("Delete?")));
}

void PromptDialogsTest::confirmationEscapeAndEnterCancel() {
  SeenPrompt seen;
  WhenPromptOpens(seen, [](QWidget* prompt) { QTest::keyClick(prompt, Qt::Key_Escape); });
  QVERIFY(!AskConfirmationPrompt(nullptr, QStringLiteral("Deletion cannot be undone...")));
  // Enter alone never confirms a deletion.
  SeenPrompt entered;
  WhenPromptOpens(entered, [](QWidget* prompt) {
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : prompt,
                    Qt::Key_Return);
  });
  QVERIFY(!AskConfirmationPrompt(nullptr, QStringLiteral("Deletion cannot be undone...")));
  QCOMPARE(entered.defaultButton, QStringLiteral("Cancel"));
}

// Enter recovers; Escape is no answer at all (the offer stays up) and only
// the Discard button discards, which files the work among the versions.
void PromptDialogsTest::recoveryOfferKeepsTheWorkOnEnterAndEscape() {
  QTimer::singleShot(0, [] {
    auto* offer = qobject_cast<CRecoveryDlg*>(QApplication::activeModalWidget());
    QVERIFY(offer);
    QCOMPARE(offer->defaultButton(), offer->RecoverButton());
    QTest::keyClick(offer, Qt::Key_Return);
  });
  QCOMPARE(AskRecoveryPrompt(nullptr, QStringLiteral("Unsaved changes...")),
           RecoveryAnswer::kRecover);
  QTimer::singleShot(0, [] {
    auto* offer = qobject_cast<CRecoveryDlg*>(QApplication::activeModalWidget());
    QVERIFY(offer);
    QTest::keyClick(offer, Qt::Key_Escape);
    offer->close();
    QTimer::singleShot(50, [offer] {
      QVERIFY(offer->isVisible());
      QTest::mouseClick(offer->DiscardButton(), Qt::LeftButton);
    });
  });
  QCOMPARE(AskRecoveryPrompt(nullptr, QStringLiteral("Unsaved changes...")),
           RecoveryAnswer::kDiscard);
}

void PromptDialogsTest::longMessageWraps() {
  const QString text = QStringLiteral("N12345: not in aircraft database. ") +
                       QStringLiteral("Confirm to create, Cancel to re-edit.").repeated(4);
  SeenPrompt seen;
  WhenPromptOpens(seen, [](QWidget* prompt) { QTest::keyClick(prompt, Qt::Key_Escape); });
  AskConfirmationPrompt(nullptr, text);
  QCOMPARE(seen.message, text);
  const QFontMetrics metrics(QApplication::font());
  QVERIFY(seen.messageWidth < metrics.horizontalAdvance(text));
  QVERIFY(seen.messageHeight >= 3 * metrics.lineSpacing());
}

void PromptDialogsTest::portConvertsTheLogTexts() {
  CAppPort port;
  SeenPrompt seen;
  WhenPromptOpens(seen, [](QWidget* prompt) { Press(prompt, QStringLiteral("Confirm")); });
  // Windows-1252 bytes: 0xE9 is e with an acute accent.
  QVERIFY(port.AskConfirmation("Caf\xE9 Aero ?"));
  QCOMPARE(seen.message, QStringLiteral("Caf\u00e9 Aero ?"));
  SeenPrompt error;
  WhenPromptOpens(error, [](QWidget* prompt) { Press(prompt, QStringLiteral("OK")); });
  port.ShowError("Tachometer Readings not updated");
  QCOMPARE(error.title, QStringLiteral("Error"));
}

QTEST_MAIN(PromptDialogsTest)
#include "prompt_dialogs_test.moc"
