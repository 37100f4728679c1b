#include "bonus/form3.h"

#include <array>

#include "app/program.h"

namespace quirvanto {

namespace {

constexpr ui::WindowLayout kWindow{.caption = "Ladder  (ESC key to exit)",
                                   .outer = {4800, 7995},
                                   .inner = {4680, 7485},
                                   .icon = ui::DesignPicture::ProgramIcon};

// From the top; a rung pays its multiplier times the stake, a "Lose" rung (0) nothing.
struct Rung {
    std::string_view caption;
    ui::Amount multiplier;
};
constexpr std::array<Rung, 10> kRungs{{{"x 6", 6},
                                       {"Lose", 0},
                                       {"x 5", 5},
                                       {"Lose", 0},
                                       {"x 4", 4},
                                       {"Lose", 0},
                                       {"x 3", 3},
                                       {"Lose", 0},
                                       {"x 2", 2},
                                       {"Lose", 0}}};
constexpr ui::Colour kPays = 0xC0FFC0;
constexpr ui::Colour kLoses = 0xC0C0FF;

constexpr ui::LabelLayout rung(int i) {
    return {.caption = kRungs[static_cast<std::size_t>(i)].caption,
            .rect = {720, 600 + 600 * i, 3615, 615},
            .back = kRungs[static_cast<std::size_t>(i)].multiplier > 0 ? kPays : kLoses,
            .fore = ui::kBlack,
            .points = 21.75,
            .align = ui::Align::Centre};
}

constexpr ui::LabelLayout marker(int i) {
    return {.rect = {120, 600 + 600 * i, 495, 615},
            .back = 0xFF8080,
            .fore = ui::kBlack,
            .points = 21.75,
            .align = ui::Align::Centre,
            .visible = false};
}

constexpr MarkerLayout kLayout{.premio = {120, 0, 4455, 495},
                               .row = rung,
                               .marker = marker,
                               .label4 = {.caption = "Stop (or press SPACE key)",
                                          .rect = {120, 6840, 4215, 375},
                                          .back = 0x800080,
                                          .fore = 0xC0FFFF,
                                          .points = 11.25,
                                          .align = ui::Align::Centre,
                                          .clickable = true},
                               .suono = {.intervalMs = 5000, .enabled = true}};

}  // namespace

Form3::Form3(Program& program) : MarkerWindow(program, kWindow, "Form3", kLayout) {}

void Form3::Form_Load() {
    Timer1.setEnabled(true);
    Suono.setEnabled(true);
    MarkerStep = 0;
    play("Ladder");
}

void Form3::Suono_Timer() {
    play("Ladder");
}

// Stop.
void Form3::Label4_Click() {
    if (!markerShown()) {
        return;
    }
    freezeMarker();
    for (int i = 0; i < BB.size(); ++i) {
        const ui::Amount multiplier = kRungs[static_cast<std::size_t>(i)].multiplier;
        if (multiplier > 0 && BB[i].visible()) {
            payPrize(multiplier);
        }
    }
    Fine.setEnabled(true);
}

}  // namespace quirvanto
