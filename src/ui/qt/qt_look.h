#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

#include "ui/types.h"

// How the game's values look on Qt: colours, positions and the one font family of every label.
namespace ui::qt {

// &HBBGGRR: red is the low byte.
[[nodiscard]] QColor toQColor(Colour colour);

// Twips to logical pixels; Qt's device-independent pixels take care of HiDPI.
[[nodiscard]] constexpr int toPixels(Twips twips) {
    return twips / kTwipsPerPixel;
}
[[nodiscard]] QRect toPixels(Rect rect);

// How a label lays out its caption: from the top, broken at spaces into lines that fit its width,
// but on one line in a label as wide as its caption; the horizontal alignment is the label's own.
inline constexpr int kLabelTextFlags = Qt::AlignTop | Qt::TextWordWrap;
inline constexpr int kOneLineTextFlags = Qt::AlignTop | Qt::TextSingleLine;

// The game's black-weight face at a size in points, set in pixels (points x 4/3) so that text
// scales with the twip positions: "Arial Black" where the system has it, else Lato Black.
[[nodiscard]] QFont gameFont(double points);

}  // namespace ui::qt
