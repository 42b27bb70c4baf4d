// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "numtext/digits.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <system_error>

namespace numtext::detail {

namespace {

// The code point of a UTF-8 text of one character; 0 for any other text.
char32_t onlyCodePoint(std::string_view text) {
    const std::size_t length = text.size();
    if (length < 2 || length > 4)
        return 0;
    char32_t point = static_cast<unsigned char>(text[0]) & (0x7F >> length);
    for (const char c : text.substr(1))
        point = point << 6 | (static_cast<unsigned char>(c) & 0x3F);
    return point;
}

std::size_t encode(char32_t point, char* out) {
    if (point < 0x800) {
        out[0] = static_cast<char>(0xC0 | point >> 6);
        out[1] = static_cast<char>(0x80 | (point & 0x3F));
        return 2;
    }
    if (point < 0x10000) {
        out[0] = static_cast<char>(0xE0 | point >> 12);
        out[1] = static_cast<char>(0x80 | (point >> 6 & 0x3F));
        out[2] = static_cast<char>(0x80 | (point & 0x3F));
        return 3;
    }
    out[0] = static_cast<char>(0xF0 | point >> 18);
    out[1] = static_cast<char>(0x80 | (point >> 12 & 0x3F));
    out[2] = static_cast<char>(0x80 | (point >> 6 & 0x3F));
    out[3] = static_cast<char>(0x80 | (point & 0x3F));
    return 4;
}

} // namespace

void LocaleDigits::setOwn(std::string_view zero) {
    const char32_t point = onlyCodePoint(zero);
    own_ = point >= 0x80;
    for (int d = 0; own_ && d < 10; ++d)
        lengths_[d] = encode(point + d, encoded_[d]);
}

LocaleDigits::Found LocaleDigits::ownAt(std::string_view text) const {
    for (char d = '0'; d <= '9'; ++d)
        if (text.starts_with(own(d)))
            return {d, own(d).size()};
    return {0, 0};
}

void DecimalReader::keep(char c) {
    if (count_ < capacity)
        digits_[count_++] = c;
    else if (c != '0')
        dropped_ = true;
}

void DecimalReader::integerDigit(char c) {
    if (count_ == 0 && c == '0')
        return; // a leading zero
    keep(c);
    ++point_;
}

void DecimalReader::fractionDigit(char c) {
    if (count_ == 0 && c == '0') {
        --point_;
        return;
    }
    keep(c);
}

std::optional<double> DecimalReader::toDouble(bool negative) const {
    const double zero = negative ? -0.0 : 0.0;
    if (count_ == 0)
        return zero;
    const long long scale = point_ + exponent_; // value = 0.digits x 10^scale
    // The largest double is 1.8e308 and the smallest 4.9e-324 (everything below 2.5e-324
    // rounds to zero), so a leading digit outside 10^-324..10^308 is decided without reading.
    if (scale - 1 > 308)
        return std::nullopt;
    if (scale - 1 < -324)
        return zero;

    char text[capacity + 32];
    std::memcpy(text, digits_, count_);
    int length = count_;
    if (dropped_)
        text[length++] = '1';
    text[length++] = 'e';
    const auto end =
        std::to_chars(text + length, text + sizeof text, scale - (dropped_ ? count_ + 1 : count_))
            .ptr;

    double value = 0;
    const auto result = std::from_chars(text, end, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // The value is left untouched on both overflow and underflow; tell them apart by the
        // magnitude.
        if (scale > 0)
            return std::nullopt;
        return zero;
    }
    if (result.ec != std::errc() || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

namespace {

// Reads "d.ddd...e±xx" as written by std::to_chars in scientific form.
int writtenExponent(const char* e, const char* end) {
    int exponent = 0;
    const char* p = e + 1; // past 'e'
    const bool negative = *p == '-';
    ++p;
    std::from_chars(p, end, exponent);
    return negative ? -exponent : exponent;
}

void stripTrailingZeros(Digits& digits) {
    while (digits.count > 0 && digits.d[digits.count - 1] == '0')
        --digits.count;
}

// Adds one unit in the last of the first `count` digits; a carry out of the first digit makes
// the number 1 followed by zeros, one power of ten higher.
void incrementDigits(Digits& digits, int count) {
    for (int i = count - 1; i >= 0; --i) {
        if (digits.d[i] != '9') {
            ++digits.d[i];
            digits.count = count;
            return;
        }
        digits.d[i] = '0';
    }
    digits.d[0] = '1';
    digits.count = 1;
    ++digits.exponent;
}

} // namespace

Digits significantDigits(double value) {
    Digits digits;
    digits.negative = std::signbit(value);
    if (value == 0)
        return digits;
    const double magnitude = std::fabs(value);

    // Eighteen digits, correctly rounded, tell the direction of the cut at fifteen in every case
    // but one: when they read ...500 the exact expansion decides (an exact tie goes up, away
    // from zero; std::to_chars would round it to even).
    char probe[40];
    const char* probeEnd =
        std::to_chars(probe, probe + sizeof probe, magnitude, std::chars_format::scientific, 17)
            .ptr;
    const char* source = probe; // "d.ddddddddddddddddde+xx"
    const char* sourceEnd = probeEnd;
    char exact[1100];
    if (std::memcmp(probe + 16, "500", 3) == 0) {
        sourceEnd = std::to_chars(exact, exact + sizeof exact, magnitude,
                                  std::chars_format::scientific, 780)
                        .ptr;
        source = exact;
    }

    digits.d[0] = source[0];
    std::memcpy(digits.d + 1, source + 2, 14);
    digits.count = 15;
    digits.exponent = writtenExponent(
        static_cast<const char*>(std::memchr(source, 'e', sourceEnd - source)), sourceEnd);
    if (source[16] >= '5')
        incrementDigits(digits, 15);
    stripTrailingZeros(digits);
    return digits;
}

void roundToDecimals(Digits& digits, int decimals) {
    // Digit i weighs 10^(exponent - i); keep those down to 10^-decimals.
    const long long kept = static_cast<long long>(digits.exponent) + decimals + 1;
    if (kept >= digits.count)
        return;
    if (kept < 0) {
        digits.count = 0;
        return;
    }
    const int keep = static_cast<int>(kept);
    if (digits.d[keep] >= '5') {
        incrementDigits(digits, keep);
    } else {
        digits.count = keep;
    }
    stripTrailingZeros(digits);
}

} // namespace numtext::detail
