#include <array>
#include <string_view>

#include "app/program.h"
#include "title/form6.h"

// The title window's layout, back to front. Positions and sizes in twips, colours &HBBGGRR.
namespace quirvanto {

namespace {

using ui::DesignPicture;

constexpr ui::WindowLayout kWindow{
    .caption = "Quirvanto - Quirvanto Team 2026 - www.quirvanto.example",
    .outer = {6840, 6525},
    .inner = {6720, 6015},
    .back = ui::kBlack,
    .icon = DesignPicture::ProgramIcon};

constexpr double kPoints = 14.25;

constexpr ui::PictureBoxLayout kPicture1{.rect = {120, 120, 6495, 135}, .back = ui::kBlack};
constexpr ui::PictureBoxLayout kPicture2{.rect = {120, 5880, 6495, 135}, .back = ui::kBlack};

constexpr std::array<std::string_view, 9> kLettCaptions{"Q", "U", "I", "R", "V",
                                                        "A", "N", "T", "O"};
// The gap between tile 4 and tile 5 is 120 twips wider than the others.
constexpr std::array<ui::Twips, 9> kLettLefts{120, 840, 1560, 2280, 3000, 3840, 4560, 5280, 6000};
constexpr ui::LabelLayout kLett{
    .rect = {0, 960, 615, 615}, .back = 0x0080FF, .points = 24, .align = ui::Align::Centre};

constexpr ui::Colour kRuleColour = 0x80C0FF;
constexpr ui::LineLayout kL1Index4{
    .x1 = 120, .y1 = 1680, .x2 = 6600, .y2 = 1680, .colour = kRuleColour, .widthPixels = 3};
constexpr ui::LineLayout kL1Index1{
    .x1 = 120, .y1 = 2400, .x2 = 6600, .y2 = 2400, .colour = kRuleColour, .widthPixels = 3};
constexpr ui::LineLayout kL1Index0{
    .x1 = 120, .y1 = 3720, .x2 = 6600, .y2 = 3720, .colour = kRuleColour, .widthPixels = 3};

constexpr std::array<DesignPicture, 10> kSymbols{
    DesignPicture::Melon,      DesignPicture::Banana,     DesignPicture::Pear,
    DesignPicture::Strawberry, DesignPicture::NumberTile, DesignPicture::Plum,
    DesignPicture::Apple,      DesignPicture::Lemon,      DesignPicture::Orange,
    DesignPicture::Cherries};
constexpr std::array<ui::Twips, 10> kSymbolLefts{120,  720,  1320, 1920, 2520,
                                                 3240, 3960, 4680, 5400, 6120};
constexpr ui::Twips kSymbolTop = 1800;
constexpr ui::Twips kSymbolSize = 480;

constexpr ui::ImageLayout kShape1{.rect = {4800, 2520, 480, 480},
                                  .picture = DesignPicture::ProgramIcon};

// Its width follows the ticker line set at load; 90 is the width of the empty caption.
constexpr ui::LabelLayout kHolding{.rect = {240, 2880, 90, 405},
                                   .back = ui::kBlack,
                                   .fore = 0x80FFFF,
                                   .points = kPoints,
                                   .sizesToCaption = true};

constexpr ui::LabelLayout kAA0{.caption = "Press 5 (Insert coin)",
                               .rect = {120, 4200, 6495, 495},
                               .fore = 0x00FFFF,
                               .points = kPoints,
                               .align = ui::Align::Centre};
constexpr ui::LabelLayout kAA2{.caption = "0",
                               .rect = {120, 4800, 6375, 495},
                               .fore = 0xFFC0FF,
                               .points = kPoints,
                               .align = ui::Align::Centre,
                               .visible = false};
constexpr ui::LabelLayout kAA1{.caption = "Click here to continue or press 1",
                               .rect = {720, 5280, 5145, 405},
                               .fore = 0xC0C0C0,
                               .points = kPoints,
                               .align = ui::Align::Centre,
                               .visible = false,
                               .clickable = true};

// The same four dashes in each strip, positioned inside it.
constexpr std::array<ui::Rect, 4> kDashes{ui::Rect{0, 0, 1410, 45}, ui::Rect{1560, 0, 930, 45},
                                          ui::Rect{2640, 0, 2250, 45}, ui::Rect{5040, 0, 1410, 45}};
constexpr ui::Colour kDashBack = 0xFFC0FF;
constexpr ui::Colour kDashFore = 0x80FFFF;

// 1 ms: these tick as fast as window timers run.
constexpr ui::TimerLayout kTimer1{.intervalMs = 1, .enabled = true};
constexpr ui::TimerLayout kTimer2{.intervalMs = 50, .enabled = true};
constexpr ui::TimerLayout kTimer3{.intervalMs = 1, .enabled = true};
constexpr ui::TimerLayout kTimer4{.intervalMs = 1, .enabled = true};
constexpr ui::TimerLayout kScroll{.intervalMs = 1, .enabled = true};
constexpr ui::TimerLayout kPress{.intervalMs = 700, .enabled = true};

}  // namespace

Form6::Form6(Program& program) : ui::Window(program, kWindow, "Form6"), program_(program) {}

void Form6::createControls() {
    create(Picture1, "Picture1", kPicture1);
    for (int k = 0; k < 9; ++k) {
        ui::LabelLayout tile = kLett;
        tile.caption = kLettCaptions[k];
        tile.rect.left = kLettLefts[k];
        create(Lett[k], "Lett", tile, k);
    }
    create(L1[4], "L1", kL1Index4, 4);
    for (int k = 0; k < 10; ++k) {
        create(I[k], "I",
               {.rect = {kSymbolLefts[k], kSymbolTop, kSymbolSize, kSymbolSize},
                .picture = kSymbols[k]},
               k);
    }
    create(L1[1], "L1", kL1Index1, 1);
    create(Shape1, "Shape1", kShape1);
    create(Holding, "Holding", kHolding);
    create(L1[0], "L1", kL1Index0, 0);
    create(AA[0], "AA", kAA0, 0);
    create(AA[2], "AA", kAA2, 2);
    create(AA[1], "AA", kAA1, 1);
    create(Picture2, "Picture2", kPicture2);
    for (int k = 0; k < 8; ++k) {
        ui::PictureBox& strip = k < 4 ? Picture1 : Picture2;
        create(AX[k], "AX", {.rect = kDashes[k % 4], .back = kDashBack, .fore = kDashFore}, k,
               &strip);
    }
    for (int k = 0; k < 3; ++k) {
        AA[k].setClickHandler([this, k] { AA_Click(k); });
    }
    // The coin prompt blinks, the strips and their dashes only decorate; the coins count.
    AA[0].setReading({.blinking = [this] { return Press.enabled(); }});
    AA[2].setReading({.announced = true});
    Picture1.setReading({.decorative = true});
    Picture2.setReading({.decorative = true});

    create(Timer1, "Timer1", kTimer1, [this] { Timer1_Timer(); });
    create(Timer2, "Timer2", kTimer2, [this] { Timer2_Timer(); });
    create(Timer3, "Timer3", kTimer3, [this] { Timer3_Timer(); });
    create(Timer4, "Timer4", kTimer4, [this] { Timer4_Timer(); });
    create(Scroll, "Scroll", kScroll, [this] { Scroll_Timer(); });
    create(Press, "Press", kPress, [this] { Press_Timer(); });
}

}  // namespace quirvanto
