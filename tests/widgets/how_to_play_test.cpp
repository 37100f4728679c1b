// How to play: the game behind it plays on exactly as it would without it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "app/how_to_play_window.h"
#include "machine/form1.h"
#include "support/rig.h"

namespace widget_tests {
namespace {

// Two games from the same draws: one player opens How to play twice on the way, once with the
// roll running; the credits, the grid and every sound and its moment are the same.
TEST(HowToPlay, ChangesNothingInTheGameBehindIt) {
    const auto play = [](bool withHelp) {
        testing_support::Rig rig{{.onScreen = true}};
        const quirvanto::HowToPlayKey key;
        quirvanto::Form1& machine = rig.program.form1();
        rig.program.start();
        QWidget* window = rig.widgetOf(machine);
        QTest::keyClick(window, Qt::Key_A);
        if (withHelp) {
            QTest::keyClick(window, Qt::Key_F1);
        }
        QTest::keyClick(window, Qt::Key_Return);
        rig.advance(1000);
        if (withHelp) {
            QTest::keyClick(window, Qt::Key_F1);
        }
        rig.advance(9000);
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (dynamic_cast<quirvanto::HowToPlayWindow*>(widget) != nullptr) {
                widget->close();
            }
        }
        std::vector<std::string> seen{machine.Credits.caption(), machine.Win1.caption()};
        for (const auto& tile : machine.NN) {
            seen.push_back(tile.caption());
        }
        for (const auto& sound : rig.sound.played) {
            seen.push_back(sound.name + "@" + std::to_string(sound.atMs));
        }
        return seen;
    };
    EXPECT_EQ(play(true), play(false));
}

}  // namespace
}  // namespace widget_tests
