// The three rows are evaluated into the pending win Win1; a win blinks "You can win:" and
// starts the wheel. Nothing here reaches the credits.

#include <array>
#include <limits>
#include <string>
#include <string_view>

#include "machine/form1.h"
#include "ui/play_snd.h"

namespace quirvanto {

namespace {

using Payline = std::array<int, 3>;

// A row of List1: three tile indices joined by "-". A part that is no tile index reaches no tile.
Payline paylineOf(std::string_view item) {
    Payline tiles{-1, -1, -1};
    for (int& tile : tiles) {
        const std::size_t dash = item.find('-');
        if (const auto index = ui::parseAmount(item.substr(0, dash));
            index && *index >= 0 && *index < 9) {
            tile = static_cast<int>(*index);
        }
        item = dash == std::string_view::npos ? std::string_view{} : item.substr(dash + 1);
    }
    return tiles;
}

}  // namespace

void Form1::addLineWin(ui::Amount multiplier) {
    PlaySnd(services(), "Win1", ui::kSndAsync);
    ui::addAmount(Win1, Bet, multiplier);
    YouCanPhase = 0;
    YouCan.setEnabled(true);
    TryStep = 0;
    // The count stops at its largest value rather than wrapping round to a negative one.
    if (WinLines < std::numeric_limits<std::int16_t>::max()) {
        ++WinLines;
    }
}

void Form1::Vincite_Timer() {
    Vincite.setEnabled(false);
    Holding.setVisible(true);
    Col1.setVisible(false);
    Col2.setVisible(false);
    Col3.setVisible(false);
    for (const std::string& item : List1.items()) {
        const auto [ta, tb, tc] = paylineOf(item);
        const std::string& a = NN[ta].caption();
        const std::string& b = NN[tb].caption();
        const std::string& c = NN[tc].caption();
        if (a == b && c == a && c == b) {
            addLineWin(2);
        }
        if (a == b || c == a || c == b) {
            addLineWin(1);
        }
    }
    if (WinLines < 1) {
        Label5.setVisible(false);
        Label1.setVisible(true);
        Label2.setVisible(true);
        Label3.setVisible(true);
    }
}

void Form1::YouCan_Timer() {
    if (YouCanPhase == 0) {
        Etic[1].setVisible(true);
        Win1.setVisible(true);
        YouCanPhase = 1;
        return;
    }
    if (YouCanPhase == 1) {
        Etic[1].setVisible(false);
        Win1.setVisible(false);
        YouCanPhase = 0;
    }
    PlaySnd(services(), "Meter", ui::kSndAsync);
    Try.setEnabled(true);
    Suono.setEnabled(true);
}

void Form1::Suono_Timer() {
    PlaySnd(services(), "Meter", ui::kSndAsync);
}

}  // namespace quirvanto
