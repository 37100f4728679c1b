#pragma once

#include <cstdint>
#include <functional>

#include "odds/figures.h"
#include "odds/model_player.h"

// Plays the model player's spins on independent games, one a thread, and merges what they saw.
// The number of games is fixed, not the machine's, so a seed gives the same report everywhere.
namespace odds {

struct RunOptions {
    std::int64_t spins = 1'000'000;
    std::uint64_t seed = 1;
    PlayerOptions player;
    int games = 2;
};

struct OddsRun {
    Tally tally;
    Names names;
};

// progress gets the spins played so far, now and then, on the calling thread. Throws what a game
// threw: a game that stopped answering the player.
[[nodiscard]] OddsRun playOdds(const RunOptions& options,
                               const std::function<void(std::int64_t)>& progress = {});

}  // namespace odds
