#include "bonus/form4.h"

#include <string>

#include "app/program.h"

namespace quirvanto {

namespace {

constexpr ui::WindowLayout kWindow{.caption = "High or Low (ESC key to exit)",
                                   .outer = {4725, 3480},
                                   .inner = {4605, 2970},
                                   .icon = ui::DesignPicture::ProgramIcon};

constexpr ui::Rect kPremio{120, 120, 4455, 495};

constexpr ui::LabelLayout kAA0{.caption = "0",
                               .rect = {120, 840, 4335, 1215},
                               .back = 0x800080,
                               .fore = 0xC0FFFF,
                               .points = 21.75,
                               .align = ui::Align::Centre};

constexpr ui::LabelLayout choice(std::string_view caption, ui::Twips left) {
    return {.caption = caption,
            .rect = {left, 2280, 1575, 375},
            .back = 0x008000,
            .fore = 0xC0FFFF,
            .points = 11.25,
            .align = ui::Align::Centre,
            .clickable = true};
}

constexpr ui::LabelLayout kLabel4 = choice("High (or 1)", 240);
constexpr ui::LabelLayout kLabel1 = choice("Low (or 2)", 2760);

constexpr ui::TimerLayout kTimer1{.intervalMs = 50, .enabled = true};
constexpr ui::TimerLayout kSuono{.intervalMs = 2000, .enabled = true};
constexpr ui::TimerLayout kFine{.intervalMs = 2000, .enabled = false};

constexpr int kHighestNumber = 1000;

}  // namespace

Form4::Form4(Program& program) : BonusWindow(program, kWindow, "Form4") {}

void Form4::createControls() {
    createPremio(kPremio);
    create(AA[0], "AA", kAA0, 0);
    createLabel4(kLabel4);
    create(Label1, "Label1", kLabel1);
    Label1.setClickHandler([this] { Label1_Click(); });
    createPrimoPiano();
    create(Timer1, "Timer1", kTimer1, [this] { Timer1_Timer(); });
    create(Suono, "Suono", kSuono, [this] { Suono_Timer(); });
    create(Fine, "Fine", kFine, [this] { Fine_Timer(); });
}

void Form4::Form_Load() {
    Timer1.setEnabled(true);
    Suono.setEnabled(true);
    play("HL");
}

void Form4::Form_KeyDown(int keyCode, int /*shift*/) {
    if (keyCode == ui::key::kDigit1 && Label4.visible()) {
        Label4_Click();
    } else if (keyCode == ui::key::kDigit2 && Label1.visible()) {
        Label1_Click();
    }
}

void Form4::Suono_Timer() {
    play("HL");
}

// The shown number, drawn once per game.
void Form4::Timer1_Timer() {
    Timer1.setEnabled(false);
    ShownNumber = static_cast<std::int16_t>(app().draw(kHighestNumber) + 1);
    AA[0].setCaption(std::to_string(ShownNumber));
}

void Form4::Label4_Click() {
    choose(Guess::High);
}

void Form4::Label1_Click() {
    choose(Guess::Low);
}

// The guess is judged against the number on show, so a choice made before the first draw
// compares with "0".
void Form4::choose(Guess guess) {
    Label1.setVisible(false);
    Label4.setVisible(false);
    NextNumber = static_cast<std::int16_t>(app().draw(kHighestNumber) + 1);
    const ui::Amount shown = ui::parseAmount(AA[0].caption()).value_or(0);
    const bool right = guess == Guess::High ? shown <= NextNumber : shown >= NextNumber;
    if (right) {
        app().message("You Win");
        payPrize(1);
    } else {
        app().message("You Lose");
    }
    AA[0].setCaption("The number was " + std::to_string(NextNumber));
    Suono.setEnabled(false);
    Fine.setEnabled(true);
}

void Form4::Fine_Timer() {
    endAfterFine(Fine);
}

}  // namespace quirvanto
