#include "bonus/form5.h"

#include <array>

#include "app/program.h"

namespace quirvanto {

namespace {

constexpr ui::WindowSpec kWindow{.caption = "Double Bet (ESC key to exit)",
                                 .outer = {4845, 8175},
                                 .inner = {4725, 7665},
                                 .icon = ui::DesignPicture::ProgramIcon};

constexpr ui::Rect kPremio{240, 120, 4215, 495};

constexpr bool isWinRow(int i) {
    return i % 2 == 0;
}

constexpr ui::LabelSpec row(int i) {
    return {.caption = isWinRow(i) ? "Win" : "Lose",
            .rect = {840, 720 + 600 * i, 3615, 615},
            .back = isWinRow(i) ? 0xFFC0FF : 0x8080FF,
            .fore = ui::kBlack,
            .points = 21.75,
            .align = ui::Align::Centre};
}

constexpr ui::LabelSpec marker(int i) {
    return {.rect = {240, 720 + 600 * i, 495, 615},
            .back = 0x0000C0,
            .fore = ui::kBlack,
            .points = 21.75,
            .align = ui::Align::Centre,
            .visible = false};
}

constexpr ui::LabelSpec kLabel4{.caption = "Stop or press SPACE key",
                                .rect = {240, 6960, 4215, 375},
                                .back = 0x800080,
                                .fore = 0xC0FFFF,
                                .points = 11.25,
                                .align = ui::Align::Centre,
                                .clickable = true};

constexpr ui::TimerSpec kTimer1{.intervalMs = 15, .enabled = true};
constexpr ui::TimerSpec kSuono{.intervalMs = 800, .enabled = true};
constexpr ui::TimerSpec kFine{.intervalMs = 2000, .enabled = false};

constexpr std::array<int, 5> kWinRows{0, 2, 4, 6, 8};

}  // namespace

Form5::Form5(Program& program) : BonusWindow(program, kWindow, "Form5") {}

void Form5::createControls() {
    createPremio(kPremio);
    for (int i = 0; i < AA.size(); ++i) {
        create(AA[i], "AA", row(i), i);
    }
    for (int i = 0; i < BB.size(); ++i) {
        create(BB[i], "BB", marker(i), i);
    }
    createLabel4(kLabel4);
    create(Timer1, "Timer1", kTimer1, [this] { Timer1_Timer(); });
    create(Suono, "Suono", kSuono, [this] { Suono_Timer(); });
    create(Fine, "Fine", kFine, [this] { Fine_Timer(); });
    createPrimoPiano();
}

void Form5::Form_Load() {
    Timer1.setEnabled(true);
    Suono.setEnabled(true);
    MarkerStep = 0;
    play("WL");
}

void Form5::Suono_Timer() {
    play("WL");
}

// One step of the marker; the step after the last row shows nothing (the blank tick).
void Form5::Timer1_Timer() {
    BB[MarkerStep].setVisible(true);
    BB[MarkerStep - 1].setVisible(false);
    ++MarkerStep;
    if (MarkerStep > BB.size()) {
        MarkerStep = 0;
    }
}

// Stop.
void Form5::Label4_Click() {
    bool markerShown = false;
    for (int i = 0; i < BB.size(); ++i) {
        markerShown = markerShown || BB[i].visible();
    }
    if (!markerShown) {
        return;
    }
    Label4.setVisible(false);
    Timer1.setEnabled(false);
    Suono.setEnabled(false);
    play("Ladder2");
    for (const int winRow : kWinRows) {
        if (BB[winRow].visible()) {
            payPrize(1);
        }
    }
    Fine.setEnabled(true);
}

void Form5::Fine_Timer() {
    endAfterFine(Fine);
}

}  // namespace quirvanto
