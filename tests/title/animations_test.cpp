#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "machine/form1.h"
#include "support/rig.h"
#include "title/form6.h"
#include "ui/control.h"
#include "ui/scheduler.h"

namespace {

using quirvanto::Form6;
using testing_support::Rig;

constexpr int kLetterTickMs = 50;

// Every position a control is given, as the screen would be told of it.
class PositionRecorder final : public ui::ControlView {
public:
    explicit PositionRecorder(const ui::Control& control) : control_(control) {}
    void controlChanged() override {
        lefts.push_back(control_.left());
        tops.push_back(control_.top());
    }
    std::vector<ui::Twips> lefts;
    std::vector<ui::Twips> tops;

private:
    const ui::Control& control_;
};

class TitleAnimations : public ::testing::Test {
protected:
    void SetUp() override { title.show(); }

    void fastTicks(int ticks) { rig.advance(std::int64_t{ticks} * ui::kFastestTimerMs); }
    void letterTicks(int ticks) { rig.advance(std::int64_t{ticks} * kLetterTickMs); }

    [[nodiscard]] std::vector<ui::Twips> letterTops() {
        std::vector<ui::Twips> tops;
        for (int k = 0; k < 9; ++k) {
            tops.push_back(title.Lett[k].top());
        }
        return tops;
    }

    // The tops of the nine tiles when tile `rising` stands at `top` and the others rest.
    [[nodiscard]] static std::vector<ui::Twips> onlyRising(int rising, ui::Twips top) {
        std::vector<ui::Twips> tops(9, 960);
        tops[static_cast<std::size_t>(rising)] = top;
        return tops;
    }

    Rig rig;
    Form6& title = rig.program.form6();
};

TEST_F(TitleAnimations, LetterTilesRiseOneAfterAnotherInCyclesOf109Ticks) {
    letterTicks(1);
    EXPECT_EQ(letterTops(), onlyRising(0, 910));
    letterTicks(11);
    EXPECT_EQ(letterTops(), onlyRising(0, 360));

    // Tile 0 returns in the tick in which tile 1 makes its first step.
    letterTicks(1);
    EXPECT_EQ(letterTops(), onlyRising(1, 910));

    letterTicks(95);
    EXPECT_EQ(letterTops(), onlyRising(8, 360));
    // After tile 8 the first tile waits one tick: the cycle is 109 ticks long.
    letterTicks(1);
    EXPECT_EQ(letterTops(), std::vector<ui::Twips>(9, 960));
    letterTicks(1);
    EXPECT_EQ(letterTops(), onlyRising(0, 910));
    letterTicks(108);
    EXPECT_EQ(letterTops(), std::vector<ui::Twips>(9, 960));
}

TEST_F(TitleAnimations, ARisingTileIsNeverPlacedAboveTop360) {
    std::vector<PositionRecorder> recorders;
    recorders.reserve(9);
    for (int k = 0; k < 9; ++k) {
        recorders.emplace_back(title.Lett[k]);
        title.Lett[k].setView(&recorders.back());
    }

    letterTicks(2 * 109);

    for (const PositionRecorder& tile : recorders) {
        ASSERT_EQ(tile.tops.size(), 2u * 13u);
        EXPECT_EQ(*std::min_element(tile.tops.begin(), tile.tops.end()), 360);
    }
}

TEST_F(TitleAnimations, TheIconTurnsOneStepPastEachEdge) {
    PositionRecorder icon(title.Shape1);
    title.Shape1.setView(&icon);

    fastTicks(4000);

    // From 4800 moving left: 0 at tick 240, -20 at tick 241, then back to the right.
    EXPECT_EQ(icon.lefts[239], 0);
    EXPECT_EQ(icon.lefts[240], -20);
    EXPECT_EQ(icon.lefts[241], 0);
    // From 2520 moving up: 0 at tick 126, -20 at tick 127, then back down.
    EXPECT_EQ(icon.tops[125], 0);
    EXPECT_EQ(icon.tops[126], -20);
    EXPECT_EQ(icon.tops[127], 0);
    const auto [minLeft, maxLeft] = std::minmax_element(icon.lefts.begin(), icon.lefts.end());
    const auto [minTop, maxTop] = std::minmax_element(icon.tops.begin(), icon.tops.end());
    EXPECT_EQ(*minLeft, -20);
    EXPECT_EQ(*maxLeft, 6260);
    EXPECT_EQ(*minTop, -20);
    EXPECT_EQ(*maxTop, 5540);
    EXPECT_TRUE(std::all_of(icon.lefts.begin(), icon.lefts.end(),
                            [](ui::Twips left) { return (left - 4800) % 20 == 0; }));
    EXPECT_TRUE(std::all_of(icon.tops.begin(), icon.tops.end(),
                            [](ui::Twips top) { return (top - 2520) % 20 == 0; }));
}

TEST_F(TitleAnimations, TheTickerRunsOutOnTheLeftAndComesBackAt6600) {
    EXPECT_TRUE(title.Holding.caption().ends_with(" - You have a good day and enjoy"));
    const ui::Twips width = title.Holding.width();
    ASSERT_GT(width, 6720);

    PositionRecorder ticker(title.Holding);
    title.Holding.setView(&ticker);
    const int ticksToLeave = (240 + width) / 10 + 1;
    fastTicks(ticksToLeave + 1);

    ASSERT_EQ(ticker.lefts.size(), static_cast<std::size_t>(ticksToLeave + 1));
    EXPECT_EQ(ticker.lefts.front(), 240 - 10);
    const ui::Twips lastOnScreen = ticker.lefts[ticker.lefts.size() - 3];
    EXPECT_GE(lastOnScreen, -width);
    EXPECT_LT(lastOnScreen - 10, -width);
    EXPECT_EQ(ticker.lefts[ticker.lefts.size() - 2], 6600);
    EXPECT_EQ(ticker.lefts.back(), 6590);
}

TEST_F(TitleAnimations, TheStripsRunOppositeWaysAndWrapAtTheWindowEdges) {
    PositionRecorder top(title.Picture1);
    PositionRecorder bottom(title.Picture2);
    title.Picture1.setView(&top);
    title.Picture2.setView(&bottom);

    fastTicks(135 + 267);

    // The top strip: 120 + 50 per tick until it passes 6840, then in again from -6495.
    EXPECT_EQ(top.lefts[0], 170);
    EXPECT_EQ(top.lefts[133], 6820);
    EXPECT_EQ(top.lefts[134], -6495);
    EXPECT_EQ(top.lefts[135], -6445);
    EXPECT_EQ(top.lefts[134 + 266], 6805);
    EXPECT_EQ(top.lefts[134 + 267], -6495);

    // The bottom strip: 120 - 50 per tick until it is past -6495, then in again from 6840.
    EXPECT_EQ(bottom.lefts[0], 70);
    EXPECT_EQ(bottom.lefts[131], -6480);
    EXPECT_EQ(bottom.lefts[132], 6840);
    EXPECT_EQ(bottom.lefts[133], 6790);
    EXPECT_EQ(bottom.lefts[132 + 266], -6460);
    EXPECT_EQ(bottom.lefts[132 + 267], 6840);
}

TEST_F(TitleAnimations, ANewVisitRestartsTheLettersButKeepsTheIconsDirections) {
    fastTicks(242);  // the icon has turned right at the left edge and down at the top
    letterTicks(20);
    title.keyDown(ui::key::kDigit5);
    title.keyDown(ui::key::kDigit1);
    ASSERT_FALSE(title.loaded());

    rig.program.form1().requestClose();
    EXPECT_EQ(title.Shape1.left(), 4800);
    EXPECT_EQ(title.Shape1.top(), 2520);
    EXPECT_EQ(title.Holding.left(), 240);
    EXPECT_EQ(title.Picture1.left(), 120);

    fastTicks(1);
    EXPECT_EQ(title.Shape1.left(), 4820);
    EXPECT_EQ(title.Shape1.top(), 2540);
    letterTicks(1);
    EXPECT_EQ(letterTops(), onlyRising(0, 910));
}

}  // namespace
