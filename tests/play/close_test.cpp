#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bonus/bonus_frame.h"
#include "machine/machine_rig.h"
#include "machine/wheel_fields.h"
#include "title/form6.h"

// Every close the player can make (the close box of each window on show, and ESC to it) in every
// phase of the machine, of each bonus game and of the title: the right window is back, nothing
// is paid on leaving or paid twice (a prize a Stop has won stays), and the game never stands
// where nothing can be pressed.
namespace {

using machine_tests::Machine;
using quirvanto::BonusGame;
using quirvanto::fieldOf;
using quirvanto::FieldStop;

constexpr machine_tests::Grid kFiveOnTop{5, 1, 2, 3, 4, 6, 7, 8, 9};
// Long enough for any phase to run out, a bonus window's delayed end included.
constexpr int kLongestPhaseMs = 10000;

enum class Where { Machine, Bonus, Title };

struct Phase {
    std::string name;
    Where where;
    std::function<void(Machine&)> reach;
};

std::vector<Phase> everyPhase() {
    std::vector<Phase> phases{
        {"ready", Where::Machine, [](Machine& x) { x.setMoney(20, 2); }},
        {"rolling", Where::Machine,
         [](Machine& x) {
             x.setMoney(20, 2);
             x.queueRoll(machine_tests::kNoWin, 0);
             x.m.Label1.click();
             x.rig.advance(1000);
         }},
        {"letters", Where::Machine,
         [](Machine& x) {
             x.setMoney(20, 2);
             x.queueRoll(machine_tests::kNoWin, 5);
             x.m.Label1.click();
             x.rig.advance(machine_tests::kRollMs + 250);
         }},
        {"hold offer", Where::Machine,
         [](Machine& x) {
             x.setMoney(20, 2);
             x.spinAndLetters(kFiveOnTop, 0);
             ASSERT_TRUE(x.m.Label5.visible());
         }},
        {"second spin", Where::Machine,
         [](Machine& x) {
             x.setMoney(20, 2);
             x.spinAndLetters(kFiveOnTop, 0);
             x.m.keyPress(ui::key::kEnter);
             ASSERT_TRUE(x.m.Vincite.enabled());
         }},
        {"evaluation", Where::Machine,
         [](Machine& x) {
             x.setMoney(20, 2);
             x.spinAndLetters(machine_tests::kTopTriple, 1);
         }},
        {"wheel", Where::Machine, [](Machine& x) { x.lightWheelOn(fieldOf(FieldStop::Lose)); }},
        {"Letters Held", Where::Machine,
         [](Machine& x) {
             x.lightWheelOn(fieldOf(FieldStop::LettersHeld));
             x.m.Label4.click();
         }},
        {"Skill chance", Where::Machine,
         [](Machine& x) {
             x.lightWheelOn(fieldOf(FieldStop::SkillChance));
             x.m.Label4.click();
         }},
        {"title", Where::Title, [](Machine& x) { x.m.requestClose(); }},
        {"title with a coin in", Where::Title,
         [](Machine& x) {
             x.m.requestClose();
             x.rig.program.form6().keyDown(ui::key::kDigit5);
         }},
    };
    for (const BonusGame game : quirvanto::kBonusGames) {
        const auto open = [game](Machine& x) {
            x.lightWheelOn(fieldOf(game));
            x.m.Label4.click();
            ASSERT_TRUE(x.rig.program.bonusWindow(game).isShown());
        };
        const std::string name(quirvanto::kWheelFields[fieldOf(game)].caption);
        phases.push_back({name + " playing", Where::Bonus, open});
        if (game != BonusGame::HorseRacing) {
            phases.push_back({name + " decided", Where::Bonus, [game, open](Machine& x) {
                                  open(x);
                                  x.rig.program.bonusWindow(game).Label4.click();
                              }});
        }
    }
    return phases;
}

// Something other than a close box is on show to press, within the longest phase.
bool somethingToPressComes(Machine& x) {
    for (int waited = 0; waited <= kLongestPhaseMs; waited += 100) {
        const auto& m = x.m;
        if (m.takesInput() && (x.readyButtonsShown() || m.Label4.visible() || m.Label5.visible() ||
                               m.Label6.visible())) {
            return true;
        }
        x.rig.advance(100);
    }
    return false;
}

TEST(EveryClose, InEveryPhaseBringsTheRightWindowBackAndPaysNothing) {
    for (const Phase& phase : everyPhase()) {
        for (const bool toMachine : {true, false}) {
            for (const bool escape : {false, true}) {
                if (toMachine && phase.where == Where::Title) {
                    continue;
                }
                if (!toMachine && phase.where == Where::Machine) {
                    continue;  // the machine's own phases have no other window
                }
                SCOPED_TRACE(phase.name + (escape ? ", ESC to " : ", close box of ") +
                             (toMachine ? "the machine" : "the other window"));
                Machine x;
                phase.reach(x);
                auto& title = x.rig.program.form6();
                quirvanto::BonusWindow* bonus = x.rig.openBonus();
                ui::Window& target = toMachine          ? static_cast<ui::Window&>(x.m)
                                     : bonus != nullptr ? static_cast<ui::Window&>(*bonus)
                                                        : static_cast<ui::Window&>(title);
                ASSERT_TRUE(target.isShown());
                const std::string credits = x.m.Credits.caption();
                x.rig.sound.played.clear();
                x.rig.messages.shown.clear();
                if (escape) {
                    target.keyPress(ui::key::kEscape);
                } else {
                    target.requestClose();
                }

                if (phase.where == Where::Title) {
                    EXPECT_TRUE(x.rig.program.ended());
                    x.rig.advance(kLongestPhaseMs);
                    EXPECT_EQ(x.rig.terminator.quits, 1);
                    EXPECT_TRUE(x.rig.sound.played.empty());
                } else if (toMachine && !escape && bonus == nullptr) {
                    EXPECT_FALSE(x.m.loaded());
                    EXPECT_TRUE(title.isShown());
                    x.rig.advance(kLongestPhaseMs);
                    EXPECT_TRUE(title.isShown());
                    EXPECT_EQ(x.rig.sound.names(), std::vector<std::string>{});
                } else if (toMachine) {
                    // ESC means nothing to the machine, and its close box is refused while a
                    // bonus game is open: the phase goes on.
                    EXPECT_TRUE(x.m.isShown());
                    EXPECT_EQ(x.rig.openBonus(), bonus);
                    EXPECT_EQ(x.m.Credits.caption(), credits);
                    if (bonus == nullptr) {
                        EXPECT_TRUE(somethingToPressComes(x));
                    }
                } else {
                    EXPECT_FALSE(bonus->loaded());
                    EXPECT_TRUE(x.m.takesInput());
                    EXPECT_TRUE(x.rig.messages.shown.empty());
                    EXPECT_EQ(x.rig.sound.count("None"), 0) << "leaving does not cut off the sound";
                    EXPECT_TRUE(somethingToPressComes(x));
                    EXPECT_TRUE(x.readyButtonsShown());
                    x.rig.advance(kLongestPhaseMs);
                    EXPECT_EQ(x.m.Credits.caption(), credits);
                }
            }
        }
    }
}

}  // namespace
