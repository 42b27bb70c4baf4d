// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/message.h"

namespace convert {

Message rangeWarning(std::string text) {
    return Message{std::move(text), "Valor fuera de rango", MessageStyle::Warning};
}

Message floatingPointFault() {
    return rangeWarning("El resultado queda fuera del rango de valores representables.");
}

} // namespace convert
