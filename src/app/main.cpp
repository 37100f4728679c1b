#include <QApplication>
#include <cstdio>
#include <cstring>

#include "app/after_first_frame.h"
#include "app/game_application.h"
#include "app/how_to_play_window.h"
#include "app/odds_plot.h"
#include "app/program.h"
#include "app/real_services.h"
#include "odds/odds_command.h"
#include "ui/qt/qt_quit_requests.h"

namespace {

constexpr const char* kHelp =
    "Usage: quirvanto [--help | --version]\n"
    "       quirvanto --odds [--spins N] [--seed S] [--bet B] [--go-rate R] [--plot FILE]\n"
    "\n"
    "Quirvanto, a coin slot machine: set a bet, spin a 3 x 3 grid of number tiles and win on its\n"
    "rows; every win goes to a bonus wheel that you stop yourself.\n"
    "\n"
    "Keys: A / Z bet, ENTER spin, 1 2 3 hold a column, SPACE stop, ESC leave a bonus game;\n"
    "on the title screen 5 inserts a coin, 1 goes back to the machine, ESC leaves; F1 on the\n"
    "machine or the title screen: How to play.\n"
    "\n"
    "  --help     print this text and exit\n"
    "  --version  print the version and exit\n"
    "  --odds     play the model player on the real game, with no display and no sound, and\n"
    "             print what the machine pays back: --spins (1000000), --seed (1), --bet (1),\n"
    "             --go-rate (Go! presses a second in Horse racing, 8), --plot FILE (.svg, .png)\n"
    "\n"
    "See quirvanto(6).\n";

// Answers --help or --version, whichever comes first; true when one was answered. Runs before
// anything reaches for a display or the sound device.
bool answeredInformation(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(kHelp, stdout);
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::puts("quirvanto " QUIRVANTO_VERSION);
            return true;
        }
    }
    return false;
}

// Qt aborts when it cannot reach a display; say so plainly instead.
bool hasDisplay() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char** argv) {
    if (answeredInformation(argc, argv)) {
        return 0;
    }
    if (odds::oddsWanted(argc, argv)) {
        return odds::oddsCommand(argc, argv, &quirvanto::drawOddsPlot);
    }
    if (!hasDisplay()) {
        std::fputs("quirvanto: no display to show the game on (DISPLAY is not set)\n", stderr);
        return 1;
    }
    QApplication application(argc, argv);
    quirvanto::RealServices real(QCoreApplication::applicationDirPath().toStdString());
    quirvanto::presentAsTheGame(real.pictures());

    quirvanto::Program program(real.services());
    const ui::qt::QuitRequests quitRequests(program);
    const quirvanto::HowToPlayKey howToPlay;
    // The sound gets ready on a thread of its own once the machine window is on the screen.
    const quirvanto::AfterFirstFrame soundAfterFirstFrame([&real] { real.sound().startLoading(); });
    program.start();
    if (program.ended()) {
        return 0;
    }
    return QApplication::exec();
}
