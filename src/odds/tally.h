#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "ui/amount.h"

// What the model player saw over its spins: the counts the odds report is made of. Tallies of
// independent runs merge into one.
namespace odds {

inline constexpr int kWheelFields = 12;
// A line win of 3 rows of three equal numbers is 9 bets, the most a grid can show.
inline constexpr int kMostLineWinBets = 9;

struct GameTally {
    std::int64_t played = 0;
    ui::Amount returned = 0;  // credits

    void merge(const GameTally& other) {
        played += other.played;
        returned += other.returned;
    }
};

struct Tally {
    std::int64_t spins = 0;
    ui::Amount bet = 0;       // credits bet in all
    ui::Amount returned = 0;  // credits the spins and the games they led to paid back
    // The return of each spin in bets, summed and squared, for the return's interval.
    double returnBets = 0;
    double returnBetsSquared = 0;

    std::int64_t winningSpins = 0;  // with a line win
    std::int64_t payingSpins = 0;   // that paid anything back, letters and games included
    std::array<std::int64_t, kMostLineWinBets + 1> lineWins{};  // spins by line win in bets
    // The same for the spins that offered no hold: grids as the roll drew them, no 5 on them.
    std::array<std::int64_t, kMostLineWinBets + 1> lineWinsAsDrawn{};

    std::int64_t holdsOffered = 0;
    double heldGridBets = 0;    // line win of the grids a hold was offered on, by the pay labels
    double secondSpinBets = 0;  // line win after the second spin

    std::array<std::int64_t, kWheelFields> wheelStops{};
    GameTally nineLetters;
    std::array<GameTally, kWheelFields> fieldGames{};  // by the wheel field that led to the game

    std::vector<std::int64_t> sessionSpins;  // sessions that ended, by their number of spins
    std::int64_t sessionsStillPlaying = 0;   // sessions the player left at the spin limit

    void merge(const Tally& other);
};

}  // namespace odds
