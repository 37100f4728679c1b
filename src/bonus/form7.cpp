#include "bonus/form7.h"

#include "app/program.h"

namespace quirvanto {

namespace {
constexpr ui::WindowSpec kWindow{
    .caption = "Double Zavri (ESC key to exit)", .outer = {4065, 7830}, .inner = {3945, 7320}};
}  // namespace

Form7::Form7(Program& program) : ui::Window(program, kWindow, "Form7"), program_(program) {}

void Form7::createControls() {}

}  // namespace quirvanto
