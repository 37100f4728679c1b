#include <gtest/gtest.h>

#include "machine/form1.h"
#include "support/rig.h"
#include "title/form6.h"
#include "ui/types.h"

namespace {

using quirvanto::Form1;
using quirvanto::Form6;
using testing_support::Rig;
namespace key = ui::key;

class TitleCoins : public ::testing::Test {
protected:
    void SetUp() override { title.show(); }

    void insertCoins(int coins) {
        for (int c = 0; c < coins; ++c) {
            title.keyDown(key::kDigit5);
        }
    }

    Rig rig;
    Form6& title = rig.program.form6();
    Form1& machine = rig.program.form1();
};

TEST_F(TitleCoins, EveryKeyDownOfFiveIsACoinOfTenWithItsSound) {
    EXPECT_FALSE(title.AA[2].visible());
    EXPECT_FALSE(title.AA[1].visible());

    insertCoins(3);  // a held key: each auto-repeat is one more key-down

    EXPECT_EQ(title.AA[2].caption(), "30");
    EXPECT_TRUE(title.AA[2].visible());
    EXPECT_TRUE(title.AA[1].visible());
    EXPECT_EQ(rig.sound.names(), (std::vector<std::string>{"Coin2", "Coin2", "Coin2"}));
}

TEST_F(TitleCoins, CountsPastTheSixteenBitRangeAreKeptWhole) {
    insertCoins(3277);
    EXPECT_EQ(title.AA[2].caption(), "32770");

    title.keyDown(key::kDigit1);
    EXPECT_EQ(machine.Credits.caption(), "32770");
}

TEST_F(TitleCoins, OtherKeysInsertNothing) {
    for (int keypadDigit = key::kKeypad0; keypadDigit <= key::kKeypad0 + 9; ++keypadDigit) {
        title.keyDown(keypadDigit);
    }
    title.keyDown(key::kDigit2);
    title.keyDown(key::kDigit3);
    title.keyPress('5');

    EXPECT_EQ(title.AA[2].caption(), "0");
    EXPECT_FALSE(title.AA[2].visible());
    EXPECT_FALSE(title.AA[1].visible());
    EXPECT_TRUE(rig.sound.names().empty());
    EXPECT_TRUE(title.isShown());
}

TEST_F(TitleCoins, NoWayBackToTheMachineBeforeTheFirstCoin) {
    title.keyDown(key::kDigit1);
    title.AA[1].click();  // where the hidden continue prompt lies

    EXPECT_TRUE(title.isShown());
    EXPECT_FALSE(machine.loaded());
    EXPECT_EQ(rig.terminator.quits, 0);
}

TEST_F(TitleCoins, KeyOneTakesExactlyTheInsertedCreditsToTheMachine) {
    insertCoins(3);
    title.keyDown(key::kDigit1);

    EXPECT_TRUE(machine.isShown());
    EXPECT_EQ(machine.Credits.caption(), "30");
    EXPECT_FALSE(title.loaded());
    EXPECT_EQ(rig.terminator.quits, 0);
}

TEST_F(TitleCoins, AClickOnTheContinuePromptDoesTheSame) {
    insertCoins(1);
    title.AA[0].click();
    title.AA[2].click();
    EXPECT_TRUE(title.isShown());

    title.AA[1].click();

    EXPECT_TRUE(machine.isShown());
    EXPECT_EQ(machine.Credits.caption(), "10");
    EXPECT_FALSE(title.loaded());
    EXPECT_EQ(rig.terminator.quits, 0);
}

TEST_F(TitleCoins, EscapeEndsTheProgramAndTheCoinsAreLost) {
    insertCoins(2);
    title.keyPress(key::kEscape);

    EXPECT_EQ(rig.terminator.quits, 1);
    EXPECT_TRUE(rig.program.ended());
    EXPECT_FALSE(title.loaded());
    EXPECT_FALSE(machine.loaded());

    title.keyDown(key::kDigit1);
    EXPECT_FALSE(machine.loaded());
    EXPECT_EQ(rig.terminator.quits, 1);
}

TEST_F(TitleCoins, TheCloseBoxEndsTheProgramToo) {
    insertCoins(1);
    title.requestClose();

    EXPECT_EQ(rig.terminator.quits, 1);
    EXPECT_FALSE(machine.loaded());
    EXPECT_FALSE(title.loaded());
}

TEST_F(TitleCoins, TheCoinPromptBlinksEvery700MsAndGoesOnAfterCoins) {
    EXPECT_TRUE(title.AA[0].visible());
    rig.advance(699);
    EXPECT_TRUE(title.AA[0].visible());
    rig.advance(1);
    EXPECT_FALSE(title.AA[0].visible());
    rig.advance(700);
    EXPECT_TRUE(title.AA[0].visible());

    insertCoins(1);
    rig.advance(700);
    EXPECT_FALSE(title.AA[0].visible());
    rig.advance(700);
    EXPECT_TRUE(title.AA[0].visible());
}

TEST_F(TitleCoins, ANewVisitStartsAgainFromTheLayout) {
    insertCoins(2);
    rig.advance(700);  // coin prompt hidden
    title.keyDown(key::kDigit1);

    machine.requestClose();

    EXPECT_EQ(title.AA[2].caption(), "0");
    EXPECT_FALSE(title.AA[2].visible());
    EXPECT_FALSE(title.AA[1].visible());
    EXPECT_TRUE(title.AA[0].visible());
    rig.advance(700);
    EXPECT_FALSE(title.AA[0].visible());

    title.keyPress(key::kEscape);
    EXPECT_EQ(rig.terminator.quits, 1);
}

}  // namespace
