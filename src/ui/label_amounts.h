#pragma once

#include <optional>

#include "ui/amount.h"
#include "ui/control.h"

// Amounts kept in label captions: read, and added to in place.
namespace ui {

// The number a caption holds, or nothing when it holds none.
[[nodiscard]] std::optional<Amount> amountOf(const Label& label);

// target := target + source x multiplier, saturating. A caption that is not a whole number
// leaves the target as it is.
void addAmount(Label& target, const Label& source, Amount multiplier);
void addAmount(Label& target, Amount amount);

}  // namespace ui
