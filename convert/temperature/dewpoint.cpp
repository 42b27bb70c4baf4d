// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/temperature/dewpoint.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string>

namespace convert::temperature {

namespace {

constexpr numtext::Mask dewPointMask = numtext::mask("0.000");

// The slider's position, as the window gives it.
std::optional<int> humidityOf(const Form& form) {
    const std::string& text = form.text(humiditySlider);
    int humidity = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), humidity);
    if (error != std::errc() || end != text.data() + text.size() || humidity < 0 || humidity > 100)
        return std::nullopt;
    return humidity;
}

} // namespace

std::string humidityText(int humidity, const numtext::NumberLocale& locale) {
    return numtext::integerText(humidity, locale) + " %";
}

void showHumidity(Form& form) {
    if (const auto humidity = humidityOf(form))
        form.write(humidityLabel, humidityText(*humidity, form.locale()));
}

void showDewPoint(Form& form) {
    const auto humidity = humidityOf(form);
    const auto temperature = form.number(celsius);
    if (!humidity || !temperature)
        return;
    const double t = *temperature;

    // The eighth root of the humidity fraction, in exactly this order of operations.
    const double a = static_cast<double>(*humidity) / 100;
    const double p = std::pow(a, 0.125);
    const auto q = form.checked((t * 0.9 + 112) * p);
    if (!q)
        return;
    const auto point = form.checked((t * 0.1 + *q) - 112);
    if (!point)
        return;

    const auto& locale = form.locale();
    form.write(dewPointLabel, numtext::generalNumberText(*point, locale));
    const std::string shown = numtext::applyMask(form.text(dewPointLabel), dewPointMask, locale);
    form.write(dewPointLabel, shown + "º C");

    // The warning follows the dew point as the user reads it, with the user's own decimal
    // separator: -0.0004 shows as 0.000 and is no frost. A shown text beyond the double range
    // (only for a dew point at its very top) keeps the side of the computed value.
    const double w = numtext::toNumber(shown, locale).value_or(*point);
    if (w < 0)
        form.write(warningLabel, std::string(freezingWarning));
    else if (w > 100)
        form.write(warningLabel, std::string(boilingWarning));
    else
        form.write(warningLabel, std::string(dewWarning));
}

} // namespace convert::temperature
