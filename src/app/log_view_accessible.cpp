// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/log_view_accessible.h"

#include <QFocusEvent>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>

#include "app/aerodex_view.h"
#include "app/log_row_accessible.h"
#include "app/qt_text.h"
#include "display/size_factor.h"

namespace aerodex {
namespace {

QAccessibleInterface* LogViewFactory(const QString& className, QObject* object) {
  auto* view = qobject_cast<CAerodexView*>(object);
  if (!view || className != QLatin1String(CAerodexView::staticMetaObject.className()))
    return nullptr;
  return new CLogTableAccessible(*view);
}

}  // namespace

void MakeLogViewAccessible(CAerodexView& view) {
  static const bool installed = [] {
    QAccessible::installFactory(LogViewFactory);
    return true;
  }();
  Q_UNUSED(installed);
  new CLogViewAccessNotifier(view);
}

CLogTableAccessible::CLogTableAccessible(CAerodexView& view)
    : QAccessibleWidget(&view, QAccessible::Table), view_(view) {
  notifier_ = view.findChild<CLogViewAccessNotifier*>(QString(), Qt::FindDirectChildrenOnly);
  if (notifier_) notifier_->SetTable(this);
}

CLogTableAccessible::~CLogTableAccessible() {
  if (notifier_) notifier_->SetTable(nullptr);
  DropChildren(true);
}

CLogTableAccessible::Stamp CLogTableAccessible::CurrentStamp() const {
  CLogView& logView = view_.LogView();
  const CAerodexDoc& doc = view_.Document();
  return {CLogLayout::KeyFor(doc, logView.viewMode, logView.showNightSubtotals),
          doc.zoomFactor,
          {view_.horizontalScrollBar()->value(), view_.verticalScrollBar()->value()},
          view_.viewport()->size(),
          doc.selectedEntry};
}

// The heights of the page the window shows, in drawing units.
CBand CLogTableAccessible::ShownBand() const {
  const int factor = std::max(1, SizeFactor(view_.Document()));
  const QPoint top = view_.ToViewPoint({0, 0});
  const QPoint bottom = view_.ToViewPoint({0, view_.viewport()->height()});
  return {bottom.y() / factor, top.y() / factor};
}

bool CLogTableAccessible::Refresh() const {
  const Stamp now = CurrentStamp();
  if (read_ && now == stamp_) return false;
  stamp_ = now;
  read_ = true;
  const CAerodexDoc& doc = view_.Document();
  std::vector<CLogRowText> rows =
      LogRowsText(doc, view_.LogView().CurrentLayout(), ShownBand(), doc.selectedEntry);
  headings_ = LogColumnHeadings(doc);
  const auto same = [](const CLogRowText& a, const CLogRowText& b) {
    return a.entry == b.entry && a.label == b.label && a.rules.top == b.rules.top &&
           a.rules.bottom == b.rules.bottom && a.cells == b.cells;
  };
  if (std::equal(rows.begin(), rows.end(), rows_.begin(), rows_.end(), same)) return false;
  rows_ = std::move(rows);
  DropChildren(false);
  return true;
}

void CLogTableAccessible::DropChildren(bool all) const {
  for (auto it = children_.begin(); it != children_.end();) {
    const bool kept =
        !all && (it->first.row == CLogCellAccessible::kHeadingKey || IndexOf(it->first.row) >= 0);
    if (kept) {
      ++it;
      continue;
    }
    QAccessible::deleteAccessibleInterface(it->second);
    it = children_.erase(it);
  }
}

int CLogTableAccessible::IndexOf(const RowKey& key) const {
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    if (KeyOf(rows_[i]) == key) return static_cast<int>(i);
  }
  return -1;
}

QAccessibleInterface* CLogTableAccessible::Child(const RowKey& key, int column) const {
  const ChildKey childKey{key, column};
  if (const auto found = children_.find(childKey); found != children_.end())
    return QAccessible::accessibleInterface(found->second);
  auto& self = const_cast<CLogTableAccessible&>(*this);
  QAccessibleInterface* made =
      column < 0 ? static_cast<QAccessibleInterface*>(new CLogRowAccessible(self, key))
                 : new CLogCellAccessible(self, key, column);
  children_.emplace(childKey, QAccessible::registerAccessibleInterface(made));
  return made;
}

bool CLogTableAccessible::IsSelected(const CLogRowText& row) const {
  return row.entry && row.entry == view_.Document().selectedEntry;
}

bool CLogTableAccessible::ViewHasFocus() const { return view_.hasFocus(); }

QAccessibleInterface* CLogTableAccessible::SelectedRow() const {
  Refresh();
  const auto found =
      std::find_if(rows_.begin(), rows_.end(), [&](const CLogRowText& r) { return IsSelected(r); });
  return found == rows_.end() ? nullptr : Child(KeyOf(*found), -1);
}

QRect CLogTableAccessible::ScreenRect(int left, int top, int right, int bottom) const {
  // The view's own mapping, read back from two points, so that the
  // rectangles follow however the view scales and scrolls the page.
  const QPoint origin = view_.ToViewPoint({0, 0});
  const QPoint far = view_.ToViewPoint({1000, 1000});
  const double perX = 1000.0 / std::max(1, far.x() - origin.x());
  const double perY = 1000.0 / std::min(-1, far.y() - origin.y());
  const int factor = std::max(1, SizeFactor(view_.Document()));
  const auto pixel = [&](int x, int y) {
    return QPoint(static_cast<int>((static_cast<double>(x) * factor - origin.x()) * perX),
                  static_cast<int>((static_cast<double>(y) * factor - origin.y()) * perY));
  };
  const QRect local(pixel(left, top), pixel(right, bottom));
  return QRect(view_.viewport()->mapToGlobal(local.topLeft()), local.size());
}

void* CLogTableAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

int CLogTableAccessible::childCount() const { return rowCount(); }

QAccessibleInterface* CLogTableAccessible::child(int index) const {
  Refresh();
  if (index < 0 || index >= static_cast<int>(rows_.size())) return nullptr;
  return Child(KeyOf(rows_[static_cast<std::size_t>(index)]), -1);
}

int CLogTableAccessible::indexOfChild(const QAccessibleInterface* child) const {
  const auto* row = dynamic_cast<const CLogRowAccessible*>(child);
  return row ? IndexOf(row->Key()) : -1;
}

QAccessibleInterface* CLogTableAccessible::childAt(int x, int y) const {
  for (int index = 0; index < childCount(); ++index) {
    QAccessibleInterface* row = child(index);
    if (row && row->rect().contains(x, y)) return row;
  }
  return nullptr;
}

QAccessibleInterface* CLogTableAccessible::focusChild() const {
  return ViewHasFocus() ? SelectedRow() : nullptr;
}

QString CLogTableAccessible::text(QAccessible::Text t) const {
  if (t == QAccessible::Name && view_.accessibleName().isEmpty())
    return QStringLiteral("Flight log");
  return QAccessibleWidget::text(t);
}

QAccessibleInterface* CLogTableAccessible::cellAt(int row, int column) const {
  Refresh();
  if (row < 0 || row >= static_cast<int>(rows_.size()) || column < 0 || column >= columnCount())
    return nullptr;
  return Child(KeyOf(rows_[static_cast<std::size_t>(row)]), column);
}

int CLogTableAccessible::selectedCellCount() const { return selectedRowCount() * columnCount(); }

QList<QAccessibleInterface*> CLogTableAccessible::selectedCells() const {
  QList<QAccessibleInterface*> cells;
  for (const int row : selectedRows()) {
    for (int column = 0; column < columnCount(); ++column) cells.append(cellAt(row, column));
  }
  return cells;
}

QString CLogTableAccessible::columnDescription(int column) const {
  Refresh();
  if (column < 0 || column >= columnCount()) return {};
  return FromCp1252(headings_[static_cast<std::size_t>(column)]);
}

QString CLogTableAccessible::rowDescription(int row) const {
  QAccessibleInterface* rowInterface = child(row);
  return rowInterface ? rowInterface->text(QAccessible::Name) : QString();
}

int CLogTableAccessible::selectedRowCount() const {
  return static_cast<int>(selectedRows().size());
}

int CLogTableAccessible::rowCount() const {
  Refresh();
  return static_cast<int>(rows_.size());
}

QList<int> CLogTableAccessible::selectedRows() const {
  Refresh();
  QList<int> selected;
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    if (IsSelected(rows_[i])) selected.append(static_cast<int>(i));
  }
  return selected;
}

bool CLogTableAccessible::isRowSelected(int row) const { return selectedRows().contains(row); }

// Selecting a flight's row selects the flight, as a click on it does.
bool CLogTableAccessible::selectRow(int row) {
  Refresh();
  if (row < 0 || row >= static_cast<int>(rows_.size())) return false;
  const CAerodexEntry* wanted = rows_[static_cast<std::size_t>(row)].entry;
  if (!wanted) return false;
  CAerodexDoc& doc = view_.Document();
  for (const auto& entry : doc.Entries()) {
    if (entry.get() != wanted) continue;
    doc.selectedEntry = entry.get();
    doc.UpdateAllViews();
    return true;
  }
  return false;
}

CLogViewAccessNotifier::CLogViewAccessNotifier(CAerodexView& view)
    : QObject(&view),
      view_(view),
      doc_(view.Document()),
      viewport_(view.viewport()),
      selected_(doc_.selectedEntry) {
  doc_.AddListener(this);
  view.installEventFilter(this);
  viewport_->installEventFilter(this);
  for (QScrollBar* bar : {view.horizontalScrollBar(), view.verticalScrollBar()})
    connect(bar, &QScrollBar::valueChanged, this, &CLogViewAccessNotifier::Tell);
}

CLogViewAccessNotifier::~CLogViewAccessNotifier() { doc_.RemoveListener(this); }

bool CLogViewAccessNotifier::eventFilter(QObject* watched, QEvent* event) {
  // After Qt has told of the view's focus, the focus moves on to the row.
  if (watched == &view_ && event->type() == QEvent::FocusIn)
    QTimer::singleShot(0, this, &CLogViewAccessNotifier::TellFocus);
  if (watched == viewport_ && event->type() == QEvent::Resize) Tell();
  return QObject::eventFilter(watched, event);
}

void CLogViewAccessNotifier::Tell() {
  if (!table_) return;
  if (table_->Refresh()) {
    QAccessibleTableModelChangeEvent reset(table_, QAccessibleTableModelChangeEvent::ModelReset);
    Send(reset, table_);
  }
  const CAerodexEntry* selected = doc_.selectedEntry;
  if (selected == selected_) return;
  selected_ = selected;
  QAccessibleInterface* row = table_->SelectedRow();
  if (!row) return;
  QAccessibleEvent selection(row, QAccessible::Selection);
  Send(selection, row);
  if (view_.hasFocus()) TellFocus();
}

void CLogViewAccessNotifier::TellFocus() {
  if (!table_) return;
  QAccessibleInterface* row = table_->SelectedRow();
  if (!row) return;
  QAccessibleEvent focus(row, QAccessible::Focus);
  Send(focus, row);
}

void CLogViewAccessNotifier::Send(QAccessibleEvent& event, QAccessibleInterface* target) {
  QAccessible::updateAccessibility(&event);
  emit told(event.type(), target);
}

}  // namespace aerodex
