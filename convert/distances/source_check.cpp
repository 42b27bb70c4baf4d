// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/distances/source_check.h"

namespace convert::distances {

double correctSource(Form& form, std::string_view field) {
    if (!form.isNumber(field))
        form.write(field, numtext::integerText(0, form.locale()));
    if (*form.number(field) < 0)
        form.write(field, numtext::integerText(0, form.locale()));
    return *form.number(field);
}

} // namespace convert::distances
