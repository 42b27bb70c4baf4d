// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// The small pieces of number text: integer text and whole part.
#include "numtext/numtext.h"

#include <charconv>
#include <cmath>

namespace numtext {

std::string integerText(long long value) {
    char buffer[24];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

double wholePart(double x) {
    return std::floor(x);
}

} // namespace numtext
