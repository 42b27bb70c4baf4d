// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// One conversion of the catalogue, named by TARABEL_FUZZ_CONVERSION (fuzz/run.sh runs each in
// turn, and TARABEL_FUZZ_CONVERSION=list prints their names), on any field texts. Whatever the
// texts, it names only the fields it declares, leaves in each field a number of the locale or the
// text it already had, writes the read-outs in their own forms, asks only for range warnings, and
// stops on a floating-point fault with that message last. The input: a first byte for the locale
// (see fuzz::localeOf) and the humidity, then the field texts in the order of the list, separated
// by line feeds.
#include "invariants.h"

#include "convert/catalogue.h"
#include "convert/units.h"

#include <cstdint>
#include <cstdio>
#include <map>
#include <span>
#include <vector>

namespace {

using convert::Form;
namespace angles = convert::angles;
namespace temperature = convert::temperature;
namespace units = convert::units;

const convert::Conversion* conversion = nullptr;

// The minutes and seconds a conversion splits a value into: below 60 each.
std::vector<std::string_view> sexagesimalOf(const convert::Conversion& c) {
    for (const auto& [split, fields] :
         {std::pair{&angles::gradosDecASexa, angles::degreeSexagesimal},
          {&angles::horasDecASex, angles::hourSexagesimal}})
        if (split == &c)
            return {fields.minutes, fields.seconds};
    return {};
}

// A unit list's text: one byte below 16 picks a unit name of the program, so that the fuzzer
// meets the real pairs; anything else is the user's own text.
std::string listText(const std::string& text) {
    static const std::vector<std::string_view> names = [] {
        std::vector<std::string_view> all;
        for (const auto& family : {std::span<const std::string_view>(units::degreeUnits),
                                   std::span<const std::string_view>(units::hourUnits),
                                   std::span<const std::string_view>(units::decimalHourUnits),
                                   std::span<const std::string_view>(units::shortUnits),
                                   std::span<const std::string_view>(units::longUnits)})
            all.insert(all.end(), family.begin(), family.end());
        return all;
    }();
    if (text.size() == 1 && static_cast<unsigned char>(text[0]) < 16)
        return std::string(names[static_cast<unsigned char>(text[0]) % names.size()]);
    return text;
}

void requireWritten(const std::string& field, const std::string& text, const std::string& before,
                    const numtext::NumberLocale& locale) {
    if (field == temperature::dewPointLabel) {
        const std::string_view unit = "º C";
        fuzz::require(text.ends_with(unit), "the dew point ends with its unit", text);
        const std::string shown = text.substr(0, text.size() - unit.size());
        fuzz::requireMasked(shown, numtext::mask("0.000"), locale);
    } else if (field == temperature::humidityLabel) {
        const auto humidity = numtext::toNumber(text.substr(0, text.size() - 2), locale);
        fuzz::require(text.ends_with(" %") && humidity && *humidity >= 0 && *humidity <= 100,
                      "the humidity is a per cent", text);
    } else if (field == temperature::warningLabel) {
        fuzz::require(text == temperature::freezingWarning || text == temperature::boilingWarning ||
                          text == temperature::dewWarning,
                      "the dew-point warning is one of three", text);
    } else {
        fuzz::require(numtext::isNumber(text, locale) || text == before,
                      "a field is given a number or keeps its text", text);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const char* chosen = std::getenv("TARABEL_FUZZ_CONVERSION");
    const std::string_view name = chosen ? chosen : "";
    for (const convert::Conversion* c : convert::allConversions) {
        if (name == "list")
            std::printf("%.*s\n", static_cast<int>(c->name.size()), c->name.data());
        else if (c->name == name)
            conversion = c;
    }
    if (name == "list")
        std::exit(0);
    if (!conversion) {
        std::fprintf(stderr, "TARABEL_FUZZ_CONVERSION names no conversion (=list names them)\n");
        std::exit(2);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const auto& locale = fuzz::localeOf(data[0]);

    // The field texts, in the order of the list, separated by line feeds; the slider's position
    // comes from the first byte.
    std::map<std::string, std::string, std::less<>> texts;
    std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    for (const std::string_view field : conversion->fields) {
        if (field == temperature::humiditySlider) {
            texts.emplace(field, numtext::integerText((data[0] >> 1) % 101));
            continue;
        }
        const auto end = std::min(rest.find('\n'), rest.size());
        const std::string text(rest.substr(0, end));
        rest.remove_prefix(std::min(end + 1, rest.size()));
        texts.emplace(field, field.starts_with("com") ? listText(text) : text);
    }

    Form form(locale, texts);
    const auto& outcome = conversion->run(form);
    fuzz::require(outcome.undeclared.empty(), "a conversion names only the fields it declares",
                  outcome.undeclared);

    const auto& effects = outcome.effects;
    for (const auto& effect : effects) {
        if (std::holds_alternative<convert::Write>(effect))
            continue;
        const auto& message = std::get<convert::Message>(effect);
        fuzz::require(message.style == convert::MessageStyle::Warning &&
                          message.title == "Valor fuera de rango",
                      "every box is a range warning", message.text);
        fuzz::require(message != convert::floatingPointFault() || &effect == &effects.back(),
                      "a floating-point fault stops the conversion");
    }
    // The window shows each field's last text (the read-outs are written in two steps).
    for (const auto& [field, before] : texts)
        if (form.text(field) != before)
            requireWritten(field, form.text(field), before, locale);
    if (form.faulted()) {
        const auto* last =
            effects.empty() ? nullptr : std::get_if<convert::Message>(&effects.back());
        fuzz::require(last && *last == convert::floatingPointFault(), "a fault is told");
    }

    // A value split into units, minutes and seconds never shows 60 minutes or seconds.
    static const std::vector<std::string_view> sexagesimal = sexagesimalOf(*conversion);
    const bool split =
        !sexagesimal.empty() && (conversion == &angles::gradosDecASexa ||
                                 form.text(angles::hourDecimalUnit) == units::hoursSign ||
                                 form.text(angles::hourDecimalUnit) == units::degreesSign);
    for (const auto field : split ? sexagesimal : std::vector<std::string_view>{}) {
        const auto value = form.number(field);
        fuzz::require(value && *value >= 0 && *value < 60, "minutes and seconds stay below 60",
                      form.text(field));
    }
    return 0;
}
