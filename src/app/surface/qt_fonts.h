// SPDX-License-Identifier: GPL-3.0-or-later
// The log's font descriptions realised as Qt fonts. "Courier New" and
// "Times New Roman" come out as their metric-compatible faces (Liberation
// Mono, Liberation Serif) where the originals are missing, so the fixed-pitch
// row layout keeps its character counts. Every size here is in logical units
// (0.001 inch at normal size); the surface scales the font to its device by
// transform, so a font renders alike on the screen, an image and a PDF.
#pragma once

#include <QFont>
#include <QStringList>
#include <string>

#include "model/drawing_resources.h"

namespace aerodex {

struct CQtFont {
  QFont font;                // pixel size about the em height in logical units
  double unitsPerPixel = 1;  // logical units per pixel of `font`
  double ascent = 0;         // logical units, base line to the top of the cell
  double descent = 0;        // logical units, base line to the bottom of the cell
  double maxAdvance = 0;     // logical units, the widest character
  double emHeight = 0;       // logical units
  double rotation = 0;       // degrees for QPainter::rotate (clockwise on the device)
  // The base line's direction on the page (y up), for bounds.
  double cosine = 1;
  double sine = 0;
  // Whole logical units, rounded up, for the surface's clip test.
  long long boundAdvance = 0;
  long long boundCell = 0;

  double CellHeight() const { return ascent + descent; }
};

// The families to try for a face name, best first.
QStringList FamiliesForFace(const std::string& face);

// Resolves a description (needs a QGuiApplication). An em height is the
// font's pixel size; a cell height is ascent plus descent, so the em height
// is derived from the face's own proportions.
CQtFont ResolveQtFont(const CFontDesc& desc);

// The font drawn when nothing has been selected.
const CFontDesc& DefaultSurfaceFont();

}  // namespace aerodex
