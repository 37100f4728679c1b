#pragma once

#include <QImage>

namespace assets {

// The picture of a number tile, value 1 to 9: a rounded tile in the value's own colour with
// the digit in white, 64 x 64 pixels so it stays crisp when shown at 32 x 32 on a 2x screen.
[[nodiscard]] QImage drawNumberTile(int value);

}  // namespace assets
