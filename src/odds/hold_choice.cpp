#include "odds/hold_choice.h"

#include <cstddef>
#include <utility>

namespace odds {

namespace {

constexpr int kValues = 9;
constexpr int kRowPatterns = kValues * kValues * kValues;

int rowPayBets(int a, int b, int c) {
    const bool triple = a == b && b == c;
    const bool pair = a == b || b == c || a == c;
    return (triple ? 2 : 0) + (pair ? 1 : 0);
}

// Expected pay of one row by the columns held and the row's three values (0 to 8 each): every
// value of a column not held is as likely as any other.
class RowExpectations {
public:
    RowExpectations() {
        for (int held = 0; held <= kAllColumnsHeld; ++held) {
            for (int row = 0; row < kRowPatterns; ++row) {
                const std::array<int, kColumns> values{row / (kValues * kValues),
                                                       row / kValues % kValues, row % kValues};
                table_[index(held, row)] = expectation(held, values);
            }
        }
    }
    [[nodiscard]] double of(int held, const Grid& grid, int row) const {
        const auto at = [&](int column) {
            return grid[static_cast<std::size_t>(row * kColumns + column)] - 1;
        };
        return table_[index(held, (at(0) * kValues + at(1)) * kValues + at(2))];
    }

private:
    static std::size_t index(int held, int row) {
        return static_cast<std::size_t>(held * kRowPatterns + row);
    }
    static double expectation(int held, const std::array<int, kColumns>& values) {
        // A held column keeps its value; any other takes each of the nine alike.
        const auto drawn = [&](int column) {
            const int value = values[static_cast<std::size_t>(column)];
            return (held >> column & 1) != 0 ? std::pair{value, value + 1} : std::pair{0, kValues};
        };
        const auto [firstA, endA] = drawn(0);
        const auto [firstB, endB] = drawn(1);
        const auto [firstC, endC] = drawn(2);
        double sum = 0;
        for (int a = firstA; a < endA; ++a) {
            for (int b = firstB; b < endB; ++b) {
                for (int c = firstC; c < endC; ++c) {
                    sum += rowPayBets(a, b, c);
                }
            }
        }
        return sum / ((endA - firstA) * (endB - firstB) * (endC - firstC));
    }

    std::array<double, static_cast<std::size_t>((kAllColumnsHeld + 1) * kRowPatterns)> table_{};
};

const RowExpectations& rowExpectations() {
    static const RowExpectations table;
    return table;
}

}  // namespace

double expectedLineWinBets(const Grid& grid, int heldColumns) {
    double sum = 0;
    for (int row = 0; row < kColumns; ++row) {
        sum += rowExpectations().of(heldColumns, grid, row);
    }
    return sum;
}

HoldChoice bestHold(const Grid& grid) {
    HoldChoice best;
    double bestWin = -1;
    for (int held = 0; held <= kAllColumnsHeld; ++held) {
        if (const double win = expectedLineWinBets(grid, held); win > bestWin) {
            bestWin = win;
            best.heldColumns = held;
        }
    }
    return best;
}

}  // namespace odds
