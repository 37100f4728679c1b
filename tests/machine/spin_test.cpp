#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "machine_rig.h"
#include "title/form6.h"

namespace {

using namespace machine_tests;
using Spin = MachineTest;

TEST_F(Spin, EveryClickOrKeyRepeatMovesTheBetOneStepWithinZeroAndTheCredits) {
    setMoney(3, 0);
    for (int repeat = 0; repeat < 5; ++repeat) {
        m.keyDown(ui::key::kA);
    }
    EXPECT_EQ(m.Bet.caption(), "3");
    m.keyDown(ui::key::kZ);
    m.keyDown(ui::key::kZ);
    m.Label3.click();
    m.Label3.click();
    EXPECT_EQ(m.Bet.caption(), "0");
    EXPECT_EQ(rig.sound.count("Bet"), 6) << "a refused step is silent";
}

TEST(SpinRefused, SaysWhyAndTakesNothing) {
    // "Game Over!" closes the machine for the title window: its captions are gone.
    for (const auto& [credits, bet, message, money] :
         {std::tuple{10, 0, "No bet!", "10/0"}, std::tuple{3, 5, "No credits!", "3/3"},
          std::tuple{0, 0, "Game Over!", "/"}, std::tuple{0, 4, "Game Over!", "/"}}) {
        SCOPED_TRACE(std::string(message) + " with bet " + std::to_string(bet));
        Machine x;
        x.setMoney(credits, bet);
        x.m.Label1.click();
        EXPECT_EQ(x.rig.messages.shown, std::vector<std::string>{message});
        EXPECT_EQ(x.m.Credits.caption() + "/" + x.m.Bet.caption(), money);
        EXPECT_EQ(x.rig.program.form6().isShown(), credits == 0);
    }
}

TEST_F(Spin, TheBetLeavesFirstThenTheRollLasts241TicksAndLeavesTheScriptedGrid) {
    setMoney(10, 3);
    m.Win1.setCaption("6");
    m.Col2.setVisible(true);
    m.Lett[0].setForeColour(ui::kWhite);
    queueRoll(kNoWin, 7);
    m.Label1.click();
    for (const int key : {ui::key::kA, ui::key::kZ, ui::key::kDigit1, ui::key::kKeypad0 + 1}) {
        m.keyDown(key);
    }
    m.keyPress(ui::key::kEnter);
    EXPECT_EQ(m.Credits.caption(), "7");
    EXPECT_EQ(rig.sound.names(), std::vector<std::string>{"Roll1"}) << "no key acts in the roll";
    EXPECT_FALSE(m.Col2.visible() || litLetters() > 0);
    EXPECT_EQ(m.Win1.caption(), "0") << "the pending win is wiped";

    rig.advance(240 * kTickMs);
    EXPECT_TRUE(m.Roll.enabled());
    rig.advance(kTickMs);
    EXPECT_FALSE(m.Roll.enabled());
    EXPECT_EQ(rig.sound.last(), "Roll2");
    EXPECT_EQ(values(), kNoWin);
    for (int t = 0; t < 9; ++t) {
        EXPECT_EQ(testing_support::tagOf(m.X[t].picture()), "Img/" + m.NN[t].caption()) << t;
    }
    EXPECT_EQ(m.Num.caption(), "7") << "the number of the last tick";
}

TEST_F(Spin, TheLettersLightOneATickAfterASilentStepAndAllNinePayThreeTimesTheBet) {
    setMoney(100000, 20000);
    queueRoll(kNoWin, 9);
    m.Label1.click();
    rig.advance(kRollMs);
    rig.sound.played.clear();
    rig.advance(100);
    EXPECT_EQ(rig.sound.names(), std::vector<std::string>{"Letter"});
    rig.advance(800);
    EXPECT_EQ(litLetters(), 8);
    EXPECT_EQ(m.Credits.caption(), "80000");
    rig.advance(100);
    EXPECT_EQ(litLetters(), 9);
    EXPECT_EQ(m.Credits.caption(), "140000") << "amounts beyond 16 bits";
    EXPECT_EQ(rig.sound.count("Bingo"), 3) << "two around the credit, one from EndSpin";
    EXPECT_TRUE(m.Vincite.enabled()) << "EndSpin has handed over to the evaluation";
}

TEST_F(Spin, NoLettersEndsTheRunSilentlyAndTheNextRollLastsOneTickMore) {
    setMoney(10, 1);
    spinAndLetters(kNoWin, 0);
    EXPECT_EQ(rig.sound.count("Letter"), 0);
    rig.advance(2000);
    queueRoll(kNoWin, 1, kRollTicks + 1);
    m.Label1.click();
    rig.advance(kRollMs);
    EXPECT_TRUE(m.Roll.enabled());
    rig.advance(kTickMs);
    EXPECT_FALSE(m.Roll.enabled());
}

constexpr Grid kWithFives{5, 2, 3, 4, 6, 7, 8, 5, 1};

struct HoldOffer : MachineTest {
    void SetUp() override {
        setMoney(10, 1);
        spinAndLetters(kWithFives, 1);
    }
    // Queues the eleven passes of one free column: the last pass gives top, middle, bottom.
    void queueColumn(int top, int middle, int bottom) {
        const int last[] = {top, middle, bottom};
        for (int draw = 0; draw < 33; ++draw) {
            rig.random.pushDraw(draw < 30 ? 8 : last[draw - 30] - 1, 9);
        }
    }
};

TEST_F(HoldOffer, AFiveOffersTheHoldOnceTheOfferWaitsAndAllHeldGoesStraightToTheEvaluation) {
    EXPECT_EQ(rig.sound.count("Nn"), 1) << "two fives, one offer";
    rig.advance(5000);
    EXPECT_TRUE(m.Label5.visible() && !m.Holding.visible());
    EXPECT_FALSE(m.Label1.visible() || m.Vincite.enabled()) << "the offer waits for the player";
    for (int c = 0; c < 3; ++c) {
        m.Hold[c].click();
    }
    rig.sound.played.clear();
    m.Label5.click();
    EXPECT_EQ(values(), kWithFives);
    EXPECT_TRUE(rig.sound.played.empty());
    EXPECT_TRUE(m.Vincite.enabled());
}

TEST_F(HoldOffer, TheDigitsHoldAndEnterRedrawsEachFreeColumnInTurnElevenTimesForFree) {
    rig.sound.played.clear();
    for (const int key : {ui::key::kDigit2, ui::key::kDigit1, ui::key::kDigit1, ui::key::kA}) {
        m.keyDown(key);
    }
    EXPECT_EQ(rig.sound.names(), std::vector<std::string>(3, "Hold")) << "no bet step";
    queueColumn(9, 8, 7);
    queueColumn(1, 2, 3);
    rig.sound.played.clear();
    m.keyPress(ui::key::kEnter);
    EXPECT_EQ(values(), (Grid{9, 2, 1, 8, 6, 2, 7, 5, 3})) << "the middle column held";
    EXPECT_EQ(rig.sound.names(), std::vector<std::string>(22, "Hold2"));
    EXPECT_EQ(m.Credits.caption(), "9");
    EXPECT_FALSE(m.Label5.visible());
    EXPECT_TRUE(m.Col2.visible()) << "the marker stays until the evaluation starts";
    rig.advance(100);
    EXPECT_FALSE(m.Col2.visible());
    EXPECT_TRUE(m.Holding.visible());
}

}  // namespace
