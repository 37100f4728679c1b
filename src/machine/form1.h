#pragma once

#include <cstdint>
#include <optional>

#include "ui/amount.h"
#include "ui/control.h"
#include "ui/control_array.h"
#include "ui/label_amounts.h"
#include "ui/timer.h"
#include "ui/window.h"

namespace quirvanto {

// The grid's nine tiles, each showing a value from 1 to 9 (its picture and its one-digit caption);
// nine letters, one under each tile.
inline constexpr int kTiles = 9;
inline constexpr int kTileValues = 9;

class Program;
class BonusWindow;

// The machine: the window the program opens with and the owner of the whole game state. Its
// controls are the state: credits, bet and win are captions, a tile value is the caption of NN,
// a held column is a visible marker line, a lit letter or wheel field has white text.
// Everything is public: the bonus and title windows, and the tests, reach it by these names.
class Form1 final : public ui::Window {
public:
    explicit Form1(Program& program);

    // The grid: X shows the tiles, NN (inside the hidden Picture1) holds their values.
    ui::ControlArray<ui::Image, kTiles> X;
    ui::ControlArray<ui::Image, 4> XX;  // row arrows 1..3
    ui::ControlArray<ui::Label, kTiles> NN;
    ui::Label Num;
    ui::Line Col1;
    ui::Line Col2;
    ui::Line Col3;
    ui::ListBox List1;
    ui::PictureBox Picture1;

    ui::ControlArray<ui::Label, kTiles> Lett;
    ui::ControlArray<ui::Label, 12> Game;
    ui::Label Scelta;
    ui::ControlArray<ui::Label, 5> Etic;
    ui::Label Win1;

    ui::Label Label1;  // Spin
    ui::Label Label2;  // +
    ui::Label Label3;  // -
    ui::Label Label4;  // Stop of the wheel
    ui::Label Label5;  // second Spin
    ui::Label Label6;  // Stop of the Skill chance panel
    ui::ControlArray<ui::Label, 3> Hold;

    ui::Label Count;
    ui::Label Credits;
    ui::Label Giocata;
    ui::Label Bet;
    ui::Label Holding;
    ui::PictureBox Picture2;

    ui::ControlArray<ui::Line, 9> L1;
    ui::Line Line1;

    ui::Timer Roll;
    ui::Timer Zavri;
    ui::Timer Vincite;
    ui::Timer YouCan;
    ui::Timer Try;
    ui::Timer Suono;
    ui::Timer Zavri2;
    ui::Timer Zavri3;
    ui::Timer Controllo;
    ui::Timer Publi;

    // The window's own variables: they keep their values across unload and load; only
    // Form_Load sets TickerLine.
    std::int16_t StepCount = 0;
    std::int16_t DrawCount = 0;
    std::int16_t YouCanPhase = 0;
    std::int16_t TryStep = 0;
    std::int16_t WinLines = 0;
    std::int16_t TickerLine = 0;

    void Form_Load() override;
    void Form_Unload() override;
    void Form_KeyDown(int keyCode, int shift) override;
    void Form_KeyPress(int keyAscii) override;

    void Label1_Click();
    void Label2_Click();
    void Label3_Click();
    void Label4_Click();
    void Label5_Click();
    void Label6_Click();
    void Hold_Click(int Index);

    void Roll_Timer();
    void EndSpin();
    void Vincite_Timer();
    void YouCan_Timer();
    void Suono_Timer();
    void Try_Timer();
    void Zavri_Timer();
    void Zavri2_Timer();
    void Zavri3_Timer();
    void Controllo_Timer();
    void Publi_Timer();

protected:
    void createControls() override;

private:
    // The spin check run before a spin: true when the spin may go on.
    [[nodiscard]] bool spinAccepted();
    // Three times the bet straight into the credits, between two "Bingo" sounds.
    void payLettersBonus();
    // One rule matched on a payline: the win grows by the bet times the multiplier.
    void addLineWin(ui::Amount multiplier);
    void openBonus(BonusWindow& bonus);
    void startLetterGame(ui::Timer& game);
    void showTile(int tile, int value);
    void darkenLetters();
    [[nodiscard]] ui::Line& columnMarker(int column);
    void describeForScreenReaders();

    Program& program_;
};

using ui::amountOf;

}  // namespace quirvanto
