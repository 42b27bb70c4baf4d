// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// A conversion as the window, the fuzzers, the benchmark and the tests run it: the controls it
// reads and writes, by the names they have in the window, and the pure function over them.
#pragma once

#include "convert/form.h"

#include <span>
#include <string_view>

namespace convert {

// A result of a conversion as the user is told it: the text of one of its fields, then the unit,
// if any, given by its name (convert/units.h) or by the unit list whose text names it.
struct Result {
    std::string_view field;
    std::string_view unit = {};
    std::string_view unitList = {};
};

struct Conversion {
    std::string_view name;
    std::span<const std::string_view> fields;
    void (*function)(Form&);
    // What it gives the user, in the order to tell it; the fields it only tidies are not results.
    std::span<const Result> results = {};

    // Runs the function on a form built with the declared fields. A field it names without
    // declaring it ends the conversion there with nothing done (Outcome::undeclared): never an
    // exception out of here, so never one out of a Qt slot.
    const Outcome& run(Form& form) const {
        try {
            function(form);
        } catch (const UndeclaredField& mistake) {
            form.abandon(mistake.field);
        }
        return form.outcome();
    }
};

} // namespace convert
