#include "bonus/form2.h"

#include "app/program.h"

namespace quirvanto {

namespace {
constexpr ui::WindowSpec kWindow{
    .caption = "Horse racing (ESC key to exit)", .outer = {6525, 3345}, .inner = {6405, 2835}};
}  // namespace

Form2::Form2(Program& program) : ui::Window(program, kWindow, "Form2"), program_(program) {}

void Form2::createControls() {}

}  // namespace quirvanto
