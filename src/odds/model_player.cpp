#include "odds/model_player.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>

#include "bonus/form2.h"
#include "bonus/form3.h"
#include "bonus/form4.h"
#include "bonus/form5.h"
#include "bonus/form7.h"
#include "machine/form1.h"
#include "odds/hold_choice.h"
#include "title/form6.h"

namespace odds {

namespace {

// The rounds of the lights as a player sees them: the wheel's 13 positions of 150 ms, the
// Skill chance letter that moves every 100 ms over nine tiles, the ladder markers' eleven steps
// of 16 ms, and Double Zavri's marker, 50 ms on each of its two fields.
constexpr std::int64_t kWheelRoundMs = 13 * 150;
constexpr std::int64_t kSkillChanceRoundMs = 9 * 100;
constexpr std::int64_t kMarkerRoundMs = 11 * 16;
constexpr std::int64_t kDoubleZavriRoundMs = 2 * 50;
// How often the player looks at the windows while it waits. Every wait for a light is followed
// by a whole round of it, so a later look changes no chance.
constexpr std::int64_t kLookEveryMs = 100;
// The highest number the player guesses High on.
constexpr ui::Amount kHighestForHigh = 500;
// No window of the game waits this long for itself: a game that does has stopped answering.
constexpr std::int64_t kLongestWaitMs = 10 * 60 * 1000;

bool lit(const ui::Label& label) {
    return label.foreColour() == ui::kWhite;
}

}  // namespace

ModelPlayer::ModelPlayer(const PlayerOptions& options, std::uint64_t seed)
    : options_(options), headless_(seed), program_(headless_.services), hand_(seed) {
    program_.start();
    // The machine opens with 10 credits: a larger bet starts with coins of its own.
    if (credits() != sessionCredits(options_.bet)) {
        program_.form1().requestClose();
        startSession();
    }
    setBet();
}

ui::Amount ModelPlayer::credits() {
    return amountOf(program_.form1().Credits).value_or(0);
}

void ModelPlayer::press(ui::Window& window, int key) {
    if (key == ui::key::kEnter || key == ui::key::kEscape) {
        window.keyPress(key);
    } else {
        window.keyDown(key);
    }
}

void ModelPlayer::waitUntil(const std::function<bool()>& shown) {
    for (std::int64_t waited = 0; !shown(); waited += kLookEveryMs) {
        if (waited > kLongestWaitMs) {
            throw std::runtime_error("the game stopped answering the model player");
        }
        wait(kLookEveryMs);
    }
}

void ModelPlayer::waitRandomMoment(std::int64_t roundMs) {
    std::uniform_int_distribution<std::int64_t> moment(0, roundMs - 1);
    wait(roundMs + moment(hand_));
}

// Up or down to the player's bet, never above the credits.
void ModelPlayer::setBet() {
    quirvanto::Form1& machine = program_.form1();
    const ui::Amount wanted = std::min(options_.bet, credits());
    for (ui::Amount bet = amountOf(machine.Bet).value_or(0); bet != wanted;
         bet = amountOf(machine.Bet).value_or(0)) {
        press(machine, bet < wanted ? ui::key::kA : ui::key::kZ);
    }
}

// From the title window: coins for the bet, or for 10 credits, then back to the machine.
void ModelPlayer::startSession() {
    quirvanto::Form6& title = program_.form6();
    for (ui::Amount coin = 0; coin < sessionCredits(options_.bet) / kCreditsPerCoin; ++coin) {
        press(title, ui::key::kDigit5);
    }
    press(title, ui::key::kDigit1);
    sessionSpins_ = 0;
    setBet();
}

// A session ends at Game Over, or the player leaves through the machine's close box.
void ModelPlayer::endSession(Tally& tally, bool stillPlaying) {
    quirvanto::Form1& machine = program_.form1();
    if (stillPlaying) {
        ++tally.sessionsStillPlaying;
        machine.requestClose();
    } else {
        tally.sessionSpins.push_back(sessionSpins_);
        press(machine, ui::key::kEnter);
    }
    startSession();
}

void ModelPlayer::play(std::int64_t spins, Tally& tally, const std::function<void()>& afterSpin) {
    for (std::int64_t spin = 0; spin < spins; ++spin) {
        if (credits() <= 0 || sessionSpins_ >= kSessionSpinLimit) {
            endSession(tally, credits() > 0);
        }
        playSpin(tally);
        ++sessionSpins_;
        setBet();
        if (afterSpin) {
            afterSpin();
        }
    }
}

void ModelPlayer::playSpin(Tally& tally) {
    quirvanto::Form1& machine = program_.form1();
    const ui::Amount bet = amountOf(machine.Bet).value_or(0);
    const ui::Amount staked = credits() - bet;
    press(machine, ui::key::kEnter);
    waitUntil([&machine] { return !machine.Roll.enabled() && !machine.Zavri.enabled(); });
    if (const ui::Amount letters = credits() - staked; letters > 0) {
        ++tally.nineLetters.played;
        tally.nineLetters.returned += letters;
    }
    const bool holdOffered = machine.Label5.visible();
    if (holdOffered) {
        holdBestColumns(tally);
    }
    waitUntil([&machine] { return !machine.Vincite.enabled(); });
    const ui::Amount lineWin = amountOf(machine.Win1).value_or(0);
    const std::size_t lineWinBets =
        std::min(static_cast<std::size_t>(lineWin / bet), tally.lineWins.size() - 1);
    ++tally.lineWins[lineWinBets];
    if (!holdOffered) {
        ++tally.lineWinsAsDrawn[lineWinBets];
    } else {
        tally.secondSpinBets += static_cast<double>(lineWin) / static_cast<double>(bet);
    }
    if (lineWin > 0) {
        ++tally.winningSpins;
        const int field = stopWheel();
        ++tally.wheelStops[static_cast<std::size_t>(field)];
        playWheelOutcome(tally.fieldGames[static_cast<std::size_t>(field)]);
    }
    // Ready for the next spin: Spin is back and no game of this one runs.
    waitUntil([&machine] {
        return machine.Label1.visible() && machine.takesInput() && !machine.Zavri2.enabled() &&
               !machine.Picture2.visible();
    });
    const ui::Amount returned = credits() - staked;
    const double returnBets = static_cast<double>(returned) / static_cast<double>(bet);
    ++tally.spins;
    tally.payingSpins += returned > 0 ? 1 : 0;
    tally.bet += bet;
    tally.returned += returned;
    tally.returnBets += returnBets;
    tally.returnBetsSquared += returnBets * returnBets;
}

void ModelPlayer::holdBestColumns(Tally& tally) {
    quirvanto::Form1& machine = program_.form1();
    Grid grid{};
    for (int tile = 0; tile < machine.NN.size(); ++tile) {
        grid[static_cast<std::size_t>(tile)] =
            static_cast<int>(amountOf(machine.NN[tile]).value_or(1));
    }
    ++tally.holdsOffered;
    tally.heldGridBets += expectedLineWinBets(grid, kAllColumnsHeld);
    const HoldChoice choice = bestHold(grid);
    for (int column = 0; column < kColumns; ++column) {
        if (choice.holds(column)) {
            press(machine, ui::key::kDigit1 + column);
        }
    }
    press(machine, ui::key::kEnter);
}

int ModelPlayer::stopWheel() {
    quirvanto::Form1& machine = program_.form1();
    waitUntil([&machine] { return machine.Label4.visible(); });
    waitRandomMoment(kWheelRoundMs);
    int field = 0;  // the dark position between the last field and the first stops on the first
    for (int i = 0; i < machine.Game.size(); ++i) {
        if (lit(machine.Game[i])) {
            field = i;
            break;
        }
    }
    press(machine, ui::key::kSpace);
    return field;
}

void ModelPlayer::playWheelOutcome(GameTally& game) {
    quirvanto::Form1& machine = program_.form1();
    const ui::Amount before = credits();
    bool played = true;
    if (program_.form2().loaded()) {
        playHorseRacing();
    } else if (program_.form3().loaded()) {
        playMarkerGame(program_.form3());
    } else if (program_.form4().loaded()) {
        playHighOrLow();
    } else if (program_.form5().loaded()) {
        playMarkerGame(program_.form5());
    } else if (program_.form7().loaded()) {
        playDoubleZavri();
    } else if (machine.Picture2.visible()) {
        waitRandomMoment(kSkillChanceRoundMs);
        press(machine, ui::key::kSpace);
    } else if (machine.Zavri2.enabled()) {
        waitUntil([&machine] { return !machine.Zavri2.enabled(); });
    } else {
        played = false;
    }
    if (played) {
        ++game.played;
        game.returned += credits() - before;
    }
}

void ModelPlayer::playHorseRacing() {
    quirvanto::Form2& race = program_.form2();
    const auto everyMs = std::max<std::int64_t>(1, std::llround(1000.0 / options_.goPerSecond));
    for (std::int64_t raced = 0; race.loaded(); raced += everyMs) {
        if (raced > kLongestWaitMs) {
            throw std::runtime_error("Horse racing never ended");
        }
        wait(everyMs);
        press(race, ui::key::kSpace);
    }
}

void ModelPlayer::playMarkerGame(quirvanto::MarkerWindow& markers) {
    const auto markerShown = [&markers] {
        for (int i = 0; i < markers.BB.size(); ++i) {
            if (markers.BB[i].visible()) {
                return true;
            }
        }
        return false;
    };
    // A Stop in the blank step of the round finds no marker; the light runs on and the player
    // tries again.
    while (markers.loaded() && markers.Label4.visible()) {
        waitUntil(markerShown);
        waitRandomMoment(kMarkerRoundMs);
        press(markers, ui::key::kSpace);
    }
    waitUntil([&markers] { return !markers.loaded(); });
}

void ModelPlayer::playHighOrLow() {
    quirvanto::Form4& game = program_.form4();
    waitUntil([&game] { return amountOf(game.AA[0]).value_or(0) > 0; });
    const bool high = amountOf(game.AA[0]).value_or(0) <= kHighestForHigh;
    press(game, high ? ui::key::kDigit1 : ui::key::kDigit2);
    waitUntil([&game] { return !game.loaded(); });
}

void ModelPlayer::playDoubleZavri() {
    quirvanto::Form7& game = program_.form7();
    const auto phaseMarkerShown = [&game] {
        const auto phase = ui::parseAmount(game.Fase.text()).value_or(0);
        const auto lose = static_cast<int>(2 * phase - 2);
        return !game.loaded() || game.BB[lose].visible() || game.BB[lose + 1].visible() ||
               phase > game.BB.size() / 2;
    };
    while (game.loaded() && amountOf(game.Premio).value_or(0) > 0 &&
           ui::parseAmount(game.Fase.text()).value_or(0) <= game.BB.size() / 2) {
        waitUntil(phaseMarkerShown);
        if (!game.loaded()) {
            break;
        }
        waitRandomMoment(kDoubleZavriRoundMs);
        press(game, ui::key::kSpace);
    }
    waitUntil([&game] { return !game.loaded(); });
}

}  // namespace odds
