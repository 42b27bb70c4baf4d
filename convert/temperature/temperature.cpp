// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/temperature/temperature.h"

#include <string_view>

namespace convert::temperature {

namespace {

using Formula = double (*)(double);

struct Scale {
    std::string_view source;
    double lowerLimit; // absolute zero on this scale; the limit itself is accepted
    std::string_view warning;
    std::string_view firstTarget;
    Formula first;
    std::string_view secondTarget;
    Formula second;
};

// The formulas keep their written order of operations: the results are compared digit for
// digit, and a different order can change the last rounded decimal.
constexpr Scale celsiusScale{
    celsius,
    -273.15,
    "Solo valores mayores a -273.15º C",
    kelvin,
    [](double c) { return c + 273.15; },
    fahrenheit,
    [](double c) { return c * 1.8 + 32; },
};

constexpr Scale fahrenheitScale{
    fahrenheit,
    -459.67,
    "Solo valores mayores a -459.67º F",
    celsius,
    [](double f) { return (f - 32) / 1.8; },
    kelvin,
    [](double f) { return (f - 32) / 1.8 + 273.15; },
};

constexpr Scale kelvinScale{
    kelvin,
    0,
    "Solo valores mayores a 0º K",
    celsius,
    [](double k) { return k - 273.15; },
    fahrenheit,
    [](double k) { return (k - 273.15) * 1.8 + 32; },
};

void convertFrom(Form& form, const Scale& scale) {
    if (!form.isNumber(scale.source))
        form.write(scale.source, numtext::integerText(0, form.locale()));
    if (*form.number(scale.source) < scale.lowerLimit) {
        form.tell(rangeWarning(std::string(scale.warning)));
        form.write(scale.source, numtext::integerText(0, form.locale()));
    }

    // The targets are computed from the value the tidied source shows, not from what was typed.
    form.remask(scale.source, temperatureMask);
    if (form.faulted())
        return; // the mask carried a value at the very top of the double range beyond it
    const auto shown = form.number(scale.source);

    const auto first = form.checked(scale.first(*shown));
    if (!first)
        return;
    form.write(scale.firstTarget, numtext::applyMask(*first, temperatureMask, form.locale()));

    const auto second = form.checked(scale.second(*shown));
    if (!second)
        return;
    form.write(scale.secondTarget, numtext::applyMask(*second, temperatureMask, form.locale()));
}

} // namespace

void fromCelsius(Form& form) {
    convertFrom(form, celsiusScale);
}

void fromFahrenheit(Form& form) {
    convertFrom(form, fahrenheitScale);
}

void fromKelvin(Form& form) {
    convertFrom(form, kelvinScale);
}

} // namespace convert::temperature
