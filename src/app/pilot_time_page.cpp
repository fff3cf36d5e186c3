// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pilot_time_page.h"

#include <QFont>
#include <QRegularExpression>
#include <QStringList>

#include "app/qt_text.h"
#include "stats/pilot_time_cells.h"

namespace aerodex {
namespace {

constexpr int kAllKinds = 6;

// Sizes in inches of the page, turned into device units by Inch().
struct PageScale {
  double dpi;
  double Inch(double inches) const { return inches * dpi; }
};

const stats::PilotTimeRow* FindRow(const stats::PilotTimeReport& report,
                                   stats::PilotTimeRowKind kind) {
  for (const stats::PilotTimeRow& row : report.rows) {
    if (row.kind == kind) return &row;
  }
  return nullptr;
}

void Cell(QPainter& painter, const QRectF& box, const QString& text, int flags) {
  painter.drawRect(box);
  const qreal pad = box.height() * 0.08;
  painter.drawText(box.adjusted(pad, pad, -pad, -pad), flags | Qt::TextWordWrap, text);
}

// The grid laid out like the form; returns the y under it.
qreal PaintGrid(QPainter& painter, const PageScale& scale, QRectF area,
                const stats::PilotTimeReport& report) {
  const auto columns = stats::PilotTimeColumns();
  const qreal labelWidth = scale.Inch(1.2);
  const qreal cellWidth = (area.width() - labelWidth) / static_cast<qreal>(columns.size());
  const qreal headHeight = scale.Inch(1.0), rowHeight = scale.Inch(0.32);
  qreal y = area.top();
  painter.setFont(QFont(QStringLiteral("Sans Serif"), 6));
  for (std::size_t c = 0; c < columns.size(); ++c) {
    const QRectF box(area.left() + labelWidth + cellWidth * c, y, cellWidth, headHeight);
    Cell(painter, box, QString::fromLatin1(columns[c].heading), Qt::AlignCenter);
  }
  y += headHeight;
  painter.setFont(QFont(QStringLiteral("Sans Serif"), 8));
  for (int k = 0; k < kAllKinds; ++k) {
    const auto kind = static_cast<stats::PilotTimeRowKind>(k);
    Cell(painter, QRectF(area.left(), y, labelWidth, rowHeight),
         QString::fromLatin1(stats::RowName(kind)), Qt::AlignLeft | Qt::AlignVCenter);
    const stats::PilotTimeRow* row = FindRow(report, kind);
    for (std::size_t c = 0; c < columns.size(); ++c) {
      const QString text = row ? QString::fromStdString(CellText(*row, columns[c])) : QString();
      Cell(painter, QRectF(area.left() + labelWidth + cellWidth * c, y, cellWidth, rowHeight), text,
           Qt::AlignRight | Qt::AlignVCenter);
    }
    y += rowHeight;
  }
  return y;
}

qreal PaintClassTotals(QPainter& painter, const PageScale& scale, qreal left, qreal y,
                       const stats::PilotTimeReport& report) {
  const qreal width = scale.Inch(1.1), height = scale.Inch(0.26);
  QStringList headings;
  for (const std::string& heading : stats::ClassTotalsHeadings()) {
    headings << QString::fromStdString(heading);
  }
  for (int c = 0; c < headings.size(); ++c) {
    Cell(painter, QRectF(left + width * c, y, width, height), headings[c], Qt::AlignCenter);
  }
  y += height;
  for (const stats::ClassTotals& totals : report.classTotals) {
    const auto cells = stats::ClassTotalsCells(totals);
    for (std::size_t c = 0; c < cells.size(); ++c) {
      Cell(painter, QRectF(left + width * c, y, width, height), QString::fromStdString(cells[c]),
           (c == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    }
    y += height;
  }
  return y;
}

}  // namespace

void PaintPilotTimePage(QPainter& painter, const QRectF& printable,
                        const stats::PilotTimeReport& report) {
  const PageScale scale{static_cast<double>(painter.device()->logicalDpiY())};
  // The outer rules stay inside the printable area.
  const qreal rule = scale.Inch(0.01);
  const QRectF area = printable.adjusted(rule, rule, -rule, -rule);
  painter.save();
  painter.setPen(QPen(Qt::black, rule));
  painter.setFont(QFont(QStringLiteral("Sans Serif"), 12, QFont::Bold));
  const QString title = QStringLiteral("Record of Pilot Time (FAA Form 8710-1), ") +
                        QString::fromStdString(stats::DateRangeText(report.dates));
  painter.drawText(QRectF(area.left(), area.top(), area.width(), scale.Inch(0.4)),
                   Qt::AlignLeft | Qt::AlignVCenter, title);
  qreal y = PaintGrid(painter, scale, area.adjusted(0, scale.Inch(0.5), 0, 0), report);
  painter.setFont(QFont(QStringLiteral("Sans Serif"), 8));
  y = PaintClassTotals(painter, scale, area.left(), y + scale.Inch(0.3), report);
  QString notes;
  for (const std::string& note : report.notes)
    notes += QStringLiteral("- ") + FromCp1252(note) + '\n';
  painter.setFont(QFont(QStringLiteral("Sans Serif"), 7));
  painter.drawText(QRectF(area.left(), y + scale.Inch(0.25), area.width(), area.bottom() - y),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, notes);
  painter.restore();
}

QString WrapHeading(const QString& heading, int width) {
  // "Take-off/Landings" may break after its slash, which then ends the line.
  QString spaced = heading;
  spaced.replace(QLatin1Char('/'), QStringLiteral("/\x01"));
  QString wrapped, line;
  for (QString word :
       spaced.split(QRegularExpression(QStringLiteral("[ \x01]")), Qt::SkipEmptyParts)) {
    const bool joined = line.endsWith(QLatin1Char('/'));
    const int gap = line.isEmpty() || joined ? 0 : 1;
    if (!line.isEmpty() && line.size() + gap + word.size() > width) {
      wrapped += line + '\n';
      line.clear();
    }
    line += (line.isEmpty() || line.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral(" ")) +
            word;
  }
  return wrapped + line;
}

}  // namespace aerodex
