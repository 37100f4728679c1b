// The letter tiles: the letter run after every spin (all nine pay three times the bet), and the
// two letter games of the wheel, Letters Held and Skill chance.

#include <algorithm>
#include <cctype>
#include <string>

#include "machine/form1.h"
#include "ui/play_snd.h"

namespace quirvanto {

namespace {
constexpr ui::Amount kLettersBonusTimesBet = 3;
constexpr std::int16_t kMostLettersHeldDraws = 10;

bool sameLetter(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) ==
               std::toupper(static_cast<unsigned char>(y));
    });
}
}  // namespace

void Form1::payLettersBonus() {
    PlaySnd(services(), "Bingo", ui::kSndAsync);
    ui::addAmount(Credits, Bet, kLettersBonusTimesBet);
    PlaySnd(services(), "Bingo", ui::kSndAsync);
}

void Form1::Zavri_Timer() {
    const ui::Amount letters = amountOf(Num).value_or(0);
    if (letters == 0) {
        Zavri.setEnabled(false);
        EndSpin();
        return;
    }
    // The run starts from -1, so its first tick lights nothing.
    ++StepCount;
    Lett[StepCount - 1].setForeColour(ui::kWhite);
    PlaySnd(services(), "Letter", ui::kSndAsync);
    if (letters <= StepCount) {
        if (letters == 9) {
            payLettersBonus();
        }
        Zavri.setEnabled(false);
        StepCount = 0;
        EndSpin();
    }
}

void Form1::Zavri2_Timer() {
    app().randomize();
    ++DrawCount;
    if (DrawCount <= kMostLettersHeldDraws) {
        const int drawn = app().draw(kTiles);
        Num.setCaption(std::to_string(drawn));
        if (drawn != 0) {
            ++StepCount;
            Lett[StepCount - 1].setForeColour(ui::kWhite);
            PlaySnd(services(), "Letter", ui::kSndAsync);
            if (drawn <= StepCount) {
                Zavri2.setEnabled(false);
                StepCount = 0;
            }
            return;
        }
    }
    PlaySnd(services(), "Lose", ui::kSndAsync);
    Zavri2.setEnabled(false);
    darkenLetters();
}

void Form1::Zavri3_Timer() {
    app().randomize();
    darkenLetters();
    Lett[app().draw(kTiles)].setForeColour(ui::kWhite);
    PlaySnd(services(), "Letter", ui::kSndAsync);
}

void Form1::Label6_Click() {
    // Only a stop of the running Skill chance pays. SPACE reaches this handler in other phases
    // too, and a spin started during Letters Held can leave the last tile lit on its own.
    const bool skillChanceRunning = Zavri3.enabled();
    Zavri3.setEnabled(false);
    for (int tile = 0; tile < Lett.size(); ++tile) {
        if (Lett[tile].foreColour() != ui::kWhite) {
            continue;
        }
        if (skillChanceRunning && sameLetter(Lett[tile].caption(), Lett[8].caption())) {
            for (ui::Label& letter : Lett) {
                letter.setForeColour(ui::kWhite);
                payLettersBonus();
            }
        }
        break;
    }
    Picture2.setVisible(false);
}

}  // namespace quirvanto
