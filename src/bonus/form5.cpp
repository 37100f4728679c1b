#include "bonus/form5.h"

#include <array>

#include "app/program.h"

namespace quirvanto {

namespace {

constexpr ui::WindowLayout kWindow{.caption = "Double Bet (ESC key to exit)",
                                   .outer = {4845, 8175},
                                   .inner = {4725, 7665},
                                   .icon = ui::DesignPicture::ProgramIcon};

// From the top, "Win" and "Lose" take turns; a Stop on a "Win" row pays the stake.
constexpr bool isWinRow(int i) {
    return i % 2 == 0;
}

constexpr ui::LabelLayout row(int i) {
    return {.caption = isWinRow(i) ? "Win" : "Lose",
            .rect = {840, 720 + 600 * i, 3615, 615},
            .back = isWinRow(i) ? 0xFFC0FF : 0x8080FF,
            .fore = ui::kBlack,
            .points = 21.75,
            .align = ui::Align::Centre};
}

constexpr ui::LabelLayout marker(int i) {
    return {.rect = {240, 720 + 600 * i, 495, 615},
            .back = 0x0000C0,
            .fore = ui::kBlack,
            .points = 21.75,
            .align = ui::Align::Centre,
            .visible = false};
}

constexpr MarkerLayout kLayout{.premio = {240, 120, 4215, 495},
                               .row = row,
                               .marker = marker,
                               .label4 = {.caption = "Stop or press SPACE key",
                                          .rect = {240, 6960, 4215, 375},
                                          .back = 0x800080,
                                          .fore = 0xC0FFFF,
                                          .points = 11.25,
                                          .align = ui::Align::Centre,
                                          .clickable = true},
                               .suono = {.intervalMs = 800, .enabled = true}};

}  // namespace

Form5::Form5(Program& program) : MarkerWindow(program, kWindow, "Form5", kLayout) {}

void Form5::Form_Load() {
    Timer1.setEnabled(true);
    Suono.setEnabled(true);
    MarkerStep = 0;
    play("WL");
}

void Form5::Suono_Timer() {
    play("WL");
}

// Stop.
void Form5::Label4_Click() {
    if (!markerShown()) {
        return;
    }
    freezeMarker();
    for (int i = 0; i < BB.size(); ++i) {
        if (isWinRow(i) && BB[i].visible()) {
            payPrize(1);
        }
    }
    Fine.setEnabled(true);
}

}  // namespace quirvanto
