#pragma once

#include <QImage>
#include <QPoint>

#include "ui/services.h"

class QPainter;

// The design pictures of the layouts, drawn at build time: the program gets them with the source
// the build writes (media/prerendered_designs.h).
namespace assets {

// Draws a design picture of the layouts: 64 x 64 pixels at device pixel ratio 2.
[[nodiscard]] QImage drawDesignPicture(ui::DesignPicture which);

// Paints the program icon, the drawing of ProgramIcon, over the square of `pixels` x `pixels`
// from (0, 0) of `painter`: for the icon theme, on a picture or, shape by shape, into an SVG.
void paintProgramIcon(QPainter& painter, qreal pixels);

// Where a pointer picture points, in logical pixels from its top-left corner: the fingertip of
// ClickPointer, the tip of the arrow of WindowPointer. Pictures that are not pointers have their
// hot spot at (0, 0).
[[nodiscard]] QPoint pointerHotSpot(ui::DesignPicture which);

}  // namespace assets
