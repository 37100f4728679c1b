#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "machine/form1.h"
#include "support/rig.h"
#include "ui/scheduler.h"

namespace machine_tests {

inline constexpr int kTickMs = ui::kFastestTimerMs;
inline constexpr int kRollTicks = 241;

using Grid = std::array<int, 9>;

// The machine on virtual time, loaded and shown. The ticker draws from the same generator as the
// game, so it is paused unless a test is about the ticker.
struct MachineTest : ::testing::Test {
    testing_support::Rig rig;
    quirvanto::Form1& m = rig.program.form1();

    void SetUp() override {
        rig.program.start();
        m.Publi.setEnabled(false);
    }

    void setMoney(int credits, int bet) {
        m.Credits.setCaption(std::to_string(credits));
        m.Bet.setCaption(std::to_string(bet));
    }

    // Queues the draws of a whole roll that leaves `grid` on the tiles and `letters` in Num: each
    // tick draws a tile, a value and a number; tick i sets tile i mod 9 to its final value.
    void queueRoll(const Grid& grid, int letters, int ticks = kRollTicks) {
        for (int i = 0; i < ticks; ++i) {
            const int tile = i % 9;
            rig.random.pushDraw(tile, 9);
            rig.random.pushDraw(grid[static_cast<std::size_t>(tile)] - 1, 9);
            rig.random.pushDraw(i == ticks - 1 ? letters : 0, 10);
        }
    }

    // A player's Spin with the roll scripted, run until the reels stop.
    void spinTo(const Grid& grid, int letters) {
        queueRoll(grid, letters);
        m.Label1.click();
        rig.advance(static_cast<std::int64_t>(kRollTicks) * kTickMs);
    }

    // Spin, reels, then the letter run of `letters` tiles (it ends after letters + 1 ticks, or at
    // once for 0): EndSpin has run when this returns.
    void spinAndLetters(const Grid& grid, int letters) {
        spinTo(grid, letters);
        rig.advance(100 * (letters == 0 ? 1 : letters + 1));
    }

    [[nodiscard]] Grid values() const {
        Grid result{};
        for (int t = 0; t < 9; ++t) {
            result[static_cast<std::size_t>(t)] = std::stoi(m.NN[t].caption());
        }
        return result;
    }

    [[nodiscard]] int litLetters() const {
        int lit = 0;
        for (int t = 0; t < 9; ++t) {
            lit += m.Lett[t].foreColour() == ui::kWhite ? 1 : 0;
        }
        return lit;
    }

    [[nodiscard]] bool readyButtonsShown() const {
        return m.Label1.visible() && m.Label2.visible() && m.Label3.visible();
    }
};

// Grids with no 5, so that the spin goes straight to the evaluation.
inline constexpr Grid kNoWin{1, 2, 3, 4, 6, 7, 8, 9, 1};
inline constexpr Grid kTopTriple{7, 7, 7, 1, 2, 3, 4, 6, 8};

}  // namespace machine_tests
