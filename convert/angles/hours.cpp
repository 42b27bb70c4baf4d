// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/angles/hours.h"

#include "convert/units.h"

#include <optional>

namespace convert::angles {

namespace {
constexpr const SexagesimalFields& sexagesimal = hourSexagesimal;
constexpr std::string_view decimal = hourDecimal;
constexpr std::string_view unitList = hourDecimalUnit;
constexpr double degreesPerHour = 15;
constexpr double hoursPerDay = 24;
constexpr double fullCircle = 360;
constexpr numtext::Mask decimalMask = numtext::mask("0.00###");
} // namespace

void HorasSexADec(Form& form) {
    // The hours are bounded by a day whatever the unit of the decimal field.
    correctInput(
        form,
        {{sexagesimal.whole, hoursPerDay}, {sexagesimal.minutes, 60}, {sexagesimal.seconds, 60}});
    const double h = *form.number(sexagesimal.whole);
    const double m = *form.number(sexagesimal.minutes);
    const double s = *form.number(sexagesimal.seconds);
    const std::string& unit = form.text(unitList);

    std::optional<double> d;
    if (numtext::textEquals(unit, units::degreesSign)) {
        const double t1 = (m * degreesPerHour) / 60;
        const double t2 = h * degreesPerHour + t1;
        d = ((s * degreesPerHour) / 60) / 60 + t2;
    } else if (numtext::textEquals(unit, units::hoursSign)) {
        const double t1 = m / 60;
        const double t2 = h + t1;
        d = ((s / 60) / 60) + t2;
    }

    if (d)
        form.writeMasked(decimal, *d, decimalMask);
    else if (form.isNumber(decimal))
        form.remask(decimal, decimalMask); // no unit: the old value is only shown again
}

void HorasDecASex(Form& form) {
    const std::string& unit = form.text(unitList);
    if (numtext::textEquals(unit, units::degreesSign)) {
        correctInput(form, {{decimal, fullCircle}});
        splitSexagesimal(form, *form.number(decimal) / degreesPerHour, sexagesimal);
    } else if (numtext::textEquals(unit, units::hoursSign)) {
        correctInput(form, {{decimal, hoursPerDay}});
        splitSexagesimal(form, *form.number(decimal), sexagesimal);
    }
    // With no unit the seconds are whatever the user left there: only a number is masked
    // again, and the carry leaves texts that are not numbers alone.
    if (form.isNumber(sexagesimal.seconds))
        form.remask(sexagesimal.seconds, secondsMask);
    carrySeconds(form, sexagesimal);
}

} // namespace convert::angles
