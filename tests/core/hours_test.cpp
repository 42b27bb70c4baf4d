#include "convert/angles/degrees.h"
#include "convert/angles/hours.h"
#include "convert/angles/sexagesimal.h"

#include "test_support.h"

using convert::Form;
using testing_support::LocaleTest;

namespace {

constexpr const char* degreeSign = "\u00B0"; // looks like the entry "º" but is not it

struct SexToDecCase {
    const char* unit;
    const char* hours;
    const char* minutes;
    const char* seconds;
    const char* decimal;
    // after the conversion
    const char* newHours;
    const char* newMinutes;
    const char* newSeconds;
    const char* newDecimal;
};

const SexToDecCase sexToDecCases[] = {
    {"h", "1", "30", "0", "", "1", "30", "0", "1.50"},
    {"º", "1", "30", "0", "", "1", "30", "0", "22.50"},
    {"h", "12", "34", "56", "", "12", "34", "56", "12.58222"},
    {"º", "12", "34", "56", "", "12", "34", "56", "188.73333"},
    {"º", "23", "59", "59", "", "23", "59", "59", "359.99583"},
    {"h", "0", "0", "1", "", "0", "0", "1", "0.00028"},
    // The hours are bounded by 24 whatever the unit.
    {"º", "24", "0", "0", "9", "0", "0", "0", "0.00"},
    {"h", "23.5", "60", "60", "", "23.5", "0", "0", "23.50"},
    {"h", "", "abc", "-5", "9", "0", "0", "0", "0.00"},
    {"º", "-1", "59.999", "0", "", "0", "59.999", "0", "14.99975"},
    // Neither unit: the sexagesimal fields are still corrected, the decimal only masked again.
    {"H", "24", "x", "5", "1.5", "0", "0", "5", "1.50"},
    {"º ", "1", "30", "0", "1.5", "1", "30", "0", "1.50"},
    {degreeSign, "1", "30", "0", "7", "1", "30", "0", "7.00"},
    {"", "1", "30", "0", "abc", "1", "30", "0", "abc"},
    {"h ", "1", "30", "0", "", "1", "30", "0", ""},
};

class HorasSexADecTest : public LocaleTest {};

TEST_P(HorasSexADecTest, CorrectsTheInputAndWritesTheMaskedDecimal) {
    for (const auto& c : sexToDecCases) {
        Form form(locale(), {{"comGrados3", c.unit},
                             {"txtHoras1", loc(c.hours)},
                             {"txtMinutos2", loc(c.minutes)},
                             {"txtSegundos2", loc(c.seconds)},
                             {"txtHoras2", loc(c.decimal)}});
        convert::angles::HorasSexADec(form);
        SCOPED_TRACE(std::string(c.unit) + " | " + c.hours + " " + c.minutes + " " + c.seconds);
        EXPECT_EQ(form.text("txtHoras1"), loc(c.newHours));
        EXPECT_EQ(form.text("txtMinutos2"), loc(c.newMinutes));
        EXPECT_EQ(form.text("txtSegundos2"), loc(c.newSeconds));
        EXPECT_EQ(form.text("txtHoras2"), loc(c.newDecimal));
        EXPECT_EQ(form.text("comGrados3"), c.unit);
        EXPECT_TRUE(testing_support::messagesOf(form.outcome()).empty());
    }
}

TEST_P(HorasSexADecTest, WritesBackOnlyTheFieldsItReset) {
    Form form(locale(), {{"comGrados3", "h"},
                         {"txtHoras1", "25"},
                         {"txtMinutos2", "1"},
                         {"txtSegundos2", "2"},
                         {"txtHoras2", ""}});
    convert::angles::HorasSexADec(form);
    EXPECT_EQ(testing_support::fieldsWritten(form.outcome()),
              (std::vector<std::string>{"txtHoras1", "txtHoras2"}));
}

INSTANTIATE_FOR_BOTH_LOCALES(HorasSexADecTest);

// Decimal to sexagesimal is the same split and carry in both rows: the degree row and the hour
// row under "h" must agree on every value below a day.
struct SplitCase {
    const char* decimal;
    const char* newDecimal;
    const char* whole;
    const char* minutes;
    const char* seconds;
};

const SplitCase splitCases[] = {
    {"12.5", "12.5", "12", "30", "0.00"},
    {"23.999", "23.999", "23", "59", "56.40"},
    // A residue of about 3.2E-13 seconds.
    {"1.1", "1.1", "1", "6", "0.00"},
    {"20.2", "20.2", "20", "12", "0.00"},
    {"0.99999999", "0.99999999", "0", "59", "59.99996"},
    // Minutes that the carry brings to 60 become one whole unit more.
    {"0.999999999", "0.999999999", "1", "0", "0.00"},
    {"23.9999999999", "23.9999999999", "24", "0", "0.00"},
    {"0", "0", "0", "0", "0.00"},
    {"-5", "0", "0", "0", "0.00"},
    {"abc", "0", "0", "0", "0.00"},
    {"", "0", "0", "0", "0.00"},
};

struct DecToSexRow {
    const char* name;
    void (*convert)(Form&);
    const char* decimal;
    convert::angles::SexagesimalFields fields;
};

const DecToSexRow decToSexRows[] = {
    {"degrees",
     convert::angles::GradosDecASexa,
     "txtGrados2",
     {"txtGrados1", "txtMinutos1", "txtSegundos1"}},
    {"hours",
     convert::angles::HorasDecASex,
     "txtHoras2",
     {"txtHoras1", "txtMinutos2", "txtSegundos2"}},
};

class DecimalToSexagesimalTest : public LocaleTest {};

TEST_P(DecimalToSexagesimalTest, BothRowsSplitAndCarryAlike) {
    for (const auto& row : decToSexRows) {
        for (const auto& c : splitCases) {
            Form form(locale(), {{"comGrados3", "h"},
                                 {std::string(row.fields.whole), "a"},
                                 {std::string(row.fields.minutes), "b"},
                                 {std::string(row.fields.seconds), "c"},
                                 {row.decimal, loc(c.decimal)}});
            row.convert(form);
            SCOPED_TRACE(std::string(row.name) + " " + c.decimal);
            EXPECT_EQ(form.text(row.decimal), loc(c.newDecimal));
            EXPECT_EQ(form.text(row.fields.whole), loc(c.whole));
            EXPECT_EQ(form.text(row.fields.minutes), loc(c.minutes));
            EXPECT_EQ(form.text(row.fields.seconds), loc(c.seconds));
        }
    }
}

INSTANTIATE_FOR_BOTH_LOCALES(DecimalToSexagesimalTest);

struct DecToSexCase {
    const char* unit;
    const char* decimal;
    const char* hours;
    const char* minutes;
    const char* seconds;
    // after the conversion
    const char* newDecimal;
    const char* newHours;
    const char* newMinutes;
    const char* newSeconds;
};

const DecToSexCase decToSexCases[] = {
    {"º", "180", "", "", "", "180", "12", "0", "0.00"},
    {"º", "359.99", "", "", "", "359.99", "23", "59", "57.60"},
    // 1 minute and 59.9999999999996 seconds, carried.
    {"º", "90.5", "", "", "", "90.5", "6", "2", "0.00"},
    {"º", "359.9999999999", "", "", "", "359.9999999999", "24", "0", "0.00"},
    // The bound of the decimal field follows the unit.
    {"º", "30", "", "", "", "30", "2", "0", "0.00"},
    {"h", "30", "", "", "", "0", "0", "0", "0.00"},
    {"º", "360", "", "", "", "0", "0", "0", "0.00"},
    {"º", "-1", "", "", "", "0", "0", "0", "0.00"},
    // Neither unit: the decimal and the hours stay; the seconds are masked and carried.
    {"H", "7.5", "3", "20", "30", "7.5", "3", "20", "30.00"},
    {"º ", "abc", "3", "20", "59.999999", "abc", "3", "21", "0.00"},
    {degreeSign, "", "3", "59", "59.999999", "", "4", "0", "0.00"},
    {"", "1", "", "", "5", "1", "", "", "5.00"},
    // Texts the carry cannot read stop it where they stand.
    {"H", "1", "3", "x", "60", "1", "3", "x", "60.00"},
    {"H", "1", "", "59", "60", "1", "", "59", "60.00"},
};

class HorasDecASexTest : public LocaleTest {};

TEST_P(HorasDecASexTest, SplitsTheDecimalInItsUnit) {
    for (const auto& c : decToSexCases) {
        Form form(locale(), {{"comGrados3", c.unit},
                             {"txtHoras2", loc(c.decimal)},
                             {"txtHoras1", loc(c.hours)},
                             {"txtMinutos2", loc(c.minutes)},
                             {"txtSegundos2", loc(c.seconds)}});
        convert::angles::HorasDecASex(form);
        SCOPED_TRACE(std::string(c.unit) + " | " + c.decimal + " | " + c.hours + " " + c.minutes +
                     " " + c.seconds);
        EXPECT_EQ(form.text("txtHoras2"), loc(c.newDecimal));
        EXPECT_EQ(form.text("txtHoras1"), loc(c.newHours));
        EXPECT_EQ(form.text("txtMinutos2"), loc(c.newMinutes));
        EXPECT_EQ(form.text("txtSegundos2"), loc(c.newSeconds));
        EXPECT_TRUE(testing_support::messagesOf(form.outcome()).empty());
    }
}

TEST_P(HorasDecASexTest, WritesHoursThenMinutesThenSeconds) {
    Form form(locale(), {{"comGrados3", "º"},
                         {"txtHoras2", "400"},
                         {"txtHoras1", ""},
                         {"txtMinutos2", ""},
                         {"txtSegundos2", ""}});
    convert::angles::HorasDecASex(form);
    EXPECT_EQ(testing_support::fieldsWritten(form.outcome()),
              (std::vector<std::string>{"txtHoras2", "txtHoras1", "txtMinutos2", "txtSegundos2"}));
}

TEST_P(HorasDecASexTest, NeitherUnitLeavesSecondsThatAreNotANumberAlone) {
    for (const char* seconds : {"", "abc", " "}) {
        Form form(locale(), {{"comGrados3", "H"},
                             {"txtHoras2", "x"},
                             {"txtHoras1", "3"},
                             {"txtMinutos2", "59"},
                             {"txtSegundos2", seconds}});
        convert::angles::HorasDecASex(form);
        SCOPED_TRACE(seconds);
        EXPECT_TRUE(form.outcome().steps.empty());
        EXPECT_FALSE(form.faulted());
    }
}

INSTANTIATE_FOR_BOTH_LOCALES(HorasDecASexTest);

} // namespace
