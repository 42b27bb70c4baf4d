// Number text: tables of decided cases, each run under a full-stop and a comma locale. The
// tables are written with full-stop texts; under the comma locale every "." and "," swaps.
#include "numtext/numtext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

using numtext::NumberLocale;

constexpr double largest = std::numeric_limits<double>::max();
constexpr double smallest = std::numeric_limits<double>::denorm_min();

struct LocaleCase {
    const char* name;
    NumberLocale locale;
    bool swap; // the texts of the tables are written for the full-stop locale
};

void PrintTo(const LocaleCase& c, std::ostream* os) {
    *os << c.name;
}

class NumberText : public testing::TestWithParam<LocaleCase> {
protected:
    const NumberLocale& locale() const { return GetParam().locale; }
    // A table text as it is written under the locale of the test.
    std::string local(std::string text) const {
        if (GetParam().swap)
            for (char& c : text)
                c = c == '.' ? ',' : c == ',' ? '.' : c;
        return text;
    }
};

INSTANTIATE_TEST_SUITE_P(Locales, NumberText,
                         testing::Values(LocaleCase{"FullStop", numtext::fullStopLocale, false},
                                         LocaleCase{"Comma", numtext::commaLocale, true}),
                         [](const auto& info) { return std::string(info.param.name); });

bool sameDouble(double a, double b) {
    return a == b && std::signbit(a) == std::signbit(b);
}

// ---- Number test and text-to-number conversion ----

struct Reading {
    std::string text;
    double value;
};

TEST_P(NumberText, ReadsNumbers) {
    const std::string longFraction = std::string("0.").append(400, '0').append("1e401");
    const std::string longInteger = std::string("1").append(999, '0').append("e-999");
    // Just above the tie between 2^53 and 2^53 + 2, decided by a digit far past the 800th.
    const std::string farAboveTie = std::string("9007199254740993.").append(900, '0').append("1");
    const std::vector<Reading> table = {
        {"12", 12},
        {" 12 ", 12},
        {"\t7\u00A0", 7},
        {"+5", 5},
        {"-0", -0.0},
        {"-0.0", -0.0},
        {"00012", 12},
        {".5", 0.5},
        {"5.", 5},
        {"-.5", -0.5},
        {"1E3", 1000},
        {"1e+0003", 1000},
        {"1.5E-05", 1.5e-05},
        {"  -12.5e2  ", -1250},
        {"1,234.5", 1234.5},
        {"12,345,678.9", 12345678.9},
        {"1,000,000", 1e6},
        {"1,234e3", 1234000},
        {"1.234", 1.234},
        {"0.1", 0.1},
        {"9007199254740993", 9007199254740992}, // a tie: to even
        {farAboveTie, 9007199254740994},
        {"1.7976931348623157e308", largest},
        {"1.7976931348623158e308", largest},
        {"2.5e-324", smallest},
        {"1e-400", 0},
        {"-1e-400", -0.0},
        {"1e-99999999999999999999999", 0},
        {"0e99999999999999999999999", 0},
        {longFraction, 1},
        {longInteger, 1},
    };
    for (const auto& [text, value] : table) {
        const std::string input = local(text);
        const auto read = numtext::toNumber(input, locale());
        EXPECT_TRUE(numtext::isNumber(input, locale())) << input.substr(0, 40);
        ASSERT_TRUE(read.has_value()) << input.substr(0, 40);
        EXPECT_TRUE(sameDouble(*read, value)) << input.substr(0, 40) << " read as " << *read;
    }
}

TEST_P(NumberText, RefusesWhatIsNotANumber) {
    const std::vector<std::string> table = {
        "", " ", "\t", "\u00A0", "12a", "a12", "1 2", "12 e3", "- 5", "+-5", "--5", "5-", "5+",
        // Infinities, hexadecimal and octal forms, currency, parentheses.
        "inf", "-inf", "Infinity", "nan", "NaN", "1.#INF", "0x10", "&H10", "&O17", "$5", "5$",
        "5\u20AC", "(5)", "-(5)",
        // Thousands groups of three only, the first without a leading zero, none after the
        // decimal separator or in the exponent.
        "1,23", "1,2345", "1,234,5", "1234,567.8", "0,285", "012,345", ",5", "1,,2", "1.234,5",
        "1e1,000",
        // Separators and exponents out of place.
        ".", ",", "-.", "1..2", "12.5.3", "1e", "1E+", "1e-", "e3", "E", "1e3.5", "1e3e3", "1e+-3",
        "1d3",
        // Beyond the largest double.
        "1e400", "-1e400", "1e309", "1.7976931348623159e308", "1e99999999999999999999999",
        // Other blanks, other digits: only the locale's group separator goes inside a number.
        "1\u00A0234", "1\u202F234", "1_000", "\uFF11\uFF12", "\u0661\u0662", "12\u200B", "\u00BD"};
    for (const std::string& text : table) {
        const std::string input = local(text);
        EXPECT_FALSE(numtext::isNumber(input, locale())) << input;
        EXPECT_FALSE(numtext::toNumber(input, locale()).has_value()) << input;
    }
}

TEST_P(NumberText, EveryUnicodeBlankAroundANumber) {
    const char* blanks[] = {"\t",     "\n",     "\v",     "\f",     "\r",     " ",
                            "\u0085", "\u00A0", "\u1680", "\u2000", "\u2005", "\u200A",
                            "\u2028", "\u2029", "\u202F", "\u205F", "\u3000"};
    for (const char* blank : blanks) {
        for (const std::string& text : {blank + local("12.5"), local("12.5") + blank,
                                        blank + std::string(blank) + local("-12.5") + blank}) {
            const auto read = numtext::toNumber(text, locale());
            ASSERT_TRUE(read.has_value()) << text;
            EXPECT_EQ(std::fabs(*read), 12.5) << text;
        }
        EXPECT_FALSE(numtext::isNumber(blank, locale()));
        EXPECT_FALSE(numtext::isNumber(local("1") + blank + "2", locale()));
    }
}

// Separators of several bytes, a quote and no grouping at all.
TEST(NumberTextOtherLocales, SeparatorsOfAnyLength) {
    const NumberLocale narrowSpace{",", "\u202F"};
    const NumberLocale noBreakSpace{",", "\u00A0"};
    const NumberLocale quote{".", "'"};
    const NumberLocale noGrouping{".", ""};
    EXPECT_EQ(numtext::toNumber("1\u202F234,5", narrowSpace), 1234.5);
    EXPECT_EQ(numtext::toNumber("1\u00A0234\u00A0", noBreakSpace), 1234);
    EXPECT_EQ(numtext::toNumber("\u00A012,5", noBreakSpace), 12.5);
    EXPECT_FALSE(numtext::isNumber("1 234,5", narrowSpace));
    EXPECT_FALSE(numtext::isNumber("1\u202F23", narrowSpace));
    EXPECT_EQ(numtext::toNumber("1'234'567.5", quote), 1234567.5);
    EXPECT_FALSE(numtext::isNumber("1,234", noGrouping));
    EXPECT_EQ(numtext::toNumber("1234.5", noGrouping), 1234.5);
    EXPECT_EQ(numtext::generalNumberText(-1234.5, narrowSpace), "-1234,5");
    EXPECT_EQ(numtext::applyMask("1\u202F234,5", numtext::mask("0.00"), narrowSpace), "1234,50");
}

// ---- General number text ----

struct Written {
    double value;
    std::string text;
};

TEST_P(NumberText, GeneralNumberText) {
    const std::vector<Written> table = {
        {0, "0"},
        {-0.0, "0"},
        {12, "12"},
        {-12.5, "-12.5"},
        {0.25, "0.25"},
        {1.0 / 3, "0.333333333333333"},
        {-2.0 / 3, "-0.666666666666667"},
        {0.1 + 0.2, "0.3"},
        {1234567.891, "1234567.891"},
        {0.0001, "0.0001"},
        {0.00001, "1E-05"},
        {1.5e-05, "1.5E-05"},
        {999999999999999, "999999999999999"},
        {1e15, "1E+15"},
        {1.5e20, "1.5E+20"},
        {1e100, "1E+100"},
        // Exact ties at the sixteenth digit go away from zero, not to even.
        {100000000000000.5, "100000000000001"},
        {-100000000000000.5, "-100000000000001"},
        {123456789012344.5, "123456789012345"},
        {12345678901234.25, "12345678901234.3"},
        {-12345678901234.25, "-12345678901234.3"},
        // Just below a tie, though their first eighteen digits read ...500.
        {1.000000000000145, "1.00000000000014"},
        {-2.675000000000475, "-2.67500000000047"},
        // The form follows the exponent after rounding.
        {999999999999999.5, "1E+15"},
        {std::nextafter(0.0001, 0.0), "0.0001"},
        {9.999999999999999e-06, "1E-05"},
        {largest, "1.79769313486232E+308"},
        {-largest, "-1.79769313486232E+308"},
        {smallest, "4.94065645841247E-324"},
        {9.99999999999997e-311, "9.99999999999997E-311"},
    };
    for (const auto& [value, text] : table)
        EXPECT_EQ(numtext::generalNumberText(value, locale()), local(text)) << text;
}

TEST_P(NumberText, NoTextForInfinityOrNaN) {
    for (double bad :
         {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
          std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_EQ(numtext::generalNumberText(bad, locale()), "");
        EXPECT_EQ(numtext::applyMask(bad, numtext::mask("0.00"), locale()), "");
    }
}

// ---- Display masks ----

static_assert(numtext::mask("0.00#####") == numtext::Mask{2, 7});
static_assert(numtext::mask("0.00######") == numtext::Mask{2, 8});
static_assert(numtext::mask("0.0##") == numtext::Mask{1, 3});
static_assert(numtext::mask("0.000") == numtext::Mask{3, 3});
static_assert(numtext::mask("0") == numtext::Mask{0, 0});

struct Masked {
    double value;
    const char* mask;
    std::string text;
};

TEST_P(NumberText, MasksOfValues) {
    const std::vector<Masked> table = {
        {12, "0.00#####", "12.00"},
        {3, "0.00#####", "3.00"},
        {1.23, "0.00#####", "1.23"},
        {0.1234567891, "0.00#####", "0.1234568"},
        {2.5, "0.0##", "2.5"},
        {0, "0.000", "0.000"},
        {0.5, "0", "1"},
        {-0.5, "0", "-1"},
        // Halves away from zero, on the value cut to 15 digits.
        {2.125, "0.00", "2.13"},
        {-2.125, "0.00", "-2.13"},
        {1.005, "0.00", "1.01"},
        {2.675, "0.00", "2.68"},
        {-2.6185, "0.0##", "-2.619"},
        {123456789012344.5, "0.00", "123456789012345.00"},
        // Carries through every digit.
        {0.995, "0.00", "1.00"},
        {9.9995, "0.000", "10.000"},
        {-99.99999999, "0.00#####", "-100.00"},
        // Tiny values: a half of the last decimal rounds up, less vanishes without a sign.
        {0.000000005, "0.00######", "0.00000001"},
        {-0.000000005, "0.00######", "-0.00000001"},
        {0.0000000049999, "0.00######", "0.00"},
        {-0.004, "0.00", "0.00"},
        {-1e-100, "0.00######", "0.00"},
        {-0.0, "0.00", "0.00"},
        {smallest, "0.0##", "0.0"},
        // Huge values print every digit, without thousands separators.
        {1e20, "0.0##", "100000000000000000000.0"},
        {-1.5e16, "0.00", "-15000000000000000.00"},
        {1e250, "0.00######", "1" + std::string(250, '0') + ".00"},
    };
    for (const auto& [value, mask, text] : table)
        EXPECT_EQ(numtext::applyMask(value, numtext::mask(mask), locale()), local(text))
            << value << " " << mask;
}

struct MaskedText {
    std::string input;
    const char* mask;
    std::string text;
};

TEST_P(NumberText, MasksOfTexts) {
    const std::vector<MaskedText> table = {
        {"12", "0.00", "12.00"},
        {" 2.125 ", "0.00", "2.13"},
        {"1,234.5", "0.00", "1234.50"},
        {"1.5E-05", "0.00#####", "0.000015"},
        {"-0.001", "0.00", "0.00"},
        {"1e-400", "0.000", "0.000"},
        // Texts that are not numbers come back as they are.
        {"", "0.00", ""},
        {"   ", "0.00", "   "},
        {"abc", "0.00", "abc"},
        {"0,285", "0.000", "0,285"},
        {"1e400", "0.00", "1e400"},
        {"inf", "0.00", "inf"},
        {" 12a", "0.00", " 12a"},
    };
    for (const auto& [input, mask, text] : table)
        EXPECT_EQ(numtext::applyMask(local(input), numtext::mask(mask), locale()), local(text))
            << input << " " << mask;
}

// Whatever the value, its texts read back as numbers of the locale and come out the same
// when written again.
TEST_P(NumberText, TextsReadBackAndAreStable) {
    std::mt19937_64 random(20240601);
    const auto mask = numtext::mask("0.00######");
    int checked = 0;
    while (checked < 20000) {
        const std::uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value))
            continue;
        if (checked % 2 == 0) // half of them in the range people type
            value = std::ldexp(std::fmod(value, 1.0), static_cast<int>(bits % 64) - 20);
        ++checked;

        const std::string text = numtext::generalNumberText(value, locale());
        const auto read = numtext::toNumber(text, locale());
        ASSERT_TRUE(read.has_value()) << text;
        EXPECT_LE(std::fabs(*read - value), std::fabs(value) * 5e-15) << text;
        EXPECT_EQ(numtext::generalNumberText(*read, locale()), text);

        const std::string masked = numtext::applyMask(value, mask, locale());
        ASSERT_TRUE(numtext::isNumber(masked, locale())) << masked;
        EXPECT_EQ(numtext::applyMask(masked, mask, locale()), masked);
    }
}

// ---- Locale-independent reading ----

TEST(ReadLeadingNumber, ReadsWhatFitsAndStops) {
    const std::vector<Reading> table = {
        {"23.5\u00BA C", 23.5},
        {"  -4", -4},
        {"\t12.5abc", 12.5},
        {"+7", 7},
        {"-.5", -0.5},
        {"5.", 5},
        {"1E-2", 0.01},
        {"1e3x", 1000},
        {"1e", 1}, // an incomplete exponent is not read
        {"1e+", 1},
        {"2.5e-x", 2.5},
        {"1,5", 1}, // the full stop is the only decimal point
        {"1.2.3", 1.2},
        {"12 34", 12},
        {"0x1A", 0},
        {"1e-999", 0},
        {"-1e-999", -0.0},
        // Beyond the double range the reading stops at the largest double.
        {"1e999", largest},
        {"-1e999", -largest},
        {"1e99999999999999999999999", largest},
        // No leading number.
        {"", 0},
        {"abc", 0},
        {"-", 0},
        {".", 0},
        {"- 5", 0},
        {"inf", 0},
        {"nan", 0},
        {"\u00A05", 0},
    };
    for (const auto& [text, value] : table) {
        const double read = numtext::readLeadingNumber(text);
        EXPECT_TRUE(sameDouble(read, value)) << text << " read as " << read;
    }
}

// ---- Integer text, whole part, messages ----

TEST(IntegerText, PlainDigits) {
    EXPECT_EQ(numtext::integerText(0), "0");
    EXPECT_EQ(numtext::integerText(-12), "-12");
    EXPECT_EQ(numtext::integerText(1234567), "1234567");
    EXPECT_EQ(numtext::integerText(std::numeric_limits<long long>::min()), "-9223372036854775808");
}

TEST(WholePart, GreatestIntegerNotAbove) {
    const std::vector<std::pair<double, double>> table = {
        {2.5, 2}, {-2.5, -3}, {-3, -3}, {0.999999, 0}, {-1e-300, -1}, {1e300, 1e300}};
    for (const auto& [x, whole] : table)
        EXPECT_EQ(numtext::wholePart(x), whole) << x;
}

TEST(Messages, RangeWarningAndFault) {
    const auto warning = numtext::rangeWarning("Solo valores mayores a -273.15\u00BA C");
    EXPECT_EQ(warning.text, "Solo valores mayores a -273.15\u00BA C");
    EXPECT_EQ(warning.title, "Valor fuera de rango");
    EXPECT_EQ(static_cast<int>(warning.style), 48);
    EXPECT_EQ(
        numtext::floatingPointFault(),
        numtext::rangeWarning("El resultado queda fuera del rango de valores representables."));
    EXPECT_EQ(numtext::Message{"Hola"}.title, "Tarabel");
    EXPECT_EQ(static_cast<int>(numtext::Message{"Hola"}.style), 0);
}

} // namespace
