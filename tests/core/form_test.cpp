// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// The floating-point fault rule every conversion shares: the step that faults writes nothing,
// the user is told once, and nothing is written after it.
#include "convert/form.h"

#include "test_support.h"

#include <limits>

using testing_support::LocaleTest;

class FormFaultTest : public LocaleTest {};

TEST_P(FormFaultTest, AStepThatLeavesTheRangeWritesNothingAndStopsTheRest) {
    const double top = std::numeric_limits<double>::max();
    // Infinity, nan, and the double below the largest, whose 15-digit text rounds past the top.
    for (const double value : {top * 2, std::nan(""), std::nextafter(top, 0.0)}) {
        auto f = form({{"a", "1"}, {"b", "2"}});
        f.write("a", "3");
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

INSTANTIATE_FOR_BOTH_LOCALES(FormFaultTest);
