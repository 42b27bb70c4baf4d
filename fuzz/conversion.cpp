// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// One pure conversion (FUZZ_CONVERSION) on any field texts. Whatever the texts, it finishes
// without an exception, leaves in each field a number of the locale or the text it already had,
// writes the read-outs in their own forms, asks only for range warnings, and stops on a
// floating-point fault with that message last. The input: a first byte for the separators (bit 0)
// and the humidity, then the field texts in the order of the list, separated by line feeds.
#include "invariants.h"

#include "convert/angles/decadec.h"
#include "convert/angles/degrees.h"
#include "convert/angles/hours.h"
#include "convert/distances/distances.h"
#include "convert/temperature/dewpoint.h"
#include "convert/temperature/temperature.h"

#include <cstdint>
#include <map>
#include <vector>

namespace {

using convert::Form;
namespace angles = convert::angles;
namespace temperature = convert::temperature;

int humidity = 50; // the slider, for the dew point

struct Conversion {
    std::string_view name;
    std::vector<std::string> fields; // unit lists start with "com"
    void (*run)(Form&);
    std::vector<std::string> sexagesimal = {}; // minutes and seconds, below 60 when split
};

const Conversion conversions[] = {
    {"GradosSexADec",
     {"txtGrados1", "txtMinutos1", "txtSegundos1", "txtGrados2"},
     angles::GradosSexADec},
    {"GradosDecASexa",
     {"txtGrados1", "txtMinutos1", "txtSegundos1", "txtGrados2"},
     angles::GradosDecASexa,
     {"txtMinutos1", "txtSegundos1"}},
    {"HorasSexADec",
     {"txtHoras1", "txtMinutos2", "txtSegundos2", "comGrados3", "txtHoras2"},
     angles::HorasSexADec},
    {"HorasDecASex",
     {"txtHoras1", "txtMinutos2", "txtSegundos2", "comGrados3", "txtHoras2"},
     angles::HorasDecASex,
     {"txtMinutos2", "txtSegundos2"}},
    {"DecADecGrados",
     {"txtGrados3", "comGrados1", "comGrados2", "txtGrados4"},
     [](Form& f) { angles::DecADec(f, angles::degreeUnitChange); }},
    {"DecADecHoras",
     {"txtHoras3", "comHoras1", "comHoras2", "txtHoras4"},
     [](Form& f) { angles::DecADec(f, angles::hourUnitChange); }},
    {"ShortDistance",
     {"txtMedidas1", "comMedidas1", "comMedidas2", "txtMedidas2"},
     convert::distances::convertShortDistance},
    {"LongDistance",
     {"txtMedidas3", "comMedidas3", "comMedidas4", "txtMedidas4"},
     convert::distances::convertLongDistance},
    {"FromCelsius", {"txtCelsius", "txtFahrenheit", "txtKelvin"}, temperature::fromCelsius},
    {"FromFahrenheit", {"txtCelsius", "txtFahrenheit", "txtKelvin"}, temperature::fromFahrenheit},
    {"FromKelvin", {"txtCelsius", "txtFahrenheit", "txtKelvin"}, temperature::fromKelvin},
    {"DewPoint",
     {"txtCelsius", "labRocio", "labAvisoRocio"},
     [](Form& f) { temperature::showDewPoint(f, humidity); }},
};

#define FUZZ_NAME_OF(x) #x
#define FUZZ_NAME(x) FUZZ_NAME_OF(x)

const Conversion& chosen() {
    for (const auto& c : conversions)
        if (c.name == FUZZ_NAME(FUZZ_CONVERSION))
            return c;
    std::abort();
}

// A unit list's text: one byte below 16 picks a unit name of the program, so that the fuzzer
// meets the real pairs; anything else is the user's own text.
std::string listText(const std::string& text) {
    static const char* const units[] = {"Grados",
                                        "Minutos",
                                        "Segundos",
                                        "Horas",
                                        "h",
                                        "º",
                                        "Centímetros",
                                        "Pulgadas",
                                        "Pies",
                                        "Yardas",
                                        "Kilómetros",
                                        "Millas",
                                        "Unidades Astronómicas",
                                        "Años Luz",
                                        "Parsecs"};
    if (text.size() == 1 && static_cast<unsigned char>(text[0]) < 16)
        return units[static_cast<unsigned char>(text[0]) % std::size(units)];
    return text;
}

void requireWritten(const std::string& field, const std::string& text, const std::string& before,
                    const numtext::NumberLocale& locale) {
    if (field == "labRocio") {
        const std::string_view unit = "º C";
        fuzz::require(text.ends_with(unit), "the dew point ends with its unit", text);
        const std::string shown = text.substr(0, text.size() - unit.size());
        fuzz::requireMasked(shown, numtext::mask("0.000"), locale);
    } else if (field == "labAvisoRocio") {
        fuzz::require(text == temperature::freezingWarning || text == temperature::boilingWarning ||
                          text == temperature::dewWarning,
                      "the dew-point warning is one of three", text);
    } else {
        fuzz::require(numtext::isNumber(text, locale) || text == before,
                      "a field is given a number or keeps its text", text);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    static const Conversion& conversion = chosen();
    const auto& locale = fuzz::localeOf(data[0]);
    humidity = (data[0] >> 1) % 101;

    // The field texts, in the order of the list, separated by line feeds.
    std::map<std::string, std::string, std::less<>> texts;
    std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    for (const auto& field : conversion.fields) {
        const auto end = std::min(rest.find('\n'), rest.size());
        const std::string text(rest.substr(0, end));
        rest.remove_prefix(std::min(end + 1, rest.size()));
        texts[field] = field.starts_with("com") ? listText(text) : text;
    }

    Form form(locale, texts);
    conversion.run(form);

    const auto& steps = form.outcome().steps;
    for (const auto& step : steps) {
        if (std::holds_alternative<convert::Write>(step))
            continue;
        const auto& message = std::get<numtext::Message>(step);
        fuzz::require(message.style == numtext::MessageStyle::Warning &&
                          message.title == "Valor fuera de rango",
                      "every box is a range warning", message.text);
        fuzz::require(message != numtext::floatingPointFault() || &step == &steps.back(),
                      "a floating-point fault stops the conversion");
    }
    // The window shows each field's last text (the read-outs are written in two steps).
    for (const auto& [field, before] : texts)
        if (form.text(field) != before)
            requireWritten(field, form.text(field), before, locale);
    if (form.faulted()) {
        const auto* last = steps.empty() ? nullptr : std::get_if<numtext::Message>(&steps.back());
        fuzz::require(last && *last == numtext::floatingPointFault(), "a fault is told");
    }

    // A value split into units, minutes and seconds never shows 60 minutes or seconds.
    const bool split = !conversion.sexagesimal.empty() &&
                       (conversion.name == "GradosDecASexa" || form.text("comGrados3") == "h" ||
                        form.text("comGrados3") == angles::degreesUnit);
    for (const auto& field : split ? conversion.sexagesimal : std::vector<std::string>{}) {
        const auto value = form.number(field);
        fuzz::require(value && *value >= 0 && *value < 60, "minutes and seconds stay below 60",
                      form.text(field));
    }
    return 0;
}
