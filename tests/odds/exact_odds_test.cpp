// The rules worked out exactly, against a seeded run of the real game by the model player: a
// fault in the rows, the draws, the letters or the wheel moves a figure out of its interval. The
// same run holds the odds that How to play quotes to the game's rules as they are.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "odds/odds_run.h"
#include "odds/shipped_odds.h"

namespace {

constexpr std::int64_t kSpins = 20000;
// Far enough out that the seeded run stays inside with the rules right.
constexpr double kSigmas = 4.5;
constexpr int kSkillChance = 6;
constexpr ui::Amount kSkillChanceBets = 27;

using LineWins = std::array<double, odds::kMostLineWinBets + 1>;

// The machine's pay labels: two equal numbers in a row pay the bet, three pay it twice more.
int rowPayBets(int a, int b, int c) {
    const int pair = (a == b || b == c || a == c) ? 1 : 0;
    const int triple = (a == b && b == c) ? 2 : 0;
    return pair + triple;
}

// The line win of three rows whose tiles each show any of `values` alike.
LineWins lineWinsOf(const std::vector<int>& values) {
    LineWins row{};
    const double each = 1.0 / std::pow(static_cast<double>(values.size()), 3);
    for (int a : values) {
        for (int b : values) {
            for (int c : values) {
                row[static_cast<std::size_t>(rowPayBets(a, b, c))] += each;
            }
        }
    }
    LineWins grid{};
    grid[0] = 1.0;
    for (int r = 0; r < 3; ++r) {
        LineWins next{};
        for (std::size_t sum = 0; sum < grid.size(); ++sum) {
            for (std::size_t pay = 0; sum + pay < next.size(); ++pay) {
                next[sum + pay] += grid[sum] * row[pay];
            }
        }
        grid = next;
    }
    return grid;
}

void expectShare(std::int64_t count, std::int64_t of, double exact, const std::string& what) {
    ASSERT_GT(of, 0) << what;
    const double error = std::sqrt(exact * (1 - exact) / static_cast<double>(of));
    EXPECT_NEAR(static_cast<double>(count) / static_cast<double>(of), exact, kSigmas * error + 1e-9)
        << what << ": " << count << " of " << of;
}

TEST(ExactOdds, TheRealGameMatchesTheRulesWorkedOutExactlyAndHowToPlayQuotesIt) {
    const odds::OddsRun run = odds::playOdds({.spins = kSpins, .seed = 2026, .games = 2});
    const odds::Tally& t = run.tally;
    ASSERT_EQ(t.spins, kSpins);

    // The roll leaves each tile any of 1 to 9 alike: a 5 shows somewhere with 1 - (8/9)^9.
    expectShare(t.holdsOffered, t.spins, 1 - std::pow(8.0 / 9.0, 9), "a hold offered");

    // A grid offered no hold has no 5; its rows pay by the pay labels.
    const LineWins asDrawn = lineWinsOf({1, 2, 3, 4, 6, 7, 8, 9});
    for (std::size_t bets = 0; bets < asDrawn.size(); ++bets) {
        expectShare(t.lineWinsAsDrawn[bets], t.spins - t.holdsOffered, asDrawn[bets],
                    "a grid as drawn winning " + std::to_string(bets) + " bets");
    }

    // The letters count is any of 0 to 9 alike; all nine pay three bets.
    expectShare(t.nineLetters.played, t.spins, 0.1, "all nine letters lit");
    EXPECT_EQ(t.nineLetters.returned, 3 * t.nineLetters.played);

    // The wheel's light takes 13 positions of equal length; the dark one stops on field 0.
    std::int64_t stops = 0;
    for (const std::int64_t s : t.wheelStops) {
        stops += s;
    }
    EXPECT_EQ(stops, t.winningSpins);
    for (std::size_t field = 0; field < t.wheelStops.size(); ++field) {
        expectShare(t.wheelStops[field], stops, field == 0 ? 2.0 / 13 : 1.0 / 13,
                    "the wheel stopping on field " + std::to_string(field));
    }

    // Skill chance lights any of the nine letters alike; the last pays 27 bets.
    const odds::GameTally& skill = t.fieldGames[kSkillChance];
    EXPECT_EQ(skill.returned % kSkillChanceBets, 0);
    expectShare(skill.returned / kSkillChanceBets, skill.played, 1.0 / 9, "Skill chance won");

    // How to play quotes the figures of the rules as they are.
    const odds::Figures f = odds::figuresOf(t, run.names);
    const odds::ShippedOdds& shipped = odds::kShippedOdds;
    const double returnError = (f.returnInterval.high - f.returnInterval.low) / (2 * 1.96);
    EXPECT_NEAR(shipped.returnPerCredit, f.returnPerCredit, kSigmas * returnError);
    const auto count = [&f](double share) {
        return static_cast<std::int64_t>(std::llround(share * static_cast<double>(f.spins)));
    };
    expectShare(count(f.winningSpins), f.spins, shipped.winningSpins / 100, "a spin winning");
    expectShare(count(f.holdsOffered), f.spins, shipped.holdsOffered / 100, "a hold offered");
    ASSERT_EQ(f.games.size(), shipped.games.size());
    for (std::size_t i = 0; i < shipped.games.size(); ++i) {
        EXPECT_EQ(f.games[i].name, shipped.games[i].name);
        expectShare(count(f.games[i].playedPerSpin), f.spins,
                    shipped.games[i].playedPer100Spins / 100, f.games[i].name + " played");
    }
}

}  // namespace
