// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// The dew point of air from its temperature (txtCelsius) and relative humidity (the slider).
#pragma once

#include "convert/form.h"

namespace convert::temperature {

inline constexpr std::string_view freezingWarning =
    "Temperatura por debajo del punto de congelación";
inline constexpr std::string_view boilingWarning = "Temperatura por encima del punto de ebullición";
inline constexpr std::string_view dewWarning = "Formación de rocío";

// Writes labHumedad: the humidity in percent, "50 %".
void showHumidity(Form& form, int humidity);

// Reads txtCelsius and writes labRocio (the dew point through the mask "0.000", then "º C")
// and labAvisoRocio (the warning that goes with the dew point as shown). A temperature field
// that is not a number leaves both labels as they are: it has to be converted first.
void showDewPoint(Form& form, int humidity);

} // namespace convert::temperature
