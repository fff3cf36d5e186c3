// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/pilot_time_dialog.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDateEdit>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/pilot_time_page.h"
#include "app/qt_text.h"
#include "app/screen_fit.h"
#include "stats/pilot_time_cells.h"

namespace aerodex {
namespace {

constexpr int kAllKinds = 6;
constexpr int kHeadingWidth = 11;

QDate ToQDate(const LocalDate& date) { return QDate(date.year, date.month, date.day); }
LocalDate FromQDate(const QDate& date) { return {date.day(), date.month(), date.year()}; }

QTableWidgetItem* NumberItem(const std::string& text) {
  auto* item = new QTableWidgetItem(QString::fromStdString(text));
  item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  return item;
}

void ReadOnlyTable(QTableWidget& table) {
  table.setEditTriggers(QAbstractItemView::NoEditTriggers);
  table.setSelectionMode(QAbstractItemView::NoSelection);
  table.setFocusPolicy(Qt::NoFocus);
  table.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table.setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  table.setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
}

// Every row stays in sight: the table is as tall as its rows and headings,
// and scrolls sideways only when the dialog is narrower than the form.
void FitHeightToRows(QTableWidget& table) {
  const int frame = 2 * table.frameWidth();
  const int rows = table.verticalHeader()->length();
  const int heading = table.horizontalHeader()->sizeHint().height();
  const bool scrolls = table.horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff;
  const int scrollBar = scrolls ? table.horizontalScrollBar()->sizeHint().height() : 0;
  table.setFixedHeight(heading + rows + frame + scrollBar);
}

// The whole table's width, headings and frame included.
int ContentWidth(const QTableWidget& table) {
  return table.verticalHeader()->sizeHint().width() + table.horizontalHeader()->length() +
         2 * table.frameWidth();
}

// The form's cells are all alike: every column as wide as the widest.
void EvenColumns(QTableWidget& table) {
  table.resizeColumnsToContents();
  int widest = 0;
  for (int c = 0; c < table.columnCount(); ++c) widest = std::max(widest, table.columnWidth(c));
  for (int c = 0; c < table.columnCount(); ++c) table.setColumnWidth(c, widest);
}

const stats::PilotTimeRow* FindRow(const stats::PilotTimeReport& report,
                                   stats::PilotTimeRowKind kind) {
  for (const stats::PilotTimeRow& row : report.rows) {
    if (row.kind == kind) return &row;
  }
  return nullptr;
}

// The log's first flight, or today for an empty log.
QDate FirstFlightDay(const CAerodexDoc& doc) {
  if (doc.EntryCount() == 0) return ToQDate(doc.Clock().Today());
  const CAerodexEntry& first = doc.Entry(0);
  const QDate day(first.year, first.month, first.day);
  return day.isValid() ? day : ToQDate(doc.Clock().Today());
}

}  // namespace

CPilotTimeDialog::CPilotTimeDialog(const CAerodexDoc& doc, PrintReport print, QWidget* parent)
    : QDialog(parent),
      doc_(doc),
      printReport_(std::move(print)),
      wholeLog_(new QCheckBox(QStringLiteral("&Whole log"), this)),
      from_(new QDateEdit(FirstFlightDay(doc), this)),
      to_(new QDateEdit(ToQDate(doc.Clock().Today()), this)),
      grid_(new QTableWidget(kAllKinds, static_cast<int>(stats::PilotTimeColumns().size()), this)),
      classes_(new QTableWidget(this)),
      notes_(new QLabel(this)),
      copy_(new QPushButton(QStringLiteral("&Copy"), this)),
      print_(new QPushButton(QStringLiteral("&Print..."), this)),
      close_(new QPushButton(QStringLiteral("Close"), this)) {
  setWindowTitle(QStringLiteral("Record of Pilot Time (8710)"));
  setModal(true);
  BuildGrid();
  notes_->setWordWrap(true);
  notes_->setObjectName(QStringLiteral("notes"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (QPushButton* button : {copy_, print_, close_}) {
    button->setAutoDefault(false);
    buttons->addWidget(button);
  }
  close_->setDefault(true);
  // The report scrolls inside the dialog where the screen is shorter than it
  // (a high scale factor), so that its buttons stay in sight.
  auto* body = new QWidget;
  auto* content = new QVBoxLayout(body);
  content->setContentsMargins(0, 0, 0, 0);
  content->addWidget(BuildRange());
  content->addWidget(grid_);
  content->addWidget(new QLabel(QStringLiteral("Totals by class"), body));
  content->addWidget(classes_, 0, Qt::AlignLeft);
  content->addWidget(notes_);
  content->addStretch();
  auto* scroll = new QScrollArea(this);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll->setWidget(body);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(scroll);
  layout->addLayout(buttons);
  connect(copy_, &QPushButton::clicked, this, [this] {
    QGuiApplication::clipboard()->setText(FromCp1252(stats::PilotTimeTabs(report_)));
  });
  connect(print_, &QPushButton::clicked, this, [this] {
    if (printReport_) printReport_(this, report_);
  });
  connect(close_, &QPushButton::clicked, this, &QDialog::accept);
  Recompute();
  // As wide as the form when the screen allows; narrower, the grid scrolls.
  const int margins = layout->contentsMargins().left() + layout->contentsMargins().right();
  const int natural = body->sizeHint().height() + buttons->sizeHint().height() + layout->spacing() +
                      layout->contentsMargins().top() + layout->contentsMargins().bottom();
  resize(FitToScreen(*this, QSize(ContentWidth(*grid_) + margins, natural)));
}

QWidget* CPilotTimeDialog::BuildRange() {
  auto* range = new QWidget(this);
  auto* row = new QHBoxLayout(range);
  row->setContentsMargins(0, 0, 0, 0);
  wholeLog_->setChecked(true);
  row->addWidget(wholeLog_);
  for (auto [label, edit] : {std::pair{"&From", from_}, std::pair{"&To", to_}}) {
    auto* text = new QLabel(QString::fromLatin1(label), range);
    text->setBuddy(edit);
    edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    edit->setCalendarPopup(true);
    edit->setEnabled(false);
    // Room for the whole date beside the calendar button, whatever the style.
    edit->setMinimumWidth(edit->sizeHint().width() +
                          edit->fontMetrics().horizontalAdvance(QStringLiteral("00")));
    row->addWidget(text);
    row->addWidget(edit);
    connect(edit, &QDateEdit::dateChanged, this, &CPilotTimeDialog::Recompute);
  }
  row->addStretch();
  connect(wholeLog_, &QCheckBox::toggled, this, [this](bool whole) {
    from_->setEnabled(!whole);
    to_->setEnabled(!whole);
    Recompute();
  });
  return range;
}

void CPilotTimeDialog::BuildGrid() {
  QStringList headings, rows;
  for (const stats::PilotTimeColumn& column : stats::PilotTimeColumns()) {
    headings << WrapHeading(QString::fromLatin1(column.heading), kHeadingWidth);
  }
  for (int k = 0; k < kAllKinds; ++k) {
    rows << QString::fromLatin1(stats::RowName(static_cast<stats::PilotTimeRowKind>(k)));
  }
  grid_->setObjectName(QStringLiteral("grid"));
  grid_->setHorizontalHeaderLabels(headings);
  grid_->setVerticalHeaderLabels(rows);
  grid_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
  ReadOnlyTable(*grid_);
  classes_->setObjectName(QStringLiteral("classTotals"));
  classes_->setColumnCount(4);
  classes_->setHorizontalHeaderLabels({"Total", "PIC", "SIC", "Dual Received"});
  ReadOnlyTable(*classes_);
  classes_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void CPilotTimeDialog::Recompute() {
  stats::DateRange dates;
  if (!wholeLog_->isChecked()) dates = {FromQDate(from_->date()), FromQDate(to_->date())};
  report_ = stats::ComputePilotTime(doc_, dates);
  ShowReport();
}

void CPilotTimeDialog::ShowReport() {
  const auto columns = stats::PilotTimeColumns();
  for (int k = 0; k < kAllKinds; ++k) {
    const stats::PilotTimeRow* row = FindRow(report_, static_cast<stats::PilotTimeRowKind>(k));
    for (std::size_t c = 0; c < columns.size(); ++c) {
      grid_->setItem(k, static_cast<int>(c), NumberItem(row ? CellText(*row, columns[c]) : ""));
    }
  }
  EvenColumns(*grid_);
  grid_->resizeRowsToContents();
  FitHeightToRows(*grid_);
  classes_->setRowCount(static_cast<int>(report_.classTotals.size()));
  QStringList classNames;
  for (int r = 0; r < classes_->rowCount(); ++r) {
    const auto cells = stats::ClassTotalsCells(report_.classTotals[r]);
    classNames << QString::fromStdString(cells[0]);
    for (int c = 1; c < 5; ++c) classes_->setItem(r, c - 1, NumberItem(cells[c]));
  }
  classes_->setVerticalHeaderLabels(classNames);
  classes_->resizeColumnsToContents();
  classes_->resizeRowsToContents();
  FitHeightToRows(*classes_);
  QString notes;
  for (const std::string& note : report_.notes)
    notes += QStringLiteral("\u2022 ") + FromCp1252(note) + '\n';
  notes_->setText(notes.trimmed());
}

}  // namespace aerodex
