#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "support/rig.h"

namespace sound_bench {

// The sounds of one path through the game, in the order and at the moments the game played them,
// the moments the player pressed a key, and the moment the path came to rest.
struct PathSounds {
    std::string path;
    std::vector<testing_support::PlayedSound> played;
    std::vector<std::int64_t> pressesMs;
    std::int64_t endMs = 0;
};

// The paths a player usually takes, each played on the virtual clock at a player's pace: a plain
// win, a win with a hold, all nine letters with a 5, the wheel's two letter games, each bonus game
// and the title's coins.
[[nodiscard]] std::vector<PathSounds> playUsualPaths();

}  // namespace sound_bench
