// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/surface/qt_fonts.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace aerodex {
namespace {

// Metrics are taken at this pixel size, where hinting no longer moves them.
constexpr int kReferencePixels = 1000;

QFont::StyleHint StyleHintForFace(const std::string& face) {
  if (face == "Courier New" || face == "Courier") return QFont::TypeWriter;
  if (face == "Times New Roman" || face == "Times") return QFont::Serif;
  return QFont::SansSerif;
}

QFont BaseFont(const CFontDesc& desc, int pixels) {
  QFont font;
  font.setFamilies(FamiliesForFace(desc.face));
  font.setStyleHint(StyleHintForFace(desc.face));
  font.setWeight(static_cast<QFont::Weight>(std::clamp(desc.weight, 1, 1000)));
  font.setPixelSize(std::max(1, pixels));
  if (desc.stretch != 100) font.setStretch(std::clamp(desc.stretch, 1, 4000));
  font.setKerning(false);  // the row layout counts characters, as the printed log did
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

// Ascent plus descent per pixel of em height, for cell-height descriptions.
double CellPerEm(const CFontDesc& desc) {
  const QFontMetricsF metrics(BaseFont(desc, kReferencePixels));
  const double cell = metrics.ascent() + metrics.descent();
  return cell > 0 ? cell / kReferencePixels : 1.0;
}

}  // namespace

QStringList FamiliesForFace(const std::string& face) {
  const QString name = QString::fromStdString(face);
  if (face == "Courier New" || face == "Courier") {
    return {name, "Liberation Mono", "Cousine", "FreeMono"};
  }
  if (face == "Times New Roman" || face == "Times") {
    return {name, "Liberation Serif", "Tinos", "FreeSerif"};
  }
  if (face == "Arial" || face == "Helvetica") return {name, "Liberation Sans", "Arimo"};
  return {name};
}

CQtFont ResolveQtFont(const CFontDesc& desc) {
  CQtFont result;
  const double height = std::abs(static_cast<double>(desc.height));
  result.emHeight = desc.cellHeight ? height / CellPerEm(desc) : height;
  // Whole pixels for the QFont; the remainder goes into unitsPerPixel.
  const int pixels = std::max(1, static_cast<int>(std::lround(result.emHeight)));
  result.font = BaseFont(desc, pixels);
  result.unitsPerPixel = result.emHeight > 0 ? result.emHeight / pixels : 0.0;
  const QFontMetricsF metrics(result.font);
  result.ascent = metrics.ascent() * result.unitsPerPixel;
  result.descent = metrics.descent() * result.unitsPerPixel;
  result.maxAdvance = metrics.maxWidth() * result.unitsPerPixel;
  // The log's -675 rises to the right: a counter-clockwise turn on a y-down
  // device, which QPainter::rotate takes as a negative angle.
  result.rotation = desc.escapement / 10.0;
  const double angle = -result.rotation * std::numbers::pi / 180.0;
  result.cosine = std::cos(angle);
  result.sine = std::sin(angle);
  result.boundAdvance = static_cast<long long>(std::ceil(result.maxAdvance));
  result.boundCell = static_cast<long long>(std::ceil(result.CellHeight()));
  return result;
}

const CFontDesc& DefaultSurfaceFont() {
  static const CFontDesc font{"Arial", 100, false, 400, 0};
  return font;
}

}  // namespace aerodex
