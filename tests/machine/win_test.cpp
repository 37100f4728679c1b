#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <utility>

#include "bonus/form2.h"
#include "bonus/form3.h"
#include "bonus/form4.h"
#include "bonus/form5.h"
#include "bonus/form7.h"
#include "machine_rig.h"

namespace {

using namespace machine_tests;
using Evaluation = MachineTest;
using Wheel = MachineTest;
// Letters Held (field 5) and Skill chance (field 6) give up the win for a game on the letters.
using LetterGames = MachineTest;

// Spins with `bet` from 100 credits to `grid` (no 5 on it) and runs the evaluation's one tick.
void evaluate(Machine& x, const Grid& grid, int bet) {
    x.setMoney(100, bet);
    x.spinAndLetters(grid, 1);
    x.rig.sound.played.clear();
    x.rig.advance(100);
}

TEST(Rows, EachRowPaysTheBetForAPairAndTwiceMoreForATripleIntoThePendingWin) {
    for (const auto& [grid, bet, win, lines] :
         {std::tuple{kTopTriple, 2, "6", 2}, std::tuple{Grid{1, 2, 3, 4, 9, 4, 6, 7, 8}, 3, "3", 1},
          std::tuple{Grid{2, 2, 2, 1, 3, 4, 8, 6, 8}, 1, "4", 3},
          std::tuple{Grid{1, 2, 3, 1, 4, 6, 1, 7, 8}, 1, "0", 0}}) {
        SCOPED_TRACE(std::string("win ") + win);
        Machine x;
        evaluate(x, grid, bet);
        EXPECT_EQ(x.m.Win1.caption(), win);
        EXPECT_EQ(x.rig.sound.names(), std::vector<std::string>(lines, "Win1"));
        EXPECT_EQ(x.m.Credits.caption(), std::to_string(100 - bet)) << "credits untouched";
        EXPECT_EQ(x.readyButtonsShown(), lines == 0) << "nothing won: Spin is back at once";
    }
}

TEST_F(Evaluation, TheWinShowsWholeHoweverManyDigits) {
    evaluate(*this, kTopTriple, 40);
    ASSERT_EQ(m.Win1.caption(), "120");
    EXPECT_EQ(m.Win1.left(), 5040);
    EXPECT_EQ(m.Win1.width(), rig.measure.width("120", 12));
}

TEST_F(Wheel, AWinBlinksThenTheLightRunsThroughTheFieldsUntilAStopOnLoseLosesTheWin) {
    setMoney(20, 2);
    spinAndLetters(kTopTriple, 1);
    rig.advance(200);
    EXPECT_TRUE(m.Etic[1].visible() && m.Win1.visible());
    rig.advance(100);
    EXPECT_FALSE(m.Win1.visible() || m.Label4.visible());
    EXPECT_EQ(rig.sound.names().back(), "Meter");
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

TEST_F(Wheel, SpaceStopsTheWheelWithoutAlsoStoppingThePanel) {
    lightWheelOn(6);
    m.keyDown(ui::key::kSpace);
    EXPECT_FALSE(m.Label4.visible());
    EXPECT_TRUE(m.Picture2.visible() && m.Zavri3.enabled()) << "the panel's Stop did not run";
    m.keyDown(ui::key::kSpace);
    EXPECT_FALSE(m.Picture2.visible() || m.Zavri3.enabled());
}

TEST(WheelBonus, StopHandsTheWinToTheFieldsWindowAndTheMachineTakesNoKeys) {
    // Position 12 is the dark position after field 11: it chooses field 0, Horse racing.
    constexpr std::pair<int, std::size_t> kFields[] = {{0, 0}, {1, 1},  {2, 2},
                                                       {3, 3}, {10, 4}, {12, 0}};
    for (const auto& [position, window] : kFields) {
        SCOPED_TRACE("position " + std::to_string(position));
        Machine x;
        x.stopWheelOn(position);
        auto& p = x.rig.program;
        const std::array<const quirvanto::BonusWindow*, 5> bonus{&p.form2(), &p.form3(), &p.form4(),
                                                                 &p.form5(), &p.form7()};
        for (std::size_t w = 0; w < bonus.size(); ++w) {
            EXPECT_EQ(bonus[w]->isShown(), w == window) << "window " << w;
        }
        EXPECT_EQ(bonus[window]->Premio.caption(), "6");
        x.m.keyPress(ui::key::kEnter);
        EXPECT_EQ(x.m.Credits.caption(), "18");
    }
}

TEST_F(LetterGames, LettersHeldLightsATilePerDrawUntilADrawIsNoLargerThanTheLitCount) {
    stopWheelOn(5);
    EXPECT_EQ(litLetters(), 0) << "the letter run's tile is dark again";
    for (const int draw : {5, 6, 2}) {
        rig.random.pushDraw(draw, 9);
    }
    rig.advance(200);
    EXPECT_EQ(litLetters(), 2);
    rig.advance(100);
    EXPECT_EQ(litLetters(), 3);
    EXPECT_FALSE(m.Zavri2.enabled());
    EXPECT_EQ(m.Credits.caption(), "18");
    EXPECT_EQ(rig.sound.names(), std::vector<std::string>(3, "Letter"));
}

TEST_F(LetterGames, LettersHeldIsLostOnAFirstDrawOfZero) {
    stopWheelOn(5);
    m.Lett[4].setForeColour(ui::kWhite);
    rig.random.pushDraw(0, 9);
    rig.advance(100);
    EXPECT_EQ(rig.sound.names(), std::vector<std::string>{"Lose"});
    EXPECT_FALSE(m.Zavri2.enabled());
    EXPECT_EQ(litLetters(), 0);
}

TEST_F(LetterGames, SkillChanceStoppedOnTheLastTileLightsTheRowAndPays27TimesTheBet) {
    stopWheelOn(6);
    EXPECT_EQ(m.Win1.caption(), "0");
    rig.random.pushDraw(2, 9);
    rig.random.pushDraw(8, 9);
    rig.advance(200);
    ASSERT_EQ(litLetters(), 1);
    m.Label6.click();
    EXPECT_EQ(m.Credits.caption(), "72");
    EXPECT_EQ(litLetters(), 9);
    EXPECT_EQ(rig.sound.count("Bingo"), 18);
    EXPECT_FALSE(m.Picture2.visible() || m.Zavri3.enabled());
}

TEST_F(LetterGames, AnyOtherStopPaysNothing) {
    // A spin started during Letters Held can leave the last tile lit on its own, and SPACE
    // reaches the panel's Stop whenever the wheel's Stop is hidden.
    setMoney(10, 1);
    m.Lett[8].setForeColour(ui::kWhite);
    m.keyDown(ui::key::kSpace);
    EXPECT_EQ(m.Credits.caption(), "10");

    stopWheelOn(6);
    rig.random.pushDraw(3, 9);
    rig.advance(100);
    m.Label6.click();
    rig.advance(500);
    EXPECT_EQ(m.Credits.caption(), "18");
    EXPECT_EQ(litLetters(), 1) << "the flicker has stopped on the tile it showed";
}

}  // namespace
