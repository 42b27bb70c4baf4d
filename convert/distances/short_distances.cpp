// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/distances/distances.h"
#include "convert/distances/source_check.h"
#include "convert/units.h"

#include <array>
#include <string_view>

namespace convert::distances {

namespace {

constexpr std::string_view source = shortFields[0];
constexpr std::string_view sourceUnit = shortFields[1];
constexpr std::string_view targetUnit = shortFields[2];
constexpr std::string_view result = shortFields[3];

constexpr auto resultMask = numtext::mask("0.00###");
constexpr auto finalMask = numtext::mask("0.00######");

constexpr std::string_view cm = units::centimetros;
constexpr std::string_view in = units::pulgadas;
constexpr std::string_view ft = units::pies;
constexpr std::string_view yd = units::yardas;

enum class Operation { Copy, Multiply, Divide };

struct Pair {
    std::string_view from;
    std::string_view to;
    Operation operation;
    double constant;
};

// Every pair of different units is one multiplication or division by its own constant; there
// is no common base unit, so inches to feet is x / 12 and never goes through centimetres.
constexpr std::array<Pair, 16> pairs{{
    {cm, cm, Operation::Copy, 0},
    {in, in, Operation::Copy, 0},
    {ft, ft, Operation::Copy, 0},
    {yd, yd, Operation::Copy, 0},
    {cm, in, Operation::Divide, 2.54},
    {cm, ft, Operation::Divide, 30.48},
    {cm, yd, Operation::Divide, 91.44},
    {in, cm, Operation::Multiply, 2.54},
    {in, ft, Operation::Divide, 12},
    {in, yd, Operation::Divide, 36},
    {ft, cm, Operation::Multiply, 30.48},
    {ft, in, Operation::Multiply, 12},
    {ft, yd, Operation::Divide, 3},
    {yd, cm, Operation::Multiply, 91.44},
    {yd, in, Operation::Multiply, 36},
    {yd, ft, Operation::Multiply, 3},
}};

const Pair* findPair(std::string_view from, std::string_view to) {
    for (const auto& pair : pairs)
        if (numtext::textEquals(from, pair.from) && numtext::textEquals(to, pair.to))
            return &pair;
    return nullptr;
}

} // namespace

void convertShortDistance(Form& form) {
    const double x = correctSource(form, source);

    if (const Pair* pair = findPair(form.text(sourceUnit), form.text(targetUnit))) {
        if (pair->operation == Operation::Copy) {
            form.write(result, form.text(source));
        } else {
            const double value =
                pair->operation == Operation::Multiply ? x * pair->constant : x / pair->constant;
            const auto converted = form.checked(value);
            if (!converted)
                return; // both fields keep their texts
            form.write(result, numtext::applyMask(*converted, resultMask, form.locale()));
        }
    }

    // The source is rounded for display only now: the conversion used its full value.
    form.remask(source, finalMask);
    form.remask(result, finalMask);
}

} // namespace convert::distances
