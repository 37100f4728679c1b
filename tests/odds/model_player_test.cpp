// The model player's own reckoning and the report's arithmetic: the hold it chooses, the money it
// accounts for, and session lengths when some sessions outlast the limit.

#include <gtest/gtest.h>

#include "odds/figures.h"
#include "odds/hold_choice.h"
#include "odds/odds_run.h"

namespace {

TEST(HoldChoice, KeepsWhatPaysAndRedrawsTheRest) {
    // A row of three numbers drawn anew pays a third of a bet on average: 243 of 729 outcomes.
    const odds::Grid plain{1, 2, 3, 4, 6, 7, 8, 9, 1};
    EXPECT_DOUBLE_EQ(odds::expectedLineWinBets(plain, 0), 1.0);

    // A pair in the top row: holding its two columns keeps the bet and gives the other rows
    // their chance with one tile in three fixed.
    const odds::Grid pair{7, 7, 5, 1, 2, 3, 4, 6, 8};
    EXPECT_DOUBLE_EQ(odds::expectedLineWinBets(pair, odds::kAllColumnsHeld), 1.0);
    const odds::HoldChoice choice = odds::bestHold(pair);
    EXPECT_TRUE(choice.holds(0));
    EXPECT_TRUE(choice.holds(1));
    EXPECT_FALSE(choice.holds(2));

    // Three equal numbers pay three bets: nothing redrawn can beat them.
    const odds::Grid triple{7, 7, 7, 1, 2, 3, 4, 6, 5};
    EXPECT_EQ(odds::bestHold(triple).heldColumns, odds::kAllColumnsHeld);
}

// Every credit the machine paid back is put down to the letters or to a game of the wheel, at
// any bet, sessions and coins included.
TEST(ModelPlayer, AccountsForEveryCreditPaidBack) {
    const odds::OddsRun run =
        odds::playOdds({.spins = 1500, .seed = 7, .player = {.bet = 12}, .games = 1});
    const odds::Tally& t = run.tally;
    ui::Amount fromGames = t.nineLetters.returned;
    for (const odds::GameTally& game : t.fieldGames) {
        fromGames += game.returned;
    }
    EXPECT_EQ(t.returned, fromGames);
    EXPECT_GT(t.returned, 0);
    EXPECT_LE(t.bet, 12 * t.spins);
    EXPECT_GT(t.bet, 11 * t.spins);
}

TEST(Figures, SessionsStillPlayingCountAsTheLongest) {
    odds::Tally tally;
    tally.sessionSpins = {3, 10, 40};
    tally.sessionsStillPlaying = 2;
    const odds::Figures f = odds::figuresOf(tally, {});
    EXPECT_EQ(f.sessions, 5);
    EXPECT_EQ(f.sessionQuartile1, 10);
    EXPECT_EQ(f.sessionMedian, 40);
    EXPECT_EQ(f.sessionQuartile3, std::nullopt);
    EXPECT_DOUBLE_EQ(f.stillPlaying, 0.4);
    EXPECT_DOUBLE_EQ(f.survival.front(), 1.0);
    EXPECT_DOUBLE_EQ(f.survival[10], 0.6);
    EXPECT_DOUBLE_EQ(f.survival.back(), 0.4);
}

}  // namespace
