// Measures, on the real Qt clock and windows, what the player feels of the game's timing: the
// time the sound takes to get ready, what reading a sound from its file adds to the call that
// plays it, the rate of a nominal 1 ms timer, the wall time of a whole
// roll, and the second spin's handler.
#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/program.h"
#include "app/real_services.h"
#include "machine/form1.h"
#include "machine/roll.h"
#include "sound_files.h"
#include "ui/window.h"

namespace {

constexpr int kRuns = 3;
constexpr int kSecondSpins = 200;

// A window with one nominal 1 ms timer that counts its ticks.
class TimerProbe final : public ui::Window {
public:
    explicit TimerProbe(ui::Application& app)
        : ui::Window(app, {.caption = "Timer probe", .outer = {1620, 2010}, .inner = {1500, 1500}},
                     "TimerProbe") {}
    ui::Timer Tick;
    long ticks = 0;

protected:
    void createControls() override {
        create(Tick, "Tick", {.intervalMs = 1, .enabled = true}, [this] { ++ticks; });
    }
};

void waitUntil(const auto& done) {
    while (!done()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

double ticksPerSecond(quirvanto::Program& program) {
    TimerProbe probe(program);
    probe.show();
    QElapsedTimer clock;
    clock.start();
    waitUntil([&] { return clock.elapsed() >= 3000; });
    const double rate = probe.ticks * 1000.0 / static_cast<double>(clock.elapsed());
    probe.unload();
    return rate;
}

double rollSeconds(quirvanto::Form1& machine) {
    machine.StepCount = 0;
    machine.Credits.setCaption("1000");
    machine.Bet.setCaption("1");
    QElapsedTimer clock;
    clock.start();
    machine.Label1_Click();
    waitUntil([&] { return !machine.Roll.enabled(); });
    return static_cast<double>(clock.nsecsElapsed()) / 1e9;
}

// The time of each sound's play() call, in milliseconds, with the name of the slowest.
struct PlayCalls {
    std::vector<double> milliseconds;
    std::string slowest;
};

PlayCalls playCalls(quirvanto::SdlSoundPlayer& sound) {
    PlayCalls calls;
    double slowest = -1;
    for (const std::string& name :
         bench::soundsIn(QCoreApplication::applicationDirPath().toStdString())) {
        QElapsedTimer clock;
        clock.start();
        sound.play(name);
        const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        calls.milliseconds.push_back(ms);
        if (ms > slowest) {
            slowest = ms;
            calls.slowest = name;
        }
    }
    std::sort(calls.milliseconds.begin(), calls.milliseconds.end());
    return calls;
}

// Label5_Click with all three columns free: 33 passes of three pictures each.
std::vector<double> secondSpinMilliseconds(quirvanto::Form1& machine) {
    std::vector<double> times;
    for (int i = 0; i < kSecondSpins; ++i) {
        machine.Col1.setVisible(false);
        machine.Col2.setVisible(false);
        machine.Col3.setVisible(false);
        machine.Label5.setVisible(true);
        QElapsedTimer clock;
        clock.start();
        machine.Label5_Click();
        times.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        machine.Vincite.setEnabled(false);
        QCoreApplication::processEvents();
    }
    std::sort(times.begin(), times.end());
    return times;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    quirvanto::RealServices real(QCoreApplication::applicationDirPath().toStdString());
    quirvanto::Program program(real.services());
    program.start();
    quirvanto::Form1& machine = program.form1();

    std::printf("Quirvanto timing on the real Qt clock (goal in brackets)\n");
    // The program starts getting its sound ready once its first frame is shown; a player's first
    // key comes later than this.
    QElapsedTimer soundClock;
    soundClock.start();
    real.sound().startLoading();
    const bool device = real.sound().hasDevice();
    std::printf("  sound ready %lld ms after it was started, %s [under 300 ms]\n",
                static_cast<long long>(soundClock.elapsed()),
                device ? "with an audio device" : "without an audio device");
    const PlayCalls calls = device ? playCalls(real.sound()) : PlayCalls{};
    if (!calls.milliseconds.empty()) {
        std::printf(
            "  a sound read from its file as it is played: the play() call takes %.2f ms "
            "(median of %zu sounds), at most %.2f ms (%s) [about 1 ms or less]\n",
            calls.milliseconds[calls.milliseconds.size() / 2], calls.milliseconds.size(),
            calls.milliseconds.back(), calls.slowest.c_str());
    }
    std::printf("  nominal 1 ms timer: %.1f ticks a second [62 to 66]\n", ticksPerSecond(program));
    for (int run = 1; run <= kRuns; ++run) {
        const double seconds = rollSeconds(machine);
        std::printf("  roll %d of %d ticks: %.3f s, %.1f ticks a second [3.6 to 3.9 s]\n", run,
                    quirvanto::kRollTicks, seconds, quirvanto::kRollTicks / seconds);
        waitUntil([&] { return !machine.Zavri.enabled(); });
        machine.Vincite.setEnabled(false);
    }
    const std::vector<double> spins = secondSpinMilliseconds(machine);
    std::printf(
        "  Label5_Click, three free columns (99 pictures): median %.3f ms, worst %.3f ms "
        "over %d [under 2 ms]\n",
        spins[spins.size() / 2], spins.back(), kSecondSpins);
    program.end();
    return 0;
}
