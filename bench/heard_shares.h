#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "media/wav_format.h"
#include "usual_paths.h"

namespace sound_bench {

// How much of a sound a player hears on the one channel, where the next sound cuts off the one
// playing: the share of the sound's energy that comes before the cut, over its plays on the paths.
// A play cut off in the very instant it began (the game plays two sounds in one handler) is only
// counted: it is silent whatever the sound. A cut by a key the player pressed is the player's
// choice, so it counts in the median but not in the least share, which is the game's own doing.
struct HeardShare {
    std::string sound;
    int plays = 0;  // heard for some time
    int cutAtOnce = 0;
    int cutByPlayer = 0;
    double least = 1.0;           // of the plays the game itself cut (1 when it cut none)
    double median = 1.0;          // of every play heard for some time
    std::int64_t shortestMs = 0;  // the least time a play was left before its cut
};

// The backgrounds of the bonus windows, which their timers start again; they are cut by their
// own restart or by the end of the game, whatever their length.
[[nodiscard]] bool isBackgroundLoop(std::string_view sound);

// The samples of a sound file (16-bit PCM wave), or nothing when it cannot be read as one.
[[nodiscard]] std::optional<quirvanto::WaveSamples> readSound(const std::string& path);

// One entry per sound played on the paths, in order of name, measured on the files of
// `soundFolder` (<name>.wav). A sound without a readable file counts as heard whole.
[[nodiscard]] std::vector<HeardShare> heardShares(const std::vector<PathSounds>& paths,
                                                  const std::string& soundFolder);

}  // namespace sound_bench
