// The real program, with its real windows, services and clock, taken through a session that
// plays every sound of the game: a spin, each bonus game opened from the wheel and left with ESC
// a while later, every sound of its Snd folder, and the title with a coin. The rest bench
// measures its peak memory against a bare window's; it ends by itself.
#include <QApplication>
#include <QTimer>
#include <functional>
#include <string>

#include "app/after_first_frame.h"
#include "app/game_application.h"
#include "app/program.h"
#include "app/real_services.h"
#include "bonus/bonus_frame.h"
#include "machine/form1.h"
#include "machine/wheel_fields.h"
#include "sound_files.h"
#include "title/form6.h"

namespace {

constexpr int kFirstSpinMs = 1000;
constexpr int kFirstBonusMs = 6000;
constexpr int kBonusPlayedMs = 1500;
constexpr int kSoundPlayedMs = 200;
constexpr int kTitleShownMs = 1000;

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    quirvanto::RealServices real(QCoreApplication::applicationDirPath().toStdString());
    quirvanto::presentAsTheGame(real.pictures());
    quirvanto::Program program(real.services());
    const quirvanto::AfterFirstFrame soundAfterFirstFrame([&real] { real.sound().startLoading(); });
    program.start();
    quirvanto::Form1& machine = program.form1();

    int at = kFirstSpinMs;
    const auto then = [&at](int after, const std::function<void()>& step) {
        QTimer::singleShot(at, step);
        at += after;
    };
    then(kFirstBonusMs - kFirstSpinMs, [&] {
        machine.Label2_Click();
        machine.Label1_Click();
    });
    for (const quirvanto::BonusGame game : quirvanto::kBonusGames) {
        then(kBonusPlayedMs, [&machine, game] {
            machine.Win1.setCaption("10");
            machine.Game[quirvanto::fieldOf(game)].setForeColour(ui::kWhite);
            machine.Label4_Click();
        });
        then(kBonusPlayedMs,
             [&program, game] { program.bonusWindow(game).keyPress(ui::key::kEscape); });
    }
    for (const std::string& name :
         bench::soundsIn(QCoreApplication::applicationDirPath().toStdString())) {
        then(kSoundPlayedMs, [&real, name] { real.sound().play(name); });
    }
    then(kTitleShownMs, [&machine] { machine.requestClose(); });
    then(kTitleShownMs, [&program] { program.form6().keyDown(ui::key::kDigit5); });
    then(0, [] { QCoreApplication::quit(); });
    return QApplication::exec();
}
