#include "bonus/form5.h"

#include "app/program.h"

namespace quirvanto {

namespace {
constexpr ui::WindowSpec kWindow{
    .caption = "Double Bet (ESC key to exit)", .outer = {4845, 8175}, .inner = {4725, 7665}};
}  // namespace

Form5::Form5(Program& program) : ui::Window(program, kWindow, "Form5"), program_(program) {}

void Form5::createControls() {}

}  // namespace quirvanto
