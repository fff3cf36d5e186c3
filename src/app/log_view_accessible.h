// SPDX-License-Identifier: GPL-3.0-or-later
// The log view as assistive technology sees it: a table whose rows are the
// rows the window shows (flights and named totals rows), each with its
// cells' text exactly as printed, and the selected flight as the focused
// row. The widget draws the log itself, so without this a screen reader
// would find an empty pane.
#pragma once

#include <QAccessibleWidget>
#include <QPointer>
#include <compare>
#include <map>
#include <vector>

#include "display/log_text.h"
#include "model/document_listener.h"

namespace aerodex {

class CAerodexView;
class CLogViewAccessNotifier;

// Makes the view answer assistive technology and tells it of every change
// to the rows shown and the selection. Call once per view.
void MakeLogViewAccessible(CAerodexView& view);

class CLogTableAccessible final : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit CLogTableAccessible(CAerodexView& view);
  ~CLogTableAccessible() override;

  // A row kept across changes while it stays in view: a flight by its
  // entry, a totals row by its label and place.
  struct RowKey {
    const CAerodexEntry* entry = nullptr;
    int top = 0;
    auto operator<=>(const RowKey&) const = default;
  };

  // Reads the rows shown again when anything they depend on moved; true
  // when they differ from before. Row and cell interfaces of rows gone are
  // dropped.
  bool Refresh() const;
  // The rows as last read, without reading again.
  const std::vector<CLogRowText>& Rows() const { return rows_; }
  const CLogCells& Headings() const { return headings_; }
  int IndexOf(const RowKey& key) const;
  static RowKey KeyOf(const CLogRowText& row) {
    return row.entry ? RowKey{row.entry, 0} : RowKey{nullptr, row.rules.top};
  }
  // The row or cell interface (column -1: the row), made once and kept.
  QAccessibleInterface* Child(const RowKey& key, int column) const;
  QAccessibleInterface* SelectedRow() const;
  bool IsSelected(const CLogRowText& row) const;
  bool ViewHasFocus() const;
  // A rectangle of the page (drawing units) on the screen.
  QRect ScreenRect(int left, int top, int right, int bottom) const;
  CAerodexView& View() const { return view_; }

  // QAccessibleInterface
  void* interface_cast(QAccessible::InterfaceType type) override;
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* focusChild() const override;
  QString text(QAccessible::Text t) const override;

  // QAccessibleTableInterface
  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override;
  int selectedCellCount() const override;
  QList<QAccessibleInterface*> selectedCells() const override;
  QString columnDescription(int column) const override;
  QString rowDescription(int row) const override;
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override;
  int columnCount() const override { return static_cast<int>(kLogColumnCount); }
  int rowCount() const override;
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override;
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int row) const override;
  bool selectRow(int row) override;
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

 private:
  struct ChildKey {
    RowKey row;
    int column;
    auto operator<=>(const ChildKey&) const = default;
  };
  // Everything the rows shown depend on.
  struct Stamp {
    CLogLayout::Key layout;
    int zoom = 0;
    QPoint scroll;
    QSize size;
    const CAerodexEntry* selected = nullptr;
    bool operator==(const Stamp&) const = default;
  };
  Stamp CurrentStamp() const;
  CBand ShownBand() const;
  // Table queries read again first; row and cell interfaces never do, so
  // none is dropped while it answers.
  void DropChildren(bool all) const;

  CAerodexView& view_;
  QPointer<CLogViewAccessNotifier> notifier_;
  mutable Stamp stamp_;
  mutable bool read_ = false;
  mutable std::vector<CLogRowText> rows_;
  mutable CLogCells headings_;
  mutable std::map<ChildKey, QAccessible::Id> children_;
};

// Tells assistive technology, once it has asked for the view, when the rows
// shown change (a change to the log, a scroll, a resize) and when the
// selection moves.
class CLogViewAccessNotifier final : public QObject, public CDocumentListener {
  Q_OBJECT

 public:
  explicit CLogViewAccessNotifier(CAerodexView& view);
  ~CLogViewAccessNotifier() override;
  void SetTable(CLogTableAccessible* table) { table_ = table; }
  void DocumentChanged(const CAerodexDoc&) override { Tell(); }

 signals:
  // After each event sent: its type and the interface it concerns. Qt
  // drops events while no assistive technology listens; this says what
  // would have been told.
  void told(QAccessible::Event type, QAccessibleInterface* target);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Tell();
  void TellFocus();
  void Send(QAccessibleEvent& event, QAccessibleInterface* target);

  CAerodexView& view_;
  // Kept apart: the view is half gone by the time its children go.
  CAerodexDoc& doc_;
  QWidget* viewport_;
  CLogTableAccessible* table_ = nullptr;
  const CAerodexEntry* selected_ = nullptr;
};

}  // namespace aerodex
