#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <utility>
#include <vector>

#include "bonus/bonus_frame.h"
#include "machine_rig.h"

namespace {

using namespace machine_tests;
using Wheel = MachineTest;
using Supervisor = MachineTest;
using Ticker = MachineTest;

TEST(Rows, EachRowPaysTheBetForAPairAndTwiceMoreForATripleIntoThePendingWinShownWhole) {
    for (const auto& [grid, bet, win, lines] :
         {std::tuple{kTopTriple, 2, "6", 2}, std::tuple{Grid{1, 2, 3, 4, 9, 4, 6, 7, 8}, 3, "3", 1},
          std::tuple{Grid{2, 2, 2, 1, 3, 4, 8, 6, 8}, 1, "4", 3},
          std::tuple{Grid{1, 2, 3, 1, 4, 6, 1, 7, 8}, 1, "0", 0},
          std::tuple{kTopTriple, 40, "120", 2}}) {
        SCOPED_TRACE(std::string("win ") + win);
        Machine x;
        x.setMoney(100, bet);
        x.spinAndLetters(grid, 1);
        x.rig.sound.played.clear();
        x.rig.advance(100);  // the evaluation's one tick
        EXPECT_EQ(x.m.Win1.caption(), win);
        EXPECT_EQ(x.m.Win1.left(), 5040);
        EXPECT_EQ(x.m.Win1.width(), x.rig.measure.width(win, 12)) << "every digit shown";
        EXPECT_EQ(x.rig.sound.names(), std::vector<std::string>(lines, "Win1"));
        EXPECT_EQ(x.m.Credits.caption(), std::to_string(100 - bet)) << "credits untouched";
        EXPECT_EQ(x.readyButtonsShown(), lines == 0) << "nothing won: Spin is back at once";
    }
}

// Spin, "+" and "-" stay hidden from the end of the letters until the wheel's Stop: the supervisor
// counts the moments before the evaluation and before the wheel's first step as busy too.
TEST_F(Wheel, AWinBlinksThenTheLightRunsThroughTheFieldsUntilAStopOnLoseLosesTheWin) {
    setMoney(20, 2);
    spinAndLetters(kTopTriple, 1);
    m.Controllo_Timer();
    EXPECT_FALSE(m.Label1.visible()) << "between the letters and the evaluation";
    rig.advance(100);
    ASSERT_FALSE(m.Try.enabled());
    m.Controllo_Timer();
    EXPECT_FALSE(m.Label1.visible()) << "between the win and the wheel's first step";
    rig.advance(100);
    EXPECT_TRUE(m.Etic[1].visible() && m.Win1.visible());
    rig.advance(100);
    EXPECT_FALSE(m.Win1.visible() || m.Label4.visible());
    EXPECT_EQ(rig.sound.last(), "Meter");
    std::string lit;
    for (int step = 0; step < 18; ++step) {
        rig.advance(150);
        for (int f = 0; f < 12; ++f) {
            lit += m.Game[f].foreColour() == ui::kWhite ? std::to_string(f) : "";
        }
        lit += m.Label4.visible() ? "," : " no Stop,";
    }
    EXPECT_EQ(lit, "0,1,2,3,4,5,6,7,8,9,10,11,,0,1,2,3,4,") << "a dark step after field 11";
    EXPECT_FALSE(m.Label1.visible()) << "no Spin while the win is offered";
    rig.sound.played.clear();
    m.Label4.click();
    EXPECT_EQ(m.Win1.caption(), "0");
    EXPECT_TRUE(readyButtonsShown() && !m.Label4.visible());
    EXPECT_EQ(m.Game[4].foreColour(), ui::kBlack);
    rig.advance(3000);
    EXPECT_TRUE(m.Etic[1].visible() && m.Win1.visible()) << "blinking, wheel, meter have stopped";
    EXPECT_EQ(rig.sound.names(), std::vector<std::string>{"Lose"});

    spinAndLetters(kNoWin, 1);
    rig.advance(100);
    EXPECT_FALSE(m.Label1.visible()) << "a losing spin after a lost win waits for the supervisor";
    rig.advance(1000);
    EXPECT_TRUE(readyButtonsShown());
}

// SPACE reaches the panel's Stop whenever the wheel's Stop is hidden. Only a stop of the running
// Skill chance pays, even with the last tile lit by a spin started during Letters Held.
TEST_F(Wheel, SpaceAtRestPaysNothing) {
    setMoney(10, 1);
    m.Lett[8].setForeColour(ui::kWhite);
    m.keyDown(ui::key::kSpace);
    EXPECT_EQ(m.Credits.caption(), "10");
}

// A Stop does what the lit field says: a field named after a bonus game opens the window of that
// game, with the win of 6 as its stake, and the machine takes no keys; "Lose" loses the win; the
// letter games take it. The dark position after field 11 leaves field 0 chosen.
TEST(WheelStop, DoesWhatTheLitFieldSays) {
    for (int position = 0; position <= 12; ++position) {
        Machine x;
        x.lightWheelOn(position);
        const std::string field = x.m.Game[position % 12].caption();
        SCOPED_TRACE("position " + std::to_string(position) + ", " + field);
        x.m.Label4.click();
        const auto bonus = x.rig.program.bonusWindows();
        const auto shown = std::ranges::find_if(bonus, [](auto* w) { return w->isShown(); });
        const bool letterGame = field == "Letters Held" || field == "Skill chance";
        if (field == "Lose" || letterGame) {
            EXPECT_EQ(shown, bonus.end());
            EXPECT_EQ(x.m.Win1.caption(), "0");
            EXPECT_EQ(x.rig.sound.count("Lose"), letterGame ? 0 : 1);
            EXPECT_EQ(x.m.Zavri2.enabled() || x.m.Zavri3.enabled(), letterGame);
            continue;
        }
        ASSERT_NE(shown, bonus.end());
        EXPECT_TRUE((*shown)->layout().caption.starts_with(field)) << (*shown)->layout().caption;
        EXPECT_EQ(std::ranges::count_if(bonus, [](auto* w) { return w->isShown(); }), 1);
        EXPECT_EQ((*shown)->Premio.caption(), "6");
        x.m.keyPress(ui::key::kEnter);
        EXPECT_EQ(x.m.Credits.caption(), "18");
    }
}

// Letters Held (field 5) lights a tile per draw, a draw every 100 ms, until a draw is no larger
// than the lit count, and is lost on a draw of 0. Skill chance (field 6) lights one drawn tile at a
// time until its Stop (SPACE, once the wheel's Stop is gone): a stop on the last tile lights the
// row and pays 27 times the bet, any other stop pays nothing. Either game takes the win of 6 it was
// played for.
TEST(LetterGames, PlayForTheWinOnTheLetterTiles) {
    for (const auto& [field, draws, lit, credits, lastSound] :
         {std::tuple{5, std::vector{5, 6, 2}, 3, "18", "Letter"},
          std::tuple{5, std::vector{5, 2}, 2, "18", "Letter"},
          std::tuple{5, std::vector{0}, 0, "18", "Lose"},
          std::tuple{5, std::vector{5, 0}, 0, "18", "Lose"},
          std::tuple{6, std::vector{2, 8}, 9, "72", "Bingo"},
          std::tuple{6, std::vector{3}, 1, "18", "Letter"}}) {
        SCOPED_TRACE("field " + std::to_string(field) + ", draws " + testing::PrintToString(draws));
        Machine x;
        x.lightWheelOn(field);
        x.m.keyDown(ui::key::kSpace);  // the wheel's Stop, not also the panel's
        EXPECT_EQ(x.litLetters(), 0) << "the letter run's tile is dark again";
        EXPECT_EQ(x.m.Win1.caption(), "0");
        for (const int draw : draws) {
            x.rig.random.pushDraw(draw, 9);
        }
        x.rig.advance(100 * static_cast<int>(draws.size()) - 1);
        EXPECT_TRUE(x.m.Zavri2.enabled() || x.m.Zavri3.enabled()) << "a draw every 100 ms";
        x.rig.advance(1);
        x.m.keyDown(ui::key::kSpace);  // the Skill chance panel's Stop
        x.rig.advance(500);
        EXPECT_FALSE(x.m.Zavri2.enabled() || x.m.Zavri3.enabled() || x.m.Picture2.visible());
        EXPECT_EQ(x.litLetters(), lit) << "no tile flickers on";
        EXPECT_EQ(x.m.Credits.caption(), credits);
        EXPECT_EQ(x.rig.sound.last(), lastSound);
    }
}

TEST_F(Supervisor, WaitsWhileTheSkillChancePanelIsShownThenBringsSpinBack) {
    m.Label1.setVisible(false);
    m.Picture2.setVisible(true);
    rig.advance(3000);
    EXPECT_FALSE(m.Label1.visible());
    m.Picture2.setVisible(false);
    rig.advance(1000);
    EXPECT_TRUE(m.Label1.visible());
}

// Every two seconds the ticker shows its next line and draws four colours for the pay labels.
TEST_F(Ticker, ShowsItsNineLinesInTurnAndRecoloursThePayLabelsUnlessADrawnColourIsBlack) {
    m.Publi.setEnabled(true);
    for (const int colour : {9, 10, 12, 14, 1, 2, 0, 3}) {
        rig.random.pushDraw(colour, 15);
    }
    std::vector<std::string> lines;
    std::vector<std::pair<ui::Colour, ui::Colour>> colours;
    for (int i = 0; i < 10; ++i) {
        rig.advance(2000);
        lines.push_back(m.Holding.caption());
        colours.emplace_back(m.Etic[0].foreColour(), m.Etic[4].foreColour());
    }
    EXPECT_EQ(lines[1], "Quirvanto 1.00");
    EXPECT_EQ(lines[8], "All rights reserved");
    EXPECT_EQ(lines[9], lines[0]) << "after line 8 comes line 0";
    EXPECT_EQ(colours[0], std::pair(0xFF0000U, 0x00FFFFU)) << "the first and fourth colours drawn";
    EXPECT_EQ(colours[1], colours[0]) << "a black draw leaves every colour";
}

}  // namespace
