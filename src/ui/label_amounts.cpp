#include "ui/label_amounts.h"

namespace ui {

std::optional<Amount> amountOf(const Label& label) {
    return parseAmount(label.caption());
}

void addAmount(Label& target, const Label& source, Amount multiplier) {
    if (const auto amount = amountOf(source)) {
        addAmount(target, saturatingMultiply(*amount, multiplier));
    }
}

void addAmount(Label& target, Amount amount) {
    if (const auto current = amountOf(target)) {
        target.setCaption(amountText(saturatingAdd(*current, amount)));
    }
}

}  // namespace ui
