#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "machine/form1.h"
#include "support/rig.h"
#include "ui/scheduler.h"

namespace machine_tests {

inline constexpr int kTickMs = ui::kFastestTimerMs;
using quirvanto::kRollMs;
using quirvanto::kRollTicks;

using Grid = std::array<int, 9>;

// Grids with no 5, so that the spin goes straight to the evaluation.
inline constexpr Grid kNoWin{1, 2, 3, 4, 6, 7, 8, 9, 1};
inline constexpr Grid kTopTriple{7, 7, 7, 1, 2, 3, 4, 6, 8};

// The machine on virtual time, loaded and shown. The ticker draws from the same generator as the
// game, so it is paused unless a test is about the ticker.
struct Machine {
    testing_support::Rig rig;
    quirvanto::Form1& m = rig.program.form1();

    Machine() { start(); }
    explicit Machine(const testing_support::Rig::Options& options) : rig(options) { start(); }

    void start() {
        rig.program.start();
        m.Publi.setEnabled(false);
    }

    void setMoney(int credits, int bet) {
        m.Credits.setCaption(std::to_string(credits));
        m.Bet.setCaption(std::to_string(bet));
    }

    void queueRoll(const Grid& grid, int letters, int ticks = kRollTicks) {
        rig.random.pushRoll(grid, letters, ticks);
    }

    // A player's Spin with the roll scripted, then the letter run of `letters` tiles (it ends
    // after letters + 1 ticks, or at once for 0): EndSpin has run when this returns.
    void spinAndLetters(const Grid& grid, int letters) {
        queueRoll(grid, letters);
        m.Label1.click();
        rig.advance(kRollMs + 100 * (letters == 0 ? 1 : letters + 1));
    }

    // A top-row triple with bet 2 (the win is 6, credits 18), run until the wheel's light stands
    // on `position` (0..12 of its cycle).
    void lightWheelOn(int position) {
        setMoney(20, 2);
        spinAndLetters(kTopTriple, 1);
        rig.advance(100 + 200 + 150 * (position + 1));
        rig.sound.played.clear();
    }

    [[nodiscard]] Grid values() const {
        Grid result{};
        std::transform(m.NN.begin(), m.NN.end(), result.begin(),
                       [](const ui::Label& value) { return std::stoi(value.caption()); });
        return result;
    }

    [[nodiscard]] int litLetters() const {
        return static_cast<int>(std::count_if(m.Lett.begin(), m.Lett.end(), [](const ui::Label& l) {
            return l.foreColour() == ui::kWhite;
        }));
    }

    [[nodiscard]] bool readyButtonsShown() const {
        return m.Label1.visible() && m.Label2.visible() && m.Label3.visible();
    }
};

struct MachineTest : ::testing::Test, Machine {};

}  // namespace machine_tests
