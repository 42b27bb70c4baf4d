// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// The source check both length converters share.
#pragma once

#include "convert/form.h"

#include <string_view>

namespace convert::distances {

// A source that is not a number, then one below zero, becomes "0", silently. A valid text is
// left exactly as typed. Returns the value the conversion goes on with.
double correctSource(Form& form, std::string_view field);

} // namespace convert::distances
