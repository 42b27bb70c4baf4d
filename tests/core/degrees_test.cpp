#include "convert/angles/degrees.h"

#include "test_support.h"

using convert::Form;
using testing_support::LocaleTest;

namespace {

struct SexToDecCase {
    const char* degrees;
    const char* minutes;
    const char* seconds;
    // after the conversion
    const char* newDegrees;
    const char* newMinutes;
    const char* newSeconds;
    const char* decimal;
};

const SexToDecCase sexToDecCases[] = {
    {"10", "30", "36", "10", "30", "36", "10.51"},
    {"0", "0", "1", "0", "0", "1", "0.0002778"},
    {"12", "30", "0", "12", "30", "0", "12.50"},
    {"0", "1.5", "0", "0", "1.5", "0", "0.025"},
    {"", "", "", "0", "0", "0", "0.00"},
    // Bounds are invalid themselves; just below them passes as typed.
    {"360", "60", "60", "0", "0", "0", "0.00"},
    {"359.9999", "59.999", "0", "359.9999", "59.999", "0", "360.9998833"},
    {"-10", "abc", "36", "0", "0", "36", "0.01"},
    {" 5 ", "-0", "1E1", " 5 ", "-0", "1E1", "5.0027778"},
    // The sum is not reduced below 360.
    {"359.5", "59", "59", "359.5", "59", "59", "360.4997222"},
};

class GradosSexADecTest : public LocaleTest {};

TEST_P(GradosSexADecTest, CorrectsTheInputAndWritesTheMaskedDecimal) {
    for (const auto& c : sexToDecCases) {
        Form form(locale(), {{"txtGrados1", loc(c.degrees)},
                             {"txtMinutos1", loc(c.minutes)},
                             {"txtSegundos1", loc(c.seconds)},
                             {"txtGrados2", "old"}});
        convert::angles::GradosSexADec(form);
        SCOPED_TRACE(std::string(c.degrees) + " " + c.minutes + " " + c.seconds);
        EXPECT_EQ(form.text("txtGrados1"), loc(c.newDegrees));
        EXPECT_EQ(form.text("txtMinutos1"), loc(c.newMinutes));
        EXPECT_EQ(form.text("txtSegundos1"), loc(c.newSeconds));
        EXPECT_EQ(form.text("txtGrados2"), loc(c.decimal));
        EXPECT_TRUE(testing_support::messagesOf(form.outcome()).empty());
    }
}

TEST_P(GradosSexADecTest, WritesBackOnlyTheFieldsItReset) {
    Form form(
        locale(),
        {{"txtGrados1", "10"}, {"txtMinutos1", "x"}, {"txtSegundos1", "36"}, {"txtGrados2", ""}});
    convert::angles::GradosSexADec(form);
    EXPECT_EQ(testing_support::fieldsWritten(form.outcome()),
              (std::vector<std::string>{"txtMinutos1", "txtGrados2"}));
}

INSTANTIATE_FOR_BOTH_LOCALES(GradosSexADecTest);

struct DecToSexCase {
    const char* decimal;
    const char* newDecimal;
    const char* degrees;
    const char* minutes;
    const char* seconds;
};

const DecToSexCase decToSexCases[] = {
    {"12.5", "12.5", "12", "30", "0.00"},
    {"123.456", "123.456", "123", "27", "21.60"},
    {"0.99999999", "0.99999999", "0", "59", "59.99996"},
    // Seconds the mask shows as 60.00 are carried into the minutes...
    {"20.2", "20.2", "20", "12", "0.00"},
    // ...and minutes that reach 60 into the degrees, with no wrap at 360.
    {"0.999999999", "0.999999999", "1", "0", "0.00"},
    {"359.9999999999", "359.9999999999", "360", "0", "0.00"},
    {"359.99", "359.99", "359", "59", "24.00"},
    {"0", "0", "0", "0", "0.00"},
    {"360", "0", "0", "0", "0.00"},
    {"-5", "0", "0", "0", "0.00"},
    {"abc", "0", "0", "0", "0.00"},
    {"", "0", "0", "0", "0.00"},
};

class GradosDecASexaTest : public LocaleTest {};

TEST_P(GradosDecASexaTest, SplitsIntoDegreesMinutesAndSeconds) {
    for (const auto& c : decToSexCases) {
        Form form(locale(), {{"txtGrados1", "a"},
                             {"txtMinutos1", "b"},
                             {"txtSegundos1", "c"},
                             {"txtGrados2", loc(c.decimal)}});
        convert::angles::GradosDecASexa(form);
        SCOPED_TRACE(c.decimal);
        EXPECT_EQ(form.text("txtGrados2"), loc(c.newDecimal));
        EXPECT_EQ(form.text("txtGrados1"), loc(c.degrees));
        EXPECT_EQ(form.text("txtMinutos1"), loc(c.minutes));
        EXPECT_EQ(form.text("txtSegundos1"), loc(c.seconds));
    }
}

TEST_P(GradosDecASexaTest, WritesDegreesThenMinutesThenSeconds) {
    Form form(locale(), {{"txtGrados1", ""},
                         {"txtMinutos1", ""},
                         {"txtSegundos1", ""},
                         {"txtGrados2", loc("12.5")}});
    convert::angles::GradosDecASexa(form);
    EXPECT_EQ(testing_support::fieldsWritten(form.outcome()),
              (std::vector<std::string>{"txtGrados1", "txtMinutos1", "txtSegundos1"}));
}

INSTANTIATE_FOR_BOTH_LOCALES(GradosDecASexaTest);

} // namespace
