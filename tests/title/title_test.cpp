#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "machine/form1.h"
#include "support/rig.h"
#include "title/form6.h"
#include "ui/control.h"
#include "ui/scheduler.h"

// The title window: coins and continue, leaving the game, the way between the windows, and the
// animations.
namespace {

namespace key = ui::key;
constexpr int kLetterTickMs = 50;

// Every position a control is given, as the screen would be told of it, and when.
struct PositionRecorder final : ui::ControlView {
    PositionRecorder(ui::Control& watched, const testing_support::Rig& clock)
        : control(watched), rig(clock) {
        watched.setView(this);
    }
    void controlChanged() override {
        lefts.push_back(control.left());
        tops.push_back(control.top());
        times.push_back(rig.now());
    }
    const ui::Control& control;
    const testing_support::Rig& rig;
    std::vector<ui::Twips> lefts, tops;
    std::vector<std::int64_t> times;
};

using Places = std::vector<ui::Twips>;
// `count` places of a recording from `from` on; the place after tick n is at index n - 1.
Places slice(const Places& places, int from, int count) {
    return Places(places.begin() + from, places.begin() + from + count);
}

struct Title : ::testing::Test {
    void insertCoins(int coins) {
        for (int c = 0; c < coins; ++c) {
            title.keyDown(key::kDigit5);  // a held key: each auto-repeat is one more key-down
        }
    }
    void fastTicks(int ticks) { rig.advance(std::int64_t{ticks} * ui::kFastestTimerMs); }
    void letterTicks(int ticks) { rig.advance(std::int64_t{ticks} * kLetterTickMs); }

    testing_support::Rig rig;
    quirvanto::Form1& machine = rig.program.form1();
    quirvanto::Form6& title = rig.program.form6();
};

// Machine, title, machine, title by "Game Over!", machine, title, then leaving with ESC.
TEST_F(Title, CoinsContinueAndLeavingAnyNumberOfTimes) {
    rig.program.start();
    machine.requestClose();
    for (int keypadDigit = key::kKeypad0; keypadDigit <= key::kKeypad0 + 9; ++keypadDigit) {
        title.keyDown(keypadDigit);
    }
    title.keyPress('5');
    title.keyDown(key::kDigit1);
    title.AA[1].click();  // where the hidden continue prompt lies
    EXPECT_TRUE(title.isShown() && rig.sound.names().empty()) << "nothing before a main-row 5";

    insertCoins(3);
    EXPECT_EQ(title.AA[2].caption(), "30");
    EXPECT_TRUE(title.AA[1].visible());
    EXPECT_EQ(rig.sound.names(), (std::vector<std::string>{"Coin2", "Coin2", "Coin2"}));
    title.keyDown(key::kDigit1);
    EXPECT_TRUE(machine.isShown());
    EXPECT_EQ(machine.Credits.caption(), "30");

    machine.Credits.setCaption("0");
    bool titleWhileMessageOpen = true;
    rig.messages.onShow = [&](const std::string&) { titleWhileMessageOpen = title.loaded(); };
    machine.Label1_Click();
    EXPECT_EQ(rig.messages.shown, std::vector<std::string>{"Game Over!"});
    EXPECT_FALSE(titleWhileMessageOpen) << "the title appears once the message is closed";
    EXPECT_FALSE(machine.loaded());
    EXPECT_EQ(title.AA[2].caption(), "0") << "a new visit: no coins, no continue prompt";
    EXPECT_FALSE(title.AA[1].visible());
    insertCoins(3277);  // amounts are 64-bit: a count past 32767 reaches the machine whole
    title.AA[1].click();
    EXPECT_EQ(machine.Credits.caption(), "32770");
    machine.requestClose();
    EXPECT_EQ(rig.terminator.quits, 0);

    insertCoins(1);
    title.keyPress(key::kEscape);
    EXPECT_EQ(rig.terminator.quits, 1);
    EXPECT_TRUE(std::ranges::none_of(rig.program.windows(),
                                     [](const ui::Window* window) { return window->loaded(); }));
}

// The machine's own variables are not reset by a visit to the title window: a roll cut off by
// closing the window leaves its count behind, and the next roll is that much shorter.
TEST_F(Title, ARollCutOffByClosingTheMachineShortensTheNextOne) {
    rig.program.start();
    rig.advance(2000);  // the ticker has moved on to its next line
    machine.Label2_Click();
    machine.Label1_Click();
    fastTicks(50);
    machine.WinLines = 2;
    machine.requestClose();
    insertCoins(3);
    title.keyDown(key::kDigit1);
    EXPECT_EQ(machine.WinLines, 2);
    EXPECT_EQ(machine.TickerLine, 0);

    machine.Label2_Click();
    machine.Label1_Click();
    fastTicks(241 - 50 - 1);
    EXPECT_EQ(rig.sound.count("Roll2"), 0);
    fastTicks(1);
    EXPECT_EQ(rig.sound.count("Roll2"), 1);
}

// Tile k rises 50 a tick from 960 to 360 in ticks 1 + 12k to 12 + 12k and is back at 960 in the
// next tick, in which tile k + 1 makes its first step. After tile 8 the first tile waits one
// tick: the cycle is 109 ticks long. No tile is ever placed above 360.
TEST_F(Title, LetterTilesRiseOneAfterAnotherInCyclesOf109Ticks) {
    title.show();
    std::vector<PositionRecorder> tiles;
    tiles.reserve(9);
    for (int k = 0; k < 9; ++k) {
        tiles.emplace_back(title.Lett[k], rig);
    }
    letterTicks(2 * 109);

    for (int k = 0; k < 9; ++k) {
        SCOPED_TRACE(k);
        std::vector<ui::Twips> tops;
        std::vector<std::int64_t> times;
        for (const int firstTick : {1 + 12 * k, 110 + 12 * k}) {
            for (int step = 1; step <= 13; ++step) {
                tops.push_back(step < 13 ? 960 - 50 * step : 960);
                times.push_back(std::int64_t{firstTick + step - 1} * kLetterTickMs);
            }
        }
        EXPECT_EQ(tiles[k].tops, tops);
        EXPECT_EQ(tiles[k].times, times);
    }
}

TEST_F(Title, TheIconTurnsOneStepPastEachEdge) {
    title.show();
    const PositionRecorder icon(title.Shape1, rig);
    fastTicks(4000);

    // From 4800 moving left: 0 at tick 240, -20 at tick 241, then back to the right.
    EXPECT_EQ(slice(icon.lefts, 239, 3), (Places{0, -20, 0}));
    // From 2520 moving up: 0 at tick 126, -20 at tick 127, then back down.
    EXPECT_EQ(slice(icon.tops, 125, 3), (Places{0, -20, 0}));
    // Every edge is passed by one step: the far ones at 6720 - 480 and 6015 - 480.
    const auto [minLeft, maxLeft] = std::minmax_element(icon.lefts.begin(), icon.lefts.end());
    const auto [minTop, maxTop] = std::minmax_element(icon.tops.begin(), icon.tops.end());
    EXPECT_EQ((Places{*minLeft, *maxLeft, *minTop, *maxTop}), (Places{-20, 6260, -20, 5540}));
}

// The ticker line moves 10 a tick to the left from 240 and comes in again at 6600 once it has left.
// The top strip moves 50 a tick to the right from 120 until it is past 6840, then comes in again
// from -6495; the bottom one moves left until it is past -6495, then comes in from 6840.
TEST_F(Title, TheTickerAndTheStripsScrollAndWrapAtTheWindowEdges) {
    title.show();
    const PositionRecorder ticker(title.Holding, rig);
    const PositionRecorder top(title.Picture1, rig);
    const PositionRecorder bottom(title.Picture2, rig);
    // The line's last place on screen is the last one not left of -width.
    const int onScreen = (240 + title.Holding.width()) / 10;
    ASSERT_GT(onScreen, 400);
    fastTicks(onScreen + 2);

    EXPECT_EQ(slice(ticker.lefts, onScreen - 1, 3), (Places{240 - 10 * onScreen, 6600, 6590}));
    EXPECT_EQ(slice(top.lefts, 133, 2), (Places{6820, -6495}));
    EXPECT_EQ(slice(top.lefts, 400, 2), (Places{6805, -6495}));
    EXPECT_EQ(slice(bottom.lefts, 131, 2), (Places{-6480, 6840}));
    EXPECT_EQ(slice(bottom.lefts, 398, 2), (Places{-6460, 6840}));
}

TEST_F(Title, ANewVisitRestartsTheLettersKeepsTheIconsWayAndTheCloseBoxEndsTheGame) {
    title.show();
    fastTicks(242);  // the icon has turned right at the left edge and down at the top
    letterTicks(20);
    insertCoins(1);
    title.keyDown(key::kDigit1);
    machine.requestClose();
    fastTicks(1);  // from its place in the layout, still right and down
    EXPECT_EQ(std::pair(title.Shape1.left(), title.Shape1.top()), std::pair(4820, 2540));
    letterTicks(1);
    EXPECT_EQ(title.Lett[0].top(), 910);
    title.requestClose();
    EXPECT_EQ(rig.terminator.quits, 1) << "the close box ends the game";
}

}  // namespace
