#include "bonus/form3.h"

#include "app/program.h"

namespace quirvanto {

namespace {
constexpr ui::WindowSpec kWindow{
    .caption = "Ladder  (ESC key to exit)", .outer = {4800, 7995}, .inner = {4680, 7485}};
}  // namespace

Form3::Form3(Program& program) : ui::Window(program, kWindow, "Form3"), program_(program) {}

void Form3::createControls() {}

}  // namespace quirvanto
