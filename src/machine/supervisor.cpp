// The supervisor, which brings Spin, "+" and "-" back once the machine has come to rest, and the
// ticker line with its random colours for the pay labels.

#include <algorithm>
#include <array>
#include <string_view>

#include "machine/form1.h"

namespace quirvanto {

namespace {

constexpr std::array<std::string_view, 9> kTickerLines{"Quirvanto Team presents Quirvanto",
                                                       "Quirvanto 1.00",
                                                       "www.quirvanto.example",
                                                       "play.quirvanto.example",
                                                       "help.quirvanto.example",
                                                       "news.quirvanto.example",
                                                       "coins.quirvanto.example",
                                                       "Copyright 2026 Quirvanto Team",
                                                       "All rights reserved"};

// The sixteen-colour palette, &HBBGGRR; the ticker draws indices 0 to 14.
constexpr std::array<ui::Colour, 16> kPalette{
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
constexpr int kDrawnColours = 15;

}  // namespace

void Form1::Controllo_Timer() {
    // A running evaluation or blinking win counts as busy too: the win is being offered.
    const bool busy = Roll.enabled() || Zavri.enabled() || Zavri2.enabled() || Zavri3.enabled() ||
                      Try.enabled() || Vincite.enabled() || YouCan.enabled() || Label5.visible() ||
                      Picture2.visible() || Label1.visible();
    if (!busy) {
        Label5.setVisible(false);
        Label1.setVisible(true);
        Label2.setVisible(true);
        Label3.setVisible(true);
    }
}

void Form1::Publi_Timer() {
    std::array<ui::Colour, 4> colours{};
    for (ui::Colour& colour : colours) {
        colour = kPalette[static_cast<std::size_t>(app().draw(kDrawnColours))];
    }
    if (std::find(colours.begin(), colours.end(), ui::kBlack) == colours.end()) {
        Etic[0].setForeColour(colours[0]);
        Etic[2].setForeColour(colours[1]);
        Etic[3].setForeColour(colours[2]);
        Etic[4].setForeColour(colours[3]);
    }
    if (TickerLine >= 0 && TickerLine < static_cast<int>(kTickerLines.size())) {
        Holding.setCaption(kTickerLines[static_cast<std::size_t>(TickerLine)]);
    }
    ++TickerLine;
    if (TickerLine > 8) {
        TickerLine = 0;
    }
}

}  // namespace quirvanto
