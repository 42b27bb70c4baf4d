// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/angles/degrees.h"

namespace convert::angles {

namespace {
constexpr const SexagesimalFields& sexagesimal = degreeSexagesimal;
constexpr std::string_view decimal = degreeDecimal;
constexpr double fullCircle = 360;
} // namespace

void GradosSexADec(Form& form) {
    correctInput(
        form,
        {{sexagesimal.whole, fullCircle}, {sexagesimal.minutes, 60}, {sexagesimal.seconds, 60}});
    const double g = *form.number(sexagesimal.whole);
    const double m = *form.number(sexagesimal.minutes);
    const double s = *form.number(sexagesimal.seconds);
    const double t1 = (s / 60) / 60;
    const double t2 = m / 60 + t1;
    const double d = g + t2;
    form.writeMasked(decimal, d, numtext::mask("0.00#####"));
}

void GradosDecASexa(Form& form) {
    correctInput(form, {{decimal, fullCircle}});
    splitSexagesimal(form, *form.number(decimal), sexagesimal);
    form.remask(sexagesimal.seconds, secondsMask);
    carrySeconds(form, sexagesimal);
}

} // namespace convert::angles
