// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// Private helpers of the number-text library: decimal digit strings to and from doubles.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace numtext::detail {

inline bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The decimal digits of a locale: 0-9, and the ten in a row from its own zero digit (UTF-8).
class LocaleDigits {
public:
    explicit LocaleDigits(std::string_view zero) {
        if (zero.size() > 1)
            setOwn(zero);
    }

    // The digit at text[i], as '0' to '9', and its length in bytes (0: no digit there).
    struct Found {
        char digit;
        std::size_t length;
    };
    Found at(std::string_view text, std::size_t i) const {
        if (i < text.size() && isDigit(text[i]))
            return {text[i], 1};
        if (!own_ || i >= text.size())
            return {0, 0};
        return ownAt(text.substr(i));
    }

    // The locale's own form of a digit '0' to '9'.
    std::string_view own(char digit) const {
        static constexpr std::string_view latin = "0123456789";
        const int d = digit - '0';
        return own_ ? std::string_view(encoded_[d], lengths_[d]) : latin.substr(d, 1);
    }

private:
    void setOwn(std::string_view zero);
    Found ownAt(std::string_view text) const;

    bool own_ = false;
    char encoded_[10][4];
    std::size_t lengths_[10];
};

// Collects the significant digits of a decimal number as a parser meets them and converts them to
// the nearest double. The value is 0.d1d2...dn x 10^(point + exponent).
class DecimalReader {
public:
    void integerDigit(char c);
    void fractionDigit(char c);
    // The exponent written after E, already saturated by the caller (see saturatedExponentStep).
    void setExponent(long long exponent) { exponent_ = exponent; }

    // The nearest double, correctly rounded; a value below the smallest double is 0 with its
    // sign; nullopt when the value is beyond the largest double.
    std::optional<double> toDouble(bool negative) const;

private:
    void keep(char c);

    // Enough digits to round any decimal text correctly (a double needs at most 767 significant
    // digits to tell which way a tie goes); anything non-zero beyond them only matters as a
    // sticky digit.
    static constexpr int capacity = 800;
    char digits_[capacity];
    int count_ = 0;
    bool dropped_ = false; // a non-zero digit beyond capacity
    long long point_ = 0;
    long long exponent_ = 0;
};

// One more exponent digit, saturating far beyond any double's range so that no text overflows
// the counter.
inline long long saturatedExponentStep(long long exponent, char digit) {
    constexpr long long limit = 1'000'000'000'000LL;
    return exponent < limit ? exponent * 10 + (digit - '0') : exponent;
}

// A finite value cut to 15 significant digits, rounded half away from zero (exact ties at the
// sixteenth digit included). value = d[0].d[1]...d[count-1] x 10^exponent with no trailing
// zeros; count is 0 for zero.
struct Digits {
    char d[16];
    int count = 0;
    int exponent = 0;
    bool negative = false;
};

Digits significantDigits(double value);

// Rounds the digits half away from zero so that none is left below 10^-decimals.
void roundToDecimals(Digits& digits, int decimals);

} // namespace numtext::detail
