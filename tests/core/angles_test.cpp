// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// Degrees and hours between sexagesimal and decimal, and the unit change of a decimal amount, on
// the tables angles.tsv (faults of the carry included), angle_splits.tsv (run on both rows) and
// angle_units.tsv (likewise).
#include "convert/angles/decadec.h"
#include "convert/angles/degrees.h"
#include "convert/angles/hours.h"

#include "test_support.h"

#include <array>

using convert::Form;
using testing_support::fieldsWritten;
using testing_support::messagesOf;
using testing_support::readTable;

namespace {

using Fields = std::array<std::string, 4>; // whole units, minutes, seconds, decimal

struct Angle {
    const convert::Conversion& conversion;
    Fields fields;
};

const Fields degreeFields{"txtGrados1", "txtMinutos1", "txtSegundos1", "txtGrados2"};
const Fields hourFields{"txtHoras1", "txtMinutos2", "txtSegundos2", "txtHoras2"};
const std::map<std::string, Angle, std::less<>> conversions{
    {"degToDec", {convert::angles::gradosSexADec, degreeFields}},
    {"degToSex", {convert::angles::gradosDecASexa, degreeFields}},
    {"hToDec", {convert::angles::horasSexADec, hourFields}},
    {"hToSex", {convert::angles::horasDecASex, hourFields}},
};

class AnglesTest : public testing_support::LocaleTest {
protected:
    // Runs one conversion: the texts after it, no message (or only the fault), and each field
    // written only if its text changes.
    Form run(const Angle& c, const std::string& unit, const Fields& before, const Fields& after,
             bool faults = false) const {
        testing_support::Texts texts;
        for (int i = 0; i < 4; ++i)
            texts.emplace_back(c.fields[i], before[i]);
        if (c.fields == hourFields) // only the hour row has a unit
            texts.emplace_back(convert::angles::hourDecimalUnit, unit);
        Form form = this->after(c.conversion, texts);
        if (faults)
            testing_support::expectFault(form.outcome());
        else
            EXPECT_TRUE(messagesOf(form.outcome()).empty());
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(form.text(c.fields[i]), loc(after[i])) << c.fields[i];
            EXPECT_EQ(testing_support::wasWritten(form.outcome(), c.fields[i]),
                      before[i] != after[i])
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
    using namespace convert::angles;
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
                testing_support::expectFault(outcome);
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

} // namespace
