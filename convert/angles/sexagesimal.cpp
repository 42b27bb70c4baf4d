// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/angles/sexagesimal.h"

#include <optional>

namespace convert::angles {

void correctInput(Form& form, std::initializer_list<BoundedField> fields) {
    for (const auto& f : fields)
        if (!form.isNumber(f.field))
            form.write(f.field, numtext::integerText(0, form.locale()));
    for (const auto& f : fields)
        if (*form.number(f.field) >= f.bound)
            form.write(f.field, numtext::integerText(0, form.locale()));
    for (const auto& f : fields)
        if (*form.number(f.field) < 0)
            form.write(f.field, numtext::integerText(0, form.locale()));
}

void splitSexagesimal(Form& form, double value, const SexagesimalFields& fields) {
    const double whole = numtext::wholePart(value);
    const double f = (value - whole) * 60;
    const double minutes = numtext::wholePart(f);
    const double seconds = (f - minutes) * 60;
    const auto& locale = form.locale();
    form.write(fields.whole, numtext::generalNumberText(whole, locale));
    form.write(fields.minutes, numtext::generalNumberText(minutes, locale));
    form.write(fields.seconds, numtext::generalNumberText(seconds, locale));
}

void carrySeconds(Form& form, const SexagesimalFields& fields) {
    const auto seconds = form.number(fields.seconds);
    if (!seconds || *seconds != 60)
        return;
    const auto minutes = form.number(fields.minutes);
    if (!minutes)
        return;
    double newMinutes = *minutes + 1;
    std::optional<double> newWhole;
    if (newMinutes >= 60) {
        // 60 minutes are a whole unit more, never a field showing 60.
        const auto whole = form.number(fields.whole);
        if (!whole)
            return;
        newWhole = form.checked(*whole + 1);
        if (!newWhole)
            return;
        newMinutes -= 60;
    }
    // Every value the carry writes must read back: one at the edge of the double range (whole
    // units or minutes the user typed) is the floating-point fault, and nothing is written.
    if (!form.checked(newMinutes))
        return;
    const auto& locale = form.locale();
    form.write(fields.seconds, numtext::applyMask(0.0, secondsMask, locale));
    form.write(fields.minutes, numtext::generalNumberText(newMinutes, locale));
    if (newWhole)
        form.write(fields.whole, numtext::generalNumberText(*newWhole, locale));
}

} // namespace convert::angles
