#include "bonus/form2.h"

#include <array>
#include <string>

#include "app/program.h"

namespace quirvanto {

namespace {

constexpr ui::WindowLayout kWindow{.caption = "Horse racing (ESC key to exit)",
                                   .outer = {6525, 3345},
                                   .inner = {6405, 2835},
                                   .icon = ui::DesignPicture::ProgramIcon};

constexpr ui::Rect kPremio{120, 0, 6135, 495};

constexpr ui::LabelLayout runner(std::string_view caption, ui::Rect rect, ui::Colour back,
                                 ui::Colour fore) {
    return {.caption = caption,
            .rect = rect,
            .back = back,
            .fore = fore,
            .points = 9.75,
            .align = ui::Align::Centre};
}

constexpr ui::LabelLayout kLabel1 = runner("You", {120, 720, 540, 270}, 0x008000, 0x00C000);
constexpr ui::LabelLayout kLabel2 = runner("A", {120, 1200, 510, 270}, 0x0000FF, 0xFFFFFF);
constexpr ui::LabelLayout kLabel3 = runner("B", {120, 1680, 510, 270}, 0xC00000, 0xC0FFFF);

constexpr ui::LabelLayout kLabel4{.caption = "Go!   Click here or press SPACE Key, Hurry up!!!",
                                  .rect = {120, 2280, 6135, 375},
                                  .back = 0x800080,
                                  .fore = 0xC0FFFF,
                                  .points = 11.25,
                                  .align = ui::Align::Centre,
                                  .clickable = true};

constexpr ui::Colour kTrack = 0x80C0FF;
constexpr std::array<ui::LineLayout, 5> kL1{{
    {.x1 = 120, .y1 = 600, .x2 = 6240, .y2 = 600, .colour = kTrack, .widthPixels = 3},
    {.x1 = 120, .y1 = 1080, .x2 = 6240, .y2 = 1080, .colour = kTrack, .widthPixels = 3},
    {.x1 = 120, .y1 = 1560, .x2 = 6240, .y2 = 1560, .colour = kTrack, .widthPixels = 3},
    {.x1 = 120, .y1 = 2040, .x2 = 6240, .y2 = 2040, .colour = kTrack, .widthPixels = 3},
    {.x1 = 5640, .y1 = 600, .x2 = 5640, .y2 = 2040, .colour = kTrack, .widthPixels = 3},
}};

constexpr ui::TimerLayout kGaloppo{.intervalMs = 1000, .enabled = true};
constexpr ui::TimerLayout kTimer1{.intervalMs = 100, .enabled = true};

// A runner has won once its left edge is past the finish line L1(4).
constexpr ui::Twips kFinishLine = 5640;

}  // namespace

Form2::Form2(Program& program) : BonusWindow(program, kWindow, "Form2") {}

void Form2::createControls() {
    for (int i = 0; i < L1.size(); ++i) {
        create(L1[i], "L1", kL1[static_cast<std::size_t>(i)], i);
    }
    createPremio(kPremio);
    create(Label1, "Label1", kLabel1);
    create(Label2, "Label2", kLabel2);
    create(Label3, "Label3", kLabel3);
    createLabel4(kLabel4);
    createPrimoPiano();
    create(Galoppo, "Galoppo", kGaloppo, [this] { Galoppo_Timer(); });
    create(Timer1, "Timer1", kTimer1, [this] { Timer1_Timer(); });
}

void Form2::Form_Load() {
    Timer1.setEnabled(true);
    Galoppo.setEnabled(true);
}

void Form2::Galoppo_Timer() {
    play("Horse");
}

// Go!
void Form2::Label4_Click() {
    app().randomize();
    const int r = app().draw(5) + 1;
    const int interval = app().draw(1200) + 1;
    const ui::Twips step = r == 1 ? 100 : 200;
    Label1.setLeft(Label1.left() + step);
    Timer1.setInterval(interval);
    if (Label1.left() > kFinishLine) {
        // The race stops before the message, so no tick during it can end the race again.
        Timer1.setEnabled(false);
        Galoppo.setEnabled(false);
        app().message("You Win " + Premio.caption() + " bets");
        payPrize(1);
        play("None");
        Label4.setVisible(false);
        unload();
    }
}

// The opponents' step.
void Form2::Timer1_Timer() {
    app().randomize();
    const ui::Twips stepA = app().draw(5) + 1 == 1 ? 300 : 600;
    Label2.setLeft(Label2.left() + stepA);
    const ui::Twips stepB = app().draw(5) + 1 == 1 ? 100 : 200;
    Label3.setLeft(Label3.left() + stepB);
    if (Label2.left() > kFinishLine) {
        opponentWins("Horse A");
    } else if (Label3.left() > kFinishLine) {
        opponentWins("Horse B");
    }
}

void Form2::opponentWins(std::string_view message) {
    Timer1.setEnabled(false);
    Galoppo.setEnabled(false);
    app().message(message);
    PrimoPiano.setEnabled(false);
    play("None");
    Label4.setVisible(false);
    unload();
}

}  // namespace quirvanto
