// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// Temperatures among the Celsius, Fahrenheit and Kelvin scales.
#pragma once

#include "convert/conversion.h"
#include "convert/units.h"

#include <array>
#include <string_view>

namespace convert::temperature {

inline constexpr numtext::Mask temperatureMask = numtext::mask("0.0##");

inline constexpr std::string_view celsius = "txtCelsius";
inline constexpr std::string_view fahrenheit = "txtFahrenheit";
inline constexpr std::string_view kelvin = "txtKelvin";
inline constexpr std::array scaleFields{celsius, fahrenheit, kelvin};

// Each reads its own scale's field and writes the three fields: the source field first, tidied
// through the mask, then the other two. A source that is not a number becomes "0"; one below
// absolute zero becomes "0" after a warning. On a floating-point fault the form stops with the
// fields written so far.
void fromCelsius(Form& form);
void fromFahrenheit(Form& form);
void fromKelvin(Form& form);

// The results: the other two scales.
inline constexpr Result celsiusResult{celsius, units::celsius};
inline constexpr Result fahrenheitResult{fahrenheit, units::fahrenheit};
inline constexpr Result kelvinResult{kelvin, units::kelvin};
inline constexpr Result fromCelsiusResults[] = {fahrenheitResult, kelvinResult};
inline constexpr Result fromFahrenheitResults[] = {celsiusResult, kelvinResult};
inline constexpr Result fromKelvinResults[] = {celsiusResult, fahrenheitResult};

inline constexpr Conversion celsiusConversion{"FromCelsius", scaleFields, fromCelsius,
                                              fromCelsiusResults};
inline constexpr Conversion fahrenheitConversion{"FromFahrenheit", scaleFields, fromFahrenheit,
                                                 fromFahrenheitResults};
inline constexpr Conversion kelvinConversion{"FromKelvin", scaleFields, fromKelvin,
                                             fromKelvinResults};

} // namespace convert::temperature
