#pragma once

#include <cstdint>

#include "ui/control_array.h"
#include "ui/window.h"

namespace quirvanto {

class Program;

// The title window, shown whenever the machine window closes. Coins of 10 credits go in with
// key 5; key 1 or a click on the continue prompt takes them back to the machine; ESC or the close
// box ends the program. Meanwhile the letter tiles rise, the icon bounces, the ticker scrolls and
// the two dashed strips run.
class Form6 final : public ui::Window {
public:
    explicit Form6(Program& program);

    ui::PictureBox Picture1;
    ui::ControlArray<ui::Label, 9> Lett;
    // Only L1(0), L1(1) and L1(4) exist.
    ui::ControlArray<ui::Line, 5> L1;
    ui::ControlArray<ui::Image, 10> I;
    ui::Image Shape1;
    ui::Label Holding;
    // AA(0) the blinking coin prompt, AA(1) the continue prompt, AA(2) the credits inserted.
    ui::ControlArray<ui::Label, 3> AA;
    ui::PictureBox Picture2;
    // AX(0) to AX(3) are the dashes of Picture1, AX(4) to AX(7) those of Picture2.
    ui::ControlArray<ui::Label, 8> AX;

    ui::Timer Timer1;
    ui::Timer Timer2;
    ui::Timer Timer3;
    ui::Timer Timer4;
    ui::Timer Scroll;
    ui::Timer Press;

    std::int16_t PressBlink = 0;
    std::int16_t ToMachine = 0;
    std::int16_t RisingLetter = 0;
    double ShapeX = 0;
    std::int16_t ShapeY = 0;
    // The icon's directions are never reset by Form_Load: a later visit to the title window
    // starts the icon the way it was last going.
    bool ShapeRight = false;
    std::int16_t ShapeDown = 0;  // -1 moving down, 0 moving up

    void Form_Load() override;
    void Form_KeyDown(int keyCode, int shift) override;
    void Form_KeyPress(int keyAscii) override;
    void AA_Click(int index);
    void Press_Timer();
    void Form_Unload() override;

    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();
    void Scroll_Timer();

protected:
    void createControls() override;

private:
    void continueToMachine();

    Program& program_;
};

}  // namespace quirvanto
