// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// Number text beyond the reference vectors: separators of other lengths, the locale-independent
// reading and the small pieces.
#include "test_support.h"

#include <limits>

using testing_support::sameDouble;

namespace {

constexpr double largest = std::numeric_limits<double>::max();

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

TEST(ReadLeadingNumber, ReadsWhatFitsAndStops) {
    const std::pair<const char*, double> table[] = {
        {"23.5\u00BA C", 23.5}, {"  -4", -4},         {"abc", 0}, {"-", 0},
        {"\t+.5e1x", 5},        {"1,5", 1},           {"1e+", 1}, {"-1e-999", -0.0},
        {"1e999", largest},     {"-1e999", -largest},
    };
    for (const auto& [text, value] : table)
        EXPECT_TRUE(sameDouble(numtext::readLeadingNumber(text), value)) << text;
}

TEST(SmallPieces, IntegerTextWholePartAndMessages) {
    EXPECT_EQ(numtext::integerText(0), "0");
    EXPECT_EQ(numtext::integerText(std::numeric_limits<long long>::min()), "-9223372036854775808");
    EXPECT_EQ(numtext::wholePart(2.5), 2);
    EXPECT_EQ(numtext::wholePart(-2.5), -3);
    using convert::MessageStyle;
    EXPECT_EQ(convert::rangeWarning("Solo valores positivos"),
              (convert::Message{"Solo valores positivos", "Valor fuera de rango",
                                MessageStyle::Warning}));
    EXPECT_EQ(convert::floatingPointFault(),
              convert::rangeWarning(convert::floatingPointFault().text));
    EXPECT_EQ(convert::Message{"Hola"}, (convert::Message{"Hola", "Tarabel", MessageStyle::Plain}));
}

} // namespace
