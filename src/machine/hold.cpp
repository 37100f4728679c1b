// The hold offer: Hold buttons toggle the column markers, the second Spin redraws the free
// columns (eleven passes each, back to back; the last pass is the result).

#include "machine/form1.h"
#include "ui/play_snd.h"

namespace quirvanto {

namespace {
constexpr int kPassesPerColumn = 11;
}  // namespace

ui::Line& Form1::columnMarker(int column) {
    switch (column) {
        case 0:
            return Col1;
        case 1:
            return Col2;
        default:
            return Col3;
    }
}

void Form1::Hold_Click(int Index) {
    PlaySnd(services(), "Hold", ui::kSndAsync);
    if (Index >= 0 && Index <= 2) {
        ui::Line& marker = columnMarker(Index);
        marker.setVisible(!marker.visible());
    }
}

void Form1::Label5_Click() {
    Label5.setVisible(false);
    for (int column = 0; column < 3; ++column) {
        if (columnMarker(column).visible()) {
            continue;
        }
        for (int pass = 0; pass < kPassesPerColumn; ++pass) {
            PlaySnd(services(), "Hold2", ui::kSndAsync);
            const int top = app().draw(kTileValues) + 1;
            const int middle = app().draw(kTileValues) + 1;
            const int bottom = app().draw(kTileValues) + 1;
            showTile(column, top);
            showTile(column + 3, middle);
            showTile(column + 6, bottom);
        }
    }
    WinLines = 0;
    Vincite.setEnabled(true);
}

}  // namespace quirvanto
