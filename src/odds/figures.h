#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "odds/tally.h"

// The figures of the odds report, worked out from a tally: what the report prints and plots, and
// what the game's How to play window quotes.
namespace odds {

struct Interval {
    double low = 0;
    double high = 0;
};

struct GameFigure {
    std::string name;
    double playedPerSpin = 0;
    double shareOfReturn = 0;
};

struct FieldFigure {
    std::string name;
    double share = 0;  // of the wheel's stops
};

struct Figures {
    std::int64_t spins = 0;
    double returnPerCredit = 0;
    Interval returnInterval;  // 95 %
    double winningSpins = 0;  // share of the spins with a line win
    double payingSpins = 0;   // share of the spins that paid anything back
    std::array<double, kMostLineWinBets + 1> lineWins{};
    double holdsOffered = 0;
    double heldGridBets = 0;  // mean line win of a grid offered a hold, before the second spin
    double secondSpinBets = 0;
    std::vector<FieldFigure> fields;  // the wheel's fields, the Lose fields together
    std::vector<GameFigure> games;    // the nine letters, then the wheel's games in its order
    std::int64_t sessions = 0;
    // Session lengths in spins; nothing where a quartile lies among the sessions still playing.
    std::optional<std::int64_t> sessionQuartile1;
    std::optional<std::int64_t> sessionMedian;
    std::optional<std::int64_t> sessionQuartile3;
    double stillPlaying = 0;       // share of the sessions still playing after the spin limit
    std::vector<double> survival;  // share of sessions still playing after each spin, to the limit
};

// Names as the machine shows them: its wheel fields, its letters' pay label.
struct Names {
    std::array<std::string, kWheelFields> fields;
    std::string nineLetters;
};

[[nodiscard]] Figures figuresOf(const Tally& tally, const Names& names);

}  // namespace odds
