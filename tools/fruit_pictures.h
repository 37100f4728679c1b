#pragma once

#include <QPainter>

#include "ui/services.h"

namespace assets {

// Paints one of the ten symbol pictures of the title window (Melon to Cherries) on a 32 x 32
// logical canvas.
void paintFruit(QPainter& painter, ui::DesignPicture which);

}  // namespace assets
