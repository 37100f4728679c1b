#pragma once

#include <gtest/gtest.h>

#include "bonus/form2.h"
#include "bonus/form3.h"
#include "bonus/form4.h"
#include "bonus/form5.h"
#include "bonus/form7.h"
#include "machine/form1.h"
#include "support/rig.h"

namespace bonus_tests {

using Texts = std::vector<std::string>;
using Rows = std::vector<int>;

// The machine on screen and a bonus window opened as the wheel opens it: loaded, shown, the
// pending win copied into Premio, the machine taking no input. Every (re)opened window shows "0"
// until the stake is copied. The sounds and messages recorded start after Form_Load.
class BonusTest : public ::testing::Test {
protected:
    void open(quirvanto::BonusWindow& form, std::string_view stake, std::string_view credits) {
        machine.show();
        machine.Credits.setCaption(credits);
        machine.Win1.setCaption(stake);
        form.load();
        form.show();
        EXPECT_EQ(form.Premio.caption(), "0");
        form.Premio.setCaption(machine.Win1.caption());
        machine.setTakesInput(false);
        rig.sound.played.clear();
        rig.messages.shown.clear();
    }

    // The game is over: its window is closed, the credits are final and these sounds were played.
    void expectEnded(const quirvanto::BonusWindow& form, std::string_view paid,
                     const Texts& sounds) {
        EXPECT_FALSE(form.loaded());
        EXPECT_EQ(machine.Credits.caption(), paid);
        EXPECT_EQ(rig.sound.names(), sounds);
    }

    testing_support::Rig rig;
    quirvanto::Form1& machine = rig.program.form1();
    quirvanto::Form2& horses = rig.program.form2();
    quirvanto::Form3& ladder = rig.program.form3();
    quirvanto::Form4& highLow = rig.program.form4();
    quirvanto::Form5& doubleBet = rig.program.form5();
    quirvanto::Form7& doubleZavri = rig.program.form7();
};

// The rows whose marker is on show, top to bottom.
template <typename Markers>
Rows shownMarkers(const Markers& markers) {
    Rows shown;
    for (int i = 0; i < Markers::size(); ++i) {
        if (markers[i].visible()) {
            shown.push_back(i);
        }
    }
    return shown;
}

}  // namespace bonus_tests
