// SPDX-License-Identifier: GPL-3.0-or-later
// Every dialog of the forms and reports, filled with a realistic flight,
// aircraft and pilot, grabbed as a picture and checked for a tidy layout:
// each label, check box and button shows its whole text, each filled box
// shows its whole value, and no two controls overlap. With
// AERODEX_SCREENSHOT_DIR set the pictures are also written there as PNG.
#include <QAbstractButton>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <memory>
#include <sstream>
#include <vector>

#include "app/dialogs/aircraft_dialog.h"
#include "app/dialogs/entry_dialog.h"
#include "app/dialogs/import_report_dialog.h"
#include "app/dialogs/log_check_dialog.h"
#include "app/dialogs/nnumber_dialogs.h"
#include "app/dialogs/pilot_dialog.h"
#include "app/dialogs/pilot_time_dialog.h"
#include "app/dialogs/report_dialogs.h"
#include "app/pilot_time_page.h"
#include "dialog_samples.h"
#include "editing/cancelling_port.h"
#include "import/text_import.h"
#include "model/document_file.h"
#include "stats/currency.h"
#include "stats/log_check.h"
#include "stats/pilot_time.h"

using namespace aerodex;

namespace {

// The controls a user reads or fills in; their frames and layouts aside.
std::vector<QWidget*> LeafControls(QWidget& dialog) {
  std::vector<QWidget*> leaves;
  for (QWidget* w : dialog.findChildren<QWidget*>()) {
    const bool leaf = qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) ||
                      qobject_cast<QLineEdit*>(w);
    if (leaf && w->isVisible()) leaves.push_back(w);
  }
  return leaves;
}

QString Describe(const QWidget* w) {
  QString text;
  if (auto* label = qobject_cast<const QLabel*>(w)) text = label->text();
  if (auto* button = qobject_cast<const QAbstractButton*>(w)) text = button->text();
  if (auto* edit = qobject_cast<const QLineEdit*>(w)) text = edit->text();
  return QStringLiteral("%1 '%2' (%3)")
      .arg(QString::fromLatin1(w->metaObject()->className()), text, w->objectName());
}

// Whole text visible: labels and buttons at least as large as they ask for,
// a filled box wide enough for its value.
bool ShowsWholeText(const QWidget* w) {
  if (auto* edit = qobject_cast<const QLineEdit*>(w)) {
    const int frame = w->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, w);
    const int room = w->width() - 2 * frame - 4;
    return edit->fontMetrics().horizontalAdvance(edit->text()) <= room;
  }
  if (auto* label = qobject_cast<const QLabel*>(w); label && label->wordWrap()) {
    return w->height() >= label->heightForWidth(w->width());
  }
  const QSize wanted = w->minimumSizeHint().expandedTo(w->sizeHint());
  return w->width() >= wanted.width() && w->height() >= wanted.height() - 2;
}

QRect InDialog(const QWidget* w, const QWidget& dialog) {
  return QRect(w->mapTo(&dialog, QPoint(0, 0)), w->size());
}

void CheckTidy(QWidget& dialog) {
  const std::vector<QWidget*> leaves = LeafControls(dialog);
  QVERIFY(!leaves.empty());
  for (QWidget* w : leaves) {
    QVERIFY2(ShowsWholeText(w), qPrintable(QStringLiteral("clipped: ") + Describe(w)));
    QVERIFY2(dialog.rect().contains(InDialog(w, dialog)),
             qPrintable(QStringLiteral("outside: ") + Describe(w)));
  }
  for (std::size_t i = 0; i < leaves.size(); ++i) {
    for (std::size_t j = i + 1; j < leaves.size(); ++j) {
      const bool overlap = InDialog(leaves[i], dialog).intersects(InDialog(leaves[j], dialog));
      QVERIFY2(!overlap, qPrintable(Describe(leaves[i]) + QStringLiteral(" overlaps ") +
                                    Describe(leaves[j])));
    }
  }
}

// The bundled sample log, for the reports computed from a whole log.
bool OpenSample(CAerodexDoc& doc) {
  doc.OnNewDocument();
  const QString path = qEnvironmentVariable("AERODEX_SOURCE_DIR") + "/examples/sample.adx";
  return OpenDocumentFile(doc, path.toStdString()).ok;
}

// Shows the dialog, checks it and keeps its picture.
void Look(QWidget& dialog, const QString& name) {
  dialog.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dialog));
  const QPixmap picture = dialog.grab();
  QVERIFY(!picture.isNull());
  QVERIFY(picture.width() > 100 && picture.height() > 60);
  const QString dir = qEnvironmentVariable("AERODEX_SCREENSHOT_DIR");
  if (!dir.isEmpty()) {
    QVERIFY(picture.save(dir + QLatin1Char('/') + name + QStringLiteral(".png")));
  }
  CheckTidy(dialog);
}

}  // namespace

class DialogScreenshotsTest : public QObject {
  Q_OBJECT

 private slots:
  void entryForm() {
    CEntryDialog dialog(samples::Flight());
    Look(dialog, QStringLiteral("entry_form"));
  }
  void aircraftForm() {
    CAircraftDialog dialog(samples::Cessna());
    Look(dialog, QStringLiteral("aircraft_form"));
  }
  void nNumberPrompt() {
    CNNumberDlg form;
    form.nNumber = "738XL";
    CNNumberDialog dialog(form);
    Look(dialog, QStringLiteral("nnumber_prompt"));
  }
  void aircraftList() {
    CSelectAircraftDialog dialog(samples::Fleet());
    Look(dialog, QStringLiteral("aircraft_list"));
  }
  void pilotForm() {
    CPilotInfoDialog dialog(samples::Pilot());
    Look(dialog, QStringLiteral("pilot_form"));
  }
  void currencyCheck() {
    CCurrencyDialog dialog(samples::Currency());
    Look(dialog, QStringLiteral("currency_check"));
  }
  void currencyCheckWithDetails() {
    CAerodexDoc doc;
    QVERIFY(OpenSample(doc));
    const auto report = stats::ComputeCurrency(doc, *ParseLocalTime("2026-12-07 12:00:00"));
    QVERIFY(report);
    CCurrencyDialog dialog(*report, nullptr,
                           [&doc](const LocalDate& day) { return stats::CurrencyAsOf(doc, day); });
    dialog.DetailsButton()->click();
    Look(dialog, QStringLiteral("currency_check_details"));
  }
  void checkLog() {
    CAerodexDoc doc;
    QVERIFY(OpenSample(doc));
    CLogCheckDialog dialog(stats::CheckLog(doc), {});
    Look(dialog, QStringLiteral("check_log"));
  }
  void pilotTime() {
    CAerodexDoc doc;
    QVERIFY(OpenSample(doc));
    CPilotTimeDialog dialog(doc, {});
    // The 1280 x 800 screen is narrower than the form: the dialog fits it and
    // keeps its buttons in sight; the report scrolls inside.
    const QRect screen = dialog.screen()->availableGeometry();
    QVERIFY(dialog.width() <= screen.width() && dialog.height() <= screen.height());
    dialog.show();
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
      QVERIFY(dialog.rect().contains(QRect(button->mapTo(&dialog, QPoint()), button->size())));
    }
    dialog.hide();
    dialog.resize(1400, dialog.height());
    Look(dialog, QStringLiteral("pilot_time"));
  }
  // The printed page, on an image at 100 dots per inch: 10.5 x 8 inches printable.
  void pilotTimePage() {
    CAerodexDoc doc;
    QVERIFY(OpenSample(doc));
    QImage page(1050, 800, QImage::Format_RGB32);
    page.setDotsPerMeterX(3937);
    page.setDotsPerMeterY(3937);
    page.fill(Qt::white);
    QPainter painter(&page);
    PaintPilotTimePage(painter, QRectF(0, 0, 1050, 800), stats::ComputePilotTime(doc, {}));
    painter.end();
    // Ink in the grid's first cell row and in the notes near the foot of the page.
    const auto inked = [&page](int y) {
      for (int x = 0; x < page.width(); ++x) {
        if (page.pixel(x, y) != qRgb(255, 255, 255)) return true;
      }
      return false;
    };
    QVERIFY(inked(175));
    const QString dir = qEnvironmentVariable("AERODEX_SCREENSHOT_DIR");
    if (!dir.isEmpty()) QVERIFY(page.save(dir + QStringLiteral("/pilot_time_page.png")));
  }
  void aircraftStatistics() {
    CAircraftStatsDialog dialog(samples::Status());
    Look(dialog, QStringLiteral("aircraft_statistics"));
  }
  void importReport() {
    CAerodexDoc doc;
    QVERIFY(OpenSample(doc));
    CCancellingPort port;
    std::istringstream in(
        "3\n^Dana Whitfield^\n^1450 Aviation Way^\n1 2 3\n"
        "^N1234X^\n14 6 1996\n^KRHV^\n^KMRY^\n^KRHV SNS KMRY^\n2 0 1.2 0 0 0 1.3 1.2\n"
        "0 0 0 0 0 0 0\n^pattern work^\n"
        "^N5432K^\n2 3 2024\n^KRHV^\n^KSNS^\n^V25^\n1 0 1.5 0 1.5 0 1.4 1.5 0 0 0\n0 2\n^^\n");
    import::CImportReport report = import::ImportTextLog(doc, port, in);
    report.file = "/home/dana/logs/n1234x.aerodex";
    CImportReportDialog dialog(QString::fromStdString(import::RenderImportReport(report)));
    Look(dialog, QStringLiteral("import_report"));
  }
};

QTEST_MAIN(DialogScreenshotsTest)
#include "dialog_screenshots_test.moc"
