#pragma once

#include <array>

// The model player's hold: the columns that give the second spin the highest expected line win,
// as the machine's pay labels read: a row with two equal numbers pays the bet ("Any 2: Bet x1"),
// three equal numbers pay it twice more ("Any 3: Bet x2").
namespace odds {

inline constexpr int kColumns = 3;
inline constexpr int kTiles = 9;
using Grid = std::array<int, kTiles>;  // values 1 to 9, row by row

// Bit c set: column c is held.
struct HoldChoice {
    int heldColumns = 0;
    [[nodiscard]] bool holds(int column) const { return (heldColumns >> column & 1) != 0; }
};
inline constexpr int kAllColumnsHeld = (1 << kColumns) - 1;

// The expected line win in bets when the columns not held are drawn anew.
[[nodiscard]] double expectedLineWinBets(const Grid& grid, int heldColumns);

// The first of the best: fewer draws are not preferred, the order is that of the column bits.
[[nodiscard]] HoldChoice bestHold(const Grid& grid);

}  // namespace odds
