// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading numbers: the number test and the text-to-number conversion.
#include "numtext/digits.h"
#include "numtext/numtext.h"

namespace numtext {

using detail::DecimalReader;
using detail::LocaleDigits;

namespace {

// Unicode white space as UTF-8: the length of the blank that starts at `s`, or 0.
std::size_t blankLength(std::string_view s) {
    if (s.empty())
        return 0;
    const auto b0 = static_cast<unsigned char>(s[0]);
    if (b0 == ' ' || (b0 >= '\t' && b0 <= '\r'))
        return 1;
    if (s.size() >= 2 && b0 == 0xC2) {
        const auto b1 = static_cast<unsigned char>(s[1]);
        return b1 == 0x85 || b1 == 0xA0 ? 2 : 0; // U+0085, U+00A0
    }
    if (s.size() < 3)
        return 0;
    const auto b1 = static_cast<unsigned char>(s[1]);
    const auto b2 = static_cast<unsigned char>(s[2]);
    const bool blank = (b0 == 0xE1 && b1 == 0x9A && b2 == 0x80) || // U+1680
                       (b0 == 0xE2 && b1 == 0x80 &&
                        (b2 <= 0x8A ||                             // U+2000..200A
                         b2 == 0xA8 || b2 == 0xA9                  // U+2028, U+2029
                         || b2 == 0xAF)) ||                        // U+202F
                       (b0 == 0xE2 && b1 == 0x81 && b2 == 0x9F) || // U+205F
                       (b0 == 0xE3 && b1 == 0x80 && b2 == 0x80);   // U+3000
    return blank ? 3 : 0;
}

// The length of the blank that ends `s`, or 0. UTF-8 lets each form be matched from the end.
std::size_t trailingBlankLength(std::string_view s) {
    for (std::size_t length = 1; length <= 3 && length <= s.size(); ++length)
        if (blankLength(s.substr(s.size() - length)) == length)
            return length;
    return 0;
}

std::string_view withoutBlanksAround(std::string_view s) {
    while (const std::size_t n = blankLength(s))
        s.remove_prefix(n);
    while (const std::size_t n = trailingBlankLength(s))
        s.remove_suffix(n);
    return s;
}

struct Exponent {
    long long value;
    std::size_t end; // where the text goes on after it
};

// The exponent that starts at `i`: "E" or "e", an optional sign and at least one digit, its value
// saturated far beyond the double range. nullopt when there is no complete exponent there.
std::optional<Exponent> readExponent(std::string_view text, std::size_t i,
                                     const LocaleDigits& digits) {
    const std::size_t n = text.size();
    if (i >= n || (text[i] != 'e' && text[i] != 'E'))
        return std::nullopt;
    ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t start = i;
    long long exponent = 0;
    for (LocaleDigits::Found d; (d = digits.at(text, i)).length; i += d.length)
        exponent = detail::saturatedExponentStep(exponent, d.digit);
    if (i == start)
        return std::nullopt;
    return Exponent{negative ? -exponent : exponent, i};
}

// Reads the number that makes up the whole of `text` (blanks around already removed).
// nullopt when the text is not a number or its value is beyond the double range.
std::optional<double> readWholeNumber(std::string_view text, const NumberLocale& locale) {
    const LocaleDigits digits(locale.zero);
    const std::size_t n = text.size();
    std::size_t i = 0;
    bool negative = false;
    if (locale.minus != "-" && !locale.minus.empty() && text.starts_with(locale.minus)) {
        negative = true;
        i = locale.minus.size();
    } else if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }

    DecimalReader reader;
    int integerDigits = 0;
    bool leadingZero = false;
    for (LocaleDigits::Found d; (d = digits.at(text, i)).length; i += d.length) {
        leadingZero = leadingZero || (integerDigits == 0 && d.digit == '0');
        reader.integerDigit(d.digit);
        ++integerDigits;
    }
    bool anyDigit = integerDigits > 0;

    // Thousands separators: a first group of one to three digits without a leading zero, then
    // groups of exactly three (a fourth digit is left over and fails the end check).
    const std::string_view group = locale.group;
    const std::string_view decimal = locale.decimal;
    if (anyDigit && !group.empty() && group != decimal && text.substr(i).starts_with(group)) {
        if (integerDigits > 3 || leadingZero)
            return std::nullopt;
        while (text.substr(i).starts_with(group)) {
            i += group.size();
            for (int k = 0; k < 3; ++k) {
                const auto d = digits.at(text, i);
                if (d.length == 0)
                    return std::nullopt;
                reader.integerDigit(d.digit);
                i += d.length;
            }
        }
    }

    if (!decimal.empty() && text.substr(i).starts_with(decimal)) {
        i += decimal.size();
        for (LocaleDigits::Found d; (d = digits.at(text, i)).length; i += d.length) {
            reader.fractionDigit(d.digit);
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return std::nullopt;

    if (const auto exponent = readExponent(text, i, digits)) {
        reader.setExponent(exponent->value);
        i = exponent->end;
    }
    // What is left, an incomplete exponent included, makes the text no number.
    if (i != n)
        return std::nullopt;
    return reader.toDouble(negative);
}

} // namespace

std::optional<double> toNumber(std::string_view text, const NumberLocale& locale) {
    return readWholeNumber(withoutBlanksAround(text), locale);
}

bool isNumber(std::string_view text, const NumberLocale& locale) {
    return toNumber(text, locale).has_value();
}

} // namespace numtext
