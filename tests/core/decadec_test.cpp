#include "convert/angles/decadec.h"

#include "test_support.h"

#include <string_view>

using convert::Form;
using convert::angles::UnitChangeRow;
using testing_support::LocaleTest;

namespace {

const UnitChangeRow rows[] = {convert::angles::degreeUnitChange, convert::angles::hourUnitChange};

// In the tables "U" stands for the row's main unit and "V" for the other row's.
std::string unitText(std::string_view text, const UnitChangeRow& row) {
    if (text == "U")
        return std::string(row.mainUnit);
    if (text == "V")
        return std::string(row.mainUnit == "Grados" ? "Horas" : "Grados");
    return std::string(text);
}

struct Case {
    const char* input;
    const char* from;
    const char* to;
    const char* output;
    // after the conversion
    const char* newOutput;
    const char* newInput;
    bool warned;
};

const Case cases[] = {
    {"1.5", "U", "Minutos", "", "90.00", "1.50", false},
    {"1", "U", "Segundos", "", "3600.00", "1.00", false},
    {"30", "Minutos", "U", "", "0.50", "30.00", false},
    {"2", "Minutos", "Segundos", "", "120.00", "2.00", false},
    {"1", "Segundos", "U", "", "0.00027778", "1.00", false},
    {"100", "Segundos", "Minutos", "", "1.66666667", "100.00", false},
    {"2.5", "U", "Minutos", "", "150.00", "2.50", false},
    {"5400", "Segundos", "U", "", "1.50", "5400.00", false},
    {"1000", "U", "Minutos", "", "60000.00", "1000.00", false},
    // Same unit: the text is copied, then both fields are masked alike.
    {"12.345678901", "U", "U", "", "12.3456789", "12.3456789", false},
    {"12.345678901", "Minutos", "Minutos", "", "12.3456789", "12.3456789", false},
    {" 7 ", "Segundos", "Segundos", "", "7.00", "7.00", false},
    {"1E-9", "Segundos", "U", "", "0.00", "0.00", false},
    // Negative input is warned about; other bad input is silently "0".
    {"-5", "U", "Minutos", "9", "0.00", "0.00", true},
    {"-0.001", "Segundos", "Segundos", "9", "0.00", "0.00", true},
    {"abc", "U", "Minutos", "9", "0.00", "0.00", false},
    {"", "Minutos", "U", "9", "0.00", "0.00", false},
    {"0", "U", "Segundos", "9", "0.00", "0.00", false},
    {"-0", "U", "Segundos", "9", "0.00", "0.00", false},
    // No pair: the old output is only shown again through the mask.
    {"1.5", "grados", "Minutos", "7", "7.00", "1.50", false},
    {"1", "V", "Minutos", "5", "5.00", "1.00", false},
    {"1", "U", "", "2.123456789", "2.12345679", "1.00", false},
    {"1", "Minutos ", "Minutos", "abc", "abc", "1.00", false},
    {"-5", "U", "x", "3", "3.00", "0.00", true},
};

class DecADecTest : public LocaleTest {};

TEST_P(DecADecTest, BothRowsChangeTheUnitAlike) {
    for (const auto& row : rows) {
        for (const auto& c : cases) {
            Form form(locale(), {{std::string(row.input), loc(c.input)},
                                 {std::string(row.sourceUnit), unitText(c.from, row)},
                                 {std::string(row.targetUnit), unitText(c.to, row)},
                                 {std::string(row.output), loc(c.output)}});
            convert::angles::DecADec(form, row);
            SCOPED_TRACE(std::string(row.mainUnit) + " | " + c.input + " " + c.from + " -> " +
                         c.to);
            EXPECT_EQ(form.text(row.output), loc(c.newOutput));
            EXPECT_EQ(form.text(row.input), loc(c.newInput));
            const auto messages = testing_support::messagesOf(form.outcome());
            EXPECT_EQ(messages.size(), c.warned ? 1u : 0u);
            EXPECT_FALSE(form.faulted());
        }
    }
}

TEST_P(DecADecTest, WarnsBeforeAnyFieldChanges) {
    for (const auto& row : rows) {
        Form form(locale(), {{std::string(row.input), loc("-2.5")},
                             {std::string(row.sourceUnit), std::string(row.mainUnit)},
                             {std::string(row.targetUnit), "Minutos"},
                             {std::string(row.output), "old"}});
        convert::angles::DecADec(form, row);
        const auto& steps = form.outcome().steps;
        ASSERT_FALSE(steps.empty());
        const auto* message = std::get_if<numtext::Message>(&steps.front());
        ASSERT_NE(message, nullptr);
        EXPECT_EQ(message->text, "Solo valores positivos");
        EXPECT_EQ(message->title, "Valor fuera de rango");
        EXPECT_EQ(message->style, numtext::MessageStyle::Warning);
        // Then the output, then the input.
        EXPECT_EQ(testing_support::fieldsWritten(form.outcome()),
                  (std::vector<std::string>{std::string(row.input), std::string(row.output),
                                            std::string(row.input)}));
    }
}

struct OverflowCase {
    const char* input;
    const char* from;
    const char* to;
};

const OverflowCase overflows[] = {
    {"3E306", "U", "Minutos"},
    {"1E308", "Minutos", "Segundos"},
    // The first factor of 60 still fits, the second does not.
    {"6E304", "U", "Segundos"},
    // Finite, but its 15-digit text rounds past the largest double.
    {"2.996155224770526E306", "U", "Minutos"},
};

TEST_P(DecADecTest, AResultBeyondTheDoubleRangeStopsWithTheFault) {
    for (const auto& row : rows) {
        for (const auto& c : overflows) {
            Form form(locale(), {{std::string(row.input), loc(c.input)},
                                 {std::string(row.sourceUnit), unitText(c.from, row)},
                                 {std::string(row.targetUnit), unitText(c.to, row)},
                                 {std::string(row.output), "old"}});
            convert::angles::DecADec(form, row);
            SCOPED_TRACE(std::string(row.mainUnit) + " | " + c.input);
            EXPECT_TRUE(form.faulted());
            EXPECT_EQ(testing_support::messagesOf(form.outcome()),
                      std::vector<numtext::Message>{numtext::floatingPointFault()});
            EXPECT_TRUE(testing_support::fieldsWritten(form.outcome()).empty());
        }
    }
}

TEST_P(DecADecTest, NoUpperBoundShortOfTheDoubleRange) {
    Form form(locale(), {{"txtGrados3", loc("2.9E306")},
                         {"comGrados1", "Grados"},
                         {"comGrados2", "Minutos"},
                         {"txtGrados4", ""}});
    convert::angles::DecADec(form, convert::angles::degreeUnitChange);
    EXPECT_FALSE(form.faulted());
    EXPECT_EQ(form.text("txtGrados4"), "174" + std::string(306, '0') + loc(".00"));
}

INSTANTIATE_FOR_BOTH_LOCALES(DecADecTest);

} // namespace
