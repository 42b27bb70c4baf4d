// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// What every fuzz target checks, whatever the input: a broken promise aborts with a message,
// which libFuzzer reports as a crash together with the input that caused it.
#pragma once

#include "numtext/numtext.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace fuzz {

inline void require(bool condition, const char* promise, std::string_view text = {}) {
    if (condition)
        return;
    std::fprintf(stderr, "broken: %s [%.*s]\n", promise, static_cast<int>(text.size()),
                 text.data());
    std::abort();
}

// The first byte of an input picks the locale by its two lowest bits: full stop, comma, and two
// with digits of their own, Persian and Arabic as Qt has them. The rest is text.
inline const numtext::NumberLocale& localeOf(unsigned char byte) {
    static const numtext::NumberLocale locales[] = {
        numtext::fullStopLocale,
        numtext::commaLocale,
        {"\u066B", "\u066C", "\u06F0", "\u200E\u2212"},
        {"\u066B", "\u066C", "\u0660", "\u061C-"},
    };
    return locales[byte & 3];
}

// Above this the 15-digit text of a value rounds beyond the double range and is no number.
inline bool writable(double value) {
    return std::fabs(value) <= 1.79769313486231e308;
}

// The number of decimals of a number text written without exponent: the characters after the
// decimal separator (each digit is one, whatever its length in UTF-8).
inline int decimalsOf(std::string_view text, const numtext::NumberLocale& locale) {
    const auto separator = text.find(locale.decimal);
    if (separator == std::string_view::npos)
        return 0;
    int decimals = 0;
    for (const unsigned char c : text.substr(separator + locale.decimal.size()))
        decimals += (c & 0xC0) != 0x80;
    return decimals;
}

// A text written through a mask: a number with the mask's decimals, unchanged by it again.
inline void requireMasked(const std::string& text, numtext::Mask mask,
                          const numtext::NumberLocale& locale) {
    require(numtext::isNumber(text, locale), "a masked text is a number", text);
    const int decimals = decimalsOf(text, locale);
    require(decimals >= mask.minDecimals && decimals <= mask.maxDecimals,
            "a masked text has the mask's decimals", text);
    require(numtext::applyMask(text, mask, locale) == text, "a masked text is stable", text);
}

} // namespace fuzz
