#include <array>
#include <string>
#include <tuple>

#include "bonus/marker_window.h"
#include "bonus_rig.h"

namespace bonus_tests {
namespace {

// Ladder and Double Bet move their marker one row every 16 ms, the fastest timer rate.
constexpr int kMarkerTick = 16;

// The window, the stake, the credits before and the credits after a Stop at each row.
using MarkerGame =
    std::tuple<quirvanto::MarkerWindow*, std::string_view, std::string_view, std::array<int, 10>>;

using MarkerGamesTest = BonusTest;

// Stop does nothing before the first marker shows or on the blank tick after the last row, so
// every game here is stopped in the marker's second run. Every row opens the window again, which
// starts from its design state: markers hidden, Stop shown, Fine off, the marker at the top.
TEST_F(MarkerGamesTest, StopPaysTheRowBesideTheMarkerOnceAndTheWindowClosesTwoSecondsLater) {
    // The Ladder pays its rung's multiple ("x 4" on a stake of 10 takes 25 to 65), Double Bet
    // every "Win" row once (12 + 3 = 15); the other rows pay nothing. A stake that is not a
    // number pays nothing either, and the game still ends.
    const MarkerGame games[] = {
        {&ladder, "10", "25", {85, 25, 75, 25, 65, 25, 55, 25, 45, 25}},
        {&doubleBet, "3", "12", {15, 12, 15, 12, 15, 12, 15, 12, 15, 12}},
        {&doubleBet, "many", "12", {12, 12, 12, 12, 12, 12, 12, 12, 12, 12}},
    };
    for (const auto& [window, stake, before, after] : games) {
        for (int row = 0; row < 10; ++row) {
            SCOPED_TRACE(std::string(stake) + " stopped at row " + std::to_string(row));
            open(*window, stake, before);
            window->Label4.click();
            rig.advance(11 * kMarkerTick);
            ASSERT_EQ(shownMarkers(window->BB), Rows{}) << "the blank tick";
            window->keyDown(ui::key::kSpace);
            rig.advance((row + 1) * kMarkerTick);
            window->keyDown(ui::key::kSpace);
            window->keyDown(ui::key::kSpace);  // the repeat finds Stop hidden

            rig.advance(1999);
            EXPECT_EQ(shownMarkers(window->BB), Rows{row}) << "the marker stays where it stopped";
            rig.advance(1);
            expectEnded(*window, std::to_string(after[row]), {"Ladder2", "None"});
        }
    }
}

}  // namespace
}  // namespace bonus_tests
