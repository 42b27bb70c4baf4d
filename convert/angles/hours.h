// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// Times between hours, minutes and seconds and one decimal value, in hours or in degrees at
// 15 degrees to the hour.
#pragma once

#include "convert/form.h"

#include <string_view>

namespace convert::angles {

// The entries of comGrados3, the unit of the decimal field; any other text is neither unit.
inline constexpr std::string_view hoursUnit = "h";
inline constexpr std::string_view degreesUnit = "º"; // U+00BA, the masculine ordinal

// Both read comGrados3 (the unit, compared exactly), txtHoras1, txtMinutos2, txtSegundos2
// (sexagesimal) and txtHoras2 (decimal), and write the sexagesimal and decimal fields.
void HorasSexADec(Form& form);
void HorasDecASex(Form& form);

} // namespace convert::angles
