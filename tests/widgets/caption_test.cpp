#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QWidget>
#include <limits>

#include "bonus/bonus_frame.h"
#include "bonus/form4.h"
#include "machine/form1.h"
#include "screen.h"
#include "title/form6.h"

namespace widget_tests {
namespace {

// The box a caption fills as a label draws it, broken at spaces into lines no wider than `width`
// (a word wider than that stays whole and sticks out).
ui::Size wrapped(const std::string& text, double points, ui::Twips width) {
    const QRect room(0, 0, ui::qt::toPixels(width), std::numeric_limits<int>::max() / 2);
    const QRect box = QFontMetrics(ui::qt::gameFont(points))
                          .boundingRect(room, ui::qt::kLabelTextFlags, ui::qt::toQString(text));
    return {box.width() * ui::kTwipsPerPixel, box.height() * ui::kTwipsPerPixel};
}

// Whether a label's caption, broken at spaces as the label draws it, lies whole inside its box. A
// label that sizes to its caption is as wide as its one line.
testing::AssertionResult showsWhole(ui::TextMeasure& measure, const ui::Label& label) {
    const ui::Twips room =
        label.sizesToCaption() ? std::numeric_limits<int>::max() / 2 : label.width();
    ui::Size box = wrapped(label.caption(), label.points(), room);
    if (label.sizesToCaption()) {
        box.width = measure.width(label.caption(), label.points());
    }
    if (label.caption().empty() || (box.width <= label.width() && box.height <= label.height())) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure()
           << label.owner()->name() << "." << label.name() << "(" << label.index() << ") \""
           << label.caption() << "\" takes " << box.width << " x " << box.height << " in "
           << label.width() << " x " << label.height();
}

// Every caption of every window as its layout gives it, then the longest ones the game writes:
// five-digit amounts, the High or Low result, the machine's ticker lines.
TEST(CaptionsOnScreen, ShowWholeAtTheirLongest) {
    testing_support::Rig rig{{.onScreen = true}};
    quirvanto::Program& program = rig.program;
    for (ui::Window* window : program.windows()) {
        window->load();
        for (ui::Control* control : window->controls()) {
            if (control->kind() == ui::ControlKind::Label) {
                EXPECT_TRUE(showsWhole(rig.measure, static_cast<ui::Label&>(*control)));
            }
        }
    }
    quirvanto::Form1& machine = program.form1();
    quirvanto::Form6& title = program.form6();
    const std::string amount = "99999";
    std::vector<std::pair<ui::Label*, std::string>> longest = {
        {&machine.Credits, amount},
        {&machine.Bet, amount},
        {&machine.Win1, amount},
        {&title.AA[2], amount},
        {&program.form4().AA[0], "The number was 1000"},
    };
    for (quirvanto::BonusWindow* bonus : program.bonusWindows()) {
        longest.emplace_back(&bonus->Premio, amount);
    }
    for (const std::string_view line :
         {"Quirvanto Team presents Quirvanto", "Copyright 2026 Quirvanto Team",
          "coins.quirvanto.example"}) {
        longest.emplace_back(&machine.Holding, std::string(line));
    }
    for (auto& [label, caption] : longest) {
        label->setCaption(caption);
        EXPECT_TRUE(showsWhole(rig.measure, *label));
    }
    // While the wheel runs its Stop lies in front of the win, which stays clear of "You can win:".
    EXPECT_LE(machine.Win1.left() + machine.Win1.width(), machine.Label4.left());
    EXPECT_LE(machine.Etic[1].left() +
                  rig.measure.width(machine.Etic[1].caption(), machine.Etic[1].points()),
              machine.Win1.left());
}

// On screen as in the measure: a caption too wide for one line of High or Low's result box, in
// either face, breaks at spaces onto more lines, all inside the box.
TEST(CaptionsOnScreen, WrapAtSpacesInsideTheirBox) {
    testing_support::Rig rig{{.onScreen = true}};
    quirvanto::Form4& highLow = rig.program.form4();
    highLow.show();
    QWidget* window = rig.widgetOf(highLow);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    ui::Label& result = highLow.AA[0];
    result.setCaption("The number was 1000 again");
    const int line = ui::qt::toPixels(wrapped("1", result.points(), result.width()).height);
    ASSERT_GT(wrapped(result.caption(), result.points(), result.width()).height,
              line * ui::kTwipsPerPixel);

    const QRect box = ui::qt::toPixels(result.rect());
    const QImage image = drawn(*window);
    const QColor text = toQColor(result.foreColour());
    EXPECT_GT(pixelsOf(image, box, text).boundingRect().height(), line) << "more than one line";
    EXPECT_TRUE(showsWhole(rig.measure, result));
}

}  // namespace
}  // namespace widget_tests
