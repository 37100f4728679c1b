#pragma once

#include <cstdint>

// Basic value types shared by every window of the game.
namespace ui {

// Positions and sizes are in twips: 1/1440 inch, 15 twips to one logical pixel.
using Twips = int;
inline constexpr Twips kTwipsPerPixel = 15;

// Colours are 24-bit values written &HBBGGRR, as the layouts give them.
using Colour = std::uint32_t;
inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kWhite = 0xFFFFFF;

struct Rect {
    Twips left = 0;
    Twips top = 0;
    Twips width = 0;
    Twips height = 0;
};

struct Size {
    Twips width = 0;
    Twips height = 0;
};

enum class Align { Left, Centre };

// The mouse pointers of the game: the shared pointer of every clickable label, and the
// pointer a window shows wherever no clickable label lies under the mouse.
enum class Pointer { Default, Clickable, Window };

// Key codes seen by Form_KeyDown and characters seen by Form_KeyPress.
namespace key {
inline constexpr int kEnter = 13;
inline constexpr int kEscape = 27;
inline constexpr int kSpace = 32;
inline constexpr int kDigit1 = 49;
inline constexpr int kDigit2 = 50;
inline constexpr int kDigit3 = 51;
inline constexpr int kDigit5 = 53;
inline constexpr int kA = 65;
inline constexpr int kZ = 90;
inline constexpr int kKeypad0 = 96;
}  // namespace key

}  // namespace ui
