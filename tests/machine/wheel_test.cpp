#include <gtest/gtest.h>

#include "bonus/form2.h"
#include "bonus/form3.h"
#include "bonus/form4.h"
#include "bonus/form5.h"
#include "bonus/form7.h"
#include "machine_rig.h"

namespace {

using machine_tests::kTopTriple;
using machine_tests::MachineTest;

constexpr int kTryMs = 150;

struct Wheel : MachineTest {
    // A top-row triple with bet 2: Win1 is 6 and the wheel's first step comes 350 ms after the
    // evaluation. Returns when the light stands on `position` (0..12 of its cycle).
    void lightOn(int position) {
        setMoney(20, 2);
        spinAndLetters(kTopTriple, 1);
        rig.advance(100 + 200 + kTryMs * (position + 1));
        ASSERT_TRUE(m.Label4.visible());
        rig.sound.played.clear();
    }
    [[nodiscard]] int litField() const {
        for (int f = 0; f < 12; ++f) {
            if (m.Game[f].foreColour() == ui::kWhite) {
                return f;
            }
        }
        return -1;
    }
};

TEST_F(Wheel, TheLightRunsThroughTheFieldsInIndexOrderWithADarkPosition) {
    lightOn(0);
    EXPECT_EQ(litField(), 0);
    rig.advance(kTryMs * 11);
    EXPECT_EQ(litField(), 11);
    rig.advance(kTryMs);
    EXPECT_EQ(litField(), -1);
    rig.advance(kTryMs);
    EXPECT_EQ(litField(), 0);
}

TEST_F(Wheel, StopOnALoseFieldLosesTheWinAndFreesTheMachine) {
    lightOn(9);
    m.Label4.click();
    EXPECT_EQ(rig.sound.names(), std::vector<std::string>{"Lose"});
    EXPECT_EQ(m.Win1.caption(), "0");
    EXPECT_TRUE(m.Win1.visible());
    EXPECT_TRUE(m.Etic[1].visible());
    EXPECT_TRUE(readyButtonsShown());
    EXPECT_FALSE(m.Label4.visible());
    EXPECT_EQ(litField(), -1);
    EXPECT_EQ(m.Scelta.caption(), "0");
    rig.advance(3000);
    EXPECT_TRUE(m.Etic[1].visible()) << "blinking, wheel and meter have stopped";
    EXPECT_TRUE(rig.sound.names() == std::vector<std::string>{"Lose"});
}

TEST_F(Wheel, StopOnABonusFieldHandsTheWinToItsWindow) {
    lightOn(3);
    m.Label4.click();
    auto& bonus = rig.program.form5();
    EXPECT_TRUE(bonus.isShown());
    EXPECT_EQ(bonus.Premio.caption(), "6");
    EXPECT_EQ(m.Win1.caption(), "6");
    EXPECT_FALSE(m.takesInput());
    m.keyPress(ui::key::kEnter);
    EXPECT_EQ(m.Credits.caption(), "18") << "the machine takes no keys meanwhile";
    EXPECT_EQ(m.Scelta.caption(), "0");
}

struct BonusField {
    int position;
    int form;
};

ui::Window& bonusWindow(quirvanto::Program& program, int form) {
    switch (form) {
        case 2:
            return program.form2();
        case 3:
            return program.form3();
        case 4:
            return program.form4();
        case 5:
            return program.form5();
        default:
            return program.form7();
    }
}

struct WheelBonus : Wheel, ::testing::WithParamInterface<BonusField> {};

TEST_P(WheelBonus, StopOpensTheFieldsWindowAndTheMachineTakesNoInput) {
    lightOn(GetParam().position);
    m.Label4.click();
    EXPECT_TRUE(bonusWindow(rig.program, GetParam().form).isShown());
    EXPECT_FALSE(m.takesInput());
}

// Position 12 is the dark position after field 11: it chooses field 0, Horse racing.
INSTANTIATE_TEST_SUITE_P(Fields, WheelBonus,
                         ::testing::Values(BonusField{0, 2}, BonusField{1, 3}, BonusField{2, 4},
                                           BonusField{3, 5}, BonusField{10, 7}, BonusField{12, 2}));

TEST_F(Wheel, StopOnLettersHeldStartsThatGameWithTheMachineReady) {
    lightOn(5);
    m.Lett[2].setForeColour(ui::kWhite);
    m.Label4.click();
    EXPECT_TRUE(m.Zavri2.enabled());
    EXPECT_EQ(m.Win1.caption(), "0");
    EXPECT_EQ(litLetters(), 0);
    EXPECT_EQ(m.StepCount, 0);
    EXPECT_TRUE(readyButtonsShown());
}

TEST_F(Wheel, StopOnSkillChanceShowsThePanelOverTheBoard) {
    lightOn(6);
    m.Label4.click();
    EXPECT_TRUE(m.Picture2.visible());
    EXPECT_TRUE(m.Label6.shownOnWindow());
    EXPECT_TRUE(m.Zavri3.enabled());
    EXPECT_EQ(m.Win1.caption(), "0");
    EXPECT_EQ(litLetters(), 0);
}

}  // namespace
