// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// Time of each pure conversion, as a handler runs it (the form built from the field texts, the
// conversion, its outcome), and of the number-text functions they are made of.
#include "convert/angles/decadec.h"
#include "convert/angles/degrees.h"
#include "convert/angles/hours.h"
#include "convert/distances/distances.h"
#include "convert/temperature/dewpoint.h"
#include "convert/temperature/temperature.h"
#include "convert/units.h"

#include <map>

#include <benchmark/benchmark.h>

namespace {

using convert::Form;
using numtext::commaLocale;
namespace units = convert::units;

// The texts are given in the order of the conversion's own list of fields.
void runConversion(benchmark::State& state, const convert::Conversion& conversion,
                   std::initializer_list<std::string_view> texts) {
    std::map<std::string, std::string, std::less<>> fields;
    auto text = texts.begin();
    for (const std::string_view name : conversion.fields)
        fields.emplace(name, *text++);
    for (auto _ : state) {
        Form form(commaLocale, fields);
        conversion.run(form);
        benchmark::DoNotOptimize(form.outcome().effects.size());
    }
}

void GradosSexADec(benchmark::State& state) {
    runConversion(state, convert::angles::gradosSexADec, {"10", "30", "36,5", ""});
}
void GradosDecASexa(benchmark::State& state) {
    runConversion(state, convert::angles::gradosDecASexa, {"", "", "", "123,456789"});
}
void HorasSexADec(benchmark::State& state) {
    runConversion(state, convert::angles::horasSexADec,
                  {"5", "35", "17,3", units::degreesSign, ""});
}
void HorasDecASex(benchmark::State& state) {
    runConversion(state, convert::angles::horasDecASex, {"", "", "", units::hoursSign, "17,99999"});
}
void DecADec(benchmark::State& state) {
    runConversion(state, convert::angles::decADec1, {"2,5", units::grados, units::segundos, ""});
}
void ShortDistance(benchmark::State& state) {
    runConversion(state, convert::distances::shortDistance,
                  {"12,5", units::pulgadas, units::centimetros, ""});
}
void LongDistance(benchmark::State& state) {
    runConversion(state, convert::distances::longDistance,
                  {"4,2", units::anosLuz, units::unidadesAstronomicas, ""});
}
void Temperature(benchmark::State& state) {
    runConversion(state, convert::temperature::celsiusConversion, {"21,5", "", ""});
}
void DewPoint(benchmark::State& state) {
    runConversion(state, convert::temperature::dewPoint, {"65", "21,5", "-", "-"});
}

BENCHMARK(GradosSexADec);
BENCHMARK(GradosDecASexa);
BENCHMARK(HorasSexADec);
BENCHMARK(HorasDecASex);
BENCHMARK(DecADec);
BENCHMARK(ShortDistance);
BENCHMARK(LongDistance);
BENCHMARK(Temperature);
BENCHMARK(DewPoint);

// The number text on its own, with typical and hard values: a text in digits of another script,
// a long text, a value whose cut at 15 digits is a near tie that needs the exact expansion.
void NumberTest(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(numtext::isNumber(" -1.234.567,891e-3 ", commaLocale));
}
void NumberTestOwnDigits(benchmark::State& state) {
    const numtext::NumberLocale persian{"\u066B", "\u066C", "\u06F0", "\u200E\u2212"};
    for (auto _ : state)
        benchmark::DoNotOptimize(numtext::isNumber(
            " \u200E\u2212\u06F1\u066C\u06F2\u06F3\u06F4\u066C\u06F5\u06F6\u06F7\u066B"
            "\u06F8\u06F9\u06F1e-\u06F3 ",
            persian));
}
void ToNumberLong(benchmark::State& state) {
    const std::string text = "0," + std::string(300, '3') + "e5";
    for (auto _ : state)
        benchmark::DoNotOptimize(numtext::toNumber(text, commaLocale));
}
void GeneralNumberText(benchmark::State& state) {
    double value = 1.0 / 3;
    for (auto _ : state) {
        benchmark::DoNotOptimize(numtext::generalNumberText(value, commaLocale));
        benchmark::DoNotOptimize(value);
    }
}
void GeneralNumberTextNearTie(benchmark::State& state) {
    double value = 100000000000000.5; // an exact tie at the sixteenth digit
    for (auto _ : state) {
        benchmark::DoNotOptimize(numtext::generalNumberText(value, commaLocale));
        benchmark::DoNotOptimize(value);
    }
}
void MaskOfValue(benchmark::State& state) {
    double value = 123.4567891;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            numtext::applyMask(value, numtext::mask("0.00#####"), commaLocale));
        benchmark::DoNotOptimize(value);
    }
}
void MaskOfText(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(
            numtext::applyMask("123,4567891", numtext::mask("0.00#####"), commaLocale));
}

BENCHMARK(NumberTest);
BENCHMARK(NumberTestOwnDigits);
BENCHMARK(ToNumberLong);
BENCHMARK(GeneralNumberText);
BENCHMARK(GeneralNumberTextNearTie);
BENCHMARK(MaskOfValue);
BENCHMARK(MaskOfText);

} // namespace
