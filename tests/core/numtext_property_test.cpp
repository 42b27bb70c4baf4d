// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// Properties of the number text over a few hundred thousand values and texts, fixed seeds: what
// is written for any double reads back as a number of the locale, masks keep their decimals,
// and the number test agrees with an independent reading of the same grammar.
#include "test_support.h"

#include <bit>
#include <cstdlib>
#include <limits>
#include <memory>
#include <random>
#include <regex.h>

namespace {

class NumberTextProperties : public testing_support::LocaleTest {};
INSTANTIATE_FOR_BOTH_LOCALES(NumberTextProperties);

constexpr double tiny = std::numeric_limits<double>::denorm_min();
constexpr double huge = std::numeric_limits<double>::max();

// Random bit patterns (subnormals included), a mantissa at every decimal exponent, and short
// decimal fractions, which sit on the ties of the masks. The edges of the range come first.
double anyValue(std::mt19937_64& random, int i) {
    constexpr double edges[] = {0.0, -0.0, tiny, -tiny, 2.2250738585072014e-308, huge, -huge, 0.5};
    if (i < static_cast<int>(std::size(edges)))
        return edges[i];
    const std::uint64_t bits = random();
    const double sign = bits >> 63 ? -1 : 1, value = std::bit_cast<double>(bits);
    if (i % 3 == 1 || !std::isfinite(value))
        return sign * (1 + (bits >> 11) * 0x1p-53 * 9) * std::pow(10.0, int(bits % 631) - 323);
    if (i % 3 == 2)
        return sign * static_cast<double>(bits % 2000000) / std::pow(10.0, int(bits >> 40) % 9);
    return value;
}

bool spellsInfOrNan(const std::string& text) {
    return text.empty() || text.find_first_of("iInN") != std::string::npos;
}

// Above the largest 15-digit value below the top of the range, the 15-digit text rounds beyond
// it and no longer reads as a number: the conversions treat such a value as out of range.
bool atTheTopOfTheRange(double value) {
    return std::fabs(value) > 1.79769313486231e308;
}

TEST_P(NumberTextProperties, GeneralTextReadsBackToItsFifteenDigits) {
    std::mt19937_64 random(1501);
    for (int i = 0; i < 100000; ++i) {
        const double value = anyValue(random, i);
        const std::string text = numtext::generalNumberText(value, locale());
        ASSERT_FALSE(spellsInfOrNan(text)) << value;
        ASSERT_NE(numtext::isNumber(text, locale()), atTheTopOfTheRange(value)) << text;
        if (atTheTopOfTheRange(value))
            continue;
        const auto read = numtext::toNumber(text, locale());
        ASSERT_TRUE(read.has_value()) << text;
        ASSERT_LE(std::fabs(*read - value), 5.2e-15 * std::fabs(value) + tiny) << text;
        ASSERT_EQ(numtext::generalNumberText(*read, locale()), text);
        // Scientific form exactly from 1E+15 up and below 1E-04; no grouping; no trailing zero.
        const bool scientific = std::fabs(*read) >= 1e15 || (*read != 0 && std::fabs(*read) < 1e-4);
        ASSERT_EQ(text.find('E') != std::string::npos, scientific) << text;
        ASSERT_EQ(text.find(locale().group), std::string::npos) << text;
        ASSERT_TRUE(text.find(locale().decimal) == std::string::npos ||
                    text[scientific ? text.find('E') - 1 : text.size() - 1] != '0')
            << text;
        // The dew point reads the program's own full-stop texts back from the start.
        if (locale().decimal == ".") {
            ASSERT_EQ(numtext::readLeadingNumber(text + "º C"), *read) << text;
        }
    }
}

TEST_P(NumberTextProperties, MasksKeepTheirDecimalsAndReadBackWithinHalfTheLastPlace) {
    std::mt19937_64 random(2602);
    for (int i = 0; i < 40000; ++i) {
        const double value = anyValue(random, i);
        if (atTheTopOfTheRange(value))
            continue;
        for (const char* pattern :
             {"0.00#####", "0.00###", "0.00######", "0.00", "0.0##", "0.000"}) {
            const auto m = numtext::mask(pattern);
            const std::string text = numtext::applyMask(value, m, locale());
            ASSERT_FALSE(spellsInfOrNan(text)) << value << " " << pattern;
            const auto read = numtext::toNumber(text, locale());
            ASSERT_TRUE(read.has_value()) << text;
            const auto separator = text.find(locale().decimal);
            const int decimals = int(text.size() - separator - locale().decimal.size());
            ASSERT_NE(separator, std::string::npos) << text;
            ASSERT_TRUE(decimals >= m.minDecimals && decimals <= m.maxDecimals) << text;
            ASSERT_TRUE(decimals == m.minDecimals || text.back() != '0') << text;
            const double halfUnit = 0.5 * std::pow(10.0, -m.maxDecimals) * (1 + 1e-9);
            ASSERT_LE(std::fabs(*read - value), halfUnit + 5.2e-15 * std::fabs(value))
                << value << " " << pattern << " " << text;
            ASSERT_FALSE(text[0] == '-' && *read == 0) << text;
            ASSERT_EQ(numtext::applyMask(text, m, locale()), text);
        }
    }
}

TEST_P(NumberTextProperties, NumberTestAgreesWithAnIndependentReading) {
    // An independent reading of the grammar: a POSIX regular expression for the form, then the C
    // library's correctly rounded strtod for the value. Blanks are spaces and U+00A0 here.
    const std::string g = "\\" + locale().group, d = "\\" + locale().decimal,
                      blanks = "( |\xC2\xA0)*";
    const std::string form = "^" + blanks + "[+-]?(([1-9][0-9]{0,2}(" + g + "[0-9]{3})+|[0-9]+)(" +
                             d + "[0-9]*)?|" + d + "[0-9]+)([eE][+-]?[0-9]+)?" + blanks + "$";
    regex_t grammar;
    ASSERT_EQ(regcomp(&grammar, form.c_str(), REG_EXTENDED | REG_NOSUB), 0);
    const std::unique_ptr<regex_t, decltype(&regfree)> freed(&grammar, regfree);
    const auto reference = [&](const std::string& text) -> std::optional<double> {
        if (regexec(&grammar, text.c_str(), 0, nullptr, 0) != 0)
            return std::nullopt;
        std::string plain;
        for (char c : text)
            if (c != locale().group[0] && c != ' ' && c != '\xC2' && c != '\xA0')
                plain += c == locale().decimal[0] ? '.' : c;
        const double value = std::strtod(plain.c_str(), nullptr);
        return std::isfinite(value) ? std::optional(value) : std::nullopt;
    };

    const char* const pieces[] = {"0", "1",  "7",   "000", "123", ".",        ",",     "+",
                                  "-", "e",  "E",   "e-",  " ",   "\xC2\xA0", "1e308", "e400",
                                  "i", "nf", "nan", "x",   "0x1", "1,234",    "1.234", "4e-324"};
    std::mt19937_64 random(3703);
    for (int i = 0; i < 100000; ++i) {
        std::string text;
        for (int n = int(random() % 7); n > 0; --n)
            text += pieces[random() % std::size(pieces)];
        const auto reading = numtext::toNumber(text, locale()), expected = reference(text);
        ASSERT_EQ(reading, expected) << "[" << text << "]";
        ASSERT_EQ(std::signbit(reading.value_or(0)), std::signbit(expected.value_or(0))) << text;
        ASSERT_EQ(numtext::isNumber(text, locale()), reading.has_value()) << "[" << text << "]";
        // A number goes through a mask as a number; anything else comes back unchanged.
        const std::string masked = numtext::applyMask(text, numtext::mask("0.00"), locale());
        ASSERT_TRUE(reading ? atTheTopOfTheRange(*reading) || numtext::isNumber(masked, locale())
                            : masked == text)
            << "[" << text << "] -> [" << masked << "]";
    }
}

} // namespace
