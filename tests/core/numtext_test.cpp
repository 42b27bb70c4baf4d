// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// Number text beyond the reference vectors: separators of other lengths and the small pieces.
#include "test_support.h"

#include <limits>

namespace {

TEST(NumberTextOtherLocales, SeparatorsOfAnyLength) {
    const numtext::NumberLocale narrowSpace{",", "\u202F"};
    const numtext::NumberLocale arabic{"\u066B", "\u066C"};
    const numtext::NumberLocale noGrouping{".", ""};
    EXPECT_EQ(numtext::toNumber("1\u202F234,5", narrowSpace), 1234.5);
    EXPECT_EQ(numtext::toNumber("\u202F1\u202F234\u202F", narrowSpace), 1234);
    EXPECT_FALSE(numtext::isNumber("1\u202F23", narrowSpace));
    EXPECT_EQ(numtext::toNumber("1\u066C234\u066B5", arabic), 1234.5);
    EXPECT_EQ(numtext::generalNumberText(-1234.5, arabic), "-1234\u066B5");
    EXPECT_EQ(numtext::applyMask("1\u202F234,5", numtext::mask("0.00"), narrowSpace), "1234,50");
    EXPECT_FALSE(numtext::isNumber("1,234", noGrouping));
    EXPECT_EQ(numtext::toNumber("1234.5", noGrouping), 1234.5);
}

// The whole part is the floor, not the truncation; the integer text holds the longest integer.
TEST(SmallPieces, IntegerTextAndWholePart) {
    EXPECT_EQ(numtext::integerText(std::numeric_limits<long long>::min()), "-9223372036854775808");
    EXPECT_EQ(numtext::wholePart(-2.5), -3);
}

} // namespace
