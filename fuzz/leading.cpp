// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// The reading of a leading number on any text: it never fails and never gives infinity or NaN,
// and on a text that is one whole full-stop number it reads what the number test reads.
#include "invariants.h"

#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double value = numtext::readLeadingNumber(text);
    fuzz::require(std::isfinite(value), "a leading number is finite", text);

    // The number test also takes blanks beyond ASCII and thousands separators; leave those out.
    for (const unsigned char c : text)
        if (c >= 0x80 || c == ',')
            return 0;
    const auto whole = numtext::toNumber(text, numtext::fullStopLocale);
    if (!whole)
        return 0;
    fuzz::require(std::memcmp(&value, &*whole, sizeof value) == 0,
                  "a whole number reads the same from its start", text);
    const std::string labelled = text + "º C"; // as the dew point writes it
    const double labelValue = numtext::readLeadingNumber(labelled);
    fuzz::require(std::memcmp(&labelValue, &*whole, sizeof value) == 0,
                  "a number followed by its unit reads as the number", labelled);
    return 0;
}
