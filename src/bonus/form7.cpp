#include "bonus/form7.h"

#include <array>
#include <string>

#include "app/program.h"
#include "ui/amount.h"

namespace quirvanto {

namespace {

constexpr ui::WindowLayout kWindow{
    .caption = "Double Zavri (ESC key to exit)", .outer = {4065, 7830}, .inner = {3945, 7320}};

constexpr ui::Rect kPremio{240, 120, 3495, 495};
constexpr ui::Rect kFase{2760, 120, 735, 285};

// The markers darken down the ladder, one colour per phase.
constexpr std::array<ui::Colour, 5> kMarkerColours{0xC0C0FF, 0x8080FF, 0x0000FF, 0x0000C0,
                                                   0x000080};

constexpr ui::LabelLayout marker(int i) {
    return {.rect = {120, 720 + 600 * i, 495, 615},
            .back = kMarkerColours[static_cast<std::size_t>(i / 2)],
            .fore = ui::kBlack,
            .points = 21.75,
            .align = ui::Align::Centre,
            .visible = i == 0};
}

constexpr std::array<std::string_view, 10> kFields{"Lose", "x1",   "Lose", "x2",   "Lose",
                                                   "x3",   "Lose", "x4",   "Lose", "x5"};

constexpr ui::LabelLayout field(int i) {
    return {.caption = kFields[static_cast<std::size_t>(i)],
            .rect = {720, 720 + 600 * i, 3000, 615},
            .back = i % 2 == 0 ? 0xC0C0FF : 0x8080FF,
            .fore = 0x800000,
            .points = 21.75,
            .align = ui::Align::Centre};
}

constexpr ui::LabelLayout kLabel4{.caption = "Stop (or press SPACE key)",
                                  .rect = {120, 6840, 3615, 375},
                                  .back = 0x800080,
                                  .fore = 0xC0FFFF,
                                  .points = 11.25,
                                  .align = ui::Align::Centre,
                                  .clickable = true};

constexpr ui::TimerLayout kTimer1{.intervalMs = 50, .enabled = true};
constexpr ui::TimerLayout kSuono{.intervalMs = 900, .enabled = true};
constexpr ui::TimerLayout kFine{.intervalMs = 1, .enabled = false};

constexpr int kPhases = 5;
constexpr int kAllPassed = kPhases + 1;

constexpr int loseCell(int phase) {
    return 2 * phase - 2;
}
constexpr int multiplierCell(int phase) {
    return 2 * phase - 1;
}

}  // namespace

Form7::Form7(Program& program) : BonusWindow(program, kWindow, "Form7") {}

void Form7::createControls() {
    createPremio(kPremio);
    create(Fase, "Fase", kFase, "1", false);
    for (int i = 0; i < BB.size(); ++i) {
        create(BB[i], "BB", marker(i), i);
    }
    for (int i = 0; i < AA.size(); ++i) {
        create(AA[i], "AA", field(i), i);
    }
    readMarkersOnRows(AA, BB);
    createLabel4(kLabel4);
    create(Timer1, "Timer1", kTimer1, [this] { Timer1_Timer(); });
    create(Suono, "Suono", kSuono, [this] { Suono_Timer(); });
    create(Fine, "Fine", kFine, [this] { Fine_Timer(); });
    createPrimoPiano();
}

void Form7::Form_Load() {
    Timer1.setEnabled(true);
    Suono.setEnabled(true);
    BlinkState = 0;
    play("BL");
}

bool Form7::faseIs(int phase) const {
    return ui::parseAmount(Fase.text()) == phase;
}

// The marker of the current phase; a won run is paid on the tick after the last Stop.
// BlinkState carries over from one phase to the next, so every later phase starts on "Lose".
void Form7::Timer1_Timer() {
    if (faseIs(kAllPassed)) {
        Timer1.setEnabled(false);
        Suono.setEnabled(false);
        play("Bingo");
        payPrize(1);
        unload();
        return;
    }
    for (int phase = 1; phase <= kPhases; ++phase) {
        if (!faseIs(phase)) {
            continue;
        }
        if (BlinkState == 0) {
            BB[loseCell(phase)].setVisible(true);
            BB[multiplierCell(phase)].setVisible(false);
            BlinkState = 1;
            return;
        }
        if (BlinkState == 1) {
            BB[multiplierCell(phase)].setVisible(true);
            BB[loseCell(phase)].setVisible(false);
            BlinkState = 0;
        }
    }
}

// Stop. Every test reads Fase afresh, so a win moves on to a phase whose cells are both still
// dark: a second Stop before the next tick does nothing.
void Form7::Label4_Click() {
    for (int phase = 1; phase <= kPhases; ++phase) {
        if (faseIs(phase) && BB[loseCell(phase)].visible()) {
            Premio.setCaption("0");
            Fine.setEnabled(true);
        }
        if (faseIs(phase) && BB[multiplierCell(phase)].visible()) {
            if (const auto prize = ui::parseAmount(Premio.caption())) {
                Premio.setCaption(ui::amountText(ui::saturatingMultiply(*prize, phase)));
            }
            Fase.setText(std::to_string(phase + 1));
        }
    }
}

void Form7::Suono_Timer() {
    play("BL");
}

// A lost game closes 1 ms after the Stop.
void Form7::Fine_Timer() {
    Label4.setVisible(false);
    PrimoPiano.setEnabled(false);
    play("BL2");
    Fine.setEnabled(false);
    unload();
}

}  // namespace quirvanto
