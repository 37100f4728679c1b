#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "app/program.h"
#include "bonus/form2.h"
#include "bonus/form3.h"
#include "bonus/form4.h"
#include "bonus/form5.h"
#include "bonus/form7.h"
#include "machine/form1.h"
#include "support/rig.h"
#include "ui/types.h"

namespace bonus_tests {

// The machine on screen and a bonus window opened as the wheel opens it: loaded, shown, the
// pending win copied into Premio, the machine taking no input.
class BonusTest : public ::testing::Test {
protected:
    void SetUp() override { machine.show(); }

    template <typename Form>
    Form& open(Form& form, std::string_view stake, std::string_view credits = "10") {
        machine.Credits.setCaption(credits);
        machine.Win1.setCaption(stake);
        form.load();
        form.show();
        form.Premio.setCaption(machine.Win1.caption());
        machine.setTakesInput(false);
        soundMark_ = rig.sound.played.size();
        return form;
    }

    [[nodiscard]] std::string credits() const { return machine.Credits.caption(); }

    // The sounds played since the window was opened (the one its Form_Load plays excluded).
    [[nodiscard]] std::vector<std::string> soundsSinceOpening() const {
        std::vector<std::string> names;
        for (std::size_t i = soundMark_; i < rig.sound.played.size(); ++i) {
            names.push_back(rig.sound.played[i].name);
        }
        return names;
    }

    // A key press of Space, 1 or 2, as the window's Form_KeyDown sees it.
    static void press(ui::Window& window, int keyCode) { window.keyDown(keyCode); }

    testing_support::Rig rig;
    quirvanto::Form1& machine = rig.program.form1();
    quirvanto::Form2& horses = rig.program.form2();
    quirvanto::Form3& ladder = rig.program.form3();
    quirvanto::Form4& highLow = rig.program.form4();
    quirvanto::Form5& doubleBet = rig.program.form5();
    quirvanto::Form7& doubleZavri = rig.program.form7();

private:
    std::size_t soundMark_ = 0;
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
