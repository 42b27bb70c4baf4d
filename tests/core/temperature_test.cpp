// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// Temperature conversions from each scale, and the humidity and dew-point read-out.
#include "convert/temperature/dewpoint.h"
#include "convert/temperature/temperature.h"

#include "test_support.h"

using convert::Form;
using testing_support::fieldsWritten;
using testing_support::messagesOf;
using namespace convert::temperature;

namespace {

struct Scale {
    const char* field;
    void (*convert)(Form&);
    const char *first, *second; // the targets, in the order they are written
    std::string limit;          // as the warning names it
};

const Scale C{"txtCelsius", fromCelsius, "txtKelvin", "txtFahrenheit", "-273.15º C"};
const Scale F{"txtFahrenheit", fromFahrenheit, "txtCelsius", "txtKelvin", "-459.67º F"};
const Scale K{"txtKelvin", fromKelvin, "txtCelsius", "txtFahrenheit", "0º K"};

class TemperatureTest : public testing_support::LocaleTest {};

// What the user is told: nothing, the scale's range warning or the floating-point fault.
enum Told { nothing, warning, fault };

struct Case {
    const Scale* scale;
    const char* typed;
    Told told;
    std::string celsius, fahrenheit, kelvin; // "old", "typed": not written
};

const std::string huge = "1" + std::string(308, '0') + ".0";

const Case cases[] = {
    {&C, "", nothing, "0.0", "32.0", "273.15"},
    {&C, "-300", warning, "0.0", "32.0", "273.15"},
    {&C, "-273.15", nothing, "-273.15", "-459.67", "0.0"},
    // The targets come from the tidied 10.123; 10.12345 itself would give 50.222.
    {&C, "10.12345", nothing, "10.123", "50.221", "283.273"},
    {&C, "37", nothing, "37.0", "98.6", "310.15"},
    {&F, "212", nothing, "100.0", "212.0", "373.15"},
    {&F, "-459.67", nothing, "-273.15", "-459.67", "0.0"},
    {&F, "-500", warning, "-17.778", "0.0", "255.372"},
    {&K, "0", nothing, "-273.15", "-459.67", "0.0"},
    {&K, "-1", warning, "-273.15", "-459.67", "0.0"},
    {&K, "373.15", nothing, "100.0", "212.0", "373.15"},
    // Only the Fahrenheit formulas from Celsius and from Kelvin leave the double range, and a
    // source at its very top, which the 15 digits of the mask would round past it.
    {&C, "1E308", fault, huge, "old", huge},
    {&K, "1E308", fault, huge, "old", huge},
    {&C, "1.7976931348623157E308", fault, "typed", "old", "old"},
};

TEST_P(TemperatureTest, ConvertsFromEachScale) {
    for (const auto& c : cases) {
        const Scale& s = *c.scale;
        SCOPED_TRACE(std::string(s.field) + ": " + c.typed);
        // The first text given for a field counts.
        Form form = this->form({{s.field, c.typed},
                                {"txtCelsius", "old"},
                                {"txtFahrenheit", "old"},
                                {"txtKelvin", "old"}});
        s.convert(form);
        // The source, then the targets, are written up to a fault.
        const std::map<std::string_view, std::string_view> expected{
            {"txtCelsius", c.celsius}, {"txtFahrenheit", c.fahrenheit}, {"txtKelvin", c.kelvin}};
        std::vector<std::string> order;
        for (const char* field : {s.field, s.first, s.second}) {
            const std::string_view text = expected.at(field);
            EXPECT_EQ(form.text(field), loc(text == "typed" ? c.typed : text)) << field;
            if (text != "old" && text != "typed")
                order.push_back(field);
        }
        EXPECT_EQ(fieldsWritten(form.outcome()), order);
        const auto warned = convert::rangeWarning("Solo valores mayores a " + s.limit);
        const std::vector<convert::Message> told[] = {
            {}, {warned}, {convert::floatingPointFault()}};
        EXPECT_EQ(messagesOf(form.outcome()), told[c.told]);
        EXPECT_EQ(form.faulted(), c.told == fault);
        if (c.told == warning) { // before any write
            EXPECT_EQ(form.outcome().effects.front(), convert::Effect{warned});
        }
    }
}

// Dew point: the humidity and the temperature typed, then what the dew point and warning labels
// show ("old": not written).

struct DewPoint {
    int humidity;
    const char *celsius, *dewPoint;
    std::string_view warning;
};

const std::string largest = "1.7976931348623157E308";

const DewPoint dewPoints[] = {
    {50, "20", "9.211º C", dewWarning},
    {100, "20", "20.000º C", dewWarning},
    {80, "-10", "-12.833º C", freezingWarning},
    {50, "150", "129.500º C", boilingWarning},
    {0, "20", "-110.000º C", freezingWarning},
    {60, "25", "16.680º C", dewWarning},
    {50, "0.0", "-9.296º C", freezingWarning},
    // The field is read as it stands: not tidied, and not held to absolute zero.
    {50, "-300", "-286.887º C", freezingWarning},
    // The last decimal depends on the order of the operations: (T x 0.1 + q) - 112.
    {50, "-41.7732636235318", "-47.949º C", freezingWarning},
    // The warning follows the dew point as shown, read with the user's decimal separator.
    {100, "0", "0.000º C", dewWarning},
    {100, "100", "100.000º C", dewWarning},
    {100, "-0.0004", "0.000º C", dewWarning},
    {100, "-0.5", "-0.500º C", freezingWarning},
    {100, "100.4", "100.400º C", boilingWarning},
    // No dew point while the temperature is not a number, or when it leaves the double range.
    {100, "", "old", "old"},
    {100, "abc", "old", "old"},
    {100, largest.c_str(), "old", "old"},
};

TEST_P(TemperatureTest, ShowsTheHumidityTheDewPointAndItsWarning) {
    for (const auto& c : dewPoints) {
        SCOPED_TRACE(std::to_string(c.humidity) + " % " + c.celsius);
        // Every label starts "old", so each must be written afresh.
        Form form = this->form({{"txtCelsius", c.celsius},
                                {"sldHumedad", std::to_string(c.humidity)},
                                {"labHumedad", "old"},
                                {"labRocio", "old"},
                                {"labAvisoRocio", "old"}});
        showHumidity(form);
        showDewPoint(form);
        expectTexts(form, {{"labHumedad", std::to_string(c.humidity) + " %"},
                           {"labRocio", c.dewPoint},
                           {"labAvisoRocio", c.warning}});
        std::vector<std::string> written{"labHumedad", "labRocio", "labAvisoRocio"};
        written.resize(c.warning == "old" ? 1 : 3);
        EXPECT_EQ(fieldsWritten(form.outcome()), written);
        // Only the dew point of the largest temperature, at 100 %, faults.
        const bool faults = c.celsius == largest;
        EXPECT_EQ(messagesOf(form.outcome()).size(), faults ? 1u : 0u);
        EXPECT_EQ(form.faulted(), faults);
    }
}

INSTANTIATE_FOR_BOTH_LOCALES(TemperatureTest);

} // namespace
