#pragma once

#include "ui/services.h"

namespace ui::qt {

// The game's message box: information icon, OK, title "Quirvanto", over the game window in front.
// Its own event loop keeps the timers firing while it is open.
class QtMessageBoxes final : public MessageBoxes {
public:
    void show(std::string_view text) override;
};

}  // namespace ui::qt
