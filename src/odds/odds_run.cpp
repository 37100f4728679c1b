#include "odds/odds_run.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <exception>
#include <thread>
#include <vector>

#include "machine/form1.h"

namespace odds {

namespace {

constexpr auto kProgressEvery = std::chrono::milliseconds(250);
constexpr std::int64_t kSpinsBetweenCounts = 256;

// Each thread's game starts from a seed of its own, drawn from the run's seed.
std::uint64_t threadSeed(std::uint64_t seed, int thread) {
    std::uint64_t z = seed + 0x9e3779b97f4a7c15ULL * static_cast<std::uint64_t>(thread + 1);
    z = (z ^ (z >> 30U)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27U)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31U);
}

Names namesOf(quirvanto::Form1& machine) {
    Names names;
    for (int i = 0; i < machine.Game.size(); ++i) {
        names.fields[static_cast<std::size_t>(i)] = machine.Game[i].caption();
    }
    names.nineLetters = machine.Etic[2].caption();
    return names;
}

}  // namespace

OddsRun playOdds(const RunOptions& options, const std::function<void(std::int64_t)>& progress) {
    const int games = options.games;
    std::vector<Tally> tallies(static_cast<std::size_t>(games));
    std::vector<std::exception_ptr> failures(static_cast<std::size_t>(games));
    std::atomic<std::int64_t> played{0};
    std::atomic<int> running{games};
    Names names;
    {
        std::vector<std::jthread> workers;
        for (int t = 0; t < games; ++t) {
            const std::int64_t share = options.spins / games + (t < options.spins % games ? 1 : 0);
            workers.emplace_back([&, t, share] {
                try {
                    ModelPlayer player(options.player, threadSeed(options.seed, t));
                    std::int64_t unCounted = 0;
                    player.play(share, tallies[static_cast<std::size_t>(t)], [&] {
                        if (++unCounted == kSpinsBetweenCounts) {
                            played += unCounted;
                            unCounted = 0;
                        }
                    });
                    played += unCounted;
                    if (t == 0) {
                        names = namesOf(player.program().form1());
                    }
                } catch (...) {
                    failures[static_cast<std::size_t>(t)] = std::current_exception();
                }
                --running;
            });
        }
        while (progress && running > 0) {
            std::this_thread::sleep_for(kProgressEvery);
            progress(played);
        }
    }
    for (const std::exception_ptr& failure : failures) {
        if (failure) {
            std::rethrow_exception(failure);
        }
    }
    OddsRun run{.names = names};
    for (const Tally& tally : tallies) {
        run.tally.merge(tally);
    }
    return run;
}

}  // namespace odds
