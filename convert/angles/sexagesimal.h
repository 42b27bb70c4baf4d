// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// Steps shared by the degree and hour rows: input correction, sexagesimal split and the
// carry of seconds that the mask rounded up to 60.
#pragma once

#include "convert/form.h"

#include <initializer_list>
#include <string_view>

namespace convert::angles {

inline constexpr numtext::Mask secondsMask = numtext::mask("0.00###");

struct BoundedField {
    std::string_view field;
    double bound; // values from 0 up to, not including, the bound are valid
};

// Three passes over the list: texts that are not numbers, values at or above their bound, then
// negative values are each replaced by "0". A valid text is left exactly as typed.
void correctInput(Form& form, std::initializer_list<BoundedField> fields);

struct SexagesimalFields {
    std::string_view whole;
    std::string_view minutes;
    std::string_view seconds;
};

// Writes a non-negative value as whole units, minutes and seconds, each as general number text.
void splitSexagesimal(Form& form, double value, const SexagesimalFields& fields);

// When the seconds text reads 60 (the mask rounded them up), carries into the minutes and, if
// they reach 60, into the whole units. Texts that are not numbers are left alone and stop it.
void carrySeconds(Form& form, const SexagesimalFields& fields);

} // namespace convert::angles
