// The bonus wheel: a light runs through the twelve fields (and one dark position) until Stop;
// the field lit at Stop decides what becomes of the pending win.

#include <iterator>
#include <string>

#include "app/program.h"
#include "bonus/bonus_frame.h"
#include "machine/form1.h"
#include "machine/wheel_fields.h"
#include "ui/play_snd.h"

namespace quirvanto {

namespace {
// Positions 0..11 light their field; position 12 only darkens field 11.
constexpr std::int16_t kLastLightPosition = 12;
}  // namespace

void Form1::Try_Timer() {
    Label4.setVisible(true);
    Game[TryStep].setForeColour(ui::kWhite);
    Game[TryStep - 1].setForeColour(ui::kBlack);
    ++TryStep;
    if (TryStep > kLastLightPosition) {
        TryStep = 0;
    }
}

void Form1::openBonus(BonusWindow& bonus) {
    bonus.show();
    bonus.Premio.setCaption(Win1.caption());
    setTakesInput(false);
    Scelta.setCaption("0");
}

// Letters Held and Skill chance start alike: the win is given up for a game on dark letters.
void Form1::startLetterGame(ui::Timer& game) {
    game.setEnabled(true);
    Scelta.setCaption("0");
    StepCount = 0;
    DrawCount = 0;
    Win1.setCaption("0");
    darkenLetters();
}

void Form1::Label4_Click() {
    Label4.setVisible(false);
    Suono.setEnabled(false);
    Try.setEnabled(false);
    YouCan.setEnabled(false);
    Etic[1].setVisible(true);
    Win1.setVisible(true);
    // With the light on the dark position no field is white and Scelta keeps its "0".
    for (int field = 0; field < Game.size(); ++field) {
        if (Game[field].foreColour() == ui::kWhite) {
            Scelta.setCaption(std::to_string(field));
            break;
        }
    }
    Label5.setVisible(false);
    Label1.setVisible(true);
    Label2.setVisible(true);
    Label3.setVisible(true);
    for (ui::Label& field : Game) {
        field.setForeColour(ui::kBlack);
    }

    const ui::Amount chosen = amountOf(Scelta).value_or(-1);
    if (chosen < 0 || chosen >= std::ssize(kWheelFields)) {
        return;
    }
    const WheelField& field = kWheelFields[static_cast<std::size_t>(chosen)];
    switch (field.stop) {
        case FieldStop::Bonus:
            openBonus(program_.bonusWindow(*field.bonus));
            break;
        case FieldStop::Lose:
            PlaySnd(services(), "Lose", ui::kSndAsync);
            Scelta.setCaption("0");
            Win1.setCaption("0");
            break;
        case FieldStop::LettersHeld:
            startLetterGame(Zavri2);
            break;
        case FieldStop::SkillChance:
            startLetterGame(Zavri3);
            Picture2.setVisible(true);
            break;
    }
}

}  // namespace quirvanto
