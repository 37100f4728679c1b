#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Amounts (credits, bet, win, prize, coins) are whole numbers kept as caption text. They are read
// into 64-bit integers; sums and products saturate instead of overflowing, and are written back as
// plain decimal digits.
namespace ui {

using Amount = std::int64_t;

// The number a caption holds, or nothing when the caption is not a whole number.
[[nodiscard]] std::optional<Amount> parseAmount(std::string_view text);

[[nodiscard]] std::string amountText(Amount value);

[[nodiscard]] Amount saturatingAdd(Amount a, Amount b);
[[nodiscard]] Amount saturatingMultiply(Amount a, Amount b);

}  // namespace ui
