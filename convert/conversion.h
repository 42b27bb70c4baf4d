// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// A conversion as the window, the fuzzers, the benchmark and the tests run it: the controls it
// reads and writes, by the names they have in the window, and the pure function over them.
#pragma once

#include "convert/form.h"

#include <span>
#include <string_view>

namespace convert {

struct Conversion {
    std::string_view name;
    std::span<const std::string_view> fields;
    void (*run)(Form&);
};

} // namespace convert
