// SPDX-License-Identifier: GPL-3.0-or-later
// A row of the log view's table and its cells, for assistive technology.
// They hold no text of their own: each answer reads the table's rows as
// last read, so a row stays the same object while it stays in view.
#pragma once

#include <QAccessibleInterface>

#include "app/log_view_accessible.h"

namespace aerodex {

class CLogRowAccessible final : public QAccessibleInterface {
 public:
  CLogRowAccessible(CLogTableAccessible& table, CLogTableAccessible::RowKey key)
      : table_(table), key_(key) {}

  const CLogTableAccessible::RowKey& Key() const { return key_; }

  bool isValid() const override;
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return table_.window(); }
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* parent() const override { return &table_; }
  QAccessibleInterface* child(int index) const override;
  int childCount() const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QString text(QAccessible::Text t) const override;
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override;
  QAccessible::Role role() const override { return QAccessible::Row; }
  QAccessible::State state() const override;

 private:
  const CLogRowText* Row() const;

  CLogTableAccessible& table_;
  CLogTableAccessible::RowKey key_;
};

// A cell of a row, or (for the header key) a column heading.
class CLogCellAccessible final : public QAccessibleInterface, public QAccessibleTableCellInterface {
 public:
  // The row key of the column headings, which no row of the log has.
  static constexpr CLogTableAccessible::RowKey kHeadingKey{nullptr, INT_MAX};

  CLogCellAccessible(CLogTableAccessible& table, CLogTableAccessible::RowKey key, int column)
      : table_(table), key_(key), column_(column) {}

  const CLogTableAccessible::RowKey& Key() const { return key_; }

  void* interface_cast(QAccessible::InterfaceType type) override;
  bool isValid() const override;
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return table_.window(); }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override;
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override;
  QAccessible::Role role() const override;
  QAccessible::State state() const override;

  // QAccessibleTableCellInterface
  bool isSelected() const override;
  QList<QAccessibleInterface*> columnHeaderCells() const override;
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return column_; }
  int rowIndex() const override { return table_.IndexOf(key_); }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return &table_; }

 private:
  bool IsHeading() const { return key_ == kHeadingKey; }
  const CLogRowText* Row() const;

  CLogTableAccessible& table_;
  CLogTableAccessible::RowKey key_;
  int column_;
};

// The left and right rules of a column of the page, drawing units.
int ColumnLeft(int column);
int ColumnRight(int column);

}  // namespace aerodex
