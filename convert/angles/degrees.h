// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// Angles between degrees, minutes and seconds of arc and decimal degrees.
#pragma once

#include "convert/angles/sexagesimal.h"
#include "convert/conversion.h"
#include "convert/units.h"

#include <array>

namespace convert::angles {

inline constexpr SexagesimalFields degreeSexagesimal{"txtGrados1", "txtMinutos1", "txtSegundos1"};
inline constexpr std::string_view degreeDecimal = "txtGrados2";
inline constexpr std::array degreeFields{degreeSexagesimal.whole, degreeSexagesimal.minutes,
                                         degreeSexagesimal.seconds, degreeDecimal};

// Both read and write the degree row's sexagesimal fields and its decimal field.
void GradosSexADec(Form& form);
void GradosDecASexa(Form& form);

inline constexpr Result degreeDecimalResult[] = {{degreeDecimal, units::grados}};
inline constexpr Result degreeSexagesimalResults[] = {{degreeSexagesimal.whole, units::grados},
                                                      {degreeSexagesimal.minutes, units::minutos},
                                                      {degreeSexagesimal.seconds, units::segundos}};

inline constexpr Conversion gradosSexADec{"GradosSexADec", degreeFields, GradosSexADec,
                                          degreeDecimalResult};
inline constexpr Conversion gradosDecASexa{"GradosDecASexa", degreeFields, GradosDecASexa,
                                           degreeSexagesimalResults};

} // namespace convert::angles
