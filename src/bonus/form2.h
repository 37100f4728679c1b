#pragma once

#include "bonus/bonus_frame.h"
#include "ui/control_array.h"

namespace quirvanto {

// Horse racing: "You" moves one step per Go!, the opponents "A" and "B" on Timer1, whose
// interval every Go! draws anew. The first runner past the finish line ends the race.
class Form2 final : public BonusWindow {
public:
    ui::Label Label1;  // "You"
    ui::Label Label2;  // "A"
    ui::Label Label3;  // "B"
    ui::ControlArray<ui::Line, 5> L1;
    ui::Timer Galoppo;
    ui::Timer Timer1;

    explicit Form2(Program& program);

    void Label4_Click() override;
    void Timer1_Timer();
    void Galoppo_Timer();

protected:
    void createControls() override;
    void Form_Load() override;

private:
    void opponentWins(std::string_view message);
};

}  // namespace quirvanto
