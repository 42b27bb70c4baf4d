// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// The names of the units: those the lists offer, which the conversions compare their texts with
// exactly, and those the results of a conversion are in.
#pragma once

#include <array>
#include <string_view>

namespace convert::units {

// The unit change of decimal degrees and hours.
inline constexpr std::string_view grados = "Grados";
inline constexpr std::string_view horas = "Horas";
inline constexpr std::string_view minutos = "Minutos";
inline constexpr std::string_view segundos = "Segundos";

// The unit of the decimal field of the hours row.
inline constexpr std::string_view hoursSign = "h";
inline constexpr std::string_view degreesSign = "º"; // U+00BA, the masculine ordinal

// Everyday lengths.
inline constexpr std::string_view centimetros = "Centímetros";
inline constexpr std::string_view pulgadas = "Pulgadas";
inline constexpr std::string_view pies = "Pies";
inline constexpr std::string_view yardas = "Yardas";

// Long and astronomical lengths.
inline constexpr std::string_view kilometros = "Kilómetros";
inline constexpr std::string_view millas = "Millas";
inline constexpr std::string_view unidadesAstronomicas = "Unidades Astronómicas";
inline constexpr std::string_view anosLuz = "Años Luz";
inline constexpr std::string_view parsecs = "Parsecs";

// The temperature scales, each named after a person.
inline constexpr std::string_view celsius = "Celsius";
inline constexpr std::string_view fahrenheit = "Fahrenheit";
inline constexpr std::string_view kelvin = "Kelvin";
inline constexpr std::array scales{celsius, fahrenheit, kelvin};

// The entries of each family of lists, in the order the drop-down shows them.
inline constexpr std::array degreeUnits{grados, minutos, segundos};
inline constexpr std::array hourUnits{horas, minutos, segundos};
inline constexpr std::array decimalHourUnits{hoursSign, degreesSign};
inline constexpr std::array shortUnits{centimetros, pulgadas, pies, yardas};
inline constexpr std::array longUnits{kilometros, millas, unidadesAstronomicas, anosLuz, parsecs};

// The unit a sign of the decimal field's list stands for; any other text is a name already.
constexpr std::string_view nameOf(std::string_view unit) {
    if (unit == hoursSign)
        return horas;
    if (unit == degreesSign)
        return grados;
    return unit;
}

} // namespace convert::units
