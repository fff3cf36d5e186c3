// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/toolbar_icons.h"

#include <QPainter>
#include <functional>

#include "app/command_ids.h"
#include "app/icon_shapes.h"

namespace aerodex {
namespace {

using namespace icon_shapes;

const QRectF kAirplaneArea(1, 2, 26, 26);

void DrawProgram(QPainter& p) {
  DrawLogbookCover(p);
  DrawAirplane(p, QRectF(6, 3, 22, 22), QColor(0xf4, 0xf4, 0xf4), QColor(0x20, 0x30, 0x50));
}

std::function<void(QPainter&)> PainterFor(int commandId) {
  switch (commandId) {
    case 0:
      return DrawProgram;
    case ID_FILE_SAVE:
      return DrawFloppy;
    case ID_FILE_PRINT:
      return DrawPrinter;
    case ID_VIEW_EXPANDED_SIZE:
      return [](QPainter& p) { DrawMagnifier(p, true); };
    case ID_VIEW_NORMAL_SIZE:
      return [](QPainter& p) { DrawMagnifier(p, false); };
    case ID_EDIT_PILOT_INFO:
      return DrawPilotCard;
    case ID_NEW_AIRCRAFT:
      return [](QPainter& p) {
        DrawAirplane(p, kAirplaneArea);
        DrawPlusBadge(p);
      };
    case ID_EDIT_AIRCRAFT:
      return [](QPainter& p) {
        DrawAirplane(p, kAirplaneArea);
        DrawPencilBadge(p);
      };
    case ID_DELETE_AIRCRAFT:
      return [](QPainter& p) {
        DrawAirplane(p, kAirplaneArea);
        DrawCrossBadge(p);
      };
    case ID_NEW_ENTRY:
      return [](QPainter& p) {
        DrawLogPage(p);
        DrawPlusBadge(p);
      };
    case ID_EDIT_ENTRY:
      return [](QPainter& p) {
        DrawLogPage(p);
        DrawPencilBadge(p);
      };
    case ID_DELETE_ENTRY:
      return [](QPainter& p) {
        DrawLogPage(p);
        DrawCrossBadge(p);
      };
    case ID_CHECK_CURRENCY:
      return DrawCalendarCheck;
    case ID_AIRCRAFT_STATUS:
      return DrawWrench;
    case ID_APP_ABOUT:
      return DrawInfoDisc;
    case ID_CONTEXT_HELP:
      return DrawArrowQuestion;
    default:
      return {};
  }
}

QIcon IconFrom(int commandId) {
  if (!PainterFor(commandId)) return {};
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(DrawIconPixmap(commandId, size));
  return icon;
}

}  // namespace

QPixmap DrawIconPixmap(int commandId, int size, qreal devicePixelRatio) {
  const auto paint = PainterFor(commandId);
  const int pixels = qRound(size * devicePixelRatio);
  QPixmap pixmap(pixels, pixels);
  pixmap.fill(Qt::transparent);
  if (!paint) return pixmap;
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(pixels / 32.0, pixels / 32.0);
  paint(painter);
  painter.end();
  pixmap.setDevicePixelRatio(devicePixelRatio);
  return pixmap;
}

QIcon CommandIcon(int commandId) { return commandId == 0 ? QIcon() : IconFrom(commandId); }

QIcon ProgramIcon() { return IconFrom(0); }

}  // namespace aerodex
