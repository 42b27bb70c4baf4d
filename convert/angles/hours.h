// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// Times between hours, minutes and seconds and one decimal value, in hours or in degrees at
// 15 degrees to the hour.
#pragma once

#include "convert/angles/sexagesimal.h"
#include "convert/conversion.h"
#include "convert/units.h"

#include <array>
#include <string_view>

namespace convert::angles {

inline constexpr SexagesimalFields hourSexagesimal{"txtHoras1", "txtMinutos2", "txtSegundos2"};
inline constexpr std::string_view hourDecimal = "txtHoras2";
// Its text says the unit of the decimal field: units::hoursSign or units::degreesSign, exactly;
// any other text is neither unit.
inline constexpr std::string_view hourDecimalUnit = "comGrados3";
inline constexpr std::array hourFields{hourSexagesimal.whole, hourSexagesimal.minutes,
                                       hourSexagesimal.seconds, hourDecimalUnit, hourDecimal};

// Both read the unit and the hour row's fields, and write its sexagesimal and decimal fields.
void HorasSexADec(Form& form);
void HorasDecASex(Form& form);

// The decimal value is in the unit its list names; the sexagesimal fields are always hours.
inline constexpr Result hourDecimalResult[] = {{hourDecimal, {}, hourDecimalUnit}};
inline constexpr Result hourSexagesimalResults[] = {{hourSexagesimal.whole, units::horas},
                                                    {hourSexagesimal.minutes, units::minutos},
                                                    {hourSexagesimal.seconds, units::segundos}};

inline constexpr Conversion horasSexADec{"HorasSexADec", hourFields, HorasSexADec,
                                         hourDecimalResult};
inline constexpr Conversion horasDecASex{"HorasDecASex", hourFields, HorasDecASex,
                                         hourSexagesimalResults};

} // namespace convert::angles
