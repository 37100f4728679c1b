#include "title/form6.h"

// The title window's five animations. Every step is counted per tick of its timer, whatever
// rate the timers really run at.
namespace quirvanto {

namespace {
constexpr ui::Twips kLetterStep = 50;
constexpr ui::Twips kLetterRest = 960;
constexpr ui::Twips kLetterHighest = 360;
constexpr std::int16_t kLetters = 9;

constexpr ui::Twips kIconStep = 20;
constexpr ui::Twips kTickerStep = 10;
constexpr ui::Twips kTickerRestart = 6600;
constexpr ui::Twips kStripStep = 50;
}  // namespace

// One tile rises at a time. The tile that reaches the top goes back to rest in the same tick in
// which the next one makes its first step; after the last tile, the first starts a tick later.
void Form6::Timer2_Timer() {
    for (std::int16_t k = 0; k < kLetters; ++k) {
        if (RisingLetter == k) {
            const ui::Twips raised = Lett[k].top() - kLetterStep;
            if (raised < kLetterHighest) {
                Lett[k].setTop(kLetterRest);
                ++RisingLetter;
            } else {
                Lett[k].setTop(raised);
            }
        }
    }
    if (RisingLetter == kLetters) {
        RisingLetter = 0;
    }
}

// The direction turns after the move, so the icon goes one step past an edge before it turns.
void Form6::Timer1_Timer() {
    ShapeX += ShapeRight ? kIconStep : -kIconStep;
    if (ShapeX > layout().inner.width - Shape1.width() || ShapeX < 0) {
        ShapeRight = !ShapeRight;
    }
    ShapeY = static_cast<std::int16_t>(ShapeY + (ShapeDown != 0 ? kIconStep : -kIconStep));
    if (ShapeY > layout().inner.height - Shape1.height() || ShapeY < 0) {
        ShapeDown = static_cast<std::int16_t>(~ShapeDown);
    }
    Shape1.move(static_cast<ui::Twips>(ShapeX), ShapeY);
}

// Once the whole line has left on the left, it comes in again from the right.
void Form6::Scroll_Timer() {
    const ui::Twips left = Holding.left() - kTickerStep;
    Holding.setLeft(left < -Holding.width() ? kTickerRestart : left);
}

void Form6::Timer3_Timer() {
    const ui::Twips left = Picture1.left() + kStripStep;
    Picture1.setLeft(left > layout().outer.width ? -Picture1.width() : left);
}

void Form6::Timer4_Timer() {
    const ui::Twips left = Picture2.left() - kStripStep;
    Picture2.setLeft(left < -Picture2.width() ? layout().outer.width : left);
}

}  // namespace quirvanto
