// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// Writing numbers: the general number text and the display masks.
#include "numtext/digits.h"
#include "numtext/numtext.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace numtext {

using detail::Digits;

namespace {

// A number text written with 0-9 and a leading "-", in the locale's own digits and minus sign.
std::string inOwnForm(std::string text, const NumberLocale& locale) {
    if (locale.zero == "0" && locale.minus == "-")
        return text;
    const detail::LocaleDigits digits(locale.zero);
    std::string own;
    own.reserve(2 * text.size() + locale.minus.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (detail::isDigit(text[i]))
            own += digits.own(text[i]);
        else if (i == 0 && text[i] == '-')
            own += locale.minus;
        else
            own += text[i];
    }
    return own;
}

} // namespace

std::string integerText(long long value, const NumberLocale& locale) {
    return inOwnForm(integerText(value), locale);
}

std::string generalNumberText(double value, const NumberLocale& locale) {
    // Infinity and NaN never reach a field: callers check before writing, and a fault slipping
    // through shows as an empty field rather than as a text that reads back as a number.
    if (!std::isfinite(value))
        return {};
    const Digits digits = detail::significantDigits(value);
    if (digits.count == 0)
        return inOwnForm("0", locale); // -0 included

    std::string text;
    text.reserve(24 + locale.decimal.size());
    if (digits.negative)
        text += '-';
    const int exponent = digits.exponent;
    if (exponent >= 15 || exponent <= -5) {
        text += digits.d[0];
        if (digits.count > 1) {
            text += locale.decimal;
            text.append(digits.d + 1, digits.count - 1);
        }
        text += 'E';
        text += exponent < 0 ? '-' : '+';
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude < 10)
            text += '0';
        char buffer[8];
        text.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, magnitude).ptr);
    } else if (exponent >= 0) {
        const int integerDigits = exponent + 1;
        const int written = std::min(digits.count, integerDigits);
        text.append(digits.d, written);
        text.append(static_cast<std::size_t>(integerDigits - written), '0');
        if (digits.count > integerDigits) {
            text += locale.decimal;
            text.append(digits.d + integerDigits, digits.count - integerDigits);
        }
    } else {
        text += '0';
        text += locale.decimal;
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text.append(digits.d, digits.count);
    }
    return inOwnForm(std::move(text), locale);
}

std::string applyMask(double value, Mask m, const NumberLocale& locale) {
    if (!std::isfinite(value))
        return {}; // as for the general number text
    const int minDecimals = std::max(m.minDecimals, 0);
    const int maxDecimals = std::max(m.maxDecimals, minDecimals);

    Digits digits = detail::significantDigits(value);
    detail::roundToDecimals(digits, maxDecimals);

    // Digit i weighs 10^(exponent - i); the decimal at position p (weight 10^-p) is digit
    // exponent + p.
    const auto digitAt = [&digits](long long i) {
        return i >= 0 && i < digits.count ? digits.d[i] : '0';
    };
    int decimals = 0;
    for (int p = 1; p <= maxDecimals; ++p)
        if (digitAt(static_cast<long long>(digits.exponent) + p) != '0')
            decimals = p;
    decimals = std::max(decimals, minDecimals);

    std::string text;
    const int integerDigits = digits.count > 0 && digits.exponent >= 0 ? digits.exponent + 1 : 1;
    text.reserve(integerDigits + decimals + locale.decimal.size() + 1);
    if (digits.negative && digits.count > 0)
        text += '-'; // a value that rounds to zero has no sign
    if (digits.count > 0 && digits.exponent >= 0) {
        const int written = std::min(digits.count, integerDigits);
        text.append(digits.d, written);
        text.append(static_cast<std::size_t>(integerDigits - written), '0');
    } else {
        text += '0';
    }
    if (decimals > 0) {
        text += locale.decimal;
        for (int p = 1; p <= decimals; ++p)
            text += digitAt(static_cast<long long>(digits.exponent) + p);
    }
    return inOwnForm(std::move(text), locale);
}

std::string applyMask(std::string_view text, Mask m, const NumberLocale& locale) {
    if (const auto value = toNumber(text, locale))
        return applyMask(*value, m, locale);
    return std::string(text);
}

} // namespace numtext
