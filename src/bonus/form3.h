#pragma once

#include <cstdint>

#include "bonus/bonus_frame.h"
#include "ui/control_array.h"

namespace quirvanto {

// Ladder: a marker runs down ten rungs, "x 6" at the top to "Lose" at the bottom; Stop beside a
// multiplier rung pays the stake that many times.
class Form3 final : public BonusWindow {
public:
    ui::ControlArray<ui::Label, 10> AA;  // the rungs, top to bottom
    ui::ControlArray<ui::Label, 10> BB;  // the marker beside each rung
    ui::Timer Timer1;
    ui::Timer Suono;
    ui::Timer Fine;

    // The rung whose marker the next tick shows; 10 is the blank tick between two runs.
    std::int16_t MarkerStep = 0;

    explicit Form3(Program& program);

    void Timer1_Timer();
    void Label4_Click() override;
    void Suono_Timer();
    void Fine_Timer();

protected:
    void createControls() override;
    void Form_Load() override;
};

}  // namespace quirvanto
