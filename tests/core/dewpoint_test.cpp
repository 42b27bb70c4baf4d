#include "convert/temperature/dewpoint.h"

#include "test_support.h"

#include <string>
#include <vector>

using convert::Form;
using convert::temperature::boilingWarning;
using convert::temperature::dewWarning;
using convert::temperature::freezingWarning;
using testing_support::LocaleTest;

namespace {

struct DewPointCase {
    int humidity;
    const char* celsius;
    const char* dewPoint;
    std::string_view warning;
};

const DewPointCase dewPointCases[] = {
    {50, "20", "9.211", dewWarning},
    {100, "20", "20.000", dewWarning},
    {80, "-10", "-12.833", freezingWarning},
    {50, "150", "129.500", boilingWarning},
    {0, "20", "-110.000", freezingWarning},
    {60, "25", "16.680", dewWarning},
    {50, "0.0", "-9.296", freezingWarning},
    // The field is read as it stands: not tidied, and not held to absolute zero.
    {50, "-300", "-286.887", freezingWarning},
    {50, " 20 ", "9.211", dewWarning},
    {1, "0", "-49.018", freezingWarning},
    // The warning follows the dew point as shown: exactly 0 and 100 are dew...
    {100, "0", "0.000", dewWarning},
    {100, "100", "100.000", dewWarning},
    // ...a hair below zero shows 0.000, no minus sign, and is dew too...
    {100, "-0.0004", "0.000", dewWarning},
    {100, "-0.0006", "-0.001", freezingWarning},
    // ...and the decimals count under a comma locale as much as under a full stop.
    {100, "-0.5", "-0.500", freezingWarning},
    {100, "100.4", "100.400", boilingWarning},
    {100, "99.9996", "100.000", dewWarning},
    {100, "100.0006", "100.001", boilingWarning},
};

class DewPointTest : public LocaleTest {
protected:
    Form labels(const std::string& celsius, std::string warning = "antes") const {
        return Form(locale(), {{"txtCelsius", celsius},
                               {"labHumedad", "-"},
                               {"labRocio", "-"},
                               {"labAvisoRocio", std::move(warning)}});
    }
};

TEST_P(DewPointTest, ShowsTheDewPointAndItsWarning) {
    for (const auto& c : dewPointCases) {
        // Each warning must be written afresh: start from a different one.
        const std::string stale(c.warning == dewWarning ? freezingWarning : dewWarning);
        Form form = labels(loc(c.celsius), stale);
        convert::temperature::showDewPoint(form, c.humidity);
        SCOPED_TRACE(std::to_string(c.humidity) + " % " + c.celsius);
        EXPECT_EQ(form.text("labRocio"), loc(c.dewPoint) + "º C");
        EXPECT_EQ(form.text("labAvisoRocio"), c.warning);
        EXPECT_EQ(form.text("txtCelsius"), loc(c.celsius));
        EXPECT_TRUE(testing_support::messagesOf(form.outcome()).empty());
        EXPECT_EQ(testing_support::fieldsWritten(form.outcome()),
                  (std::vector<std::string>{"labRocio", "labAvisoRocio"}));
    }
}

TEST_P(DewPointTest, ShowsTheHumidityInPercent) {
    for (int humidity : {0, 1, 50, 100}) {
        Form form = labels("");
        convert::temperature::showHumidity(form, humidity);
        EXPECT_EQ(form.text("labHumedad"), std::to_string(humidity) + " %");
        EXPECT_EQ(testing_support::fieldsWritten(form.outcome()),
                  std::vector<std::string>{"labHumedad"});
    }
}

TEST_P(DewPointTest, LeavesTheLabelsAloneWhileTheTemperatureIsNotANumber) {
    for (const char* celsius : {"", " ", "abc", "1.2.3"}) {
        Form form = labels(loc(celsius));
        convert::temperature::showDewPoint(form, 50);
        EXPECT_TRUE(form.outcome().steps.empty()) << celsius;
    }
}

// A temperature at the top of the double range: the dew point either shows as a number far
// above boiling or, if the formula leaves the range, stops with the fault message and keeps
// the old labels. Never inf or nan.
TEST_P(DewPointTest, AHugeTemperatureNeverShowsInfinity) {
    for (int humidity : {0, 50, 100}) {
        for (const char* celsius : {"1.7976931348623157E308", "-1.7976931348623157E308"}) {
            Form form = labels(loc(celsius));
            convert::temperature::showDewPoint(form, humidity);
            SCOPED_TRACE(std::to_string(humidity) + " % " + celsius);
            if (form.faulted()) {
                EXPECT_EQ(testing_support::messagesOf(form.outcome()),
                          std::vector<numtext::Message>{numtext::floatingPointFault()});
                EXPECT_EQ(form.text("labRocio"), "-");
                EXPECT_EQ(form.text("labAvisoRocio"), "antes");
                continue;
            }
            const std::string& shown = form.text("labRocio");
            EXPECT_EQ(shown.find_first_of("inINaA"), std::string::npos) << shown;
            EXPECT_EQ(form.text("labAvisoRocio"),
                      celsius[0] == '-' ? freezingWarning : boilingWarning);
        }
    }
}

INSTANTIATE_FOR_BOTH_LOCALES(DewPointTest);

} // namespace
