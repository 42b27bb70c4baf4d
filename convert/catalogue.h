// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// Every conversion of the program, listed once: whatever goes through them all reads them here
// (the fuzz target takes their names from this list).
#pragma once

#include "convert/angles/decadec.h"
#include "convert/angles/degrees.h"
#include "convert/angles/hours.h"
#include "convert/distances/distances.h"
#include "convert/temperature/dewpoint.h"
#include "convert/temperature/temperature.h"

#include <array>

namespace convert {

inline constexpr std::array allConversions{
    &angles::gradosSexADec,
    &angles::gradosDecASexa,
    &angles::horasSexADec,
    &angles::horasDecASex,
    &angles::decADec1,
    &angles::decADec2,
    &distances::shortDistance,
    &distances::longDistance,
    &temperature::celsiusConversion,
    &temperature::fahrenheitConversion,
    &temperature::kelvinConversion,
    &temperature::humidityReadOut,
    &temperature::dewPoint,
};

} // namespace convert
