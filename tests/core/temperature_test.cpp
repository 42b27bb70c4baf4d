// Temperature conversions from each scale, and the humidity and dew-point read-out.
#include "convert/temperature/dewpoint.h"
#include "convert/temperature/temperature.h"

#include "test_support.h"

#include <map>

using convert::Form;
using convert::temperature::boilingWarning;
using convert::temperature::dewWarning;
using convert::temperature::freezingWarning;
using testing_support::fieldsWritten;
using testing_support::messagesOf;

namespace {

struct Scale {
    const char* field;
    void (*convert)(Form&);
    const char *first, *second; // the targets, in the order they are written
    const char* warning;
};

const Scale C{"txtCelsius", convert::temperature::fromCelsius, "txtKelvin", "txtFahrenheit",
              "Solo valores mayores a -273.15º C"};
const Scale F{"txtFahrenheit", convert::temperature::fromFahrenheit, "txtCelsius", "txtKelvin",
              "Solo valores mayores a -459.67º F"};
const Scale K{"txtKelvin", convert::temperature::fromKelvin, "txtCelsius", "txtFahrenheit",
              "Solo valores mayores a 0º K"};

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
        SCOPED_TRACE(std::string(c.scale->field) + ": " + c.typed);
        Form form = this->form({{c.scale->field, c.typed}, // the first text of a field counts
                                {"txtCelsius", "old"},
                                {"txtFahrenheit", "old"},
                                {"txtKelvin", "old"}});
        c.scale->convert(form);
        const auto expected = [&](const std::string& text) -> std::string_view {
            if (text == "typed")
                return c.typed;
            return text;
        };
        expectTexts(form, {{"txtCelsius", expected(c.celsius)},
                           {"txtFahrenheit", expected(c.fahrenheit)},
                           {"txtKelvin", expected(c.kelvin)}});
        const std::vector<numtext::Message> told[] = {
            {}, {numtext::rangeWarning(c.scale->warning)}, {numtext::floatingPointFault()}};
        EXPECT_EQ(messagesOf(form.outcome()), told[c.told]);
        EXPECT_EQ(form.faulted(), c.told == fault);
        // A warning comes before any write; then the source, then the targets, up to a fault.
        if (c.told == warning) {
            EXPECT_EQ(form.outcome().steps.front(), convert::Step{told[warning].front()});
        }
        std::vector<std::string> order;
        const std::map<std::string_view, const std::string*> rows{
            {"txtCelsius", &c.celsius}, {"txtFahrenheit", &c.fahrenheit}, {"txtKelvin", &c.kelvin}};
        for (const char* field : {c.scale->field, c.scale->first, c.scale->second})
            if (*rows.at(field) != "old" && *rows.at(field) != "typed")
                order.push_back(field);
        EXPECT_EQ(fieldsWritten(form.outcome()), order);
    }
}

// Dew point.

struct DewPoint {
    int humidity;
    const char *celsius, *dewPoint;
    std::string_view warning;
};

const DewPoint dewPoints[] = {
    {50, "20", "9.211", dewWarning},
    {100, "20", "20.000", dewWarning},
    {80, "-10", "-12.833", freezingWarning},
    {50, "150", "129.500", boilingWarning},
    {0, "20", "-110.000", freezingWarning},
    {60, "25", "16.680", dewWarning},
    {50, "0.0", "-9.296", freezingWarning},
    // The field is read as it stands: not tidied, and not held to absolute zero.
    {50, "-300", "-286.887", freezingWarning},
    // The last decimal depends on the order of the operations: (T x 0.1 + q) - 112.
    {50, "-41.7732636235318", "-47.949", freezingWarning},
    // The warning follows the dew point as shown, read with the user's decimal separator.
    {100, "0", "0.000", dewWarning},
    {100, "100", "100.000", dewWarning},
    {100, "-0.0004", "0.000", dewWarning},
    {100, "-0.5", "-0.500", freezingWarning},
    {100, "100.4", "100.400", boilingWarning},
};

TEST_P(TemperatureTest, ShowsTheHumidityTheDewPointAndItsWarning) {
    for (const auto& c : dewPoints) {
        SCOPED_TRACE(std::to_string(c.humidity) + " % " + c.celsius);
        // Each warning must be written afresh: start from another one.
        Form form =
            this->form({{"txtCelsius", c.celsius},
                        {"labHumedad", "-"},
                        {"labRocio", "-"},
                        {"labAvisoRocio", c.warning == dewWarning ? boilingWarning : dewWarning}});
        convert::temperature::showHumidity(form, c.humidity);
        convert::temperature::showDewPoint(form, c.humidity);
        expectTexts(form, {{"labHumedad", std::to_string(c.humidity) + " %"},
                           {"labRocio", std::string(c.dewPoint) + "º C"},
                           {"labAvisoRocio", c.warning}});
        EXPECT_EQ(fieldsWritten(form.outcome()),
                  (std::vector<std::string>{"labHumedad", "labRocio", "labAvisoRocio"}));
    }
}

// Without a dew point the labels stay as they were: while the temperature is not a number, or
// when the dew point leaves the double range (at 100 % for the largest temperature).
TEST_P(TemperatureTest, NoDewPointLeavesTheLabelsAlone) {
    const std::pair<const char*, bool> temperatures[] = {
        {"", false}, {"abc", false}, {"1.7976931348623157E308", true}};
    for (const auto& [celsius, faulted] : temperatures) {
        Form form =
            this->form({{"txtCelsius", celsius}, {"labRocio", "-"}, {"labAvisoRocio", "-"}});
        convert::temperature::showDewPoint(form, 100);
        EXPECT_TRUE(fieldsWritten(form.outcome()).empty()) << celsius;
        EXPECT_EQ(form.faulted(), faulted) << celsius;
        EXPECT_EQ(messagesOf(form.outcome()).size(), faulted ? 1u : 0u) << celsius;
    }
}

INSTANTIATE_FOR_BOTH_LOCALES(TemperatureTest);

} // namespace
