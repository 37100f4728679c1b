#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "bonus/form2.h"
#include "bonus/form3.h"
#include "bonus/form4.h"
#include "bonus/form5.h"
#include "bonus/form7.h"
#include "machine/form1.h"
#include "support/rig.h"

namespace bonus_tests {

// The machine on screen and a bonus window opened as the wheel opens it: loaded, shown, the
// pending win copied into Premio, the machine taking no input. Every (re)opened window shows "0"
// until the stake is copied. The sounds recorded start after the one Form_Load plays.
class BonusTest : public ::testing::Test {
protected:
    void SetUp() override { machine.show(); }

    void open(quirvanto::BonusWindow& form, std::string_view stake,
              std::string_view credits = "10") {
        machine.Credits.setCaption(credits);
        machine.Win1.setCaption(stake);
        form.load();
        form.show();
        EXPECT_EQ(form.Premio.caption(), "0");
        form.Premio.setCaption(machine.Win1.caption());
        machine.setTakesInput(false);
        rig.sound.played.clear();
    }

    [[nodiscard]] std::string credits() const { return machine.Credits.caption(); }
    [[nodiscard]] std::vector<std::string> sounds() const { return rig.sound.names(); }

    testing_support::Rig rig;
    quirvanto::Form1& machine = rig.program.form1();
    quirvanto::Form2& horses = rig.program.form2();
    quirvanto::Form3& ladder = rig.program.form3();
    quirvanto::Form4& highLow = rig.program.form4();
    quirvanto::Form5& doubleBet = rig.program.form5();
    quirvanto::Form7& doubleZavri = rig.program.form7();
};

// Index of the one marker on show, or -1.
template <typename Markers>
int shownMarker(const Markers& markers) {
    int shown = -1;
    for (int i = 0; i < Markers::size(); ++i) {
        if (markers[i].visible()) {
            EXPECT_EQ(shown, -1) << "two markers on show";
            shown = i;
        }
    }
    return shown;
}

}  // namespace bonus_tests
