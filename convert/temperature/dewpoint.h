// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// The dew point of air from its temperature (txtCelsius) and relative humidity (the slider).
#pragma once

#include "convert/conversion.h"
#include "convert/temperature/temperature.h"

#include <array>
#include <string>
#include <string_view>

namespace convert::temperature {

// The slider's position, its read-out, and the dew point's read-out and warning.
inline constexpr std::string_view humiditySlider = "sldHumedad";
inline constexpr std::string_view humidityLabel = "labHumedad";
inline constexpr std::string_view dewPointLabel = "labRocio";
inline constexpr std::string_view warningLabel = "labAvisoRocio";

inline constexpr std::string_view freezingWarning =
    "Temperatura por debajo del punto de congelación";
inline constexpr std::string_view boilingWarning = "Temperatura por encima del punto de ebullición";
inline constexpr std::string_view dewWarning = "Formación de rocío";

// The humidity read-out: the humidity in per cent, "50 %", in the locale's digits.
std::string humidityText(int humidity, const numtext::NumberLocale& locale);

// Both read the humidity as the slider's text (a whole number from 0 to 100; any other text
// leaves every label as it is). The first writes the humidity read-out. The second reads the
// Celsius field and writes the dew point (through the mask "0.000", then "º C") and the warning
// that goes with the dew point as shown; a temperature that is not a number leaves both labels
// as they are: it has to be converted first.
void showHumidity(Form& form);
void showDewPoint(Form& form);

inline constexpr std::array humidityFields{humiditySlider, humidityLabel};
inline constexpr std::array dewPointFields{humiditySlider, celsius, dewPointLabel, warningLabel};
// The read-outs carry their units in their texts.
inline constexpr Result humidityResult[] = {{humidityLabel}};
inline constexpr Result dewPointResults[] = {{dewPointLabel}, {warningLabel}};
inline constexpr Conversion humidityReadOut{"Humidity", humidityFields, showHumidity,
                                            humidityResult};
inline constexpr Conversion dewPoint{"DewPoint", dewPointFields, showDewPoint, dewPointResults};

} // namespace convert::temperature
