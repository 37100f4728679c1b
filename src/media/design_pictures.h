#pragma once

#include <QImage>
#include <QPoint>

#include "ui/services.h"

namespace quirvanto {

// Every picture of the game is 32 x 32 logical pixels.
inline constexpr int kPictureSize = 32;

// Draws a design picture of the layouts: 64 x 64 pixels at device pixel ratio 2.
[[nodiscard]] QImage drawDesignPicture(ui::DesignPicture which);

// The program icon drawn at `pixels` x `pixels` (device pixel ratio 1), for the window icon and
// the icon theme: the drawing of ProgramIcon at any size.
[[nodiscard]] QImage drawProgramIcon(int pixels);

// Where a pointer picture points, in logical pixels from its top-left corner: the fingertip of
// ClickPointer, the tip of the arrow of WindowPointer. Give it to QCursor with the picture.
// Pictures that are not pointers have their hot spot at (0, 0).
[[nodiscard]] QPoint pointerHotSpot(ui::DesignPicture which);

}  // namespace quirvanto
