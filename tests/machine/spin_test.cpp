#include <gtest/gtest.h>

#include "machine_rig.h"

namespace {

using machine_tests::Grid;
using machine_tests::kNoWin;
using machine_tests::kRollTicks;
using machine_tests::kTickMs;
using machine_tests::MachineTest;
using testing_support::tagOf;

using Spin = MachineTest;

TEST_F(Spin, TheBetLeavesTheCreditsBeforeAnyTileMovesAndThePreviousSpinIsCleared) {
    setMoney(10, 3);
    m.Win1.setCaption("6");
    m.Win1.setVisible(true);
    m.Etic[1].setVisible(true);
    m.Col2.setVisible(true);
    m.Lett[0].setForeColour(ui::kWhite);
    queueRoll(kNoWin, 1);
    m.Label1.click();
    EXPECT_EQ(m.Credits.caption(), "7");
    EXPECT_EQ(m.NN[0].caption(), "0");
    EXPECT_EQ(rig.sound.names(), std::vector<std::string>{"Roll1"});
    EXPECT_FALSE(m.Label1.visible() || m.Label2.visible() || m.Label3.visible());
    EXPECT_TRUE(m.Holding.visible());
    EXPECT_EQ(m.Win1.caption(), "0");
    EXPECT_FALSE(m.Win1.visible() || m.Etic[1].visible());
    EXPECT_FALSE(m.Col2.visible());
    EXPECT_EQ(litLetters(), 0);
}

TEST_F(Spin, TheRollLastsExactly241TicksAndLeavesTheScriptedGrid) {
    setMoney(10, 1);
    const Grid grid{9, 8, 7, 6, 4, 3, 2, 1, 9};
    queueRoll(grid, 7);
    m.Label1.click();
    rig.advance(static_cast<std::int64_t>(kRollTicks - 1) * kTickMs);
    EXPECT_TRUE(m.Roll.enabled());
    EXPECT_EQ(rig.sound.count("Roll2"), 0);

    rig.advance(kTickMs);
    EXPECT_FALSE(m.Roll.enabled());
    EXPECT_EQ(rig.sound.names().back(), "Roll2");
    EXPECT_EQ(values(), grid);
    for (int t = 0; t < 9; ++t) {
        EXPECT_EQ(tagOf(m.X[t].picture()), "Img/" + m.NN[t].caption()) << "tile " << t;
    }
    EXPECT_EQ(m.Num.caption(), "7") << "the number of the last tick";
    EXPECT_EQ(m.StepCount, -1);
    EXPECT_TRUE(m.Zavri.enabled());
    EXPECT_EQ(rig.random.reseeds, kRollTicks) << "every tick reseeds first";
}

TEST_F(Spin, ARollAfterARunWithoutLettersLastsOneTickMore) {
    setMoney(10, 1);
    spinAndLetters(kNoWin, 0);
    ASSERT_EQ(m.StepCount, -1);
    rig.advance(2000);
    ASSERT_TRUE(m.Label1.visible());

    queueRoll(kNoWin, 1, kRollTicks + 1);
    m.Label1.click();
    rig.advance(static_cast<std::int64_t>(kRollTicks) * kTickMs);
    EXPECT_TRUE(m.Roll.enabled());
    rig.advance(kTickMs);
    EXPECT_FALSE(m.Roll.enabled());
}

}  // namespace
