// The keyboard map. A key calls the same handler as a click, tested on the button's own visible
// flag: so keys reach Spin, "+" and "-" under the Skill chance panel, and SPACE reaches Label6
// whenever the wheel's Stop is hidden.

#include "machine/form1.h"

namespace quirvanto {

void Form1::Form_KeyPress(int keyAscii) {
    if (keyAscii != ui::key::kEnter) {
        return;
    }
    if (Label1.visible()) {
        Label1_Click();
    }
    if (Label5.visible()) {
        Label5_Click();
    }
}

void Form1::Form_KeyDown(int keyCode, int /*shift*/) {
    switch (keyCode) {
        case ui::key::kA:
            if (Label2.visible()) {
                Label2_Click();
            }
            break;
        case ui::key::kZ:
            if (Label3.visible()) {
                Label3_Click();
            }
            break;
        case ui::key::kDigit1:
        case ui::key::kDigit2:
        case ui::key::kDigit3:
            if (!Holding.visible()) {
                Hold_Click(keyCode - ui::key::kDigit1);
            }
            break;
        case ui::key::kSpace:
            if (Label4.visible()) {
                Label4_Click();
            } else if (Label6.visible()) {
                Label6_Click();
            }
            break;
        default:
            break;
    }
}

}  // namespace quirvanto
