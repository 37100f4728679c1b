#include "bonus/bonus_frame.h"

#include "app/program.h"
#include "machine/form1.h"
#include "ui/label_amounts.h"
#include "ui/play_snd.h"

namespace quirvanto {

namespace {
constexpr int kPrimoPianoMs = 1;
}  // namespace

BonusWindow::BonusWindow(Program& program, const ui::WindowLayout& window, std::string_view name)
    : ui::Window(program, window, name), program_(program) {}

void BonusWindow::createPremio(ui::Rect rect) {
    create(Premio, "Premio",
           {.caption = "0",
            .rect = rect,
            .fore = ui::kWhite,
            .points = 21.75,
            .align = ui::Align::Centre});
}

void BonusWindow::createLabel4(const ui::LabelLayout& layout) {
    create(Label4, "Label4", layout);
    Label4.setClickHandler([this] { Label4_Click(); });
}

void BonusWindow::createPrimoPiano() {
    create(PrimoPiano, "PrimoPiano", {.intervalMs = kPrimoPianoMs, .enabled = true},
           [this] { PrimoPiano_Timer(); });
}

void BonusWindow::PrimoPiano_Timer() {
    takeFocus();
}

void BonusWindow::Form_KeyDown(int keyCode, int /*shift*/) {
    if (keyCode == ui::key::kSpace && Label4.visible()) {
        Label4_Click();
    }
}

void BonusWindow::Form_KeyPress(int keyAscii) {
    if (keyAscii == ui::key::kEscape) {
        unload();
    }
}

void BonusWindow::Form_Unload() {
    program_.form1().setTakesInput(true);
}

void BonusWindow::payPrize(ui::Amount multiplier) {
    ui::addAmount(program_.form1().Credits, Premio, multiplier);
}

void BonusWindow::endAfterFine(ui::Timer& fine) {
    PrimoPiano.setEnabled(false);
    play("None");
    fine.setEnabled(false);
    unload();
}

void BonusWindow::play(std::string_view sound) {
    PlaySnd(services(), sound, ui::kSndAsync);
}

}  // namespace quirvanto
