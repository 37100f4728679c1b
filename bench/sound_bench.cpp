// Plays the usual paths of the game on the virtual clock and prints, for each sound, how much of
// it a player hears before the next sound cuts it off on the one channel.
#include <cstdio>
#include <string>

#include "heard_shares.h"
#include "usual_paths.h"

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? argv[1] : "Snd";
    const auto paths = sound_bench::playUsualPaths();
    std::printf("Quirvanto sounds heard in play, on the usual paths (goal: 80 %% for a signal)\n");
    std::printf("  %-8s %5s %9s %10s %8s %8s %11s\n", "sound", "plays", "cut at 0", "by player",
                "least", "median", "shortest");
    for (const auto& share : sound_bench::heardShares(paths, folder)) {
        std::printf("  %-8s %5d %9d %10d %7.0f%% %7.0f%% %8lld ms%s\n", share.sound.c_str(),
                    share.plays, share.cutAtOnce, share.cutByPlayer, 100.0 * share.least,
                    100.0 * share.median, static_cast<long long>(share.shortestMs),
                    sound_bench::isBackgroundLoop(share.sound) ? "  (background loop)" : "");
    }
    return 0;
}
