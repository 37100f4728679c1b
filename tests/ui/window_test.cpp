#include <gtest/gtest.h>

#include "support/rig.h"
#include "support/test_window.h"
#include "ui/types.h"

namespace {

using testing_support::Rig;
using testing_support::TestWindow;

struct Windows : ::testing::Test {
    Rig rig;
    TestWindow window{rig.program};
};

TEST_F(Windows, OutOfRangeIndicesDoNothingAndReadNeutral) {
    window.load();
    window.Cells[-1].setCaption("x");
    window.Cells[3].setVisible(true);
    window.Cells[3].setForeColour(ui::kWhite);
    EXPECT_EQ(window.Cells[3].caption(), "");
    EXPECT_FALSE(window.Cells[-1].visible());
    EXPECT_EQ(window.Cells[3].foreColour(), ui::kBlack);
    EXPECT_EQ(window.Cells[2].caption(), "cell");
}

TEST_F(Windows, AClickReachesTheFrontmostShownControlAndNothingWhollyCoveredCanBeClicked) {
    window.show();
    EXPECT_EQ(window.controlAt(2000, 1700), nullptr) << "the panel is hidden";
    EXPECT_TRUE(window.reachable(window.Spin)) << "half of it is covered";

    // A control keeps its own visibility inside a hidden panel, but cannot be clicked there.
    EXPECT_TRUE(window.Inside.visible());
    EXPECT_FALSE(window.Inside.shownOnWindow() || window.reachable(window.Inside));
    window.Inside.click();
    EXPECT_EQ(window.clicks, 0);
    window.Panel.setVisible(true);
    EXPECT_EQ(window.controlAt(2000, 1700), &window.Inside);
    EXPECT_EQ(window.controlAt(2900, 2200), &window.Panel);
    window.Inside.click();
    EXPECT_EQ(window.clicks, 1);

    // The panel and the transparent label in front of Spin cover all of it between them.
    window.Panel.move(150, 150);
    EXPECT_FALSE(window.reachable(window.Spin));
    window.Spin.click();
    EXPECT_EQ(window.spins, 0);
    EXPECT_EQ(window.controlAt(400, 400), &window.Inside);
    window.Inside.move(1300, 0);
    EXPECT_FALSE(window.reachable(window.Inside)) << "outside its panel";
    window.Panel.move(3000, 1500);
    EXPECT_FALSE(window.reachable(window.Panel)) << "outside the window";
}

TEST_F(Windows, UnloadDestroysControlsAndReloadRecreatesThemWhileVariablesStay) {
    window.load();
    window.Cells[1].setCaption("changed");
    window.Panel.setVisible(true);
    window.keptAcrossLoads = 7;
    window.unload();
    EXPECT_EQ(window.unloads, 1);
    window.Cells[1].setCaption("after unload");
    EXPECT_EQ(window.Cells[1].caption(), "");
    window.load();
    EXPECT_EQ(window.loads, 2);
    EXPECT_EQ(window.Cells[1].caption(), "cell");
    EXPECT_FALSE(window.Panel.visible());
    EXPECT_EQ(window.keptAcrossLoads, 7);
}

TEST_F(Windows, NoInputMeansNoKeysNoClicksAndNoClose) {
    window.show();
    window.Panel.setVisible(true);
    window.setTakesInput(false);
    window.keyDown(ui::key::kSpace);
    window.keyPress(ui::key::kEscape);
    window.Inside.click();
    window.requestClose();
    EXPECT_TRUE(window.keysDown.empty());
    EXPECT_TRUE(window.keysPressed.empty());
    EXPECT_EQ(window.clicks, 0);
    EXPECT_TRUE(window.loaded());

    window.setTakesInput(true);
    window.keyDown(ui::key::kSpace);
    window.requestClose();
    EXPECT_EQ(window.keysDown, std::vector<int>{ui::key::kSpace});
    EXPECT_FALSE(window.loaded());
}

TEST_F(Windows, EndingTheProgramClosesEveryWindowAndRunsNoFurtherHandler) {
    window.show();
    int ticks = 0;
    window.onSlow = [&] { ++ticks; };
    window.Slow.setEnabled(true);
    rig.program.end();
    rig.program.end();
    rig.advance(1000);
    window.keyDown(ui::key::kSpace);
    window.load();
    EXPECT_EQ(ticks, 0);
    EXPECT_FALSE(window.loaded());
    EXPECT_EQ(window.unloads, 0);
    EXPECT_TRUE(window.keysDown.empty());
    EXPECT_EQ(rig.terminator.quits, 1);
}

}  // namespace
