#include "ui/amount.h"

#include <charconv>
#include <limits>

namespace ui {

std::optional<Amount> parseAmount(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    Amount value = 0;
    const auto* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || ptr != end) {
        return std::nullopt;
    }
    return value;
}

std::string amountText(Amount value) {
    return std::to_string(value);
}

Amount saturatingAdd(Amount a, Amount b) {
    Amount sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) {
        return b > 0 ? std::numeric_limits<Amount>::max() : std::numeric_limits<Amount>::min();
    }
    return sum;
}

Amount saturatingMultiply(Amount a, Amount b) {
    Amount product = 0;
    if (__builtin_mul_overflow(a, b, &product)) {
        return (a < 0) != (b < 0) ? std::numeric_limits<Amount>::min()
                                  : std::numeric_limits<Amount>::max();
    }
    return product;
}

}  // namespace ui
