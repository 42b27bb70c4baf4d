#include "convert/temperature/temperature.h"

#include "test_support.h"

#include <map>
#include <string>
#include <vector>

using convert::Form;
using testing_support::LocaleTest;
using testing_support::messagesOf;

namespace {

enum class Source { Celsius, Fahrenheit, Kelvin };

struct ScaleUnderTest {
    const char* field;
    void (*convert)(Form&);
};

ScaleUnderTest scaleOf(Source source) {
    switch (source) {
    case Source::Celsius:
        return {"txtCelsius", convert::temperature::fromCelsius};
    case Source::Fahrenheit:
        return {"txtFahrenheit", convert::temperature::fromFahrenheit};
    case Source::Kelvin:
        break;
    }
    return {"txtKelvin", convert::temperature::fromKelvin};
}

const char* const belowCelsius = "Solo valores mayores a -273.15º C";
const char* const belowFahrenheit = "Solo valores mayores a -459.67º F";
const char* const belowKelvin = "Solo valores mayores a 0º K";

struct ConversionCase {
    Source source;
    const char* typed;
    const char* warning; // nullptr: no message
    const char* celsius;
    const char* fahrenheit;
    const char* kelvin;
};

const ConversionCase conversionCases[] = {
    {Source::Celsius, "", nullptr, "0.0", "32.0", "273.15"},
    {Source::Celsius, "abc", nullptr, "0.0", "32.0", "273.15"},
    {Source::Celsius, "   ", nullptr, "0.0", "32.0", "273.15"},
    {Source::Celsius, "-300", belowCelsius, "0.0", "32.0", "273.15"},
    {Source::Celsius, "-273.15", nullptr, "-273.15", "-459.67", "0.0"},
    {Source::Celsius, "-273.1500001", belowCelsius, "0.0", "32.0", "273.15"},
    // The targets come from the tidied 10.123; 10.12345 itself would give 50.222.
    {Source::Celsius, "10.12345", nullptr, "10.123", "50.221", "283.273"},
    {Source::Celsius, "37", nullptr, "37.0", "98.6", "310.15"},
    {Source::Celsius, " -0 ", nullptr, "0.0", "32.0", "273.15"},
    {Source::Celsius, "1E3", nullptr, "1000.0", "1832.0", "1273.15"},
    {Source::Celsius, "-0.0004", nullptr, "0.0", "32.0", "273.15"},
    {Source::Celsius, "2.0005", nullptr, "2.001", "35.602", "275.151"},
    {Source::Fahrenheit, "212", nullptr, "100.0", "212.0", "373.15"},
    {Source::Fahrenheit, "-459.67", nullptr, "-273.15", "-459.67", "0.0"},
    {Source::Fahrenheit, "-500", belowFahrenheit, "-17.778", "0.0", "255.372"},
    {Source::Fahrenheit, "", nullptr, "-17.778", "0.0", "255.372"},
    {Source::Fahrenheit, "98.6", nullptr, "37.0", "98.6", "310.15"},
    {Source::Fahrenheit, "1.7E308", nullptr, "9.44444444444444E+307", "1.7E+308",
     "9.44444444444444E+307"},
    {Source::Kelvin, "0", nullptr, "-273.15", "-459.67", "0.0"},
    {Source::Kelvin, "-1", belowKelvin, "-273.15", "-459.67", "0.0"},
    {Source::Kelvin, "x", nullptr, "-273.15", "-459.67", "0.0"},
    {Source::Kelvin, "373.15", nullptr, "100.0", "212.0", "373.15"},
    {Source::Kelvin, "0.0001", nullptr, "-273.15", "-459.67", "0.0"},
};

// The long texts of huge values are compared by value: the mask writes every integer digit.
void expectShows(const Form& form, const char* field, const std::string& expected,
                 const numtext::NumberLocale& locale) {
    if (expected.find('E') == std::string::npos) {
        EXPECT_EQ(form.text(field), expected) << field;
        return;
    }
    const auto shown = numtext::toNumber(form.text(field), locale);
    ASSERT_TRUE(shown) << field << ": " << form.text(field);
    EXPECT_EQ(numtext::generalNumberText(*shown, locale), expected) << field;
}

class TemperatureTest : public LocaleTest {
protected:
    // The three fields, each holding "old" but the source, which holds the typed text.
    Form formWith(const char* source, const std::string& typed) const {
        std::map<std::string, std::string, std::less<>> texts{
            {"txtCelsius", "old"}, {"txtFahrenheit", "old"}, {"txtKelvin", "old"}};
        texts[source] = typed;
        return Form(locale(), std::move(texts));
    }
};

TEST_P(TemperatureTest, ConvertsFromEachScale) {
    for (const auto& c : conversionCases) {
        const auto scale = scaleOf(c.source);
        Form form = formWith(scale.field, loc(c.typed));
        scale.convert(form);
        SCOPED_TRACE(std::string(scale.field) + ": " + c.typed);
        expectShows(form, "txtCelsius", loc(c.celsius), locale());
        expectShows(form, "txtFahrenheit", loc(c.fahrenheit), locale());
        expectShows(form, "txtKelvin", loc(c.kelvin), locale());
        const auto messages = messagesOf(form.outcome());
        if (c.warning) {
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0], numtext::rangeWarning(c.warning));
            EXPECT_EQ(messages[0].title, "Valor fuera de rango");
            EXPECT_EQ(messages[0].style, numtext::MessageStyle::Warning);
        } else {
            EXPECT_TRUE(messages.empty());
        }
        EXPECT_FALSE(form.faulted());
    }
}

TEST_P(TemperatureTest, WarnsBeforeResettingThenWritesSourceAndTargetsInOrder) {
    using convert::Write;
    struct Order {
        Source source;
        const char* typed;
        const char* warning;
        std::vector<convert::Step> steps;
    };
    const Order orders[] = {
        {Source::Celsius,
         "-300",
         belowCelsius,
         {numtext::rangeWarning(belowCelsius), Write{"txtCelsius", "0"},
          Write{"txtCelsius", loc("0.0")}, Write{"txtKelvin", loc("273.15")},
          Write{"txtFahrenheit", loc("32.0")}}},
        {Source::Fahrenheit,
         "-500",
         belowFahrenheit,
         {numtext::rangeWarning(belowFahrenheit), Write{"txtFahrenheit", "0"},
          Write{"txtFahrenheit", loc("0.0")}, Write{"txtCelsius", loc("-17.778")},
          Write{"txtKelvin", loc("255.372")}}},
        {Source::Kelvin,
         "-1",
         belowKelvin,
         {numtext::rangeWarning(belowKelvin), Write{"txtKelvin", "0"},
          Write{"txtKelvin", loc("0.0")}, Write{"txtCelsius", loc("-273.15")},
          Write{"txtFahrenheit", loc("-459.67")}}},
        // A valid source is only tidied, never reset.
        {Source::Celsius,
         "37",
         nullptr,
         {Write{"txtCelsius", loc("37.0")}, Write{"txtKelvin", loc("310.15")},
          Write{"txtFahrenheit", loc("98.6")}}},
    };
    for (const auto& o : orders) {
        const auto scale = scaleOf(o.source);
        Form form = formWith(scale.field, loc(o.typed));
        scale.convert(form);
        SCOPED_TRACE(std::string(scale.field) + ": " + o.typed);
        EXPECT_EQ(form.outcome().steps, o.steps);
    }
}

// Only the Fahrenheit formulas from Celsius and from Kelvin can leave the double range; and a
// source at the very top of the range can be carried beyond it by the 15 digits of its mask.
// "old": the field kept its text; "tidied": the source's masked text, every digit written out.
TEST_P(TemperatureTest, StopsOnAFloatingPointFaultKeepingTheFieldsNotYetWritten) {
    struct Fault {
        Source source;
        const char* typed;
        const char* celsius;
        const char* fahrenheit;
        const char* kelvin;
    };
    const Fault faults[] = {
        {Source::Celsius, "1E308", "tidied", "old", "1E+308"},
        {Source::Kelvin, "1E308", "1E+308", "old", "tidied"},
        {Source::Kelvin, "9.99E307", "9.99E+307", "old", "tidied"},
        {Source::Celsius, "1.7976931348623157E308", "tidied", "old", "old"},
        {Source::Fahrenheit, "1.7976931348623157E308", "old", "tidied", "old"},
        {Source::Kelvin, "1.7976931348623157E308", "old", "old", "tidied"},
    };
    for (const auto& f : faults) {
        const auto scale = scaleOf(f.source);
        Form form = formWith(scale.field, loc(f.typed));
        scale.convert(form);
        SCOPED_TRACE(std::string(scale.field) + ": " + f.typed);
        ASSERT_TRUE(form.faulted());
        EXPECT_EQ(messagesOf(form.outcome()),
                  std::vector<numtext::Message>{numtext::floatingPointFault()});
        const std::pair<const char*, const char*> fields[] = {
            {"txtCelsius", f.celsius}, {"txtFahrenheit", f.fahrenheit}, {"txtKelvin", f.kelvin}};
        for (const auto& [field, expected] : fields) {
            const std::string& text = form.text(field);
            if (expected == std::string("tidied")) {
                EXPECT_GT(text.size(), 300u) << field;
                EXPECT_EQ(text.find_first_not_of("0123456789" + locale().decimal),
                          std::string::npos)
                    << field << ": " << text;
            } else if (expected == std::string("old")) {
                EXPECT_EQ(text, "old") << field;
            } else {
                expectShows(form, field, loc(expected), locale());
            }
        }
    }
}

// The dew-point refresh converts a temperature field that is not a number and relies on the
// conversion leaving a number there (or stopping on a fault): otherwise it would convert again.
TEST_P(TemperatureTest, CelsiusConversionLeavesANumberOrStopsOnAFault) {
    const char* const texts[] = {
        "",       " ",     "abc",  "1,5", "1.5.5", "-300",  "1E400",
        "nan",    "inf",   "0x10", "-0",  "+5",    "1E308", "1.7976931348623157E308",
        "-1E400", "1e-400"};
    for (const char* typed : texts) {
        Form form = formWith("txtCelsius", loc(typed));
        convert::temperature::fromCelsius(form);
        SCOPED_TRACE(typed);
        EXPECT_TRUE(form.faulted() || form.isNumber("txtCelsius")) << form.text("txtCelsius");
    }
}

INSTANTIATE_FOR_BOTH_LOCALES(TemperatureTest);

} // namespace
