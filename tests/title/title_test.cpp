#include <gtest/gtest.h>

#include <algorithm>
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
class PositionRecorder final : public ui::ControlView {
public:
    PositionRecorder(ui::Control& control, const testing_support::Rig& rig)
        : control_(control), rig_(rig) {
        control.setView(this);
    }
    void controlChanged() override {
        lefts.push_back(control_.left());
        tops.push_back(control_.top());
        times.push_back(rig_.now());
    }
    std::vector<ui::Twips> lefts;
    std::vector<ui::Twips> tops;
    std::vector<std::int64_t> times;

private:
    const ui::Control& control_;
    const testing_support::Rig& rig_;
};

class Title : public ::testing::Test {
protected:
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

TEST_F(Title, MachineTitleMachineTitleThenLeavingEndsTheProgramOnce) {
    rig.program.start();
    machine.requestClose();
    EXPECT_TRUE(title.isShown());

    insertCoins(3);
    EXPECT_EQ(title.AA[2].caption(), "30");
    EXPECT_TRUE(title.AA[1].visible());
    EXPECT_EQ(rig.sound.names(), (std::vector<std::string>{"Coin2", "Coin2", "Coin2"}));
    title.keyDown(key::kDigit1);
    EXPECT_TRUE(machine.isShown());
    EXPECT_EQ(machine.Credits.caption(), "30");

    machine.requestClose();  // a new visit: no coins, no continue prompt
    EXPECT_EQ(title.AA[2].caption(), "0");
    EXPECT_FALSE(title.AA[1].visible());
    insertCoins(1);
    title.AA[1].click();
    EXPECT_EQ(machine.Credits.caption(), "10");
    machine.requestClose();
    EXPECT_EQ(rig.terminator.quits, 0);

    insertCoins(1);
    title.keyPress(key::kEscape);
    EXPECT_EQ(rig.terminator.quits, 1);
    const auto& windows = rig.program.windows();
    EXPECT_TRUE(std::none_of(windows.begin(), windows.end(),
                             [](const ui::Window* window) { return window->loaded(); }));
}

// Amounts are 64-bit: a count past 32767 reaches the machine whole.
TEST_F(Title, CountsPastTheSixteenBitRangeReachTheMachineWhole) {
    title.show();
    insertCoins(3277);
    title.AA[1].click();
    EXPECT_EQ(machine.Credits.caption(), "32770");
}

TEST_F(Title, NothingButTheMainRowFiveInsertsAndNothingContinuesBeforeACoin) {
    title.show();
    for (int keypadDigit = key::kKeypad0; keypadDigit <= key::kKeypad0 + 9; ++keypadDigit) {
        title.keyDown(keypadDigit);
    }
    title.keyPress('5');
    title.keyDown(key::kDigit1);
    title.AA[1].click();  // where the hidden continue prompt lies

    EXPECT_EQ(title.AA[2].caption(), "0");
    EXPECT_FALSE(title.AA[1].visible());
    EXPECT_TRUE(rig.sound.names().empty());
    EXPECT_TRUE(title.isShown());
    EXPECT_FALSE(machine.loaded());
}

// The title appears once the message is closed; its close box then ends the game.
TEST_F(Title, SpinWithNoCreditsIsGameOverAndLeadsToTheTitle) {
    rig.program.start();
    machine.Credits.setCaption("0");
    machine.Bet.setCaption("3");
    bool titleWhileMessageOpen = true;
    rig.messages.onShow = [&](const std::string&) { titleWhileMessageOpen = title.loaded(); };
    machine.Label1_Click();

    EXPECT_EQ(rig.messages.shown, std::vector<std::string>{"Game Over!"});
    EXPECT_FALSE(titleWhileMessageOpen);
    EXPECT_FALSE(machine.loaded());
    EXPECT_TRUE(title.isShown());
    EXPECT_EQ(rig.sound.count("Roll1"), 0);
    insertCoins(1);
    title.requestClose();
    EXPECT_EQ(rig.terminator.quits, 1);
}

// The machine's own variables are not reset by a visit to the title window: a roll cut off by
// closing the window leaves its count behind, and the next roll is that much shorter.
TEST_F(Title, ARollCutOffByClosingTheMachineShortensTheNextOne) {
    rig.program.start();
    machine.Label2_Click();
    machine.Label1_Click();
    fastTicks(50);
    machine.WinLines = 2;
    machine.requestClose();
    insertCoins(3);
    title.keyDown(key::kDigit1);
    EXPECT_EQ(machine.StepCount, 50);
    EXPECT_EQ(machine.WinLines, 2);
    EXPECT_EQ(machine.TickerLine, 0);

    machine.Label2_Click();
    machine.Label1_Click();
    rig.advance((241 - 50) * ui::kFastestTimerMs - 1);
    EXPECT_EQ(rig.sound.count("Roll2"), 0);
    rig.advance(1);
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
    EXPECT_EQ(std::vector(icon.lefts.begin() + 239, icon.lefts.begin() + 242),
              (std::vector<ui::Twips>{0, -20, 0}));
    // From 2520 moving up: 0 at tick 126, -20 at tick 127, then back down.
    EXPECT_EQ(std::vector(icon.tops.begin() + 125, icon.tops.begin() + 128),
              (std::vector<ui::Twips>{0, -20, 0}));
    // Every edge is passed by one step: the far ones at 6720 - 480 and 6015 - 480.
    const auto [minLeft, maxLeft] = std::minmax_element(icon.lefts.begin(), icon.lefts.end());
    const auto [minTop, maxTop] = std::minmax_element(icon.tops.begin(), icon.tops.end());
    EXPECT_EQ(std::vector({*minLeft, *maxLeft, *minTop, *maxTop}),
              (std::vector<ui::Twips>{-20, 6260, -20, 5540}));
}

TEST_F(Title, TheTickerRunsOutOnTheLeftAndComesBackAt6600) {
    title.show();
    const ui::Twips width = title.Holding.width();
    ASSERT_GT(width, 6720);
    const PositionRecorder ticker(title.Holding, rig);
    // 10 a tick from 240: the line's last place on screen is the last one not left of -width.
    const int onScreen = (240 + width) / 10;
    fastTicks(onScreen + 2);

    ASSERT_EQ(ticker.lefts.size(), static_cast<std::size_t>(onScreen + 2));
    EXPECT_EQ(ticker.lefts.front(), 230);
    EXPECT_EQ(std::vector(ticker.lefts.end() - 3, ticker.lefts.end()),
              (std::vector<ui::Twips>{240 - 10 * onScreen, 6600, 6590}));
}

// The top strip moves 50 a tick to the right from 120 until it is past 6840, then comes in again
// from -6495; the bottom one moves left until it is past -6495, then comes in from 6840.
TEST_F(Title, TheStripsRunOppositeWaysAndWrapAtTheWindowEdges) {
    title.show();
    const PositionRecorder top(title.Picture1, rig);
    const PositionRecorder bottom(title.Picture2, rig);
    fastTicks(135 + 267);

    EXPECT_EQ(std::vector(top.lefts.begin() + 133, top.lefts.begin() + 135),
              (std::vector<ui::Twips>{6820, -6495}));
    EXPECT_EQ(std::vector(top.lefts.begin() + 400, top.lefts.begin() + 402),
              (std::vector<ui::Twips>{6805, -6495}));
    EXPECT_EQ(std::vector(bottom.lefts.begin() + 131, bottom.lefts.begin() + 133),
              (std::vector<ui::Twips>{-6480, 6840}));
    EXPECT_EQ(std::vector(bottom.lefts.begin() + 398, bottom.lefts.begin() + 400),
              (std::vector<ui::Twips>{-6460, 6840}));
}

TEST_F(Title, ANewVisitRestartsTheLettersButKeepsTheIconsDirections) {
    title.show();
    fastTicks(242);  // the icon has turned right at the left edge and down at the top
    letterTicks(20);
    insertCoins(1);
    title.keyDown(key::kDigit1);
    machine.requestClose();
    EXPECT_EQ(title.Shape1.left(), 4800);
    EXPECT_EQ(title.Shape1.top(), 2520);

    fastTicks(1);
    EXPECT_EQ(title.Shape1.left(), 4820);
    EXPECT_EQ(title.Shape1.top(), 2540);
    letterTicks(1);
    EXPECT_EQ(title.Lett[0].top(), 910);
}

}  // namespace
