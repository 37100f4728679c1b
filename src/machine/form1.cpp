#include "machine/form1.h"

#include "app/program.h"

namespace quirvanto {

namespace {
constexpr ui::WindowSpec kWindow{
    .caption = "Quirvanto", .outer = {6840, 6780}, .inner = {6720, 6270}};
}  // namespace

Form1::Form1(Program& program) : ui::Window(program, kWindow, "Form1"), program_(program) {}

void Form1::createControls() {}

}  // namespace quirvanto
