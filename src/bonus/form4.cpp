#include "bonus/form4.h"

#include "app/program.h"

namespace quirvanto {

namespace {
constexpr ui::WindowSpec kWindow{
    .caption = "High or Low (ESC key to exit)", .outer = {4725, 3480}, .inner = {4605, 2970}};
}  // namespace

Form4::Form4(Program& program) : ui::Window(program, kWindow, "Form4"), program_(program) {}

void Form4::createControls() {}

}  // namespace quirvanto
