// First cut of the number-text rules; the grammar and rounding are refined in later commits.
#include "numtext/numtext.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace numtext {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view trimmed(std::string_view t) {
    while (!t.empty() && isBlank(t.front()))
        t.remove_prefix(1);
    while (!t.empty() && isBlank(t.back()))
        t.remove_suffix(1);
    return t;
}

} // namespace

std::optional<double> toNumber(std::string_view text, const NumberLocale& locale) {
    text = trimmed(text);
    std::string ascii;
    for (std::size_t i = 0; i < text.size();) {
        if (!locale.decimal.empty() && text.substr(i).starts_with(locale.decimal)) {
            ascii += '.';
            i += locale.decimal.size();
        } else if (!locale.group.empty() && text.substr(i).starts_with(locale.group)) {
            i += locale.group.size();
        } else {
            ascii += text[i++];
        }
    }
    if (!ascii.empty() && ascii.front() == '+')
        ascii.erase(0, 1);
    if (ascii.empty())
        return std::nullopt;
    double v = 0;
    auto [p, ec] =
        std::from_chars(ascii.data(), ascii.data() + ascii.size(), v, std::chars_format::general);
    if (ec != std::errc() || p != ascii.data() + ascii.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

bool isNumber(std::string_view text, const NumberLocale& locale) {
    return toNumber(text, locale).has_value();
}

double readLeadingNumber(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double v = 0;
    std::from_chars(text.data(), text.data() + text.size(), v, std::chars_format::general);
    return std::isfinite(v) ? v : 0.0;
}

std::string integerText(long long value) {
    return std::to_string(value);
}

std::string generalNumberText(double value, const NumberLocale& locale) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    std::string s(buf, r.ptr);
    if (auto p = s.find('.'); p != std::string::npos)
        s.replace(p, 1, locale.decimal);
    return s;
}

std::string applyMask(double value, Mask m, const NumberLocale& locale) {
    char buf[400];
    auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, m.maxDecimals);
    std::string s(buf, r.ptr);
    auto p = s.find('.');
    if (p != std::string::npos) {
        std::size_t keep = s.size();
        while (keep > p + 1 + m.minDecimals && s[keep - 1] == '0')
            --keep;
        s.resize(keep);
        if (s.back() == '.')
            s.pop_back();
        else
            s.replace(p, 1, locale.decimal);
    }
    return s;
}

std::string applyMask(std::string_view text, Mask m, const NumberLocale& locale) {
    if (auto v = toNumber(text, locale))
        return applyMask(*v, m, locale);
    return std::string(text);
}

double wholePart(double x) {
    return std::floor(x);
}

Message rangeWarning(std::string text) {
    return Message{std::move(text), "Valor fuera de rango", MessageStyle::Warning};
}

Message floatingPointFault() {
    return rangeWarning("El resultado queda fuera del rango de valores representables.");
}

} // namespace numtext
