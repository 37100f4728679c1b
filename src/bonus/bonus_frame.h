#pragma once

#include <string_view>

#include "ui/amount.h"
#include "ui/control_array.h"
#include "ui/window.h"

namespace quirvanto {

class Program;

// What every bonus window shares. The machine opens one by loading and showing it, copying its
// pending win into Premio and taking no input until the window unloads again. The window keeps
// the keyboard with PrimoPiano, leaves at once on ESC, and pays a won game into the machine's
// Credits as Premio times the game's multiplier.
class BonusWindow : public ui::Window {
public:
    // The stake: "0" until the machine copies its pending win, then the base of the prize.
    ui::Label Premio;
    // The game's action button. Its key does the same as a click, only while it is visible.
    ui::Label Label4;
    ui::Timer PrimoPiano;

    void PrimoPiano_Timer();
    virtual void Label4_Click() = 0;

protected:
    BonusWindow(Program& program, const ui::WindowLayout& window, std::string_view name);

    // The window's layout gives the place of Premio; the rest of its look is the same everywhere.
    void createPremio(ui::Rect rect);
    void createLabel4(const ui::LabelLayout& layout);
    void createPrimoPiano();
    // A marker beside a row reads as the row lit; the marker itself, which moves on every
    // tick, stays out of a screen reader's way.
    template <int N>
    static void readMarkersOnRows(ui::ControlArray<ui::Label, N>& rows,
                                  ui::ControlArray<ui::Label, N>& markers) {
        for (int i = 0; i < N; ++i) {
            markers[i].setReading({.decorative = true});
            rows[i].setReading({.lit = [&markers, i] { return markers[i].visible(); }});
        }
    }

    // Space runs Label4_Click while Label4 is visible.
    void Form_KeyDown(int keyCode, int shift) override;
    // ESC leaves at once: no prize, no end sound.
    void Form_KeyPress(int keyAscii) override;
    void Form_Unload() override;

    // Credits := Credits + Premio x multiplier. A caption that is not a whole number leaves the
    // credits as they are, and the game goes on to its end.
    void payPrize(ui::Amount multiplier);
    // The delayed end, 2 seconds after the decision: the window lets go of the keyboard, cuts off
    // its sound and closes.
    void endAfterFine(ui::Timer& fine);
    void play(std::string_view sound);

    Program& program_;
};

}  // namespace quirvanto
