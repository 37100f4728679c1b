#include "odds/hold_choice.h"

#include <cstddef>

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
        double sum = 0;
        int outcomes = 0;
        for (int drawn = 0; drawn < kRowPatterns; ++drawn) {
            const std::array<int, kColumns> redrawn{drawn / (kValues * kValues),
                                                    drawn / kValues % kValues, drawn % kValues};
            bool possible = true;
            for (int c = 0; c < kColumns; ++c) {
                const bool kept = (held >> c & 1) != 0;
                possible = possible && (!kept || redrawn[static_cast<std::size_t>(c)] ==
                                                     values[static_cast<std::size_t>(c)]);
            }
            if (possible) {
                sum += rowPayBets(redrawn[0], redrawn[1], redrawn[2]);
                ++outcomes;
            }
        }
        return sum / outcomes;
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
