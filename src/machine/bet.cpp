// The bet buttons and the credit checks that run before every spin.

#include "machine/form1.h"
#include "ui/play_snd.h"

namespace quirvanto {

void Form1::Label2_Click() {
    const auto bet = amountOf(Bet);
    const auto credits = amountOf(Credits);
    if (bet && credits && *bet < *credits) {
        PlaySnd(services(), "Bet", ui::kSndAsync);
        Bet.setCaption(ui::amountText(*bet + 1));
    }
}

void Form1::Label3_Click() {
    const auto bet = amountOf(Bet);
    if (bet && *bet > 0) {
        PlaySnd(services(), "Bet", ui::kSndAsync);
        Bet.setCaption(ui::amountText(*bet - 1));
    }
}

bool Form1::spinAccepted() {
    const ui::Amount bet = amountOf(Bet).value_or(0);
    const ui::Amount credits = amountOf(Credits).value_or(0);
    if (credits <= 0) {
        app().message("Game Over!");
        unload();
        return false;
    }
    if (bet > credits) {
        app().message("No credits!");
        Bet.setCaption(Credits.caption());
        return false;
    }
    if (bet == 0) {
        app().message("No bet!");
        return false;
    }
    return true;
}

}  // namespace quirvanto
