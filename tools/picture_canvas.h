#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <span>

// Painting helpers shared by the design pictures.
namespace assets::canvas {

// A transparent 64 x 64 picture at device pixel ratio 2: a painter on it draws in 32 x 32
// logical pixels, every shape at twice the resolution.
[[nodiscard]] QImage newPicture();

// A painter on a new picture, antialiased.
void begin(QPainter& painter, QImage& picture);

// A round body lit from the upper left: light at the highlight, base colour, dark at the rim.
[[nodiscard]] QRadialGradient shaded(QPointF centre, qreal radius, const QColor& base);

// A fill that runs down from `from` at height `top` to `to` at height `bottom`.
[[nodiscard]] QLinearGradient vertical(qreal top, qreal bottom, const QColor& from,
                                       const QColor& to);

// A rounded rectangle with its border.
void panel(QPainter& painter, const QRectF& rect, qreal radius, const QPen& border,
           const QBrush& fill);

// Small borderless ellipses of one colour (seeds, pores).
void dots(QPainter& painter, const QColor& colour, std::span<const QPointF> centres, qreal rx,
          qreal ry);

// The game's black-weight face at a size in pixels.
[[nodiscard]] QFont blackFont(qreal pixelSize);

}  // namespace assets::canvas
