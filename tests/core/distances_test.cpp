#include "convert/distances/distances.h"

#include "test_support.h"

#include <string>
#include <vector>

using convert::Form;
using testing_support::fieldsWritten;
using testing_support::LocaleTest;
using testing_support::messagesOf;

namespace {

// Every case below is written with full-stop texts; loc() gives the locale's own.
struct Case {
    const char* source;
    const char* from;
    const char* to;
    const char* oldResult;
    // after the conversion
    const char* newSource;
    const char* newResult;
};

constexpr const char* cm = "Centímetros";
constexpr const char* in = "Pulgadas";
constexpr const char* ft = "Pies";
constexpr const char* yd = "Yardas";

constexpr const char* km = "Kilómetros";
constexpr const char* mi = "Millas";
constexpr const char* au = "Unidades Astronómicas";
constexpr const char* ly = "Años Luz";
constexpr const char* pc = "Parsecs";

std::string describe(const Case& c) {
    return std::string("'") + c.source + "' " + c.from + " -> " + c.to;
}

// Everyday lengths.

Form shortForm(const numtext::NumberLocale& locale, const char* source, const char* from,
               const char* to, const char* result) {
    return Form(locale, {{"txtMedidas1", testing_support::localized(source, locale)},
                         {"comMedidas1", from},
                         {"comMedidas2", to},
                         {"txtMedidas2", testing_support::localized(result, locale)}});
}

const Case shortCases[] = {
    // Unusable sources become 0 silently and the conversion goes on with it.
    {"", cm, in, "9", "0.00", "0.00"},
    {"   ", cm, in, "9", "0.00", "0.00"},
    {"abc", cm, in, "9", "0.00", "0.00"},
    {"-5", cm, in, "9", "0.00", "0.00"},
    {"-0", cm, in, "9", "0.00", "0.00"},
    // Every pair of different units; results keep the five decimals of the conversion.
    {"1", cm, in, "", "1.00", "0.3937"},
    {"30.48", cm, ft, "", "30.48", "1.00"},
    {"100", cm, yd, "", "100.00", "1.09361"},
    {"1", in, cm, "", "1.00", "2.54"},
    {"18", in, ft, "", "18.00", "1.50"},
    {"18", in, yd, "", "18.00", "0.50"},
    {"2", ft, cm, "", "2.00", "60.96"},
    {"1.5", ft, in, "", "1.50", "18.00"},
    {"10", ft, yd, "", "10.00", "3.33333"},
    {"2", yd, cm, "", "2.00", "182.88"},
    {"0.5", yd, in, "", "0.50", "18.00"},
    {"2.5", yd, ft, "", "2.50", "7.50"},
    // The conversion uses the full source; both fields are rounded for display afterwards.
    {"1.123456789", cm, in, "", "1.12345679", "0.44231"},
    {"0.000001", cm, in, "", "0.000001", "0.00"},
    {"0.0000127", cm, in, "", "0.0000127", "0.00001"},
    {"1e3", ft, in, "", "1000.00", "12000.00"},
    // A same-unit pair copies the source text; the final rewrite formats both.
    {"1.123456789", cm, cm, "", "1.12345679", "1.12345679"},
    {"3", in, in, "", "3.00", "3.00"},
    {" 7 ", ft, ft, "", "7.00", "7.00"},
    {"1E1", yd, yd, "", "10.00", "10.00"},
    {"abc", yd, yd, "", "0.00", "0.00"},
    // A list text that names no unit: no conversion, but both fields are still rewritten.
    {"1", "cm", in, "2.54", "1.00", "2.54"},
    {"abc", "centímetros", in, "2.54", "0.00", "2.54"},
    {"1", cm, "Pulgadas ", "1.5", "1.00", "1.50"},
    {"1", cm, "", "not a number", "1.00", "not a number"},
    {"1", "", "", "", "1.00", ""},
};

class ShortDistanceTest : public LocaleTest {};

TEST_P(ShortDistanceTest, ConvertsAndRewritesBothFields) {
    for (const auto& c : shortCases) {
        SCOPED_TRACE(describe(c));
        auto form = shortForm(locale(), c.source, c.from, c.to, c.oldResult);
        convert::distances::convertShortDistance(form);
        EXPECT_EQ(form.text("txtMedidas1"), loc(c.newSource));
        EXPECT_EQ(form.text("txtMedidas2"), loc(c.newResult));
        EXPECT_TRUE(messagesOf(form.outcome()).empty());
        EXPECT_FALSE(form.faulted());
        // The unit lists are only read.
        EXPECT_EQ(form.text("comMedidas1"), c.from);
        EXPECT_EQ(form.text("comMedidas2"), c.to);
    }
}

TEST_P(ShortDistanceTest, CleansTheSourceThenConvertsThenRewritesSourceAndResult) {
    auto form = shortForm(locale(), "abc", cm, in, "");
    convert::distances::convertShortDistance(form);
    EXPECT_EQ(
        fieldsWritten(form.outcome()),
        (std::vector<std::string>{"txtMedidas1", "txtMedidas2", "txtMedidas1", "txtMedidas2"}));
}

TEST_P(ShortDistanceTest, KeepsAHugeResultInFixedNotation) {
    // Just below the overflow bound of yards to centimetres: a result, not a fault.
    auto form = shortForm(locale(), "1.9E+306", yd, cm, "");
    convert::distances::convertShortDistance(form);
    EXPECT_FALSE(form.faulted());
    EXPECT_EQ(form.text("txtMedidas2"), "173736" + std::string(303, '0') + loc(".00"));
    EXPECT_EQ(form.text("txtMedidas1"), "19" + std::string(305, '0') + loc(".00"));
}

// Sources just above the largest double divided by each multiplying pair's constant.
const Case shortFaults[] = {
    {"1E+307", yd, cm, "2.54", "1E+307", "2.54"}, {"5E+306", yd, in, "", "5E+306", ""},
    {"6E+306", ft, cm, "abc", "6E+306", "abc"},   {"1.6E+307", ft, in, "1", "1.6E+307", "1"},
    {"6E+307", yd, ft, "1.5", "6E+307", "1.5"},   {"7.1E+307", in, cm, "0.00", "7.1E+307", "0.00"},
};

TEST_P(ShortDistanceTest, StopsOnAResultBeyondTheDoubleRangeWithNeitherFieldChanged) {
    for (const auto& c : shortFaults) {
        SCOPED_TRACE(describe(c));
        auto form = shortForm(locale(), c.source, c.from, c.to, c.oldResult);
        convert::distances::convertShortDistance(form);
        EXPECT_TRUE(form.faulted());
        EXPECT_EQ(form.text("txtMedidas1"), loc(c.newSource));
        EXPECT_EQ(form.text("txtMedidas2"), loc(c.newResult));
        EXPECT_TRUE(fieldsWritten(form.outcome()).empty());
        EXPECT_EQ(messagesOf(form.outcome()),
                  std::vector<numtext::Message>{numtext::floatingPointFault()});
    }
}

INSTANTIATE_FOR_BOTH_LOCALES(ShortDistanceTest);

// Long and astronomical lengths.

Form longForm(const numtext::NumberLocale& locale, const char* source, const char* from,
              const char* to, const char* result) {
    return Form(locale, {{"txtMedidas3", testing_support::localized(source, locale)},
                         {"comMedidas3", from},
                         {"comMedidas4", to},
                         {"txtMedidas4", testing_support::localized(result, locale)}});
}

const Case longCases[] = {
    // Unusable sources become 0 silently and the conversion goes on with it.
    {"", km, au, "9", "0", "0"},
    {"  ", km, au, "9", "0", "0"},
    {"abc", km, au, "9", "0", "0"},
    {"-1", km, au, "9", "0", "0"},
    {"-0", km, mi, "9", "-0", "0"},
    {"0", mi, pc, "9", "0", "0"},
    // The source keeps the text the user typed.
    {"1", km, mi, "", "1", "0.6214"},
    {"100", km, mi, "", "100", "62.14"},
    {"1.50", km, mi, "", "1.50", "0.9321"},
    {" 2.5 ", km, mi, "", " 2.5 ", "1.5535"},
    {"1E+15", km, mi, "", "1E+15", "621400000000000"},
    {"1E+16", km, mi, "", "1E+16", "6.214E+15"},
    // Every pair of different units.
    {"1", km, au, "", "1", "6.6845871226706E-09"},
    {"149597870.691", km, au, "", "149597870.691", "1"},
    {"1", km, ly, "", "1", "1.05702253880714E-13"},
    {"2.5", km, pc, "", "2.5", "8.10194707223536E-14"},
    {"1", mi, km, "", "1", "1.60926939169617"},
    {"1", mi, au, "", "1", "1.07573014526402E-08"},
    {"2.5", mi, ly, "", "2.5", "4.25258504508826E-13"},
    {"1", mi, pc, "", "1", "5.2152861745963E-14"},
    {"1", au, km, "", "1", "149597870.691"},
    {"2.5", au, mi, "", "2.5", "232400292.118468"},
    {"1", au, ly, "", "1", "1.58128321077943E-05"},
    {"1", au, pc, "", "1", "4.84813612183037E-06"},
    {"1", ly, km, "", "1", "9460536207000"},
    {"1", ly, mi, "", "1", "5878777199029.8"},
    {"1", ly, au, "", "1", "63239.7785028711"},
    {"2.5", ly, pc, "", "2.5", "0.766487636240803"},
    {"1", pc, km, "", "1", "30856780200000"},
    {"2.5", pc, mi, "", "2.5", "47936008040700"},
    {"1", pc, au, "", "1", "206264.835571997"},
    {"1", pc, ly, "", "1", "3.26163121464179"},
    // Two operations, each by its own constant: a factor worked out in advance would change
    // the last digit of these.
    {"7", mi, au, "", "7", "7.53011101684811E-08"},
    {"87", mi, pc, "", "87", "4.53729897189879E-12"},
    {"48", au, mi, "", "48", "4462085608.6746"},
    {"57", au, ly, "", "57", "0.000901331430144275"},
    {"24", pc, ly, "", "24", "78.2791491514028"},
    // Close to the double range but inside it.
    {"1E+300", au, km, "", "1E+300", "1.49597870691E+308"},
    {"1.7E+308", km, pc, "", "1.7E+308", "5.50932400912004E+294"},
    // A same-unit pair copies the text as typed, with no reformatting.
    {"7", km, km, "", "7", "7"},
    {"5.0", mi, mi, "", "5.0", "5.0"},
    {" 2.50 ", au, au, "", " 2.50 ", " 2.50 "},
    {"1E-20", ly, ly, "", "1E-20", "1E-20"},
    {"1e3", pc, pc, "", "1e3", "1e3"},
    {"abc", pc, pc, "", "0", "0"},
    // A list text that names no unit: the result keeps its text; the source is still cleaned.
    {"1", km, "parsecs", "old", "1", "old"},
    {"abc", "Kilometros", mi, "0.6214", "0", "0.6214"},
    {"-3", " Millas", " Millas", "", "0", ""},
    {"1", "", au, "1.5", "1", "1.5"},
};

class LongDistanceTest : public LocaleTest {};

TEST_P(LongDistanceTest, ConvertsThroughKilometresAndWritesGeneralNumberText) {
    for (const auto& c : longCases) {
        SCOPED_TRACE(describe(c));
        auto form = longForm(locale(), c.source, c.from, c.to, c.oldResult);
        convert::distances::convertLongDistance(form);
        EXPECT_EQ(form.text("txtMedidas3"), loc(c.newSource));
        EXPECT_EQ(form.text("txtMedidas4"), loc(c.newResult));
        EXPECT_TRUE(messagesOf(form.outcome()).empty());
        EXPECT_FALSE(form.faulted());
        EXPECT_EQ(form.text("comMedidas3"), c.from);
        EXPECT_EQ(form.text("comMedidas4"), c.to);
    }
}

TEST_P(LongDistanceTest, WritesTheSourceOnlyWhenItResetsIt) {
    auto valid = longForm(locale(), "1.50", km, mi, "");
    convert::distances::convertLongDistance(valid);
    EXPECT_EQ(fieldsWritten(valid.outcome()), std::vector<std::string>{"txtMedidas4"});

    auto unusable = longForm(locale(), "x", km, "nada", "");
    convert::distances::convertLongDistance(unusable);
    EXPECT_EQ(fieldsWritten(unusable.outcome()), std::vector<std::string>{"txtMedidas3"});
}

// Each operation is checked on its own: the first step of a two-step pair can leave the double
// range even when the final value would fit (1.3E+300 AU is about 6.3E+294 parsecs).
const Case longFaults[] = {
    {"1.2E+308", mi, km, "old", "1.2E+308", "old"}, {"1.2E+308", mi, au, "", "1.2E+308", ""},
    {"2E+300", au, km, "1", "2E+300", "1"},         {"1.3E+300", au, pc, "1", "1.3E+300", "1"},
    {"1.3E+300", au, mi, "1", "1.3E+300", "1"},     {"2E+295", ly, km, "1", "2E+295", "1"},
    {"2E+295", ly, mi, "1", "2E+295", "1"},         {"6E+294", pc, ly, "abc", "6E+294", "abc"},
    {"6E+294", pc, au, "abc", "6E+294", "abc"},
};

TEST_P(LongDistanceTest, StopsOnAValueBeyondTheDoubleRangeWithNeitherFieldChanged) {
    for (const auto& c : longFaults) {
        SCOPED_TRACE(describe(c));
        auto form = longForm(locale(), c.source, c.from, c.to, c.oldResult);
        convert::distances::convertLongDistance(form);
        EXPECT_TRUE(form.faulted());
        EXPECT_EQ(form.text("txtMedidas3"), loc(c.newSource));
        EXPECT_EQ(form.text("txtMedidas4"), loc(c.newResult));
        EXPECT_TRUE(fieldsWritten(form.outcome()).empty());
        EXPECT_EQ(messagesOf(form.outcome()),
                  std::vector<numtext::Message>{numtext::floatingPointFault()});
    }
}

INSTANTIATE_FOR_BOTH_LOCALES(LongDistanceTest);

TEST(DistanceCommaLocale, WritesTheCommaAsDecimalSeparator) {
    auto form = longForm(numtext::commaLocale, "100", km, mi, "");
    convert::distances::convertLongDistance(form);
    EXPECT_EQ(form.text("txtMedidas4"), "62,14");

    // A full stop is not this locale's separator: 1.5 is no number here and becomes 0.
    auto shortOne = Form(
        numtext::commaLocale,
        {{"txtMedidas1", "1.5"}, {"comMedidas1", yd}, {"comMedidas2", ft}, {"txtMedidas2", ""}});
    convert::distances::convertShortDistance(shortOne);
    EXPECT_EQ(shortOne.text("txtMedidas1"), "0,00");
    EXPECT_EQ(shortOne.text("txtMedidas2"), "0,00");
}

} // namespace
