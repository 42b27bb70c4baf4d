// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// Degrees and hours between sexagesimal and decimal, and the unit change of a decimal amount.
// The split into whole units, minutes and seconds with the carry of the seconds, and the unit
// change, each run one table on both rows.
#include "convert/angles/decadec.h"
#include "convert/angles/degrees.h"
#include "convert/angles/hours.h"

#include "test_support.h"

#include <array>

using convert::Form;
using testing_support::fieldsWritten;
using testing_support::messagesOf;

namespace {

using Fields = std::array<const char*, 4>; // whole units, minutes, seconds, decimal

struct Conversion {
    void (*convert)(Form&);
    Fields fields;
};

constexpr Fields degreeFields{"txtGrados1", "txtMinutos1", "txtSegundos1", "txtGrados2"};
constexpr Fields hourFields{"txtHoras1", "txtMinutos2", "txtSegundos2", "txtHoras2"};
const Conversion degToDec{convert::angles::GradosSexADec, degreeFields};
const Conversion degToSex{convert::angles::GradosDecASexa, degreeFields};
const Conversion hToDec{convert::angles::HorasSexADec, hourFields};
const Conversion hToSex{convert::angles::HorasDecASex, hourFields};

struct Case {
    const Conversion& conversion;
    const char* unit; // of the hour row's decimal
    Fields before, after;
};

class AnglesTest : public testing_support::LocaleTest {
protected:
    // Runs one conversion: the texts after it, no message, and each field written only if its
    // text changes.
    Form run(const Case& c) const {
        const auto& f = c.conversion.fields;
        std::map<std::string, std::string, std::less<>> texts{{"comGrados3", c.unit}};
        for (int i = 0; i < 4; ++i)
            texts[f[i]] = loc(c.before[i]);
        Form form(locale(), texts);
        c.conversion.convert(form);
        SCOPED_TRACE(std::string(f[3]) + " [" + c.unit + "] " + testing::PrintToString(c.before));
        EXPECT_TRUE(messagesOf(form.outcome()).empty());
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(form.text(f[i]), loc(c.after[i])) << f[i];
            EXPECT_EQ(testing_support::wasWritten(form.outcome(), f[i]),
                      std::string_view(c.before[i]) != c.after[i])
                << f[i];
        }
        return form;
    }
};

const Case cases[] = {
    {degToDec, "", {"10", "30", "36", ""}, {"10", "30", "36", "10.51"}},
    {degToDec, "", {"0", "0", "1", ""}, {"0", "0", "1", "0.0002778"}},
    {degToDec, "", {"12", "30", "0", ""}, {"12", "30", "0", "12.50"}},
    {degToDec, "", {"0", "1.5", "0", ""}, {"0", "1.5", "0", "0.025"}},
    {degToDec, "", {"", "", "", ""}, {"0", "0", "0", "0.00"}},
    // The bounds are invalid themselves; valid texts stay exactly as typed.
    {degToDec, "", {"360", "60", "60", ""}, {"0", "0", "0", "0.00"}},
    {degToDec, "", {"359.9999", "59.999", "0", ""}, {"359.9999", "59.999", "0", "360.9998833"}},
    {degToDec, "", {"-10", "abc", "36", ""}, {"0", "0", "36", "0.01"}},
    {degToDec, "", {" 5 ", "-0", "1E1", ""}, {" 5 ", "-0", "1E1", "5.0027778"}},
    {degToDec, "", {"359.5", "59", "59", ""}, {"359.5", "59", "59", "360.4997222"}},
    // The last decimal depends on the order of the operations: (s / 60) / 60.
    {degToDec, "", {"0", "0", "8.04113999999998", ""}, {"0", "0", "8.04113999999998", "0.0022337"}},
    {hToDec, "h", {"1", "30", "0", ""}, {"1", "30", "0", "1.50"}},
    {hToDec, "º", {"1", "30", "0", ""}, {"1", "30", "0", "22.50"}},
    {hToDec, "h", {"12", "34", "56", ""}, {"12", "34", "56", "12.58222"}},
    {hToDec, "º", {"12", "34", "56", ""}, {"12", "34", "56", "188.73333"}},
    {hToDec, "º", {"23", "59", "59", ""}, {"23", "59", "59", "359.99583"}},
    {hToDec, "h", {"0", "0", "1", ""}, {"0", "0", "1", "0.00028"}},
    // The last decimal depends on the order of the operations: ((s x 15) / 60) / 60.
    {hToDec, "º", {"0", "0", "0.670799999999999", ""}, {"0", "0", "0.670799999999999", "0.00279"}},
    // The hours are bounded by a day whatever the unit.
    {hToDec, "º", {"24", "0", "0", "9"}, {"0", "0", "0", "0.00"}},
    {hToDec, "h", {"23.5", "60", "60", ""}, {"23.5", "0", "0", "23.50"}},
    // Neither unit: the sexagesimal fields are still corrected, the decimal only masked again.
    {hToDec, "H", {"24", "x", "5", "1.5"}, {"0", "0", "5", "1.50"}},
    {hToDec, "º ", {"1", "30", "0", "abc"}, {"1", "30", "0", "abc"}},
    // Decimal to sexagesimal (the steps both rows share are in the next table).
    {degToSex, "", {"", "", "", "123.456"}, {"123", "27", "21.60", "123.456"}},
    {degToSex, "", {"", "", "", "360"}, {"0", "0", "0.00", "0"}},
    {hToSex, "º", {"", "", "", "180"}, {"12", "0", "0.00", "180"}},
    {hToSex, "º", {"", "", "", "359.99"}, {"23", "59", "57.60", "359.99"}},
    {hToSex, "º", {"", "", "", "90.5"}, {"6", "2", "0.00", "90.5"}},
    // The bound of the decimal follows the unit.
    {hToSex, "º", {"", "", "", "30"}, {"2", "0", "0.00", "30"}},
    {hToSex, "h", {"", "", "", "30"}, {"0", "0", "0.00", "0"}},
    {hToSex, "º", {"", "", "", "360"}, {"0", "0", "0.00", "0"}},
    // Neither unit: the seconds are masked and carried; a text that is not a number stops it,
    // and seconds that are not a number are not even masked again.
    {hToSex, "H", {"3", "20", "30", "7.5"}, {"3", "20", "30.00", "7.5"}},
    {hToSex, "º ", {"3", "59", "59.999999", "abc"}, {"4", "0", "0.00", "abc"}},
    {hToSex, "H", {"3", "x", "60", "1"}, {"3", "x", "60.00", "1"}},
    {hToSex, "H", {"", "59", "60", "1"}, {"", "59", "60.00", "1"}},
    {hToSex, "H", {"3", "59", "", "x"}, {"3", "59", "", "x"}},
    {hToSex, "H", {"3", "59", "abc", "x"}, {"3", "59", "abc", "x"}},
};

// Decimal to sexagesimal, the same in the degree row and in the hour row in hours.
const std::pair<Fields, Fields> splits[] = {
    {{"", "", "", "12.5"}, {"12", "30", "0.00", "12.5"}},
    {{"", "", "", "23.999"}, {"23", "59", "56.40", "23.999"}},
    {{"", "", "", "0.99999999"}, {"0", "59", "59.99996", "0.99999999"}},
    {{"", "", "", "1.1"}, {"1", "6", "0.00", "1.1"}}, // a residue of 3.2E-13 seconds
    // Seconds shown as 60.00 are carried into the minutes, and 60 minutes into the whole units.
    {{"", "", "", "20.2"}, {"20", "12", "0.00", "20.2"}},
    {{"", "", "", "0.999999999"}, {"1", "0", "0.00", "0.999999999"}},
    {{"", "", "", "-5"}, {"0", "0", "0.00", "0"}},
    {{"", "", "", "abc"}, {"0", "0", "0.00", "0"}},
};

TEST_P(AnglesTest, SexagesimalAndDecimal) {
    for (const auto& c : cases)
        run(c);
    // Both rows split alike and write the whole units, then the minutes, then the seconds.
    for (const Conversion* conversion : {&degToSex, &hToSex}) {
        const auto& f = conversion->fields;
        for (const auto& [before, after] : splits) {
            auto written = fieldsWritten(run({*conversion, "h", before, after}).outcome());
            if (written.front() == f[3])
                written.erase(written.begin());
            written.resize(3);
            EXPECT_EQ(written, (std::vector<std::string>{f[0], f[1], f[2]})) << before[3];
        }
    }
}

// With neither unit the carry works on what the user typed, which may sit at the edge of the
// double range: one more minute (or whole unit) that no longer reads back is the fault. The mask
// has already written the seconds; the carry writes nothing.
TEST_P(AnglesTest, TheCarryFaultsAtTheEdgeOfTheRange) {
    const Fields rows[] = {
        {"3", "-1.7976931348623157e308", "60", "1"}, // the minutes, at the bottom
        {"3", "1.7976931348623157e308", "60", "1"},  // the minutes less 60, at the top
        {"1.7976931348623157e308", "59", "60", "1"}, // the whole units plus one
    };
    for (const auto& before : rows) {
        SCOPED_TRACE(testing::PrintToString(before));
        Form form = this->form({{"comGrados3", "H"},
                                {hourFields[0], before[0]},
                                {hourFields[1], before[1]},
                                {hourFields[2], before[2]},
                                {hourFields[3], before[3]}});
        convert::angles::HorasDecASex(form);
        testing_support::expectFault(form.outcome());
        EXPECT_EQ(fieldsWritten(form.outcome()), std::vector<std::string>{hourFields[2]});
        expectTexts(form, {{hourFields[0], before[0]},
                           {hourFields[1], before[1]},
                           {hourFields[2], "60.00"},
                           {hourFields[3], before[3]}});
    }
}

// Unit change. In the table "U" stands for the row's main unit and "V" for the other row's.

struct UnitChange {
    const char *input, *from, *to, *output, *newOutput, *newInput; // new: afterwards
};

constexpr const char* fault = nullptr; // stops on a floating-point fault

const UnitChange unitChanges[] = {
    {"1.5", "U", "Minutos", "", "90.00", "1.50"},
    {"1", "U", "Segundos", "", "3600.00", "1.00"},
    {"30", "Minutos", "U", "", "0.50", "30.00"},
    {"2", "Minutos", "Segundos", "", "120.00", "2.00"},
    {"1", "Segundos", "U", "", "0.00027778", "1.00"},
    {"100", "Segundos", "Minutos", "", "1.66666667", "100.00"},
    {"2.5", "U", "Minutos", "", "150.00", "2.50"},
    {"5400", "Segundos", "U", "", "1.50", "5400.00"},
    {"1000", "U", "Minutos", "", "60000.00", "1000.00"},
    // Same unit: the text is copied, then both fields are masked alike.
    {"12.345678901", "U", "U", "", "12.3456789", "12.3456789"},
    {"12.345678901", "Minutos", "Minutos", "", "12.3456789", "12.3456789"},
    {" 7 ", "Segundos", "Segundos", "", "7.00", "7.00"},
    // A negative input is warned about; other bad input becomes "0" silently.
    {"-5", "U", "Minutos", "9", "0.00", "0.00"},
    {"abc", "U", "Minutos", "9", "0.00", "0.00"},
    {"0", "U", "Segundos", "9", "0.00", "0.00"},
    // No pair: the old output is only shown again through the mask.
    {"1.5", "grados", "Minutos", "7", "7.00", "1.50"},
    {"1", "V", "Minutos", "5", "5.00", "1.00"},
    {"1", "Minutos ", "Minutos", "abc", "abc", "1.00"},
    // Beyond the double range: the fault, and neither field written.
    {"3E306", "U", "Minutos", "old", fault, fault},
    {"6E304", "U", "Segundos", "old", fault, fault}, // the first factor of 60 still fits
    {"2.996155224770526E306", "U", "Minutos", "old", fault, fault}, // its 15 digits round past
};

TEST_P(AnglesTest, BothRowsChangeTheUnitAlike) {
    for (const auto& row : {convert::angles::degreeUnitChange, convert::angles::hourUnitChange}) {
        const std::string in(row.input), out(row.output);
        const std::string_view other = row.mainUnit == "Grados" ? "Horas" : "Grados";
        const auto unit = [&](std::string_view text) {
            return text == "U" ? row.mainUnit : text == "V" ? other : text;
        };
        for (const auto& c : unitChanges) {
            SCOPED_TRACE(in + ": " + c.input + " " + c.from + " -> " + c.to);
            Form form = this->form({{in, c.input},
                                    {row.sourceUnit, unit(c.from)},
                                    {row.targetUnit, unit(c.to)},
                                    {out, c.output}});
            convert::angles::DecADec(form, row);
            const auto& outcome = form.outcome();
            if (c.newOutput == fault) {
                testing_support::expectFault(outcome);
                EXPECT_TRUE(fieldsWritten(outcome).empty());
                continue;
            }
            expectTexts(form, {{out, c.newOutput}, {in, c.newInput}});
            // A negative input is warned about before any write; then the output, then the input.
            const bool negative = c.input[0] == '-';
            EXPECT_EQ(messagesOf(outcome).size(), negative ? 1u : 0u);
            if (negative) {
                EXPECT_EQ(outcome.effects.front(),
                          convert::Effect{convert::rangeWarning("Solo valores positivos")});
                EXPECT_EQ(fieldsWritten(outcome), std::vector({in, out, in}));
            }
        }
    }
}

INSTANTIATE_FOR_BOTH_LOCALES(AnglesTest);

} // namespace
