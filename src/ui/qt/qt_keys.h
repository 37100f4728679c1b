#pragma once

#include <QString>
#include <Qt>
#include <optional>

namespace ui::qt {

// What one key press means to the game: the key code for Form_KeyDown and, when the key
// produces a character the game reads, the character for Form_KeyPress.
struct GameKey {
    std::optional<int> keyCode;
    std::optional<int> character;
};

// A..Z 65..90 in either case, main-row digits 48..57, keypad digits 96..105 (never main-row
// codes), SPACE 32, ENTER 13 from either Enter key, ESC 27. Characters are ENTER, ESC and the
// printable ASCII a key types.
[[nodiscard]] GameKey translateKey(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text);

}  // namespace ui::qt
