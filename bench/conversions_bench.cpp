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

#include <benchmark/benchmark.h>

namespace {

using convert::Form;
using numtext::commaLocale;

template <typename Conversion>
void runConversion(benchmark::State& state,
                   std::initializer_list<std::pair<std::string, std::string>> texts,
                   Conversion conversion) {
    for (auto _ : state) {
        Form form(commaLocale, texts);
        conversion(form);
        benchmark::DoNotOptimize(form.outcome().steps.size());
    }
}

void GradosSexADec(benchmark::State& state) {
    runConversion(
        state,
        {{"txtGrados1", "10"}, {"txtMinutos1", "30"}, {"txtSegundos1", "36,5"}, {"txtGrados2", ""}},
        convert::angles::GradosSexADec);
}
void GradosDecASexa(benchmark::State& state) {
    runConversion(state,
                  {{"txtGrados1", ""},
                   {"txtMinutos1", ""},
                   {"txtSegundos1", ""},
                   {"txtGrados2", "123,456789"}},
                  convert::angles::GradosDecASexa);
}
void HorasSexADec(benchmark::State& state) {
    runConversion(state,
                  {{"txtHoras1", "5"},
                   {"txtMinutos2", "35"},
                   {"txtSegundos2", "17,3"},
                   {"comGrados3", "º"},
                   {"txtHoras2", ""}},
                  convert::angles::HorasSexADec);
}
void HorasDecASex(benchmark::State& state) {
    runConversion(state,
                  {{"txtHoras1", ""},
                   {"txtMinutos2", ""},
                   {"txtSegundos2", ""},
                   {"comGrados3", "h"},
                   {"txtHoras2", "17,99999"}},
                  convert::angles::HorasDecASex);
}
void DecADec(benchmark::State& state) {
    runConversion(
        state,
        {{"txtGrados3", "2,5"},
         {"comGrados1", "Grados"},
         {"comGrados2", "Segundos"},
         {"txtGrados4", ""}},
        [](Form& form) { convert::angles::DecADec(form, convert::angles::degreeUnitChange); });
}
void ShortDistance(benchmark::State& state) {
    runConversion(state,
                  {{"txtMedidas1", "12,5"},
                   {"comMedidas1", "Pulgadas"},
                   {"comMedidas2", "Centímetros"},
                   {"txtMedidas2", ""}},
                  convert::distances::convertShortDistance);
}
void LongDistance(benchmark::State& state) {
    runConversion(state,
                  {{"txtMedidas3", "4,2"},
                   {"comMedidas3", "Años Luz"},
                   {"comMedidas4", "Unidades Astronómicas"},
                   {"txtMedidas4", ""}},
                  convert::distances::convertLongDistance);
}
void Temperature(benchmark::State& state) {
    runConversion(state, {{"txtCelsius", "21,5"}, {"txtFahrenheit", ""}, {"txtKelvin", ""}},
                  convert::temperature::fromCelsius);
}
void DewPoint(benchmark::State& state) {
    runConversion(state, {{"txtCelsius", "21,5"}, {"labRocio", "-"}, {"labAvisoRocio", "-"}},
                  [](Form& form) { convert::temperature::showDewPoint(form, 65); });
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

// The number text on its own, with typical and hard values: a long text, a value whose cut
// at 15 digits is a near tie that needs the exact expansion.
void NumberTest(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(numtext::isNumber(" -1.234.567,891e-3 ", commaLocale));
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
void LeadingNumber(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(numtext::readLeadingNumber("-12.345º C"));
}

BENCHMARK(NumberTest);
BENCHMARK(ToNumberLong);
BENCHMARK(GeneralNumberText);
BENCHMARK(GeneralNumberTextNearTie);
BENCHMARK(MaskOfValue);
BENCHMARK(MaskOfText);
BENCHMARK(LeadingNumber);

} // namespace
