#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <string_view>

#include "ui/types.h"

// How the game's values look on Qt: texts, colours, positions and the one font of every label
// and picture.
namespace ui::qt {

// The game's texts are UTF-8.
[[nodiscard]] QString toQString(std::string_view text);

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

// The game's black-weight face, not yet sized: "Arial Black" where the system has it, else the
// Black weight of Lato. The labels, the design pictures and the tile pictures all write in it.
[[nodiscard]] QFont blackFace();

// The game's face at a size in points, set in pixels (points x 4/3) so that text scales with the
// twip positions.
[[nodiscard]] QFont gameFont(double points);

}  // namespace ui::qt
