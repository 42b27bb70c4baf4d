// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// The conversions of the three pages on their tables, under every locale. Angles: degrees and
// hours between sexagesimal and decimal, and the unit change of a decimal amount, on angles.tsv
// (faults of the carry included), angle_splits.tsv (run on both rows) and angle_units.tsv
// (likewise). Distances: the two length converters, on distances.tsv. Temperatures: conversions
// from each scale (temperatures.tsv), and the humidity and dew-point read-out (dew_points.tsv).
// Last, the floating-point fault rule every conversion shares: the step that faults writes
// nothing, the user is told once, and nothing is written after it; and a field named without
// being declared, which ends a conversion with nothing done.
#include "convert/angles/decadec.h"
#include "convert/angles/degrees.h"
#include "convert/angles/hours.h"
#include "convert/distances/distances.h"
#include "convert/temperature/dewpoint.h"
#include "convert/temperature/temperature.h"

#include "test_support.h"

#include <array>
#include <limits>

using convert::Form;
using namespace convert::angles;
using namespace convert::distances;
using namespace convert::temperature;
using namespace testing_support;

namespace {

using Fields = std::array<std::string, 4>; // whole units, minutes, seconds, decimal

struct Angle {
    const convert::Conversion& conversion;
    Fields fields;
};

const Fields degreeFields{"txtGrados1", "txtMinutos1", "txtSegundos1", "txtGrados2"};
const Fields hourFields{"txtHoras1", "txtMinutos2", "txtSegundos2", "txtHoras2"};
const std::map<std::string, Angle, std::less<>> conversions{
    {"degToDec", {gradosSexADec, degreeFields}},
    {"degToSex", {gradosDecASexa, degreeFields}},
    {"hToDec", {horasSexADec, hourFields}},
    {"hToSex", {horasDecASex, hourFields}},
};

class AnglesTest : public LocaleTest {
protected:
    // Runs one conversion: the texts after it, no message (or only the fault), and each field
    // written only if its text changes.
    Form run(const Angle& c, const std::string& unit, const Fields& before, const Fields& after,
             bool faults = false) const {
        Texts texts;
        for (int i = 0; i < 4; ++i)
            texts.emplace_back(c.fields[i], before[i]);
        if (c.fields == hourFields) // only the hour row has a unit
            texts.emplace_back(hourDecimalUnit, unit);
        Form form = this->after(c.conversion, texts);
        if (faults)
            expectFault(form.outcome());
        else
            EXPECT_TRUE(messagesOf(form.outcome()).empty());
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(form.text(c.fields[i]), loc(after[i])) << c.fields[i];
            EXPECT_EQ(wasWritten(form.outcome(), c.fields[i]), before[i] != after[i])
                << c.fields[i];
        }
        return form;
    }
};

TEST_P(AnglesTest, SexagesimalAndDecimal) {
    for (const auto& row : readTable("angles.tsv")) {
        SCOPED_TRACE(row.where());
        run(conversions.at(row[1]), row[2], {row[3], row[4], row[5], row[6]},
            {row[7], row[8], row[9], row[10]}, row[11] == "fault");
    }
    // Both rows split alike and write the whole units, then the minutes, then the seconds.
    for (const auto& row : readTable("angle_splits.tsv")) {
        for (const char* name : {"degToSex", "hToSex"}) {
            SCOPED_TRACE(row.where() + " " + name);
            const Angle& c = conversions.at(name);
            auto written = fieldsWritten(
                run(c, "h", {"", "", "", row[1]}, {row[2], row[3], row[4], row[5]}).outcome());
            if (written.front() == c.fields[3])
                written.erase(written.begin());
            written.resize(3);
            EXPECT_EQ(written, (std::vector<std::string>{c.fields[0], c.fields[1], c.fields[2]}));
        }
    }
}

// In the table "U" stands for the row's main unit and "V" for the other row's.
TEST_P(AnglesTest, BothRowsChangeTheUnitAlike) {
    for (const auto& [r, c] :
         {std::pair{degreeUnitChange, &decADec1}, {hourUnitChange, &decADec2}}) {
        const std::string in(r.input), out(r.output);
        const std::string_view other = r.mainUnit == "Grados" ? "Horas" : "Grados";
        const auto unit = [&](std::string_view text) {
            return text == "U" ? r.mainUnit : text == "V" ? other : text;
        };
        for (const auto& row : readTable("angle_units.tsv")) {
            SCOPED_TRACE(row.where() + " in " + in);
            const Form form = after(*c, {{in, row[1]},
                                         {r.sourceUnit, unit(row[2])},
                                         {r.targetUnit, unit(row[3])},
                                         {out, row[4]}});
            const auto& outcome = form.outcome();
            if (row[5] == "FAULT") {
                expectFault(outcome);
                EXPECT_TRUE(fieldsWritten(outcome).empty());
                continue;
            }
            expectTexts(form, {{out, row[5]}, {in, row[6]}});
            // A negative input is warned about before any write; then the output, then the input.
            const bool negative = row[1][0] == '-';
            EXPECT_EQ(messagesOf(outcome).size(), negative ? 1u : 0u);
            if (negative) {
                EXPECT_EQ(outcome.effects.front(),
                          convert::Effect{convert::rangeWarning("Solo valores positivos")});
                EXPECT_EQ(fieldsWritten(outcome), std::vector({in, out, in}));
            }
        }
    }
}

INSTANTIATE_FOR_EVERY_LOCALE(AnglesTest);

struct Converter {
    const convert::Conversion& conversion;
    const char *source, *from, *to, *result; // fields
};

const Converter S{shortDistance, "txtMedidas1", "comMedidas1", "comMedidas2", "txtMedidas2"};
const Converter L{longDistance, "txtMedidas3", "comMedidas3", "comMedidas4", "txtMedidas4"};

class DistanceTest : public LocaleTest {};

TEST_P(DistanceTest, Converts) {
    for (const auto& row : readTable("distances.tsv")) {
        SCOPED_TRACE(row.where());
        const Converter& k = row[1] == "S" ? S : L;
        const Form form =
            after(k.conversion,
                  {{k.source, row[2]}, {k.from, row[3]}, {k.to, row[4]}, {k.result, row[5]}});
        const auto written = fieldsWritten(form.outcome());
        if (row[6] == "FAULT") { // nothing is written
            expectFault(form.outcome());
            EXPECT_TRUE(written.empty());
            continue;
        }
        expectTexts(form, {{k.source, row[6]}, {k.result, row[7]}});
        EXPECT_TRUE(messagesOf(form.outcome()).empty());
        if (&k == &L) // the source is written only when it is reset
            EXPECT_EQ(wasWritten(form.outcome(), k.source), row[2] != row[6]);
        else // both fields are masked last, the source first
            EXPECT_EQ(std::vector(written.end() - 2, written.end()),
                      (std::vector<std::string>{k.source, k.result}));
    }
}

INSTANTIATE_FOR_EVERY_LOCALE(DistanceTest);

struct Scale {
    const char* field;
    const convert::Conversion& conversion;
    const char *first, *second; // the targets, in the order they are written
    std::string limit;          // as the warning names it
};

const std::map<std::string, Scale, std::less<>> scales{
    {"C", {"txtCelsius", celsiusConversion, "txtKelvin", "txtFahrenheit", "-273.15º C"}},
    {"F", {"txtFahrenheit", fahrenheitConversion, "txtCelsius", "txtKelvin", "-459.67º F"}},
    {"K", {"txtKelvin", kelvinConversion, "txtCelsius", "txtFahrenheit", "0º K"}},
};

class TemperatureTest : public LocaleTest {};

// Told: nothing, the scale's range warning or the floating-point fault. A target reading "old"
// was not written; "typed" is the source left as typed.
TEST_P(TemperatureTest, ConvertsFromEachScale) {
    for (const auto& row : readTable("temperatures.tsv")) {
        SCOPED_TRACE(row.where());
        const Scale& s = scales.at(row[1]);
        const std::string& typed = row[2];
        // The first text given for a field counts.
        const Form form = after(s.conversion, {{s.field, typed},
                                               {"txtCelsius", "old"},
                                               {"txtFahrenheit", "old"},
                                               {"txtKelvin", "old"}});
        // The source, then the targets, are written up to a fault.
        const std::map<std::string_view, std::string_view> expected{
            {"txtCelsius", row[4]}, {"txtFahrenheit", row[5]}, {"txtKelvin", row[6]}};
        std::vector<std::string> order;
        for (const char* field : {s.field, s.first, s.second}) {
            const std::string_view text = expected.at(field);
            EXPECT_EQ(form.text(field), loc(text == "typed" ? typed : text)) << field;
            if (text != "old" && text != "typed")
                order.push_back(field);
        }
        EXPECT_EQ(fieldsWritten(form.outcome()), order);
        const auto warned = convert::rangeWarning("Solo valores mayores a " + s.limit);
        const std::map<std::string, std::vector<convert::Message>, std::less<>> told{
            {"nothing", {}}, {"warning", {warned}}, {"fault", {convert::floatingPointFault()}}};
        EXPECT_EQ(messagesOf(form.outcome()), told.at(row[3]));
        EXPECT_EQ(form.faulted(), row[3] == "fault");
        if (row[3] == "warning") { // before any write
            EXPECT_EQ(form.outcome().effects.front(), convert::Effect{warned});
        }
    }
}

// The humidity and the temperature typed, then what the dew point and warning labels show
// ("old": not written). Only the dew point of the largest temperature, at 100 %, faults.
TEST_P(TemperatureTest, ShowsTheHumidityTheDewPointAndItsWarning) {
    const std::map<std::string, std::string_view, std::less<>> warnings{
        {"dew", dewWarning},
        {"freezing", freezingWarning},
        {"boiling", boilingWarning},
        {"old", "old"}};
    for (const auto& row : readTable("dew_points.tsv")) {
        SCOPED_TRACE(row.where());
        expectTexts(after(humidityReadOut, {{"sldHumedad", row[1]}, {"labHumedad", "old"}}),
                    {{"labHumedad", row[1] == "101" ? "old" : row[1] + " %"}});
        // Both labels start "old", so each must be written afresh.
        const Form form = after(dewPoint, {{"txtCelsius", row[2]},
                                           {"sldHumedad", row[1]},
                                           {"labRocio", "old"},
                                           {"labAvisoRocio", "old"}});
        const std::string_view warning = warnings.at(row[4]);
        expectTexts(form, {{"labRocio", row[3]}, {"labAvisoRocio", warning}});
        std::vector<std::string> written{"labRocio", "labAvisoRocio"};
        written.resize(warning == "old" ? 0 : 2);
        EXPECT_EQ(fieldsWritten(form.outcome()), written);
        const bool faults = row[2] == "1.7976931348623157E308";
        EXPECT_EQ(messagesOf(form.outcome()).size(), faults ? 1u : 0u);
        EXPECT_EQ(form.faulted(), faults);
    }
}

INSTANTIATE_FOR_EVERY_LOCALE(TemperatureTest);

class FormFaultTest : public LocaleTest {};

TEST_P(FormFaultTest, AStepThatLeavesTheRangeWritesNothingAndStopsTheRest) {
    const double top = std::numeric_limits<double>::max();
    // Infinity, nan, and the double below the largest, whose 15-digit text rounds past the top.
    for (const double value : {top * 2, std::nan(""), std::nextafter(top, 0.0)}) {
        auto f = form({{"a", "1"}, {"b", "2"}});
        f.write("a", loc("3"));
        f.writeMasked("b", value, numtext::mask("0.00"));
        f.write("b", "4");
        f.tell(convert::rangeWarning("later"));
        expectFault(f.outcome());
        expectTexts(f, {{"a", "3"}, {"b", "2"}});
    }
    EXPECT_TRUE(form({}).checked(-1e308).has_value());
}

TEST_P(FormFaultTest, AMaskThatCarriesPastTheTopLeavesTheFieldAsItWas) {
    const std::string typed = "1.7976931348623157e308";
    auto f = form({{"a", typed}});
    f.remask("a", numtext::mask("0.00"));
    expectFault(f.outcome());
    expectTexts(f, {{"a", typed}});

    auto g = form({{"a", "abc"}});
    g.remask("a", numtext::mask("0.00"));
    EXPECT_FALSE(g.faulted());
    expectTexts(g, {{"a", "abc"}});
}

// A conversion that names a field it did not declare ends there with nothing done, whatever it
// wrote, told or faulted on before: the window is left as it was.
TEST_P(FormFaultTest, AnUndeclaredFieldEndsTheConversionWithNothingDone) {
    static constexpr std::string_view declared[] = {"a"};
    const convert::Conversion mistaken{"Mistaken", declared, [](convert::Form& f) {
                                           f.write("a", "3");
                                           f.tell(convert::rangeWarning("later"));
                                           f.checked(INFINITY);
                                           f.write("a", f.text("b"));
                                       }};
    auto f = form({{"a", "1"}});
    EXPECT_EQ(mistaken.run(f).undeclared, "b");
    EXPECT_TRUE(f.outcome().effects.empty());
    EXPECT_FALSE(f.faulted());
}

INSTANTIATE_FOR_EVERY_LOCALE(FormFaultTest);

} // namespace
