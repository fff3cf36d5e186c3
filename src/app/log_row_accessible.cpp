// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/log_row_accessible.h"

#include <QStringList>

#include "app/qt_text.h"
#include "display/layout_metrics.h"

namespace aerodex {

int ColumnLeft(int column) { return column <= 0 ? 0 : layout::kRowRuleXs[column - 1]; }

int ColumnRight(int column) {
  const int rules = static_cast<int>(layout::kRowRuleXs.size());
  return column >= rules ? layout::kDrawingWidth : layout::kRowRuleXs[column];
}

namespace {

const CLogRowText* RowAt(const CLogTableAccessible& table, const CLogTableAccessible::RowKey& key) {
  const int index = table.IndexOf(key);
  return index < 0 ? nullptr : &table.Rows()[static_cast<std::size_t>(index)];
}

// A flight is known by its date, aircraft and route; a totals row by its label.
QString RowName(const CLogRowText& row) {
  if (!row.entry) return FromCp1252(row.label);
  return QStringList{FromCp1252(row.cells[0]), FromCp1252(row.cells[1]), FromCp1252(row.cells[2])}
      .join(QStringLiteral(", "));
}

// Every column the row fills, with its heading: what the eye reads across it.
QString RowSummary(const CLogRowText& row, const CLogCells& headings) {
  QStringList parts;
  for (std::size_t column = 0; column < kLogColumnCount; ++column) {
    if (row.cells[column].empty()) continue;
    parts.append(FromCp1252(headings[column]) + QLatin1Char(' ') + FromCp1252(row.cells[column]));
  }
  return parts.join(QStringLiteral(", "));
}

}  // namespace

const CLogRowText* CLogRowAccessible::Row() const { return RowAt(table_, key_); }

bool CLogRowAccessible::isValid() const { return table_.isValid() && Row() != nullptr; }

QAccessibleInterface* CLogRowAccessible::childAt(int x, int y) const {
  for (int column = 0; column < childCount(); ++column) {
    QAccessibleInterface* cell = child(column);
    if (cell && cell->rect().contains(x, y)) return cell;
  }
  return nullptr;
}

QAccessibleInterface* CLogRowAccessible::child(int index) const {
  if (index < 0 || index >= childCount()) return nullptr;
  return table_.Child(key_, index);
}

int CLogRowAccessible::childCount() const { return Row() ? static_cast<int>(kLogColumnCount) : 0; }

int CLogRowAccessible::indexOfChild(const QAccessibleInterface* child) const {
  const auto* cell = dynamic_cast<const CLogCellAccessible*>(child);
  return cell && cell->Key() == key_ ? cell->columnIndex() : -1;
}

QString CLogRowAccessible::text(QAccessible::Text t) const {
  const CLogRowText* row = Row();
  if (!row) return {};
  if (t == QAccessible::Name) return RowName(*row);
  if (t == QAccessible::Description) return RowSummary(*row, table_.Headings());
  return {};
}

QRect CLogRowAccessible::rect() const {
  const CLogRowText* row = Row();
  if (!row) return {};
  return table_.ScreenRect(0, row->rules.top, layout::kDrawingWidth, row->rules.bottom);
}

QAccessible::State CLogRowAccessible::state() const {
  QAccessible::State state;
  const CLogRowText* row = Row();
  if (!row) {
    state.invalid = true;
    return state;
  }
  state.readOnly = true;
  if (!row->entry) return state;  // totals rows cannot be selected
  state.selectable = true;
  state.focusable = true;
  state.selected = table_.IsSelected(*row);
  state.focused = state.selected && table_.ViewHasFocus();
  return state;
}

const CLogRowText* CLogCellAccessible::Row() const { return RowAt(table_, key_); }

void* CLogCellAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TableCellInterface)
    return static_cast<QAccessibleTableCellInterface*>(this);
  return nullptr;
}

bool CLogCellAccessible::isValid() const {
  return table_.isValid() && (IsHeading() || Row() != nullptr);
}

QAccessibleInterface* CLogCellAccessible::parent() const {
  return IsHeading() ? static_cast<QAccessibleInterface*>(&table_) : table_.Child(key_, -1);
}

QString CLogCellAccessible::text(QAccessible::Text t) const {
  const QString heading = FromCp1252(table_.Headings()[static_cast<std::size_t>(column_)]);
  if (IsHeading()) return t == QAccessible::Name ? heading : QString();
  const CLogRowText* row = Row();
  if (!row) return {};
  if (t == QAccessible::Name) return FromCp1252(row->cells[static_cast<std::size_t>(column_)]);
  if (t == QAccessible::Description) return heading;
  return {};
}

QRect CLogCellAccessible::rect() const {
  if (IsHeading()) return {};
  const CLogRowText* row = Row();
  if (!row) return {};
  return table_.ScreenRect(ColumnLeft(column_), row->rules.top, ColumnRight(column_),
                           row->rules.bottom);
}

QAccessible::Role CLogCellAccessible::role() const {
  return IsHeading() ? QAccessible::ColumnHeader : QAccessible::Cell;
}

QAccessible::State CLogCellAccessible::state() const {
  QAccessible::State state;
  state.readOnly = true;
  const CLogRowText* row = IsHeading() ? nullptr : Row();
  if (row && row->entry) {
    state.selectable = true;
    state.selected = table_.IsSelected(*row);
  }
  return state;
}

bool CLogCellAccessible::isSelected() const {
  const CLogRowText* row = IsHeading() ? nullptr : Row();
  return row && table_.IsSelected(*row);
}

QList<QAccessibleInterface*> CLogCellAccessible::columnHeaderCells() const {
  if (IsHeading()) return {};
  return {table_.Child(kHeadingKey, column_)};
}

}  // namespace aerodex
