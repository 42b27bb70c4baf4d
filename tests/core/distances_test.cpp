// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// The two length converters of the distances page, on one table.
#include "convert/distances/distances.h"

#include "test_support.h"

using convert::Form;
using testing_support::fieldsWritten;
using namespace convert::distances;

namespace {

struct Converter {
    void (*convert)(Form&);
    const char *source, *from, *to, *result; // fields
};

const Converter S{convertShortDistance, "txtMedidas1", "comMedidas1", "comMedidas2", "txtMedidas2"};
const Converter L{convertLongDistance, "txtMedidas3", "comMedidas3", "comMedidas4", "txtMedidas4"};

constexpr const char *cm = "Centímetros", *in = "Pulgadas", *ft = "Pies", *yd = "Yardas";
constexpr const char *km = "Kilómetros", *mi = "Millas", *au = "Unidades Astronómicas",
                     *ly = "Años Luz", *pc = "Parsecs";

struct Case {
    const Converter* converter;
    const char *source, *from, *to, *oldResult, *newSource, *newResult; // new: afterwards
};

constexpr const char* fault = nullptr; // stops on a floating-point fault; nothing is written

class DistanceTest : public testing_support::LocaleTest {};

const Case cases[] = {
    // Unusable sources become "0" silently and the conversion goes on with 0.
    {&S, "", cm, in, "9", "0.00", "0.00"},
    {&S, "-5", cm, in, "9", "0.00", "0.00"},
    // Every pair of different units: a result has at most five decimals.
    {&S, "1", cm, in, "", "1.00", "0.3937"},
    {&S, "30.48", cm, ft, "", "30.48", "1.00"},
    {&S, "100", cm, yd, "", "100.00", "1.09361"},
    {&S, "1", in, cm, "", "1.00", "2.54"},
    {&S, "18", in, ft, "", "18.00", "1.50"},
    {&S, "18", in, yd, "", "18.00", "0.50"},
    {&S, "2", ft, cm, "", "2.00", "60.96"},
    {&S, "1.5", ft, in, "", "1.50", "18.00"},
    {&S, "10", ft, yd, "", "10.00", "3.33333"},
    {&S, "2", yd, cm, "", "2.00", "182.88"},
    {&S, "0.5", yd, in, "", "0.50", "18.00"},
    {&S, "2.5", yd, ft, "", "2.50", "7.50"},
    // The conversion uses the full source; both fields are rounded for display afterwards.
    {&S, "1.123456789", cm, in, "", "1.12345679", "0.44231"},
    {&S, "0.000001", cm, in, "", "0.000001", "0.00"},
    // Same unit: the source text is copied, then both fields are masked.
    {&S, "1.123456789", cm, cm, "", "1.12345679", "1.12345679"},
    {&S, "3", in, in, "", "3.00", "3.00"},
    {&S, " 7 ", ft, ft, "", "7.00", "7.00"},
    {&S, "1E1", yd, yd, "", "10.00", "10.00"},
    // A list text that names no unit: nothing converted, both fields still masked.
    {&S, "abc", "centímetros", in, "2.54", "0.00", "2.54"},
    {&S, "1", cm, "", "not a number", "1.00", "not a number"},

    // Long lengths: the source keeps the text typed unless it is reset.
    {&L, "", km, au, "9", "0", "0"},
    {&L, "-1", km, au, "9", "0", "0"},
    {&L, "-0", km, mi, "9", "-0", "0"},
    {&L, "100", km, mi, "", "100", "62.14"},
    {&L, "1.50", km, mi, "", "1.50", "0.9321"},
    {&L, "1E+15", km, mi, "", "1E+15", "621400000000000"},
    {&L, "1E+16", km, mi, "", "1E+16", "6.214E+15"},
    // Every pair of different units, through kilometres one operation at a time.
    {&L, "1", km, mi, "", "1", "0.6214"},
    {&L, "1", km, au, "", "1", "6.6845871226706E-09"},
    {&L, "149597870.691", km, au, "", "149597870.691", "1"},
    {&L, "1", km, ly, "", "1", "1.05702253880714E-13"},
    {&L, "2.5", km, pc, "", "2.5", "8.10194707223536E-14"},
    {&L, "1", mi, km, "", "1", "1.60926939169617"},
    {&L, "1", mi, au, "", "1", "1.07573014526402E-08"},
    {&L, "2.5", mi, ly, "", "2.5", "4.25258504508826E-13"},
    {&L, "1", mi, pc, "", "1", "5.2152861745963E-14"},
    {&L, "1", au, km, "", "1", "149597870.691"},
    {&L, "2.5", au, mi, "", "2.5", "232400292.118468"},
    {&L, "1", au, ly, "", "1", "1.58128321077943E-05"},
    {&L, "1", au, pc, "", "1", "4.84813612183037E-06"},
    {&L, "1", ly, km, "", "1", "9460536207000"},
    {&L, "1", ly, mi, "", "1", "5878777199029.8"},
    {&L, "1", ly, au, "", "1", "63239.7785028711"},
    {&L, "2.5", ly, pc, "", "2.5", "0.766487636240803"},
    {&L, "1", pc, km, "", "1", "30856780200000"},
    {&L, "2.5", pc, mi, "", "2.5", "47936008040700"},
    {&L, "1", pc, au, "", "1", "206264.835571997"},
    {&L, "1", pc, ly, "", "1", "3.26163121464179"},
    // A factor worked out in advance would change the last digit of these two.
    {&L, "57", au, ly, "", "57", "0.000901331430144275"},
    {&L, "24", pc, ly, "", "24", "78.2791491514028"},
    {&L, "1E+300", au, km, "", "1E+300", "1.49597870691E+308"},
    // Same unit: the text as typed.
    {&L, "5.0", mi, mi, "", "5.0", "5.0"},
    {&L, "1e3", pc, pc, "", "1e3", "1e3"},
    // A list text that names no unit: the result keeps its text; the source is still cleaned.
    {&L, "1", km, "parsecs", "old", "1", "old"},
    {&L, "abc", "Kilometros", mi, "0.6214", "0", "0.6214"},

    // Each operation is checked on its own: the first of two can leave the double range though
    // the final value would fit (1.3E+300 astronomical units are about 6.3E+294 parsecs).
    {&S, "1E+307", yd, cm, "2.54", fault, fault},
    {&L, "2E+300", au, km, "1", fault, fault},
    {&L, "1.3E+300", au, pc, "1", fault, fault},
};

TEST_P(DistanceTest, Converts) {
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.source) + " " + c.from + " -> " + c.to);
        const Converter& k = *c.converter;
        Form form = this->form(
            {{k.source, c.source}, {k.from, c.from}, {k.to, c.to}, {k.result, c.oldResult}});
        k.convert(form);
        const auto written = fieldsWritten(form.outcome());
        if (c.newSource == fault) {
            testing_support::expectFault(form.outcome());
            EXPECT_TRUE(written.empty());
            continue;
        }
        expectTexts(form, {{k.source, c.newSource}, {k.result, c.newResult}});
        EXPECT_TRUE(testing_support::messagesOf(form.outcome()).empty());
        if (&k == &L) { // the source is written only when it is reset
            EXPECT_EQ(testing_support::wasWritten(form.outcome(), k.source),
                      std::string_view(c.source) != c.newSource);
        } else { // both fields are masked last, the source first
            EXPECT_EQ(std::vector(written.end() - 2, written.end()),
                      (std::vector<std::string>{k.source, k.result}));
        }
    }
}

INSTANTIATE_FOR_BOTH_LOCALES(DistanceTest);

} // namespace
