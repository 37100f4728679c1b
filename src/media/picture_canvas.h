#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRadialGradient>

// Painting helpers shared by the design pictures.
namespace quirvanto::canvas {

// A transparent 64 x 64 picture at device pixel ratio 2: a painter on it draws in 32 x 32
// logical pixels, every shape at twice the resolution.
[[nodiscard]] QImage newPicture();

// A painter on a new picture, antialiased.
void begin(QPainter& painter, QImage& picture);

// A round body lit from the upper left: light at the highlight, base colour, dark at the rim.
[[nodiscard]] QRadialGradient shaded(QPointF centre, qreal radius, const QColor& base);

// The game's black-weight face at a size in pixels ("Arial Black", else Lato Black).
[[nodiscard]] QFont blackFont(qreal pixelSize);

}  // namespace quirvanto::canvas
