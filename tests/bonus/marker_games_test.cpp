#include <array>
#include <string>

#include "bonus/marker_window.h"
#include "bonus_rig.h"

namespace bonus_tests {
namespace {

// Ladder and Double Bet move their marker one row every 16 ms, the fastest timer rate.
constexpr int kTick = 16;

struct MarkerGame {
    quirvanto::MarkerWindow& window;
    std::string_view stake;
    std::string_view credits;
    std::array<int, 10> creditsAfterStopAt;  // per row
};

class MarkerGamesTest : public BonusTest {
protected:
    // The Ladder pays its rung's multiple ("x 4" on a stake of 10 takes 25 to 65), Double Bet
    // every "Win" row once (12 + 3 = 15); the other rows pay nothing. A stake that is not a
    // number pays nothing either, and the game still ends.
    std::array<MarkerGame, 3> games{{
        {ladder, "10", "25", {85, 25, 75, 25, 65, 25, 55, 25, 45, 25}},
        {doubleBet, "3", "12", {15, 12, 15, 12, 15, 12, 15, 12, 15, 12}},
        {doubleBet, "many", "12", {12, 12, 12, 12, 12, 12, 12, 12, 12, 12}},
    }};
};

// Stop does nothing before the first marker shows or on the blank tick after the last row, so
// every game here is stopped in the marker's second run. Every row opens the window again, which
// starts from its design state: markers hidden, Stop shown, Fine off, the marker at the top.
TEST_F(MarkerGamesTest, StopPaysTheRowBesideTheMarkerOnceAndTheWindowClosesTwoSecondsLater) {
    for (const MarkerGame& game : games) {
        for (int row = 0; row < 10; ++row) {
            SCOPED_TRACE(game.window.name() + " " + std::string(game.stake) + " row " +
                         std::to_string(row));
            const std::string paid = std::to_string(game.creditsAfterStopAt[row]);
            open(game.window, game.stake, game.credits);
            EXPECT_EQ(shownMarker(game.window.BB), -1);
            game.window.Label4.click();
            rig.advance(11 * kTick);
            ASSERT_EQ(shownMarker(game.window.BB), -1) << "the blank tick";
            game.window.keyDown(ui::key::kSpace);
            rig.advance((row + 1) * kTick);
            game.window.keyDown(ui::key::kSpace);
            EXPECT_EQ(credits(), paid);
            game.window.keyDown(ui::key::kSpace);
            game.window.Label4.click();
            EXPECT_EQ(credits(), paid) << "no second decision once Stop is hidden";

            rig.advance(1999);
            EXPECT_EQ(shownMarker(game.window.BB), row) << "the marker stays where it stopped";
            rig.advance(1);
            EXPECT_FALSE(game.window.loaded());
            EXPECT_EQ(sounds(), (std::vector<std::string>{"Ladder2", "None"}));
        }
    }
}

TEST_F(MarkerGamesTest, EscapeAfterAWinKeepsThePrize) {
    open(ladder, "10", "25");
    rig.advance(5 * kTick);  // "x 4"
    ladder.Label4.click();
    ladder.keyPress(ui::key::kEscape);
    EXPECT_FALSE(ladder.loaded());
    rig.advance(3000);
    EXPECT_EQ(credits(), "65");
}

}  // namespace
}  // namespace bonus_tests
