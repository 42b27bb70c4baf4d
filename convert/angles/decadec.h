// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// A decimal amount re-expressed in another unit of its family: degrees, minutes and seconds of
// arc, or hours, minutes and seconds of time.
#pragma once

#include "convert/conversion.h"
#include "convert/units.h"

#include <array>
#include <string_view>

namespace convert::angles {

// The controls of one unit-change row and the name of its main unit.
struct UnitChangeRow {
    std::string_view input;
    std::string_view output;
    std::string_view sourceUnit; // list whose text names the unit of the input
    std::string_view targetUnit; // list whose text names the unit of the output
    std::string_view mainUnit;
};

inline constexpr UnitChangeRow degreeUnitChange{"txtGrados3", "txtGrados4", "comGrados1",
                                                "comGrados2", units::grados};
inline constexpr UnitChangeRow hourUnitChange{"txtHoras3", "txtHoras4", "comHoras1", "comHoras2",
                                              units::horas};

constexpr std::array<std::string_view, 4> fieldsOf(const UnitChangeRow& row) {
    return {row.input, row.sourceUnit, row.targetUnit, row.output};
}
inline constexpr std::array degreeUnitChangeFields = fieldsOf(degreeUnitChange);
inline constexpr std::array hourUnitChangeFields = fieldsOf(hourUnitChange);

// The output, in the unit of the target list.
constexpr std::array<Result, 1> resultsOf(const UnitChangeRow& row) {
    return {{{row.output, {}, row.targetUnit}}};
}
inline constexpr std::array degreeUnitChangeResults = resultsOf(degreeUnitChange);
inline constexpr std::array hourUnitChangeResults = resultsOf(hourUnitChange);

// Corrects the input (not a number: "0"; negative: a warning, then "0"), writes the amount in
// the target unit and shows both fields through the mask "0.00######". List texts that name
// no pair of units leave the output's value as it was. A result beyond the double range stops
// the conversion with the floating-point fault.
void DecADec(Form& form, const UnitChangeRow& row);

inline constexpr Conversion decADec1{"DecADecGrados", degreeUnitChangeFields,
                                     [](Form& form) { DecADec(form, degreeUnitChange); },
                                     degreeUnitChangeResults};
inline constexpr Conversion decADec2{"DecADecHoras", hourUnitChangeFields,
                                     [](Form& form) { DecADec(form, hourUnitChange); },
                                     hourUnitChangeResults};

} // namespace convert::angles
