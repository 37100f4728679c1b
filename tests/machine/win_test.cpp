#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <utility>
#include <vector>

#include "bonus/form2.h"
#include "bonus/form3.h"
#include "bonus/form4.h"
#include "bonus/form5.h"
#include "bonus/form7.h"
#include "machine_rig.h"

namespace {

using namespace machine_tests;
using Wheel = MachineTest;

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

// SPACE reaches the panel's Stop whenever the wheel's Stop is hidden; only a stop of the running
// Skill chance pays, even with the last tile lit by a spin started during Letters Held.
TEST_F(Wheel, SpaceStopsTheWheelThenThePanelAndAtRestPaysNothing) {
    setMoney(10, 1);
    m.Lett[8].setForeColour(ui::kWhite);
    m.keyDown(ui::key::kSpace);
    EXPECT_EQ(m.Credits.caption(), "10");

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
        EXPECT_EQ(std::ranges::count_if(bonus, [](auto* w) { return w->isShown(); }), 1);
        EXPECT_TRUE(bonus[window]->isShown());
        EXPECT_EQ(bonus[window]->Premio.caption(), "6");
        x.m.keyPress(ui::key::kEnter);
        EXPECT_EQ(x.m.Credits.caption(), "18");
    }
}

TEST(LettersHeld, LightsATilePerDrawUntilADrawIsNoLargerThanTheLitCountOrLosesOnAFirstZero) {
    using Sounds = std::vector<std::string>;
    for (const auto& [draws, lit, sounds] :
         {std::tuple{std::vector{5, 6, 2}, 3, Sounds(3, "Letter")},
          std::tuple{std::vector{0}, 0, Sounds{"Lose"}},
          std::tuple{std::vector{5, 0}, 0, Sounds{"Letter", "Lose"}}}) {
        SCOPED_TRACE(testing::PrintToString(draws));
        Machine x;
        x.stopWheelOn(5);
        EXPECT_EQ(x.litLetters(), 0) << "the letter run's tile is dark again";
        for (const int draw : draws) {
            x.rig.random.pushDraw(draw, 9);
        }
        x.rig.advance(100 * static_cast<int>(draws.size()) - 1);
        EXPECT_TRUE(x.m.Zavri2.enabled()) << "a draw every 100 ms";
        x.rig.advance(1);
        EXPECT_FALSE(x.m.Zavri2.enabled());
        EXPECT_EQ(x.litLetters(), lit);
        EXPECT_EQ(x.m.Credits.caption(), "18");
        EXPECT_EQ(x.rig.sound.names(), sounds);
    }
}

// Skill chance lights one tile at a time until its Stop; a stop on the last tile lights the row and
// pays 27 times the bet, any other stop pays nothing.
TEST(SkillChance, AStopOnTheLastTileLightsTheRowAndPays27TimesTheBet) {
    for (const auto& [draws, credits, lit] :
         {std::tuple{std::vector{2, 8}, "72", 9}, std::tuple{std::vector{3}, "18", 1}}) {
        SCOPED_TRACE(std::string("credits ") + credits);
        Machine x;
        x.stopWheelOn(6);
        EXPECT_EQ(x.m.Win1.caption(), "0");
        for (const int draw : draws) {
            x.rig.random.pushDraw(draw, 9);
        }
        x.rig.advance(100 * static_cast<int>(draws.size()));
        x.m.Label6.click();
        x.rig.advance(500);
        EXPECT_EQ(x.m.Credits.caption(), credits);
        EXPECT_EQ(x.litLetters(), lit) << "the flicker has stopped on what it showed";
        EXPECT_EQ(x.rig.sound.count("Bingo"), lit == 9 ? 18 : 0);
        EXPECT_FALSE(x.m.Picture2.visible() || x.m.Zavri3.enabled());
    }
}

}  // namespace
