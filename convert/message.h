// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// A message box as the conversions (and the About window) ask for it; the window shows it.
#pragma once

#include <string>
#include <string_view>

namespace convert {

enum class MessageStyle { Plain = 0, Warning = 48 };

inline constexpr std::string_view programTitle = "Tarabel";

struct Message {
    std::string text;
    std::string title{programTitle};
    MessageStyle style = MessageStyle::Plain;
    bool operator==(const Message&) const = default;
};

// The range warning every conversion uses: warning icon, title "Valor fuera de rango".
Message rangeWarning(std::string text);

// The one message for a floating-point fault (a result beyond the double range).
Message floatingPointFault();

} // namespace convert
