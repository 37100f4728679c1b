#pragma once

#include <QCursor>
#include <optional>

#include "ui/services.h"

namespace ui::qt {

// A pointer from its picture, drawn at the screen's device pixel ratio so that no platform has
// to scale it, and pointing with the picture's own hot spot scaled alike: at ratio 2 a pointer
// drawn 32 x 32 is 64 x 64 device pixels and its hot spot (11, 2) is (22, 4), handed to Qt in
// the unit the platform takes (on Wayland (11, 2) again), so that the click lands at the tip. A
// missing picture gives the fallback shape.
[[nodiscard]] QCursor pointerOf(const Picture& picture, Qt::CursorShape fallback, double ratio);

// The game's two pointers at the application's device pixel ratio: the one shared by every
// clickable label, made once, and the machine window's own.
class GamePointers {
public:
    [[nodiscard]] const QCursor& clickPointer(PictureSource& pictures);
    [[nodiscard]] static QCursor windowPointer(PictureSource& pictures);

private:
    std::optional<QCursor> clickPointer_;
};

}  // namespace ui::qt
