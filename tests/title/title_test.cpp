#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <utility>
#include <vector>

#include "machine/form1.h"
#include "machine/roll.h"
#include "support/rig.h"
#include "title/form6.h"
#include "ui/control.h"
#include "ui/scheduler.h"

// The title window: coins and continue, leaving the game, the way between the windows, and the
// animations.
namespace {

namespace key = ui::key;
constexpr int kLetterTickMs = 50;

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
    fastTicks(quirvanto::kRollTicks - 50 - 1);
    EXPECT_EQ(rig.sound.count("Roll2"), 0);
    fastTicks(1);
    EXPECT_EQ(rig.sound.count("Roll2"), 1);
}

// Each animation moves one step a tick: the icon 20 on both axes, turning one step past each edge
// of the window; the ticker line 10 left, coming in again at 6600 once it has wholly left; the
// top strip 50 right until it is past the window's right edge, then in again from its own width
// left of it; the bottom strip the other way. One letter tile at a time rises 50 a tick from 960
// to 360 and is back at 960 in the tick the next one starts; after the ninth tile the first waits
// a tick, so tile 0 starts again 109 ticks after it started.
TEST_F(Title, EveryAnimationMovesOneStepATickWrapsAtItsEdgesAndStaysInItsBounds) {
    title.show();
    const ui::Size inner = title.layout().inner;
    const ui::Size outer = title.layout().outer;
    const ui::Control& icon = title.Shape1;
    const ui::Control& ticker = title.Holding;
    const ui::Control& top = title.Picture1;
    const ui::Control& bottom = title.Picture2;
    ui::Twips iconLeft = icon.left(), iconTop = icon.top();
    ui::Twips lowest = iconLeft, highest = iconLeft, upmost = iconTop, downmost = iconTop;
    ui::Twips tickerLeft = ticker.left(), topLeft = top.left(), bottomLeft = bottom.left();
    int tickerWraps = 0, topWraps = 0, bottomWraps = 0;
    std::array<ui::Twips, 9> tiles{};
    std::ranges::transform(title.Lett, tiles.begin(), [](const ui::Label& l) { return l.top(); });
    std::vector<std::int64_t> tileZeroStarts;  // in letter ticks
    // Long enough for the icon to meet all four edges and for the ticker line to come in again.
    const int ticks = std::max(600, (ticker.left() + ticker.width()) / 10 + 2);
    for (int tick = 1; tick <= ticks; ++tick) {
        SCOPED_TRACE("tick " + std::to_string(tick));
        fastTicks(1);
        ASSERT_EQ(std::abs(icon.left() - iconLeft), 20);
        ASSERT_EQ(std::abs(icon.top() - iconTop), 20);
        iconLeft = icon.left();
        iconTop = icon.top();
        lowest = std::min(lowest, iconLeft);
        highest = std::max(highest, iconLeft);
        upmost = std::min(upmost, iconTop);
        downmost = std::max(downmost, iconTop);

        const bool tickerWrapped = tickerLeft - 10 < -ticker.width();
        ASSERT_EQ(ticker.left(), tickerWrapped ? 6600 : tickerLeft - 10);
        const bool topWrapped = topLeft + 50 > outer.width;
        ASSERT_EQ(top.left(), topWrapped ? -top.width() : topLeft + 50);
        const bool bottomWrapped = bottomLeft - 50 < -bottom.width();
        ASSERT_EQ(bottom.left(), bottomWrapped ? outer.width : bottomLeft - 50);
        tickerWraps += tickerWrapped ? 1 : 0;
        topWraps += topWrapped ? 1 : 0;
        bottomWraps += bottomWrapped ? 1 : 0;
        tickerLeft = ticker.left();
        topLeft = top.left();
        bottomLeft = bottom.left();

        int rising = 0;
        for (int k = 0; k < 9; ++k) {
            const ui::Twips now = title.Lett[k].top();
            const ui::Twips before = tiles[static_cast<std::size_t>(k)];
            ASSERT_TRUE(now == before || now == before - 50 || (now == 960 && before - 50 < 360))
                << "tile " << k << " from " << before << " to " << now;
            ASSERT_GE(now, 360);
            rising += now < 960 ? 1 : 0;
            if (k == 0 && before == 960 && now < 960) {
                tileZeroStarts.push_back(rig.now() / kLetterTickMs);
            }
            tiles[static_cast<std::size_t>(k)] = now;
        }
        ASSERT_LE(rising, 1) << "one tile at a time";
    }
    // Past each edge by more than nothing and at most a step.
    const auto past = [](ui::Twips beyond) { return beyond > 0 && beyond <= 20; };
    EXPECT_TRUE(past(-lowest) && past(highest - (inner.width - icon.width())))
        << lowest << " to " << highest;
    EXPECT_TRUE(past(-upmost) && past(downmost - (inner.height - icon.height())))
        << upmost << " to " << downmost;
    EXPECT_GE(std::min({tickerWraps, topWraps, bottomWraps}), 1);
    ASSERT_GE(tileZeroStarts.size(), 2U);
    EXPECT_EQ(tileZeroStarts[0], 1);
    EXPECT_EQ(tileZeroStarts[1] - tileZeroStarts[0], 109);
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
