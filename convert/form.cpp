// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/form.h"

#include <cmath>

namespace convert {

Form::Form(numtext::NumberLocale locale,
           std::initializer_list<std::pair<std::string, std::string>> texts)
    : locale_(std::move(locale)), texts_(texts.begin(), texts.end()) {}

Form::Form(numtext::NumberLocale locale, std::map<std::string, std::string, std::less<>> texts)
    : locale_(std::move(locale)), texts_(std::move(texts)) {}

const std::string& Form::text(std::string_view field) const {
    const auto it = texts_.find(field);
    if (it == texts_.end())
        throw UndeclaredField{std::string(field)};
    return it->second;
}

void Form::write(std::string_view field, std::string text) {
    const auto it = texts_.find(field);
    if (it == texts_.end())
        throw UndeclaredField{std::string(field)};
    if (outcome_.fault)
        return;
    it->second = text;
    outcome_.effects.emplace_back(Write{std::string(field), std::move(text)});
}

void Form::tell(Message message) {
    if (!outcome_.fault)
        outcome_.effects.emplace_back(std::move(message));
}

void Form::abandon(std::string undeclared) {
    outcome_ = Outcome{{}, false, std::move(undeclared)};
}

void Form::fault() {
    tell(floatingPointFault());
    outcome_.fault = true;
}

bool Form::isNumber(std::string_view field) const {
    return numtext::isNumber(text(field), locale_);
}

std::optional<double> Form::number(std::string_view field) const {
    return numtext::toNumber(text(field), locale_);
}

std::optional<double> Form::checked(double value) {
    // Just below the largest double, the 15-digit text rounds up beyond the range: such a value
    // could be written but never read back, so it counts as out of range too.
    if (!outcome_.fault && std::isfinite(value) &&
        numtext::isNumber(numtext::generalNumberText(value, locale_), locale_))
        return value;
    fault();
    return std::nullopt;
}

void Form::writeMasked(std::string_view field, double value, numtext::Mask mask) {
    if (!checked(value))
        return;
    write(field, numtext::generalNumberText(value, locale_));
    remask(field, mask);
}

void Form::remask(std::string_view field, numtext::Mask mask) {
    std::string masked = numtext::applyMask(text(field), mask, locale_);
    // Rounding can carry a number at the very top of the double range past it; the field keeps
    // the text it had and the conversion stops there.
    if (isNumber(field) && !numtext::isNumber(masked, locale_)) {
        fault();
        return;
    }
    write(field, std::move(masked));
}

} // namespace convert
