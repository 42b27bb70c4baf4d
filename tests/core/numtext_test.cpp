// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// Number text beyond the reference vectors: separators of other lengths, digits of other scripts.
#include "test_support.h"

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

// Digits beyond the Basic Multilingual Plane (Adlam's) are written and read back; in the Persian
// locale (which every table runs under) the full stop is no decimal sign.
TEST(NumberTextOtherLocales, DigitsOfTheirOwn) {
    const numtext::NumberLocale adlam{".", "\u2E41", "\U0001E950", "-"};
    EXPECT_EQ(numtext::generalNumberText(-10.5, adlam), "-\U0001E951\U0001E950.\U0001E955");
    EXPECT_EQ(numtext::toNumber("-\U0001E951\u2E41\U0001E950\U0001E950\U0001E950", adlam), -1000);
    EXPECT_FALSE(numtext::isNumber("\u06F1.\u06F5", testing_support::persian.locale));
}

} // namespace
