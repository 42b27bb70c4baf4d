// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// The two length converters of the distances page, on the table distances.tsv.
#include "convert/distances/distances.h"

#include "test_support.h"

using convert::Form;
using testing_support::fieldsWritten;
using namespace convert::distances;

namespace {

struct Converter {
    const convert::Conversion& conversion;
    const char *source, *from, *to, *result; // fields
};

const Converter S{shortDistance, "txtMedidas1", "comMedidas1", "comMedidas2", "txtMedidas2"};
const Converter L{longDistance, "txtMedidas3", "comMedidas3", "comMedidas4", "txtMedidas4"};

class DistanceTest : public testing_support::LocaleTest {};

TEST_P(DistanceTest, Converts) {
    for (const auto& row : testing_support::readTable("distances.tsv")) {
        SCOPED_TRACE(row.where());
        const Converter& k = row[1] == "S" ? S : L;
        const Form form =
            after(k.conversion,
                  {{k.source, row[2]}, {k.from, row[3]}, {k.to, row[4]}, {k.result, row[5]}});
        const auto written = fieldsWritten(form.outcome());
        if (row[6] == "FAULT") { // nothing is written
            testing_support::expectFault(form.outcome());
            EXPECT_TRUE(written.empty());
            continue;
        }
        expectTexts(form, {{k.source, row[6]}, {k.result, row[7]}});
        EXPECT_TRUE(testing_support::messagesOf(form.outcome()).empty());
        if (&k == &L) { // the source is written only when it is reset
            EXPECT_EQ(testing_support::wasWritten(form.outcome(), k.source), row[2] != row[6]);
        } else { // both fields are masked last, the source first
            EXPECT_EQ(std::vector(written.end() - 2, written.end()),
                      (std::vector<std::string>{k.source, k.result}));
        }
    }
}

INSTANTIATE_FOR_EVERY_LOCALE(DistanceTest);

} // namespace
