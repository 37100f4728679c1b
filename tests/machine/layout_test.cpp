#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "machine_rig.h"

namespace {

using machine_tests::MachineTest;

using Layout = MachineTest;

std::size_t zOrderOf(const ui::Window& window, const ui::Control& control) {
    const auto& all = window.controls();
    return static_cast<std::size_t>(std::find(all.begin(), all.end(), &control) - all.begin());
}

TEST_F(Layout, TheMachineOpensReadyWithTenCreditsAndNoBet) {
    EXPECT_EQ(m.spec().caption, "Quirvanto");
    EXPECT_EQ(m.Credits.caption(), "10");
    EXPECT_EQ(m.Bet.caption(), "0");
    EXPECT_EQ(m.Num.caption(), "1");
    EXPECT_TRUE(readyButtonsShown());
    for (const ui::Control* hidden :
         {static_cast<const ui::Control*>(&m.Label4), static_cast<const ui::Control*>(&m.Label5),
          static_cast<const ui::Control*>(&m.Win1), static_cast<const ui::Control*>(&m.Etic[1]),
          static_cast<const ui::Control*>(&m.Picture2), static_cast<const ui::Control*>(&m.Col1),
          static_cast<const ui::Control*>(&m.Scelta)}) {
        EXPECT_FALSE(hidden->visible()) << hidden->name();
    }
    EXPECT_TRUE(m.Holding.visible());
    std::string letters;
    for (int i = 0; i < 9; ++i) {
        letters += m.Lett[i].caption();
        EXPECT_EQ(m.Lett[i].foreColour(), ui::kBlack) << "letter " << i << " starts dark";
    }
    EXPECT_EQ(letters, "QUIRVANTO");
}

TEST_F(Layout, TheWheelFieldsCarryTheirOutcomesAndColours) {
    const std::vector<std::string> captions{
        "Horse racing", "Ladder", "High or Low", "Double Bet", "Lose",         "Letters Held",
        "Skill chance", "Lose",   "Lose",        "Lose",       "Double Zavri", "Lose"};
    for (int f = 0; f < 12; ++f) {
        EXPECT_EQ(m.Game[f].caption(), captions[static_cast<std::size_t>(f)]);
        if (captions[static_cast<std::size_t>(f)] == "Lose") {
            EXPECT_EQ(m.Game[f].backColour(), 0x0000C0U) << "field " << f;
        }
    }
}

TEST_F(Layout, TheGridIsThreeRowsOfThreeWithMarkersThroughTheColumnMiddles) {
    for (int t = 0; t < 9; ++t) {
        EXPECT_EQ(m.X[t].left(), m.X[t % 3].left()) << "tile " << t;
        EXPECT_EQ(m.X[t].top(), m.X[(t / 3) * 3].top()) << "tile " << t;
    }
    EXPECT_EQ(m.X[0].left(), 720);
    EXPECT_EQ(m.X[0].top(), 3480);
    EXPECT_LT(m.X[0].left() + m.X[0].width(), m.X[1].left());
    EXPECT_LT(m.X[0].top() + m.X[0].height(), m.X[3].top());
    const ui::Line* markers[] = {&m.Col1, &m.Col2, &m.Col3};
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(markers[c]->spec().x1, m.X[c].left() + m.X[c].width() / 2) << "column " << c;
        EXPECT_LT(markers[c]->spec().y1, m.X[c].top());
        EXPECT_GT(markers[c]->spec().y2, m.X[c + 6].top() + m.X[c + 6].height());
        EXPECT_GT(zOrderOf(m, *markers[c]), zOrderOf(m, m.X[c + 6])) << "drawn over the tiles";
    }
    for (int row = 1; row <= 3; ++row) {
        EXPECT_EQ(m.XX[row].top(), m.X[(row - 1) * 3].top());
    }
    EXPECT_EQ(m.List1.items(), (std::vector<std::string>{"0-1-2", "3-4-5", "6-7-8"}));
}

TEST_F(Layout, EveryButtonIsClickableAndNamesItsKey) {
    const std::vector<std::pair<const ui::Label*, std::string>> buttons{
        {&m.Label1, "ENTER"}, {&m.Label5, "ENTER"}, {&m.Label2, "A"},
        {&m.Label3, "Z"},     {&m.Hold[0], "1"},    {&m.Hold[1], "2"},
        {&m.Hold[2], "3"},    {&m.Label4, "SPACE"}, {&m.Label6, "SPACE"}};
    for (const auto& [button, key] : buttons) {
        EXPECT_TRUE(button->clickable()) << button->name();
        EXPECT_EQ(button->toolTip(), "Clich here or press " + key + " key") << button->name();
    }
    EXPECT_FALSE(m.Credits.clickable());
    EXPECT_EQ(m.spec().pointer, ui::Pointer::Window);
}

TEST_F(Layout, EveryControlLiesInsideTheClientArea) {
    for (const ui::Control* control : m.controls()) {
        if (control->container() != nullptr) {
            continue;
        }
        EXPECT_LE(control->left() + control->width(), m.spec().inner.width) << control->name();
        EXPECT_LE(control->top() + control->height(), m.spec().inner.height) << control->name();
    }
    EXPECT_EQ(m.spec().outer.width, 6840);
    EXPECT_EQ(m.spec().outer.height, 6780);
}

}  // namespace
