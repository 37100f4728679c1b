#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "media/sdl_sound_player.h"

// Plays sounds of a program folder through the game's sound player at given moments, as the game
// would, and ends once the last one has been heard:
//   play_sounds <program folder> <name>@<ms> [<name>@<ms> ...]
// Exits with 3 when no audio device could be opened.
namespace {

using Clock = std::chrono::steady_clock;

// Time for the last samples to leave the device's buffers after the player has handed them over.
constexpr auto kDrain = std::chrono::milliseconds(400);
constexpr auto kLongestWait = std::chrono::seconds(15);

struct Cue {
    std::string name;
    std::chrono::milliseconds at;
};

bool parse(int argc, char** argv, std::vector<Cue>& cues) {
    for (int i = 2; i < argc; ++i) {
        const std::string cue = argv[i];
        const auto at = cue.find('@');
        if (at == std::string::npos || at == 0) {
            return false;
        }
        cues.push_back(
            {cue.substr(0, at), std::chrono::milliseconds(std::stol(cue.substr(at + 1)))});
    }
    return !cues.empty();
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<Cue> cues;
    if (argc < 3 || !parse(argc, argv, cues)) {
        std::fprintf(stderr, "usage: play_sounds <program folder> <name>@<ms> ...\n");
        return 2;
    }
    quirvanto::SdlSoundPlayer player(argv[1]);
    if (!player.hasDevice()) {
        std::fprintf(stderr, "play_sounds: no audio device\n");
        return 3;
    }
    const auto start = Clock::now();
    for (const Cue& cue : cues) {
        std::this_thread::sleep_until(start + cue.at);
        player.play(cue.name);
        const auto late = std::chrono::duration<double, std::milli>(Clock::now() - start);
        std::printf("%s %.1f\n", cue.name.c_str(), late.count());
    }
    const auto deadline = Clock::now() + kLongestWait;
    while (player.soundPlaying() && Clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    std::this_thread::sleep_for(kDrain);
    return 0;
}
