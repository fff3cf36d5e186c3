// SPDX-License-Identifier: GPL-3.0-or-later
// The shapes the program's pictures are made of, each drawn on a 32 by 32
// grid of the painter's current coordinates: objects (floppy, printer, log
// page...) and the small badges (plus, pencil, cross) laid over them.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

namespace aerodex::icon_shapes {

// A light aircraft seen from above, fitted into target.
void DrawAirplane(QPainter& p, const QRectF& target, QColor fill = QColor(0x2e, 0x6d, 0xb4),
                  QColor outline = QColor(0x17, 0x3a, 0x66));
void DrawLogPage(QPainter& p);
void DrawLogbookCover(QPainter& p);
void DrawFloppy(QPainter& p);
void DrawPrinter(QPainter& p);
void DrawMagnifier(QPainter& p, bool plus);
void DrawPilotCard(QPainter& p);
void DrawCalendarCheck(QPainter& p);
void DrawWrench(QPainter& p);
void DrawInfoDisc(QPainter& p);
void DrawArrowQuestion(QPainter& p);

// Badges in the lower right corner.
void DrawPlusBadge(QPainter& p);
void DrawCrossBadge(QPainter& p);
void DrawPencilBadge(QPainter& p);

}  // namespace aerodex::icon_shapes
