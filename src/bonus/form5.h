#pragma once

#include <cstdint>

#include "bonus/bonus_frame.h"
#include "ui/control_array.h"

namespace quirvanto {

// Double Bet: a marker runs down ten rows, "Win" and "Lose" by turns; Stop beside a "Win" row
// pays the stake once.
class Form5 final : public BonusWindow {
public:
    ui::ControlArray<ui::Label, 10> AA;  // the rows, top to bottom
    ui::ControlArray<ui::Label, 10> BB;  // the marker beside each row
    ui::Timer Timer1;
    ui::Timer Suono;
    ui::Timer Fine;

    // The row whose marker the next tick shows; 10 is the blank tick between two runs.
    std::int16_t MarkerStep = 0;

    explicit Form5(Program& program);

    void Timer1_Timer();
    void Label4_Click() override;
    void Suono_Timer();
    void Fine_Timer();

protected:
    void createControls() override;
    void Form_Load() override;
};

}  // namespace quirvanto
