#include "title/form6.h"

#include "app/program.h"

namespace quirvanto {

namespace {
constexpr ui::WindowSpec kWindow{
    .caption = "Quirvanto - Quirvanto Team 2026 - www.quirvanto.example",
    .outer = {6840, 6525},
    .inner = {6720, 6015}};
}  // namespace

Form6::Form6(Program& program) : ui::Window(program, kWindow, "Form6"), program_(program) {}

void Form6::createControls() {}

}  // namespace quirvanto
