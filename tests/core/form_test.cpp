// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// The floating-point fault rule every conversion shares: the step that faults writes nothing,
// the user is told once, and nothing is written after it; and a field named without being
// declared, which ends a conversion with nothing done.
#include "convert/conversion.h"

#include "test_support.h"

#include <limits>

using testing_support::LocaleTest;

class FormFaultTest : public LocaleTest {};

TEST_P(FormFaultTest, AStepThatLeavesTheRangeWritesNothingAndStopsTheRest) {
    const double top = std::numeric_limits<double>::max();
    // Infinity, nan, and the double below the largest, whose 15-digit text rounds past the top.
    for (const double value : {top * 2, std::nan(""), std::nextafter(top, 0.0)}) {
        auto f = form({{"a", "1"}, {"b", "2"}});
        f.write("a", loc("3"));
        f.writeMasked("b", value, numtext::mask("0.00"));
        f.write("b", "4");
        f.tell(convert::rangeWarning("later"));
        testing_support::expectFault(f.outcome());
        expectTexts(f, {{"a", "3"}, {"b", "2"}});
    }
    EXPECT_TRUE(form({}).checked(-1e308).has_value());
}

TEST_P(FormFaultTest, AMaskThatCarriesPastTheTopLeavesTheFieldAsItWas) {
    const std::string typed = "1.7976931348623157e308";
    auto f = form({{"a", typed}});
    f.remask("a", numtext::mask("0.00"));
    testing_support::expectFault(f.outcome());
    expectTexts(f, {{"a", typed}});

    auto g = form({{"a", "abc"}});
    g.remask("a", numtext::mask("0.00"));
    EXPECT_FALSE(g.faulted());
    expectTexts(g, {{"a", "abc"}});
}

// A conversion that names a field it did not declare ends there with nothing done, whatever it
// wrote, told or faulted on before: the window is left as it was.
TEST_P(FormFaultTest, AnUndeclaredFieldEndsTheConversionWithNothingDone) {
    static constexpr std::string_view declared[] = {"a"};
    const convert::Conversion mistaken{"Mistaken", declared, [](convert::Form& f) {
                                           f.write("a", "3");
                                           f.tell(convert::rangeWarning("later"));
                                           f.checked(INFINITY);
                                           f.write("a", f.text("b"));
                                       }};
    auto f = form({{"a", "1"}});
    EXPECT_EQ(mistaken.run(f).undeclared, "b");
    EXPECT_TRUE(f.outcome().effects.empty());
    EXPECT_FALSE(f.faulted());
}

INSTANTIATE_FOR_EVERY_LOCALE(FormFaultTest);
