// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/temperature/dewpoint.h"

#include <cmath>
#include <string>

namespace convert::temperature {

namespace {
constexpr std::string_view celsius = "txtCelsius";
constexpr std::string_view humidityLabel = "labHumedad";
constexpr std::string_view dewPointLabel = "labRocio";
constexpr std::string_view warningLabel = "labAvisoRocio";
constexpr numtext::Mask dewPointMask = numtext::mask("0.000");
} // namespace

void showHumidity(Form& form, int humidity) {
    form.write(humidityLabel, numtext::integerText(humidity) + " %");
}

void showDewPoint(Form& form, int humidity) {
    const auto temperature = form.number(celsius);
    if (!temperature)
        return;
    const double t = *temperature;

    // The eighth root of the humidity fraction, in exactly this order of operations.
    const double a = static_cast<double>(humidity) / 100;
    const double p = std::pow(a, 0.125);
    const auto q = form.checked((t * 0.9 + 112) * p);
    if (!q)
        return;
    const auto dewPoint = form.checked((t * 0.1 + *q) - 112);
    if (!dewPoint)
        return;

    const auto& locale = form.locale();
    form.write(dewPointLabel, numtext::generalNumberText(*dewPoint, locale));
    const std::string shown = numtext::applyMask(form.text(dewPointLabel), dewPointMask, locale);
    form.write(dewPointLabel, shown + "º C");

    // The warning follows the dew point as the user reads it, with the user's own decimal
    // separator: -0.0004 shows as 0.000 and is no frost. A shown text beyond the double range
    // (only for a dew point at its very top) keeps the side of the computed value.
    const double w = numtext::toNumber(shown, locale).value_or(*dewPoint);
    if (w < 0)
        form.write(warningLabel, std::string(freezingWarning));
    else if (w > 100)
        form.write(warningLabel, std::string(boilingWarning));
    else
        form.write(warningLabel, std::string(dewWarning));
}

} // namespace convert::temperature
