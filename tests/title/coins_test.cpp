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
    insertCoins(3);  // a held key: each auto-repeat is one more key-down

    EXPECT_EQ(title.AA[2].caption(), "30");
    EXPECT_TRUE(title.AA[2].visible());
    EXPECT_TRUE(title.AA[1].visible());
    EXPECT_EQ(rig.sound.names(), (std::vector<std::string>{"Coin2", "Coin2", "Coin2"}));

    title.keyDown(key::kDigit1);
    EXPECT_TRUE(machine.isShown());
    EXPECT_EQ(machine.Credits.caption(), "30");
    EXPECT_FALSE(title.loaded());
    EXPECT_EQ(rig.terminator.quits, 0);
}

TEST_F(TitleCoins, CountsPastTheSixteenBitRangeReachTheMachineWhole) {
    insertCoins(3277);
    EXPECT_EQ(title.AA[2].caption(), "32770");

    title.AA[1].click();
    EXPECT_EQ(machine.Credits.caption(), "32770");
}

TEST_F(TitleCoins, NothingButTheMainRowFiveInsertsAndNothingContinuesBeforeACoin) {
    for (int keypadDigit = key::kKeypad0; keypadDigit <= key::kKeypad0 + 9; ++keypadDigit) {
        title.keyDown(keypadDigit);
    }
    title.keyPress('5');
    title.keyDown(key::kDigit1);
    title.AA[1].click();  // where the hidden continue prompt lies

    EXPECT_EQ(title.AA[2].caption(), "0");
    EXPECT_FALSE(title.AA[1].visible());
    EXPECT_TRUE(rig.sound.names().empty());
    EXPECT_TRUE(title.isShown());
    EXPECT_FALSE(machine.loaded());
}

TEST(TitleLeaving, EscapeOrTheCloseBoxEndsTheProgramAndTheCoinsAreLost) {
    for (const bool byCloseBox : {false, true}) {
        Rig rig;
        Form6& title = rig.program.form6();
        title.show();
        title.keyDown(key::kDigit5);

        if (byCloseBox) {
            title.requestClose();
        } else {
            title.keyPress(key::kEscape);
        }

        EXPECT_EQ(rig.terminator.quits, 1);
        EXPECT_FALSE(title.loaded());
        EXPECT_FALSE(rig.program.form1().loaded());
        title.keyDown(key::kDigit1);
        EXPECT_FALSE(rig.program.form1().loaded());
    }
}

TEST_F(TitleCoins, TheCoinPromptBlinksEvery700MsOnEveryVisit) {
    rig.advance(699);
    EXPECT_TRUE(title.AA[0].visible());
    rig.advance(1);
    EXPECT_FALSE(title.AA[0].visible());
    insertCoins(1);
    rig.advance(700);
    EXPECT_TRUE(title.AA[0].visible());
    rig.advance(700);
    EXPECT_FALSE(title.AA[0].visible());

    // Left while the prompt was hidden: the next visit starts shown, and hides it after 700 ms.
    title.keyDown(key::kDigit1);
    machine.requestClose();
    EXPECT_TRUE(title.AA[0].visible());
    rig.advance(700);
    EXPECT_FALSE(title.AA[0].visible());
}

}  // namespace
