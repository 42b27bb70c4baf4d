// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// Number text beyond the reference vectors: the decided points under both locales, separators of
// other lengths, the locale-independent reading and the small pieces.
#include "test_support.h"

#include <limits>

using testing_support::sameDouble;

namespace {

constexpr double largest = std::numeric_limits<double>::max();
constexpr double infinity = std::numeric_limits<double>::infinity();

class NumberText : public testing_support::LocaleTest {};

TEST_P(NumberText, ReadsOnlyWhatIsANumber) {
    const std::string blanks =
        "\t\n\v\f\r \u0085\u00A0\u1680\u2000\u200A\u2028\u2029\u202F\u205F\u3000";
    const std::pair<std::string, double> numbers[] = {
        {"1,234.5", 1234.5},
        {"12,345,678.9", 12345678.9},
        {".5", 0.5},
        {"5.", 5},
        {"-0", -0.0},
        {blanks + "-1.5" + blanks, -1.5},
        // Decided by a digit far beyond those kept: just above the tie of 2^53 and 2^53 + 2.
        {std::string("9007199254740993.").append(900, '0') + "1", 9007199254740994},
        {std::string("0.").append(400, '0') + "1e401", 1},
    };
    for (const auto& [text, value] : numbers) {
        const auto read = numtext::toNumber(loc(text), locale());
        EXPECT_TRUE(read && sameDouble(*read, value)) << text.substr(0, 40);
        EXPECT_TRUE(numtext::isNumber(loc(text), locale())) << text.substr(0, 40);
    }
    // Other notations, beyond the range, groups other than threes before the decimal separator.
    for (const char* text : {"inf", "nan", "Infinity", "0x10", "&H10", "1e400", "1,5", "1,2345",
                             "0,123", "1.234,5", "1e1,000", "1\u2028 2", "", " "}) {
        EXPECT_FALSE(numtext::isNumber(loc(text), locale())) << text;
        EXPECT_FALSE(numtext::toNumber(loc(text), locale())) << text;
    }
}

TEST_P(NumberText, WritesDecidedTexts) {
    struct Written {
        double value;
        const char *mask, *text; // mask "": general number text
    };
    const Written table[] = {
        {-0.0, "", "0"},
        // The value cut to 15 digits, then rounded half away from zero; no minus on a zero.
        {1.005, "0.00", "1.01"},
        {2.675, "0.00", "2.68"},
        {-2.125, "0.00", "-2.13"},
        {-0.004, "0.00", "0.00"},
        // Nothing that could read back as a number.
        {infinity, "", ""},
        {-infinity, "0.00", ""},
        {std::nan(""), "0.00", ""},
    };
    for (const auto& [value, mask, text] : table) {
        const std::string written = *mask ? numtext::applyMask(value, numtext::mask(mask), locale())
                                          : numtext::generalNumberText(value, locale());
        EXPECT_EQ(written, loc(text)) << value << " [" << mask << "]";
    }
    for (const char* text : {"", "abc", "1,23"}) // not numbers: given back unchanged
        EXPECT_EQ(numtext::applyMask(loc(text), numtext::mask("0.00"), locale()), loc(text));
}

INSTANTIATE_FOR_BOTH_LOCALES(NumberText);

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
