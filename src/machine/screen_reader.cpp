// How a screen reader reads the machine: each tile by its place and value, the lit letters and
// wheel field, the held columns on their Hold buttons, and the values by their captions.

#include <string>

#include "machine/form1.h"

namespace quirvanto {

namespace {
bool lit(const ui::Label& label) {
    return label.foreColour() == ui::kWhite;
}
}  // namespace

void Form1::describeForScreenReaders() {
    for (int t = 0; t < X.size(); ++t) {
        X[t].setReading({.name = [this, t] {
            return "row " + std::to_string(t / 3 + 1) + ", column " + std::to_string(t % 3 + 1) +
                   ": " + NN[t].caption();
        }});
    }
    for (ui::Label& letter : Lett) {
        letter.setReading({.lit = [&letter] { return lit(letter); }});
    }
    for (ui::Label& field : Game) {
        field.setReading({.lit = [&field] { return lit(field); }});
    }
    for (int column = 0; column < Hold.size(); ++column) {
        Hold[column].setReading(
            {.name = [column] { return "Hold column " + std::to_string(column + 1); },
             .checked = [this, column] { return columnMarker(column).visible(); }});
    }
    // Holding only covers the Hold buttons between two offers; the hidden values say again
    // what the tiles read.
    Holding.setReading({.decorative = true});
    for (ui::Label& value : NN) {
        value.setReading({.decorative = true});
    }
    Credits.setReading({.caption = &Count, .announced = true});
    Bet.setReading({.caption = &Giocata});
    // "You can win:" and the win blink while the wheel's light runs.
    Etic[1].setReading({.blinking = [this] { return YouCan.enabled(); }});
    Win1.setReading(
        {.caption = &Etic[1], .announced = true, .blinking = [this] { return YouCan.enabled(); }});
}

}  // namespace quirvanto
