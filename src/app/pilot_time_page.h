// SPDX-License-Identifier: GPL-3.0-or-later
// The 8710 record of pilot time as one printed page: a title with the date
// range, the form's grid (the kinds of aircraft down, the form's columns
// across), the totals by class and the assumptions. Painted on any painter:
// the printer, a PDF or an image for the tests.
#pragma once

#include <QPainter>
#include <QRectF>
#include <QString>

#include "stats/pilot_time.h"

namespace aerodex {

// Paints the report inside area, in the painter's device units; the page is
// meant to be landscape.
void PaintPilotTimePage(QPainter& painter, const QRectF& area,
                        const stats::PilotTimeReport& report);

// A heading broken into lines of about width characters at its blanks, so
// that narrow columns can carry the form's long headings.
QString WrapHeading(const QString& heading, int width);

}  // namespace aerodex
