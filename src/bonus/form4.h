#pragma once

#include <cstdint>

#include "bonus/bonus_frame.h"
#include "ui/control_array.h"

namespace quirvanto {

// High or Low: a number from 1 to 1000 is shown 50 ms after opening; the player guesses whether
// the next one will be higher or lower. An equal number is a right guess either way.
class Form4 final : public BonusWindow {
public:
    ui::ControlArray<ui::Label, 1> AA;  // the shown number, later the result line
    ui::Label Label1;                   // the choice Low; Label4 is High
    ui::Timer Timer1;
    ui::Timer Suono;
    ui::Timer Fine;

    std::int16_t ShownNumber = 0;
    std::int16_t NextNumber = 0;

    explicit Form4(Program& program);

    void Timer1_Timer();
    void Label4_Click() override;
    void Label1_Click();
    void Suono_Timer();
    void Fine_Timer();

protected:
    void createControls() override;
    void Form_Load() override;
    // 1 chooses High and 2 Low, each while its label is visible; Space does nothing here.
    void Form_KeyDown(int keyCode, int shift) override;

private:
    enum class Guess { High, Low };
    void choose(Guess guess);
};

}  // namespace quirvanto
