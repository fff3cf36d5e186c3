// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/nnumber_dialogs.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "app/dialogs/form_layout.h"
#include "app/qt_text.h"

namespace aerodex {
namespace {

constexpr int kPromptTextWidth = 380;
constexpr int kVisibleAircraft = 8;

}  // namespace

CNNumberDialog::CNNumberDialog(const CNNumberDlg& form, QWidget* parent)
    : CFieldFormDialog(form, parent) {
  auto* text = new QLabel(QString::fromLatin1(kNNumberPromptText), this);
  text->setObjectName(QStringLiteral("promptText"));
  text->setWordWrap(true);
  text->setFixedWidth(kPromptTextWidth);

  QWidget* box = controls_.Make(kNNumberPromptBox);
  SetWidthInChars(box, 10);
  auto* row = new QHBoxLayout;
  row->setSpacing(4);
  row->addWidget(controls_.Label(kNNumberPromptBox));
  row->addWidget(box);
  row->addStretch();

  auto* controls = new QVBoxLayout;
  controls->addWidget(text);
  controls->addSpacing(8);
  controls->addLayout(row);
  LayOutForm(controls, ButtonsRightCancelFirst(), 8);
  ShowFormData();
}

CSelectAircraftDialog::CSelectAircraftDialog(const CSelectAircraftDlg& form, QWidget* parent)
    : CFormDialog(CSelectAircraftDlg::kTitle, parent), form_(form), list_(new QListWidget(this)) {
  list_->setObjectName(QStringLiteral("aircraftList"));
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  for (const std::string& nNumber : form_.nNumbers) list_->addItem(FromCp1252(nNumber));
  const int rowHeight = list_->fontMetrics().lineSpacing() + 4;
  list_->setFixedSize(220, rowHeight * kVisibleAircraft + 6);
  if (form_.choice >= 0 && form_.choice < list_->count()) {
    list_->setCurrentRow(static_cast<int>(form_.choice));
    list_->scrollToItem(list_->currentItem());
  }
  // The selection, not the current row: focus alone must not choose an item.
  connect(list_, &QListWidget::itemSelectionChanged, this,
          &CSelectAircraftDialog::ChooseHighlighted);
  connect(list_, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { form_.Choose(list_->row(item)); });

  auto* controls = new QVBoxLayout;
  controls->addWidget(list_);
  LayOutForm(controls, ButtonsRightCancelFirst(), 6);
  SetTabOrder({list_});
}

void CSelectAircraftDialog::ChooseHighlighted() {
  const QList<QListWidgetItem*> selected = list_->selectedItems();
  if (!selected.isEmpty()) form_.Choose(list_->row(selected.front()));
}

}  // namespace aerodex
