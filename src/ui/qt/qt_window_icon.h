#pragma once

#include <QIcon>

#include "ui/window.h"

namespace ui::qt {

// The icon a game window shows: its layout's design picture, or none at all where the layout
// gives none (Qt would otherwise show the program's icon there).
[[nodiscard]] QIcon windowIconOf(const WindowLayout& layout, PictureSource& pictures);

}  // namespace ui::qt
