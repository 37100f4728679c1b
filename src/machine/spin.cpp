// The spin: the bet leaves the credits, one random tile changes per tick for the roll's ticks
// (fewer or more when StepCount does not start at 0), then the letters light and EndSpin hands
// over.

#include <string>

#include "machine/form1.h"
#include "machine/roll.h"
#include "ui/play_snd.h"

namespace quirvanto {

namespace {
constexpr std::int16_t kLastRollStep = kRollTicks - 1;
constexpr int kLetterCount = 10;
}  // namespace

void Form1::Label1_Click() {
    if (!spinAccepted()) {
        return;
    }
    Etic[1].setVisible(false);
    Win1.setVisible(false);
    Win1.setCaption("0");
    Label1.setVisible(false);
    Label2.setVisible(false);
    Label3.setVisible(false);
    Label5.setVisible(false);
    Holding.setVisible(true);
    Col1.setVisible(false);
    Col2.setVisible(false);
    Col3.setVisible(false);
    darkenLetters();
    PlaySnd(services(), "Roll1", ui::kSndAsync);
    Roll.setEnabled(true);
    const auto credits = amountOf(Credits);
    const auto bet = amountOf(Bet);
    if (credits && bet) {
        Credits.setCaption(ui::amountText(*credits - *bet));
    }
}

void Form1::Roll_Timer() {
    app().randomize();
    const int tile = app().draw(kTiles);
    const int value = app().draw(kTileValues) + 1;
    const int letters = app().draw(kLetterCount);
    showTile(tile, value);
    ++StepCount;
    if (StepCount > kLastRollStep) {
        StepCount = -1;
        Roll.setEnabled(false);
        PlaySnd(services(), "Roll2", ui::kSndAsync);
        Num.setCaption(std::to_string(letters));
        Zavri.setEnabled(true);
    }
}

void Form1::EndSpin() {
    if (amountOf(Num) == 9) {
        PlaySnd(services(), "Bingo", ui::kSndAsync);
    }
    for (int tile = 0; tile < NN.size(); ++tile) {
        if (amountOf(NN[tile]) == 5) {
            PlaySnd(services(), "Nn", ui::kSndAsync);
            Holding.setVisible(false);
            Label5.setVisible(true);
            return;
        }
    }
    Vincite.setEnabled(true);
}

}  // namespace quirvanto
