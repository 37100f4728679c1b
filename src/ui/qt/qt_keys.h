#pragma once

#include <optional>

class QKeyEvent;

namespace ui::qt {

// What one key press means to the game: the key code for Form_KeyDown and, when the key
// produces a character the game reads, the character for Form_KeyPress.
struct GameKey {
    std::optional<int> keyCode;
    std::optional<int> character;
};

// Key codes act alike with and without Shift, Caps Lock or any other modifier:
// - the main-row digits 48..57 come from the digit a key types, and from the physical key
//   (X key codes 10..19, which X11 and Wayland both give) when the key types no digit or
//   letter: Shift+5 is 53, and so is the key that types "(" on a French keyboard, while a
//   keymap that puts "a" on key code 10 gives 65;
// - keypad digits are 96..105, never main-row codes;
// - A..Z are 65..90 from the letter the key carries on the player's layout, in either case;
// - SPACE 32, ENTER 13 from either Enter key, ESC 27.
// Characters are ENTER, ESC and the printable ASCII a key types.
[[nodiscard]] GameKey translateKey(const QKeyEvent& event);

}  // namespace ui::qt
