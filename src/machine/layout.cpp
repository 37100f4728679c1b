// The machine window's layout: every control with its place, colours, font and caption, created
// back to front, and the handlers wired to their controls and timers.

#include <array>
#include <string>
#include <vector>

#include "machine/form1.h"
#include "machine/wheel_fields.h"

namespace quirvanto {

namespace {

using ui::Align;
using ui::DesignPicture;
using ui::ImageLayout;
using ui::LabelLayout;
using ui::LineLayout;
using ui::PictureBoxLayout;
using ui::TimerLayout;

constexpr std::array<ui::Twips, 3> kGridColumns{720, 1320, 1920};
constexpr std::array<ui::Twips, 3> kGridRows{3480, 4200, 4920};
constexpr ui::Twips kTileSize = 480;

// Inside Picture1.
constexpr std::array<ui::Twips, 3> kValueColumns{120, 840, 1560};
constexpr std::array<ui::Twips, 3> kValueRows{240, 960, 1680};
constexpr ui::Twips kValueSize = 615;

constexpr ui::Colour kOrange = 0x0080FF;
constexpr ui::Colour kPayLabelText = 0xC0C0FF;
constexpr ui::Colour kFrameLine = 0x80C0FF;
constexpr ui::Colour kGreenLine = 0x008000;
constexpr ui::Colour kButtonPurple = 0x800080;
constexpr ui::Colour kButtonText = 0xC0FFFF;
// A deep purple, a shade of the panel's Stop button, solid enough to hide the board below.
constexpr ui::Colour kPanelPurple = 0x300030;

constexpr std::string_view kSpinTip = "Clich here or press ENTER key";
constexpr std::string_view kStopTip = "Clich here or press SPACE key";

constexpr std::array<LineLayout, 9> kL1{{
    {.x1 = 120, .y1 = 3240, .x2 = 6600, .y2 = 3240, .colour = kGreenLine, .widthPixels = 3},
    {.x1 = 120, .y1 = 4080, .x2 = 2640, .y2 = 4080, .colour = kGreenLine, .widthPixels = 3},
    {.x1 = 120, .y1 = 4800, .x2 = 2640, .y2 = 4800, .colour = kGreenLine, .widthPixels = 3},
    {.x1 = 120, .y1 = 5520, .x2 = 6600, .y2 = 5520, .colour = kGreenLine, .widthPixels = 3},
    {.x1 = 120, .y1 = 1080, .x2 = 6600, .y2 = 1080, .colour = kFrameLine, .widthPixels = 3},
    {.x1 = 120, .y1 = 240, .x2 = 6600, .y2 = 240, .colour = kFrameLine, .widthPixels = 3},
    {.x1 = 600, .y1 = 3360, .x2 = 600, .y2 = 5520, .colour = kGreenLine, .widthPixels = 3},
    {.x1 = 120, .y1 = 6120, .x2 = 6600, .y2 = 6120, .colour = kGreenLine, .widthPixels = 3},
    {.x1 = 120, .y1 = 2640, .x2 = 6600, .y2 = 2640, .colour = kFrameLine, .widthPixels = 3},
}};
constexpr LineLayout kLine1{
    .x1 = 3120, .y1 = 2640, .x2 = 3120, .y2 = 3240, .colour = kFrameLine, .widthPixels = 3};

constexpr ui::Colour kMarker = 0x00FFFF;
constexpr std::array<LineLayout, 3> kColumnMarkers{{
    {.x1 = 960, .y1 = 3360, .x2 = 960, .y2 = 5520, .colour = kMarker, .visible = false},
    {.x1 = 1560, .y1 = 3360, .x2 = 1560, .y2 = 5520, .colour = kMarker, .visible = false},
    {.x1 = 2160, .y1 = 3360, .x2 = 2160, .y2 = 5520, .colour = kMarker, .visible = false},
}};

constexpr LabelLayout kNum{.caption = "1",
                           .rect = {2520, 3360, 2055, 2190},
                           .back = 0x008000,
                           .fore = 0xC0FFC0,
                           .points = 72,
                           .align = Align::Centre};

constexpr std::array<std::string_view, 9> kLetters{"Q", "U", "I", "R", "V", "A", "N", "T", "O"};
constexpr std::array<ui::Twips, 9> kLetterLefts{120, 840, 1560, 2280, 3000, 3840, 4560, 5280, 6000};

constexpr LabelLayout wheelField(const WheelField& field) {
    return {.caption = field.caption,
            .rect = field.place,
            .back = field.back,
            .points = 11.25,
            .align = Align::Centre};
}
constexpr LabelLayout kScelta{.caption = "0", .rect = {5880, 1200, 615, 255}, .visible = false};

constexpr std::array<LabelLayout, 5> kEtic{{
    {.caption = "Any 3: Bet x2", .rect = {120, 2950, 1215, 225}, .fore = kPayLabelText},
    {.caption = "You can win:",
     .rect = {3240, 2770, 1695, 345},
     .fore = 0x00FFFF,
     .points = 12,
     .visible = false},
    {.caption = "Zavri Bonus x3", .rect = {120, 2700, 1410, 225}, .fore = kPayLabelText},
    {.caption = "123 Hold", .rect = {2160, 2700, 780, 225}, .fore = kPayLabelText},
    {.caption = "Any 2: Bet x1", .rect = {1680, 2950, 1215, 225}, .fore = kPayLabelText},
}};
// A win too wide for the room before the wheel's Stop, which lies in front of it, grows leftwards
// into the free end of "You can win:".
constexpr ui::Twips kStopLeft = 5640;
constexpr LabelLayout kWin1{.caption = "0",
                            .rect = {5040, 2770, 165, 345},
                            .fore = 0xC0FFC0,
                            .points = 12,
                            .visible = false,
                            .sizesToCaption = true,
                            .endsBy = kStopLeft};

constexpr LabelLayout kCount{
    .caption = "Credits", .rect = {4680, 3480, 1935, 495}, .back = 0xC0FFFF, .points = 15.75};
constexpr LabelLayout kCredits{
    .caption = "10", .rect = {4680, 3960, 1935, 495}, .fore = 0x00FFFF, .points = 15.75};
constexpr LabelLayout kGiocata{.caption = "Bet",
                               .rect = {4680, 4440, 1935, 495},
                               .back = 0x0040C0,
                               .fore = ui::kWhite,
                               .points = 15.75};
constexpr LabelLayout kBet{
    .caption = "0", .rect = {4680, 4920, 975, 495}, .fore = kOrange, .points = 15.75};

constexpr LabelLayout kLabel1{.caption = "Spin",
                              .rect = {5400, 5640, 1215, 375},
                              .back = kButtonPurple,
                              .fore = kButtonText,
                              .points = 11.25,
                              .align = Align::Centre,
                              .toolTip = kSpinTip,
                              .clickable = true};
constexpr LabelLayout kLabel5{.caption = "Spin",
                              .rect = {2520, 5640, 1215, 375},
                              .back = kButtonPurple,
                              .fore = kButtonText,
                              .points = 11.25,
                              .align = Align::Centre,
                              .visible = false,
                              .toolTip = kSpinTip,
                              .clickable = true};
constexpr LabelLayout kLabel2{.caption = "+",
                              .rect = {5760, 5040, 375, 375},
                              .back = kOrange,
                              .points = 12,
                              .align = Align::Centre,
                              .toolTip = "Clich here or press A key",
                              .clickable = true};
constexpr LabelLayout kLabel3{.caption = "-",
                              .rect = {6240, 5040, 375, 375},
                              .back = kOrange,
                              .points = 12,
                              .align = Align::Centre,
                              .toolTip = "Clich here or press Z key",
                              .clickable = true};
constexpr LabelLayout kLabel4{.caption = "Stop",
                              .rect = {kStopLeft, 2760, 975, 375},
                              .back = 0x008000,
                              .fore = 0xC0FFC0,
                              .points = 12,
                              .align = Align::Centre,
                              .visible = false,
                              .toolTip = kStopTip,
                              .clickable = true};

constexpr LabelLayout holdButton(ui::Twips left, std::string_view toolTip) {
    return {.caption = "Hold",
            .rect = {left, 5640, 495, 375},
            .back = 0x0000C0,
            .fore = kButtonText,
            .points = 9,
            .align = Align::Centre,
            .toolTip = toolTip,
            .clickable = true};
}
constexpr std::array<LabelLayout, 3> kHold{{
    holdButton(720, "Clich here or press 1 key"),
    holdButton(1320, "Clich here or press 2 key"),
    holdButton(1920, "Clich here or press 3 key"),
}};

constexpr LabelLayout kHolding{.caption = "",
                               .rect = {120, 5640, 5175, 375},
                               .back = ui::kBlack,
                               .fore = 0x80FFFF,
                               .points = 14.25};

constexpr PictureBoxLayout kPicture2{
    .rect = {120, 1200, 6495, 5055}, .back = kPanelPurple, .visible = false};
constexpr PictureBoxLayout kPicture1{
    .rect = {360, 2400, 2415, 2535}, .back = kPanelPurple, .visible = false};
constexpr ui::Rect kList1{360, 480, 1575, 1815};
constexpr LabelLayout kLabel6{.caption = "Stop",
                              .rect = {1200, 1920, 4215, 375},
                              .back = kButtonPurple,
                              .fore = kButtonText,
                              .points = 11.25,
                              .align = Align::Centre,
                              .toolTip = kStopTip,
                              .clickable = true};

constexpr TimerLayout kRoll{.intervalMs = 1};
constexpr TimerLayout kZavri{.intervalMs = 100};
constexpr TimerLayout kVincite{.intervalMs = 100};
constexpr TimerLayout kYouCan{.intervalMs = 100};
constexpr TimerLayout kTry{.intervalMs = 150};
constexpr TimerLayout kSuono{.intervalMs = 1000};
constexpr TimerLayout kZavri2{.intervalMs = 100};
constexpr TimerLayout kZavri3{.intervalMs = 100};
constexpr TimerLayout kControllo{.intervalMs = 1000, .enabled = true};
constexpr TimerLayout kPubli{.intervalMs = 2000, .enabled = true};

}  // namespace

void Form1::createControls() {
    // Back to front: lines and the grid, the displays, the buttons, then Holding over the Hold
    // buttons and the Skill chance panel over everything.
    for (int i = 0; i < L1.size(); ++i) {
        create(L1[i], "L1", kL1[static_cast<std::size_t>(i)], i);
    }
    create(Line1, "Line1", kLine1);

    for (int row = 1; row <= 3; ++row) {
        create(XX[row], "XX",
               ImageLayout{.rect = {120, kGridRows[static_cast<std::size_t>(row - 1)], kTileSize,
                                    kTileSize},
                           .picture = DesignPicture::RowArrow},
               row);
    }
    for (int t = 0; t < X.size(); ++t) {
        create(
            X[t], "X",
            ImageLayout{.rect = {kGridColumns[static_cast<std::size_t>(t % 3)],
                                 kGridRows[static_cast<std::size_t>(t / 3)], kTileSize, kTileSize},
                        .picture = DesignPicture::InitialTile},
            t);
    }
    create(Num, "Num", kNum);
    create(Col1, "Col1", kColumnMarkers[0]);
    create(Col2, "Col2", kColumnMarkers[1]);
    create(Col3, "Col3", kColumnMarkers[2]);

    for (int i = 0; i < Lett.size(); ++i) {
        const auto at = static_cast<std::size_t>(i);
        create(Lett[i], "Lett",
               LabelLayout{.caption = kLetters[at],
                           .rect = {kLetterLefts[at], 360, 615, 615},
                           .back = kOrange,
                           .fore = ui::kBlack,
                           .points = 24,
                           .align = Align::Centre},
               i);
    }
    for (int i = 0; i < Game.size(); ++i) {
        create(Game[i], "Game", wheelField(kWheelFields[static_cast<std::size_t>(i)]), i);
    }
    create(Scelta, "Scelta", kScelta);

    for (int i = 0; i < Etic.size(); ++i) {
        create(Etic[i], "Etic", kEtic[static_cast<std::size_t>(i)], i);
    }
    create(Win1, "Win1", kWin1);
    create(Count, "Count", kCount);
    create(Credits, "Credits", kCredits);
    create(Giocata, "Giocata", kGiocata);
    create(Bet, "Bet", kBet);

    create(Label1, "Label1", kLabel1);
    create(Label2, "Label2", kLabel2);
    create(Label3, "Label3", kLabel3);
    create(Label4, "Label4", kLabel4);
    create(Label5, "Label5", kLabel5);
    for (int i = 0; i < Hold.size(); ++i) {
        create(Hold[i], "Hold", kHold[static_cast<std::size_t>(i)], i);
    }
    create(Holding, "Holding", kHolding);

    create(Picture2, "Picture2", kPicture2);
    create(Picture1, "Picture1", kPicture1, &Picture2);
    for (int t = 0; t < NN.size(); ++t) {
        create(NN[t], "NN",
               LabelLayout{
                   .caption = "0",
                   .rect = {kValueColumns[static_cast<std::size_t>(t % 3)],
                            kValueRows[static_cast<std::size_t>(t / 3)], kValueSize, kValueSize},
                   .back = kOrange,
                   .points = 24,
                   .align = Align::Centre,
                   .visible = false},
               t, &Picture1);
    }
    create(List1, "List1", kList1, {"0-1-2", "3-4-5", "6-7-8"}, &Picture1);
    create(Label6, "Label6", kLabel6, -1, &Picture2);

    create(Roll, "Roll", kRoll, [this] { Roll_Timer(); });
    create(Zavri, "Zavri", kZavri, [this] { Zavri_Timer(); });
    create(Vincite, "Vincite", kVincite, [this] { Vincite_Timer(); });
    create(YouCan, "YouCan", kYouCan, [this] { YouCan_Timer(); });
    create(Try, "Try", kTry, [this] { Try_Timer(); });
    create(Suono, "Suono", kSuono, [this] { Suono_Timer(); });
    create(Zavri2, "Zavri2", kZavri2, [this] { Zavri2_Timer(); });
    create(Zavri3, "Zavri3", kZavri3, [this] { Zavri3_Timer(); });
    create(Controllo, "Controllo", kControllo, [this] { Controllo_Timer(); });
    create(Publi, "Publi", kPubli, [this] { Publi_Timer(); });

    Label1.setClickHandler([this] { Label1_Click(); });
    Label2.setClickHandler([this] { Label2_Click(); });
    Label3.setClickHandler([this] { Label3_Click(); });
    Label4.setClickHandler([this] { Label4_Click(); });
    Label5.setClickHandler([this] { Label5_Click(); });
    Label6.setClickHandler([this] { Label6_Click(); });
    for (int i = 0; i < Hold.size(); ++i) {
        Hold[i].setClickHandler([this, i] { Hold_Click(i); });
    }
    describeForScreenReaders();
}

}  // namespace quirvanto
