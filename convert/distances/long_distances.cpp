// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/distances/distances.h"
#include "convert/distances/source_check.h"
#include "convert/units.h"

#include <array>
#include <optional>
#include <string_view>

namespace convert::distances {

namespace {

constexpr std::string_view source = longFields[0];
constexpr std::string_view sourceUnit = longFields[1];
constexpr std::string_view targetUnit = longFields[2];
constexpr std::string_view result = longFields[3];

// One operation by one constant; the kilometre needs none.
struct Operation {
    enum Kind { None, Multiply, Divide } kind;
    double constant;

    double apply(double x) const { return kind == Multiply ? x * constant : x / constant; }
};

struct Unit {
    std::string_view name;
    Operation intoKilometres;
    Operation fromKilometres;
};

// Kilometres are the pivot. These constants are the ones to use even where other tables give
// other values, and each is applied on its own: never folded into one factor per pair, so the
// results keep their exact last digits.
constexpr double milesPerKilometre = 0.6214;
constexpr double kilometresPerAstronomicalUnit = 149597870.691;
constexpr double kilometresPerLightYear = 9460536207000;
constexpr double kilometresPerParsec = 30856780200000;

constexpr std::array<Unit, 5> units{{
    {units::kilometros, {Operation::None, 0}, {Operation::None, 0}},
    {units::millas,
     {Operation::Divide, milesPerKilometre},
     {Operation::Multiply, milesPerKilometre}},
    {units::unidadesAstronomicas,
     {Operation::Multiply, kilometresPerAstronomicalUnit},
     {Operation::Divide, kilometresPerAstronomicalUnit}},
    {units::anosLuz,
     {Operation::Multiply, kilometresPerLightYear},
     {Operation::Divide, kilometresPerLightYear}},
    {units::parsecs,
     {Operation::Multiply, kilometresPerParsec},
     {Operation::Divide, kilometresPerParsec}},
}};

const Unit* findUnit(std::string_view name) {
    for (const auto& unit : units)
        if (numtext::textEquals(name, unit.name))
            return &unit;
    return nullptr;
}

} // namespace

void convertLongDistance(Form& form) {
    const double x = correctSource(form, source);

    const Unit* from = findUnit(form.text(sourceUnit));
    const Unit* to = findUnit(form.text(targetUnit));
    if (!from || !to)
        return; // a list text that names no unit: the result keeps its text

    if (from == to) {
        // Copied as typed: 5.0 stays 5.0, 1e3 stays 1e3.
        form.write(result, form.text(source));
        return;
    }

    double value = x;
    for (const Operation& step : {from->intoKilometres, to->fromKilometres}) {
        if (step.kind == Operation::None)
            continue;
        const auto checked = form.checked(step.apply(value));
        if (!checked)
            return; // beyond the double range: neither field changes
        value = *checked;
    }
    form.write(result, numtext::generalNumberText(value, form.locale()));
}

} // namespace convert::distances
