#pragma once

#include <cstdint>

#include "bonus/bonus_frame.h"
#include "ui/control_array.h"

namespace quirvanto {

// Double Zavri: five phases, each a marker jumping between "Lose" and a multiplier x1 to x5.
// Stopping on the multiplier multiplies Premio and opens the next phase; after the fifth the
// prize (120 times the stake) is paid. Stopping on "Lose" loses it all.
class Form7 final : public BonusWindow {
public:
    ui::TextBox Fase;                    // the current phase, "1" to "6"; hidden
    ui::ControlArray<ui::Label, 10> BB;  // the marker cells, two per phase
    ui::ControlArray<ui::Label, 10> AA;  // "Lose" and the multiplier of each phase
    ui::Timer Timer1;
    ui::Timer Suono;
    ui::Timer Fine;

    // 0: the next marker tick lights the phase's "Lose" field; 1: its multiplier.
    std::int16_t BlinkState = 0;

    explicit Form7(Program& program);

    void Timer1_Timer();
    void Label4_Click() override;
    void Suono_Timer();
    void Fine_Timer();

protected:
    void createControls() override;
    void Form_Load() override;

private:
    [[nodiscard]] bool faseIs(int phase) const;
};

}  // namespace quirvanto
