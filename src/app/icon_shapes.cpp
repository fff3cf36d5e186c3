// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/icon_shapes.h"

#include <QFont>
#include <QPainterPath>

namespace aerodex::icon_shapes {
namespace {

const QColor kInk(0x2a, 0x33, 0x3d);
const QColor kBlue(0x2e, 0x6d, 0xb4);
const QColor kGreen(0x2e, 0x9d, 0x3a);
const QColor kRed(0xd0, 0x3a, 0x2f);

QPen Outline(QColor color, qreal width = 1.0) {
  return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void FillShape(QPainter& p, const QPainterPath& path, QColor fill, QColor outline,
               qreal width = 1.0) {
  p.setPen(Outline(outline, width));
  p.setBrush(fill);
  p.drawPath(path);
}

void Rule(QPainter& p, QPointF from, QPointF to, QColor color, qreal width) {
  p.setPen(Outline(color, width));
  p.drawLine(from, to);
}

void Badge(QPainter& p, QColor fill) {
  p.setPen(Outline(Qt::white, 1.4));
  p.setBrush(fill);
  p.drawEllipse(QPointF(24, 24), 7, 7);
}

}  // namespace

void DrawAirplane(QPainter& p, const QRectF& target, QColor fill, QColor outline) {
  QPainterPath body;
  body.addRoundedRect(QRectF(14.2, 4, 3.6, 23), 1.8, 1.8);
  body.addRoundedRect(QRectF(2, 11, 28, 4.4), 1.6, 1.6);
  body.addRoundedRect(QRectF(10.5, 24.2, 11, 3.2), 1.2, 1.2);
  body.setFillRule(Qt::WindingFill);
  p.save();
  p.translate(target.topLeft());
  p.scale(target.width() / 32.0, target.height() / 32.0);
  FillShape(p, body.simplified(), fill, outline);
  p.setPen(Qt::NoPen);
  p.setBrush(outline);
  p.drawRoundedRect(QRectF(14.9, 8.2, 2.2, 2.4), 0.6, 0.6);       // windshield
  Rule(p, QPointF(12.4, 3.2), QPointF(19.6, 3.2), outline, 1.1);  // propeller
  p.restore();
}

void DrawLogPage(QPainter& p) {
  QPainterPath page;
  page.addRect(QRectF(5, 2.5, 20, 26.5));
  FillShape(p, page, Qt::white, kInk);
  p.fillRect(QRectF(5.5, 3, 19, 4.5), kBlue);
  for (qreal y : {11.0, 14.5, 18.0, 21.5, 25.0}) {
    Rule(p, QPointF(7.5, y), QPointF(22.5, y), QColor(0x9a, 0xb4, 0xd0), 1.0);
  }
  Rule(p, QPointF(11, 8.5), QPointF(11, 27), QColor(0xd8, 0x8a, 0x84), 0.9);
}

void DrawLogbookCover(QPainter& p) {
  QPainterPath pages;
  pages.addRoundedRect(QRectF(5, 6, 25, 23.5), 1.5, 1.5);
  FillShape(p, pages, QColor(0xf6, 0xf1, 0xe3), kInk);
  QPainterPath cover;
  cover.addRoundedRect(QRectF(2, 4, 25, 24), 2, 2);
  FillShape(p, cover, QColor(0x1f, 0x5f, 0x4a), QColor(0x12, 0x3b, 0x2e));
  p.fillRect(QRectF(4.2, 4.6, 1.4, 22.8), QColor(0x16, 0x48, 0x38));  // spine
  Rule(p, QPointF(8, 26), QPointF(24, 26), QColor(0xd9, 0xb3, 0x4a), 1.2);
}

void DrawFloppy(QPainter& p) {
  QPainterPath disk;
  disk.moveTo(6, 4);
  disk.lineTo(24, 4);
  disk.lineTo(28, 8);
  disk.lineTo(28, 26);
  disk.quadTo(28, 28, 26, 28);
  disk.lineTo(6, 28);
  disk.quadTo(4, 28, 4, 26);
  disk.lineTo(4, 6);
  disk.quadTo(4, 4, 6, 4);
  FillShape(p, disk, QColor(0x2b, 0x4f, 0x8c), QColor(0x16, 0x2c, 0x52));
  p.setPen(Outline(QColor(0x6b, 0x74, 0x80), 0.8));
  p.setBrush(QColor(0xcf, 0xd5, 0xdc));
  p.drawRect(QRectF(9.5, 4.5, 13, 8));
  p.fillRect(QRectF(17.5, 6, 3, 5), QColor(0x2b, 0x4f, 0x8c));
  p.setPen(Outline(QColor(0x9a, 0xa4, 0xb0), 0.8));
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(7.5, 16, 17, 11), 1, 1);
  Rule(p, QPointF(10, 20), QPointF(22, 20), QColor(0x9a, 0xb4, 0xd0), 1.0);
  Rule(p, QPointF(10, 23.5), QPointF(22, 23.5), QColor(0x9a, 0xb4, 0xd0), 1.0);
}

void DrawPrinter(QPainter& p) {
  QPainterPath paperIn;
  paperIn.addRect(QRectF(9, 3, 14, 10));
  FillShape(p, paperIn, Qt::white, kInk, 0.9);
  QPainterPath body;
  body.addRoundedRect(QRectF(3.5, 11, 25, 12.5), 2.2, 2.2);
  FillShape(p, body, QColor(0x8c, 0x96, 0xa3), QColor(0x3c, 0x46, 0x50));
  p.fillRect(QRectF(5, 12.3, 22, 3), QColor(0xb4, 0xbd, 0xc7));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x4c, 0xd9, 0x64));
  p.drawEllipse(QPointF(24.5, 17.8), 1.2, 1.2);
  QPainterPath paperOut;
  paperOut.addRect(QRectF(8, 19, 16, 10));
  FillShape(p, paperOut, Qt::white, kInk, 0.9);
  Rule(p, QPointF(10.5, 23), QPointF(21.5, 23), QColor(0x70, 0x80, 0x90), 1.0);
  Rule(p, QPointF(10.5, 26), QPointF(19, 26), QColor(0x70, 0x80, 0x90), 1.0);
}

void DrawMagnifier(QPainter& p, bool plus) {
  Rule(p, QPointF(19.5, 19.5), QPointF(28, 28), QColor(0x5a, 0x46, 0x32), 5.0);
  p.setPen(Outline(QColor(0x33, 0x47, 0x5b), 2.4));
  p.setBrush(QColor(0xdc, 0xea, 0xf8));
  p.drawEllipse(QPointF(13, 13), 9, 9);
  Rule(p, QPointF(8.5, 13), QPointF(17.5, 13), kBlue, 2.6);
  if (plus) Rule(p, QPointF(13, 8.5), QPointF(13, 17.5), kBlue, 2.6);
}

void DrawPilotCard(QPainter& p) {
  QPainterPath card;
  card.addRoundedRect(QRectF(2, 6, 28, 21), 2, 2);
  FillShape(p, card, QColor(0xf5, 0xf0, 0xe0), QColor(0x7a, 0x6a, 0x45));
  p.setPen(Qt::NoPen);
  p.setBrush(kBlue);
  p.drawEllipse(QPointF(10, 15), 3.2, 3.2);
  p.drawRoundedRect(QRectF(4.6, 19.4, 10.8, 7), 3.4, 3.4);
  QPainterPath cap;
  cap.moveTo(6.2, 12.6);
  cap.lineTo(13.8, 12.6);
  cap.lineTo(12.6, 10.2);
  cap.lineTo(7.4, 10.2);
  cap.closeSubpath();
  FillShape(p, cap, QColor(0x22, 0x2a, 0x36), QColor(0x22, 0x2a, 0x36), 0.6);
  p.fillRect(QRectF(2.5, 26.5, 27, 0.5), QColor(0xf5, 0xf0, 0xe0));  // trims the shoulders
  for (qreal y : {12.0, 16.0}) Rule(p, QPointF(18, y), QPointF(27, y), kInk, 1.6);
  Rule(p, QPointF(18, 20), QPointF(24, 20), kInk, 1.6);
  Rule(p, QPointF(18, 23.5), QPointF(26, 23.5), QColor(0xd9, 0xb3, 0x4a), 1.6);
}

void DrawCalendarCheck(QPainter& p) {
  QPainterPath sheet;
  sheet.addRoundedRect(QRectF(3, 5, 24, 23), 1.5, 1.5);
  FillShape(p, sheet, Qt::white, kInk);
  p.fillRect(QRectF(3.5, 5.5, 23, 5.5), kRed);
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  p.drawRoundedRect(QRectF(8, 2.5, 2.2, 6), 1, 1);
  p.drawRoundedRect(QRectF(19.8, 2.5, 2.2, 6), 1, 1);
  p.setBrush(QColor(0xb8, 0xc0, 0xc8));
  for (qreal y : {14.5, 19.0, 23.5}) {
    for (qreal x : {7.0, 11.5, 16.0, 20.5}) p.drawRect(QRectF(x, y, 2.4, 2.4));
  }
  QPainterPath check;
  check.moveTo(9, 18.5);
  check.lineTo(14.5, 24);
  check.lineTo(29, 9.5);
  p.setBrush(Qt::NoBrush);
  p.setPen(Outline(Qt::white, 6));
  p.drawPath(check);
  p.setPen(Outline(kGreen, 3.4));
  p.drawPath(check);
}

void DrawWrench(QPainter& p) {
  QPainterPath wrench;
  wrench.addRoundedRect(QRectF(-13, -2.4, 20, 4.8), 2.4, 2.4);
  wrench.addEllipse(QPointF(8, 0), 6.6, 6.6);
  wrench.setFillRule(Qt::WindingFill);
  QPainterPath notch;
  notch.addRect(QRectF(7.5, -2.7, 9, 5.4));
  QPainterPath hole;
  hole.addEllipse(QPointF(-10.2, 0), 1.2, 1.2);
  p.save();
  p.translate(15, 17);
  p.rotate(-45);
  FillShape(p, wrench.simplified().subtracted(notch).subtracted(hole), QColor(0x9a, 0xa6, 0xb3),
            QColor(0x3c, 0x46, 0x50), 1.1);
  p.restore();
}

void DrawInfoDisc(QPainter& p) {
  p.setPen(Outline(QColor(0x1d, 0x4a, 0x80), 1.2));
  p.setBrush(kBlue);
  p.drawEllipse(QPointF(16, 16), 13, 13);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(16, 9.5), 2.3, 2.3);
  p.drawRoundedRect(QRectF(14, 13.5, 4, 11.5), 1.4, 1.4);
}

void DrawArrowQuestion(QPainter& p) {
  QPainterPath arrow;
  arrow.moveTo(4, 3);
  arrow.lineTo(4, 23);
  arrow.lineTo(8.8, 18.6);
  arrow.lineTo(12.2, 26.2);
  arrow.lineTo(15.4, 24.8);
  arrow.lineTo(12, 17.4);
  arrow.lineTo(18.2, 17.4);
  arrow.closeSubpath();
  FillShape(p, arrow, Qt::white, Qt::black, 1.2);
  QFont font(QStringLiteral("Liberation Sans"));
  font.setBold(true);
  font.setPixelSize(22);
  QPainterPath mark;
  mark.addText(QPointF(17.5, 24), font, QStringLiteral("?"));
  FillShape(p, mark, kBlue, QColor(0x1d, 0x4a, 0x80), 0.6);
}

void DrawPlusBadge(QPainter& p) {
  Badge(p, kGreen);
  Rule(p, QPointF(20, 24), QPointF(28, 24), Qt::white, 2.6);
  Rule(p, QPointF(24, 20), QPointF(24, 28), Qt::white, 2.6);
}

void DrawCrossBadge(QPainter& p) {
  Badge(p, kRed);
  Rule(p, QPointF(21, 21), QPointF(27, 27), Qt::white, 2.6);
  Rule(p, QPointF(27, 21), QPointF(21, 27), Qt::white, 2.6);
}

void DrawPencilBadge(QPainter& p) {
  p.save();
  p.translate(23.5, 23.5);
  p.rotate(-45);
  QPainterPath tip;
  tip.moveTo(-10, 0);
  tip.lineTo(-5.5, -2.4);
  tip.lineTo(-5.5, 2.4);
  tip.closeSubpath();
  FillShape(p, tip, QColor(0xe8, 0xc9, 0x9b), kInk, 0.8);
  QPainterPath body;
  body.addRect(QRectF(-5.5, -2.4, 11.5, 4.8));
  FillShape(p, body, QColor(0xf2, 0xc2, 0x30), kInk, 0.8);
  QPainterPath eraser;
  eraser.addRoundedRect(QRectF(6, -2.4, 3.6, 4.8), 1, 1);
  FillShape(p, eraser, QColor(0xe8, 0x8a, 0x9a), kInk, 0.8);
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  p.drawEllipse(QPointF(-9.2, 0), 0.9, 0.9);
  p.restore();
}

}  // namespace aerodex::icon_shapes
