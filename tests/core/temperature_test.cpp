// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// Temperature conversions from each scale (temperatures.tsv), and the humidity and dew-point
// read-out (dew_points.tsv).
#include "convert/temperature/dewpoint.h"
#include "convert/temperature/temperature.h"

#include "test_support.h"

using convert::Form;
using testing_support::fieldsWritten;
using testing_support::messagesOf;
using testing_support::readTable;
using namespace convert::temperature;

namespace {

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

class TemperatureTest : public testing_support::LocaleTest {};

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

} // namespace
