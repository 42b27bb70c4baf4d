// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// The number test, the text-to-number conversion, the general number text and the masks on any
// text: the test and the conversion agree, every number is finite, and what is written for it
// reads back to the same text.
#include "invariants.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const auto& locale = fuzz::localeOf(data[0]);
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);

    const auto value = numtext::toNumber(text, locale);
    fuzz::require(numtext::isNumber(text, locale) == value.has_value(),
                  "the number test accepts exactly what the conversion reads", text);
    constexpr numtext::Mask masks[] = {numtext::mask("0.00#####"),  numtext::mask("0.00###"),
                                       numtext::mask("0.00######"), numtext::mask("0.00"),
                                       numtext::mask("0.0##"),      numtext::mask("0.000")};
    if (!value) {
        for (const auto mask : masks)
            fuzz::require(numtext::applyMask(text, mask, locale) == text,
                          "a mask gives back a text that is no number", text);
        return 0;
    }
    fuzz::require(std::isfinite(*value), "a number is finite", text);
    if (!fuzz::writable(*value))
        return 0;

    const std::string general = numtext::generalNumberText(*value, locale);
    const auto back = numtext::toNumber(general, locale);
    fuzz::require(back.has_value(), "the general number text is a number", general);
    fuzz::require(numtext::generalNumberText(*back, locale) == general,
                  "the general number text reads back to itself", general);
    for (const auto mask : masks)
        fuzz::requireMasked(numtext::applyMask(text, mask, locale), mask, locale);
    return 0;
}
