#include <gtest/gtest.h>

#include "machine_rig.h"

namespace {

using machine_tests::Grid;
using machine_tests::MachineTest;

constexpr Grid kWithFives{5, 2, 3, 4, 6, 7, 8, 5, 1};

struct HoldOffer : MachineTest {
    void SetUp() override {
        MachineTest::SetUp();
        setMoney(10, 1);
        spinAndLetters(kWithFives, 1);
        offerSounds = rig.sound.count("Nn");
        rig.sound.played.clear();
    }
    int offerSounds = 0;

    // Queues the eleven passes of one free column: the last pass gives top, middle, bottom.
    void queueColumn(int top, int middle, int bottom) {
        for (int pass = 0; pass < 10; ++pass) {
            for (int i = 0; i < 3; ++i) {
                rig.random.pushDraw(8, 9);
            }
        }
        rig.random.pushDraw(top - 1, 9);
        rig.random.pushDraw(middle - 1, 9);
        rig.random.pushDraw(bottom - 1, 9);
    }
};

TEST_F(HoldOffer, AFiveOnTheGridOffersTheHoldOnce) {
    EXPECT_EQ(offerSounds, 1) << "two fives, one offer";
    EXPECT_FALSE(m.Holding.visible());
    EXPECT_TRUE(m.Label5.visible());
    EXPECT_FALSE(m.Label1.visible());
    EXPECT_FALSE(m.Vincite.enabled());
    rig.advance(5000);
    EXPECT_TRUE(m.Label5.visible()) << "the offer waits for the player";
    EXPECT_FALSE(m.Label1.visible());
}

TEST_F(HoldOffer, HoldButtonsToggleTheirColumnMarker) {
    m.Hold[1].click();
    EXPECT_TRUE(m.Col2.visible());
    EXPECT_FALSE(m.Col1.visible());
    m.Hold[1].click();
    EXPECT_FALSE(m.Col2.visible());
    EXPECT_EQ(rig.sound.count("Hold"), 2);
}

TEST_F(HoldOffer, TheSecondSpinRedrawsOnlyTheFreeColumns) {
    m.Hold[0].click();
    m.Hold[2].click();
    queueColumn(9, 8, 7);
    m.Label5.click();
    EXPECT_EQ(values(), (Grid{5, 9, 3, 4, 8, 7, 8, 7, 1}));
    EXPECT_EQ(testing_support::tagOf(m.X[4].picture()), "Img/8");
    EXPECT_EQ(rig.sound.count("Hold2"), 11);
    EXPECT_EQ(rig.random.reseeds, 241) << "no reseed after the roll";
    EXPECT_FALSE(m.Label5.visible());
    EXPECT_EQ(m.WinLines, 0);
    EXPECT_TRUE(m.Vincite.enabled());
}

TEST_F(HoldOffer, EveryFreeColumnIsDrawnInTurn) {
    queueColumn(1, 2, 3);
    queueColumn(4, 6, 7);
    queueColumn(8, 9, 1);
    m.Label5.click();
    EXPECT_EQ(values(), (Grid{1, 4, 8, 2, 6, 9, 3, 7, 1}));
    EXPECT_EQ(rig.sound.count("Hold2"), 33);
}

TEST_F(HoldOffer, AllColumnsHeldGoesStraightToTheEvaluation) {
    for (int c = 0; c < 3; ++c) {
        m.Hold[c].click();
    }
    rig.sound.played.clear();
    m.Label5.click();
    EXPECT_EQ(values(), kWithFives);
    EXPECT_TRUE(rig.sound.played.empty());
    EXPECT_TRUE(m.Vincite.enabled());
}

TEST_F(HoldOffer, MarkersStayUntilTheEvaluationStartsAndHoldingCoversTheButtonsAgain) {
    m.Hold[0].click();
    m.Hold[1].click();
    queueColumn(1, 2, 3);
    m.Label5.click();
    EXPECT_TRUE(m.Col1.visible());
    rig.advance(100);
    EXPECT_FALSE(m.Col1.visible());
    EXPECT_FALSE(m.Col2.visible());
    EXPECT_TRUE(m.Holding.visible());
}

}  // namespace
