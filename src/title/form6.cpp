#include "title/form6.h"

#include "app/program.h"
#include "machine/form1.h"
#include "ui/label_amounts.h"
#include "ui/play_snd.h"

namespace quirvanto {

namespace {
constexpr std::string_view kTickerLine =
    "Quirvanto Team presents the game Quirvanto - Copyright 2026, all rights reserved - "
    "www.quirvanto.example - play.quirvanto.example - help.quirvanto.example - "
    "news.quirvanto.example - coins.quirvanto.example - You have a good day and enjoy";
constexpr ui::Amount kCoinCredits = 10;
}  // namespace

void Form6::Form_Load() {
    ShapeX = Shape1.left();
    ShapeY = static_cast<std::int16_t>(Shape1.top());
    RisingLetter = 0;
    PressBlink = 0;
    ToMachine = 0;
    Holding.setCaption(kTickerLine);
}

void Form6::Form_KeyDown(int keyCode, int /*shift*/) {
    if (keyCode == ui::key::kDigit5) {
        AA[1].setVisible(true);
        AA[2].setVisible(true);
        ui::addAmount(AA[2], kCoinCredits);
        PlaySnd(services(), "Coin2", ui::kSndAsync);
    }
    if (keyCode == ui::key::kDigit1 && AA[1].visible()) {
        continueToMachine();
    }
}

void Form6::AA_Click(int index) {
    if (index == 1) {
        continueToMachine();
    }
}

void Form6::continueToMachine() {
    Form1& machine = program_.form1();
    machine.show();
    machine.Credits.setCaption(AA[2].caption());
    ToMachine = 1;
    unload();
}

void Form6::Form_KeyPress(int keyAscii) {
    if (keyAscii == ui::key::kEscape) {
        unload();
    }
}

// Leaving the title window without going back to the machine ends the game.
void Form6::Form_Unload() {
    if (ToMachine == 0) {
        app().end();
    }
}

void Form6::Press_Timer() {
    if (PressBlink == 0) {
        AA[0].setVisible(false);
        PressBlink = 1;
        return;
    }
    if (PressBlink == 1) {
        AA[0].setVisible(true);
        PressBlink = 0;
    }
}

}  // namespace quirvanto
