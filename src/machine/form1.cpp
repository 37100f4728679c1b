#include "machine/form1.h"

#include <string_view>

#include "app/program.h"
#include "title/form6.h"

namespace quirvanto {

namespace {
constexpr ui::WindowLayout kWindow{.caption = "Quirvanto",
                                   .outer = {6840, 6780},
                                   .inner = {6720, 6270},
                                   .back = ui::kBlack,
                                   .pointer = ui::Pointer::Window,
                                   .icon = ui::DesignPicture::ProgramIcon};
}  // namespace

Form1::Form1(Program& program) : ui::Window(program, kWindow, "Form1"), program_(program) {}

// Credits, bet and every caption start from the layout each time the machine is loaded.
void Form1::Form_Load() {
    TickerLine = 0;
}

void Form1::Form_Unload() {
    program_.form6().show();
}

void Form1::showTile(int tile, int value) {
    const char digit = static_cast<char>('0' + value);
    const std::string_view name(&digit, 1);
    X[tile].setPicture(services().pictures.file(name));
    NN[tile].setCaption(name);
}

void Form1::darkenLetters() {
    for (ui::Label& letter : Lett) {
        letter.setForeColour(ui::kBlack);
    }
}

}  // namespace quirvanto
