// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ink_icon_engine.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPixmapCache>
#include <QSvgRenderer>

namespace aerodex {
namespace {

QByteArray ReadLayer(const QString& path, const QColor& ink) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QByteArray svg = file.readAll();
  if (ink.isValid()) svg.replace(kInkPlaceholder, ink.name().toLatin1());
  return svg;
}

}  // namespace

CInkIconEngine::CInkIconEngine(QStringList layers, bool followPalette)
    : layers_(std::move(layers)), followPalette_(followPalette) {}

QImage CInkIconEngine::Render(const QStringList& layers, QSize size, QColor ink) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  for (const QString& layer : layers) {
    QSvgRenderer renderer(ReadLayer(layer, ink));
    renderer.render(&painter, QRectF(QPointF(0, 0), size));
  }
  return image;
}

QColor CInkIconEngine::InkFor(QIcon::Mode mode) const {
  if (!followPalette_) return {};
  const QPalette palette = QGuiApplication::palette();
  return mode == QIcon::Disabled ? palette.color(QPalette::Disabled, QPalette::WindowText)
                                 : palette.color(QPalette::Active, QPalette::WindowText);
}

QPixmap CInkIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) {
  if (size.isEmpty()) return {};
  const QColor ink = InkFor(mode);
  const QString cacheKey = QStringLiteral("aerodex-ink:%1:%2x%3:%4:%5")
                               .arg(layers_.join(QLatin1Char('+')))
                               .arg(size.width())
                               .arg(size.height())
                               .arg(ink.isValid() ? ink.name(QColor::HexArgb) : QString())
                               .arg(int{mode == QIcon::Disabled});
  QPixmap cached;
  if (QPixmapCache::find(cacheKey, &cached)) return cached;
  QImage image = Render(layers_, size, ink);
  if (mode == QIcon::Disabled) {
    // Faded as a whole, so the coloured parts recede with the ink.
    QImage faded(size, QImage::Format_ARGB32_Premultiplied);
    faded.fill(Qt::transparent);
    QPainter painter(&faded);
    painter.setOpacity(0.45);
    painter.drawImage(0, 0, image);
    painter.end();
    image = faded;
  }
  cached = QPixmap::fromImage(image);
  QPixmapCache::insert(cacheKey, cached);
  return cached;
}

void CInkIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                           QIcon::State state) {
  const qreal ratio = painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1.0;
  QPixmap picture = pixmap(rect.size() * ratio, mode, state);
  picture.setDevicePixelRatio(ratio);
  painter->drawPixmap(rect, picture);
}

QIconEngine* CInkIconEngine::clone() const { return new CInkIconEngine(layers_, followPalette_); }

QString CInkIconEngine::key() const { return QStringLiteral("aerodex-ink"); }

bool CInkIconEngine::isNull() { return layers_.isEmpty(); }

}  // namespace aerodex
