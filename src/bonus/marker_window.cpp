#include "bonus/marker_window.h"

#include "app/program.h"

namespace quirvanto {

namespace {
constexpr ui::TimerLayout kTimer1{.intervalMs = 15, .enabled = true};
constexpr ui::TimerLayout kFine{.intervalMs = 2000, .enabled = false};
}  // namespace

MarkerWindow::MarkerWindow(Program& program, const ui::WindowLayout& window, std::string_view name,
                           const MarkerLayout& layout)
    : BonusWindow(program, window, name), layout_(layout) {}

void MarkerWindow::createControls() {
    createPremio(layout_.premio);
    for (int i = 0; i < AA.size(); ++i) {
        create(AA[i], "AA", layout_.row(i), i);
    }
    for (int i = 0; i < BB.size(); ++i) {
        create(BB[i], "BB", layout_.marker(i), i);
    }
    readMarkersOnRows(AA, BB);
    createLabel4(layout_.label4);
    createPrimoPiano();
    create(Timer1, "Timer1", kTimer1, [this] { Timer1_Timer(); });
    create(Suono, "Suono", layout_.suono, [this] { Suono_Timer(); });
    create(Fine, "Fine", kFine, [this] { Fine_Timer(); });
}

// One step of the marker. There is no marker 10 and no marker -1: the step after the last row
// shows nothing, which makes the blank tick of every run.
void MarkerWindow::Timer1_Timer() {
    BB[MarkerStep].setVisible(true);
    BB[MarkerStep - 1].setVisible(false);
    ++MarkerStep;
    if (MarkerStep > BB.size()) {
        MarkerStep = 0;
    }
}

bool MarkerWindow::markerShown() const {
    bool shown = false;
    for (int i = 0; i < BB.size(); ++i) {
        shown = shown || BB[i].visible();
    }
    return shown;
}

void MarkerWindow::freezeMarker() {
    Label4.setVisible(false);
    Timer1.setEnabled(false);
    Suono.setEnabled(false);
    play("Ladder2");
}

void MarkerWindow::Fine_Timer() {
    endAfterFine(Fine);
}

}  // namespace quirvanto
