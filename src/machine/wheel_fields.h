#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "bonus/bonus_games.h"
#include "ui/types.h"

// The bonus wheel's twelve fields, by index: what each shows, where, and what a Stop on it does
// with the pending win.
namespace quirvanto {

// A Stop on a field loses the win, trades it for one of the two letter games, or carries it into
// a bonus game.
enum class FieldStop { Lose, LettersHeld, SkillChance, Bonus };

struct WheelField {
    std::string_view caption;
    ui::Rect place;
    ui::Colour back;
    FieldStop stop;
    std::optional<BonusGame> bonus = std::nullopt;
};

inline constexpr std::array<WheelField, 12> kWheelFields{{
    {"Horse racing", {3120, 2160, 2055, 375}, 0xC0C0FF, FieldStop::Bonus, BonusGame::HorseRacing},
    {"Ladder", {5040, 1200, 1575, 375}, 0x0000FF, FieldStop::Bonus, BonusGame::Ladder},
    {"High or Low", {120, 1680, 1695, 375}, 0x8080FF, FieldStop::Bonus, BonusGame::HighOrLow},
    {"Double Bet", {3720, 1680, 1575, 375}, 0x8080FF, FieldStop::Bonus, BonusGame::DoubleBet},
    {"Lose", {5400, 1680, 1215, 375}, 0x0000C0, FieldStop::Lose},
    {"Letters Held", {120, 2160, 1695, 375}, 0xC0C0FF, FieldStop::LettersHeld},
    {"Skill chance", {1920, 1680, 1695, 375}, 0x0000FF, FieldStop::SkillChance},
    {"Lose", {3600, 1200, 1335, 375}, 0x0000C0, FieldStop::Lose},
    {"Lose", {120, 1200, 1335, 375}, 0x0000C0, FieldStop::Lose},
    {"Lose", {1920, 2160, 1095, 375}, 0x0000C0, FieldStop::Lose},
    {"Double Zavri", {1560, 1200, 1935, 375}, 0xC0C0FF, FieldStop::Bonus, BonusGame::DoubleZavri},
    {"Lose", {5280, 2160, 1335, 375}, 0x0000C0, FieldStop::Lose},
}};

// The first field whose Stop does this (every kind of stop has one).
[[nodiscard]] constexpr int fieldOf(FieldStop stop) {
    int field = 0;
    while (kWheelFields.at(static_cast<std::size_t>(field)).stop != stop) {
        ++field;
    }
    return field;
}

// The field that opens this bonus game.
[[nodiscard]] constexpr int fieldOf(BonusGame game) {
    int field = 0;
    while (kWheelFields.at(static_cast<std::size_t>(field)).bonus != game) {
        ++field;
    }
    return field;
}

}  // namespace quirvanto
