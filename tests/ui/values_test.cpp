#include <gtest/gtest.h>

#include <limits>
#include <set>

#include "ui/amount.h"
#include "ui/uniform_random.h"

namespace {

constexpr ui::Amount kMax = std::numeric_limits<ui::Amount>::max();

TEST(Amounts, CaptionsThatAreWholeNumbersReadBackExactly) {
    EXPECT_EQ(ui::parseAmount("10"), 10);
    EXPECT_EQ(ui::parseAmount(" 32880 "), 32880);
    EXPECT_EQ(ui::parseAmount("-3"), -3);
    EXPECT_EQ(ui::parseAmount("9223372036854775807"), kMax);
    EXPECT_EQ(ui::amountText(ui::saturatingAdd(32767, 1)), "32768");
}

TEST(Amounts, TextThatIsNotAWholeNumberReadsAsNothing) {
    EXPECT_FALSE(ui::parseAmount(""));
    EXPECT_FALSE(ui::parseAmount("Stop"));
    EXPECT_FALSE(ui::parseAmount("12x"));
    EXPECT_FALSE(ui::parseAmount("99999999999999999999"));
}

TEST(Amounts, SumsAndProductsSaturateInsteadOfWrapping) {
    EXPECT_EQ(ui::saturatingAdd(kMax, 10), kMax);
    EXPECT_EQ(ui::saturatingMultiply(kMax / 2, 3), kMax);
    EXPECT_EQ(ui::saturatingMultiply(274, 120), 32880);
}

TEST(Random, ValuesAreUniformInTheHalfOpenUnitInterval) {
    ui::UniformRandom random;
    int buckets[10] = {};
    for (int i = 0; i < 100000; ++i) {
        const double value = random.next();
        ASSERT_GE(value, 0.0);
        ASSERT_LT(value, 1.0);
        ++buckets[static_cast<int>(value * 10)];
    }
    for (int count : buckets) {
        EXPECT_NEAR(count, 10000, 500);
    }
}

TEST(Random, TwoReseedsAtTheSameMomentStillGiveNewDraws) {
    ui::UniformRandom random;
    std::set<double> firstDraws;
    for (int i = 0; i < 5; ++i) {
        random.reseed(43200.125);
        firstDraws.insert(random.next());
    }
    EXPECT_EQ(firstDraws.size(), 5U);
}

}  // namespace
