// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// Number text: how every value of the program travels between text and double.
//
// All texts are UTF-8. Nothing here reads global state: the user's separators come in as a
// NumberLocale, so the same rules run side by side under a full-stop and a comma locale.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace numtext {

// The user's regional number forms. Either separator may be several bytes (U+00A0, U+202F, ...);
// an empty group separator means no grouping is accepted. A locale with digits of its own
// (Persian, Arabic, Bengali, ...) names its zero digit, the first of ten in a row, and its minus
// sign (direction marks included): numbers are written with them, and read with them as well as
// with 0-9 and "-". The sign of an exponent is always "+" or "-".
struct NumberLocale {
    std::string decimal = ".";
    std::string group = ",";
    std::string zero = "0";
    std::string minus = "-";
};

inline const NumberLocale fullStopLocale{".", ","};
inline const NumberLocale commaLocale{",", "."};

// Number test: the whole text, blanks around it ignored, is a number. Refuses the empty text,
// blanks only, inf/nan/infinity, hexadecimal and currency forms, and values beyond the double
// range. Thousands separators only in proper groups of three in the integer part.
bool isNumber(std::string_view text, const NumberLocale& locale);

// Text-to-number conversion; nullopt exactly when the number test fails.
std::optional<double> toNumber(std::string_view text, const NumberLocale& locale);

// Integer text: the plain decimal digits of a whole number ("0", "-12"); with a locale, in its
// own digits and minus sign.
std::string integerText(long long value);
std::string integerText(long long value, const NumberLocale& locale);

// General number text: 15 significant digits, no thousands separators, no trailing zeros,
// scientific form (1E+15, 1.5E-05) when the decimal exponent is >= 15 or <= -5.
// The value must be finite (infinity and NaN give the empty text); -0 gives "0".
std::string generalNumberText(double value, const NumberLocale& locale);

// A display mask such as "0.00#####": minDecimals "0"s after the point, then "#"s up to
// maxDecimals in all. Every mask of the program has one integer digit.
struct Mask {
    int minDecimals = 0;
    int maxDecimals = 0;
    constexpr bool operator==(const Mask&) const = default;
};

// The mask written as a pattern, checked at compile time when used as a constant.
constexpr Mask mask(std::string_view pattern) {
    Mask m;
    const auto point = pattern.find('.');
    if (point == std::string_view::npos)
        return m;
    for (char c : pattern.substr(point + 1)) {
        if (c == '0')
            ++m.minDecimals;
        if (c == '0' || c == '#')
            ++m.maxDecimals;
    }
    return m;
}

// Display mask of a finite value: the value cut to 15 significant digits, rounded half away
// from zero to the mask's decimals; no minus sign when it rounds to zero.
std::string applyMask(double value, Mask m, const NumberLocale& locale);

// Display mask of a text: a number is read and formatted; any other text (the empty text
// included) comes back unchanged.
std::string applyMask(std::string_view text, Mask m, const NumberLocale& locale);

// Text equality: exact, case-sensitive.
inline bool textEquals(std::string_view a, std::string_view b) {
    return a == b;
}

// Whole part: the greatest integer not greater than x (-2.5 gives -3).
double wholePart(double x);

} // namespace numtext
