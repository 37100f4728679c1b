#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <random>

#include "app/program.h"
#include "odds/headless_services.h"
#include "odds/tally.h"
#include "ui/amount.h"

namespace quirvanto {
class MarkerWindow;
}

// The model player of the odds report. It plays the real windows through their keys, as a player
// at the keyboard would, and sees only what the windows show:
// - it stops every running light (the wheel, Skill chance, the markers of the bonus games) at a
//   random moment: it watches one round of the light, then presses within the next;
// - it holds the columns that give the second spin the highest expected line win by the pay
//   labels ("Any 2: Bet x1" and "Any 3: Bet x2", both for three equal numbers);
// - in High or Low it guesses High on a shown number up to 500, Low above;
// - in Horse racing it presses Go! at a steady rate;
// - it keeps its bet from one spin to the end of the games that spin leads to, and starts a new
//   session with coins when the credits run out or a session reaches its spin limit.
namespace odds {

struct PlayerOptions {
    ui::Amount bet = 1;
    double goPerSecond = 8.0;  // Go! presses a second in Horse racing
};

inline constexpr std::int64_t kSessionSpinLimit = 1000;
inline constexpr ui::Amount kCreditsPerCoin = 10;

// A session starts with the coins for one bet: 10 credits at bet 1.
[[nodiscard]] constexpr ui::Amount sessionCredits(ui::Amount bet) {
    return kCreditsPerCoin * std::max<ui::Amount>(1, (bet + kCreditsPerCoin - 1) / kCreditsPerCoin);
}

class ModelPlayer {
public:
    ModelPlayer(const PlayerOptions& options, std::uint64_t seed);

    // Plays this many spins, each to the end of the games it leads to, into the tally.
    // afterSpin runs after every spin (progress).
    void play(std::int64_t spins, Tally& tally, const std::function<void()>& afterSpin = {});

    [[nodiscard]] quirvanto::Program& program() { return program_; }

private:
    void startSession();
    void endSession(Tally& tally, bool stillPlaying);
    void setBet();
    void playSpin(Tally& tally);
    void holdBestColumns(Tally& tally);
    [[nodiscard]] int stopWheel();
    // Plays the game the wheel's field led to, if any, into its tally.
    void playWheelOutcome(GameTally& game);
    void playHorseRacing();
    void playMarkerGame(quirvanto::MarkerWindow& markers);
    void playHighOrLow();
    void playDoubleZavri();

    // Lets time pass as the player waits for what the windows show; throws when the game never
    // shows it.
    void waitUntil(const std::function<bool()>& shown);
    void wait(std::int64_t ms) { headless_.scheduler.advance(ms); }
    // Watches a light for one round, then presses at a random moment of the next.
    void waitRandomMoment(std::int64_t roundMs);
    void press(ui::Window& window, int key);
    [[nodiscard]] ui::Amount credits();

    PlayerOptions options_;
    HeadlessServices headless_;
    quirvanto::Program program_;
    std::mt19937_64 hand_;  // the player's own randomness, apart from the game's generator
    std::int64_t sessionSpins_ = 0;
};

}  // namespace odds
