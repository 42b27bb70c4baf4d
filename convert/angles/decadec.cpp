// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/angles/decadec.h"

#include <optional>

namespace convert::angles {

namespace {
constexpr numtext::Mask amountMask = numtext::mask("0.00######");
constexpr std::string_view minutes = units::minutos;
constexpr std::string_view seconds = units::segundos;

enum class Step { Copy, TimesSixty, TimesSixtyTwice, OverSixty, OverSixtyTwice };

std::optional<Step> stepFor(std::string_view from, std::string_view to, std::string_view main) {
    struct Pair {
        std::string_view from;
        std::string_view to;
        Step step;
    };
    // Tested in this order; the first pair matching both list texts decides.
    const Pair pairs[] = {
        {main, main, Step::Copy},
        {minutes, minutes, Step::Copy},
        {seconds, seconds, Step::Copy},
        {main, minutes, Step::TimesSixty},
        {main, seconds, Step::TimesSixtyTwice},
        {minutes, main, Step::OverSixty},
        {minutes, seconds, Step::TimesSixty},
        {seconds, main, Step::OverSixtyTwice},
        {seconds, minutes, Step::OverSixty},
    };
    for (const auto& pair : pairs)
        if (numtext::textEquals(from, pair.from) && numtext::textEquals(to, pair.to))
            return pair.step;
    return std::nullopt;
}

// Only the multiplications can leave the double range; each is checked where it happens.
std::optional<double> changeUnit(Form& form, double x, Step step) {
    switch (step) {
    case Step::TimesSixty:
        return form.checked(x * 60);
    case Step::TimesSixtyTwice:
        if (const auto once = form.checked(x * 60))
            return form.checked(*once * 60);
        return std::nullopt;
    case Step::OverSixty:
        return x / 60;
    case Step::OverSixtyTwice:
        return (x / 60) / 60;
    case Step::Copy:
        break;
    }
    return x;
}

void remaskNumber(Form& form, std::string_view field) {
    // A text that is not a number would come back unchanged; leave the field alone.
    if (form.isNumber(field))
        form.remask(field, amountMask);
}
} // namespace

void DecADec(Form& form, const UnitChangeRow& row) {
    if (!form.isNumber(row.input))
        form.write(row.input, numtext::integerText(0, form.locale()));
    if (*form.number(row.input) < 0) {
        form.tell(rangeWarning("Solo valores positivos"));
        form.write(row.input, numtext::integerText(0, form.locale()));
    }
    const double x = *form.number(row.input);

    if (const auto step =
            stepFor(form.text(row.sourceUnit), form.text(row.targetUnit), row.mainUnit)) {
        if (*step == Step::Copy) {
            form.write(row.output, form.text(row.input));
        } else {
            const auto result = changeUnit(form, x, *step);
            if (!result)
                return;
            form.write(row.output, numtext::generalNumberText(*result, form.locale()));
        }
    }
    remaskNumber(form, row.output);
    remaskNumber(form, row.input);
}

} // namespace convert::angles
