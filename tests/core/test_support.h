// Helpers shared by the core tests: every table is written once with full-stop texts and run
// under a full-stop and a comma locale.
#pragma once

#include "convert/form.h"
#include "numtext/numtext.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace testing_support {

// The text as the given locale writes it: full stops become the decimal separator. Only for
// table texts without thousands separators.
inline std::string localized(std::string_view fullStopText, const numtext::NumberLocale& locale) {
    std::string out;
    for (char c : fullStopText) {
        if (c == '.')
            out += locale.decimal;
        else
            out += c;
    }
    return out;
}

struct NamedLocale {
    std::string name;
    numtext::NumberLocale locale;
};

inline std::vector<NamedLocale> bothLocales() {
    return {{"FullStop", numtext::fullStopLocale}, {"Comma", numtext::commaLocale}};
}

inline std::string localeName(const testing::TestParamInfo<NamedLocale>& info) {
    return info.param.name;
}

// The messages a conversion asked for, in order.
inline std::vector<numtext::Message> messagesOf(const convert::Outcome& outcome) {
    std::vector<numtext::Message> messages;
    for (const auto& step : outcome.steps)
        if (const auto* message = std::get_if<numtext::Message>(&step))
            messages.push_back(*message);
    return messages;
}

// The fields a conversion wrote, in order of their first write.
inline std::vector<std::string> fieldsWritten(const convert::Outcome& outcome) {
    std::vector<std::string> fields;
    for (const auto& step : outcome.steps)
        if (const auto* write = std::get_if<convert::Write>(&step))
            if (fields.empty() || fields.back() != write->field)
                fields.push_back(write->field);
    return fields;
}

// A test fixture parameterised by the locale.
class LocaleTest : public testing::TestWithParam<NamedLocale> {
protected:
    const numtext::NumberLocale& locale() const { return GetParam().locale; }
    std::string loc(std::string_view fullStopText) const {
        return localized(fullStopText, locale());
    }
};

} // namespace testing_support

#define INSTANTIATE_FOR_BOTH_LOCALES(suite)                                                        \
    INSTANTIATE_TEST_SUITE_P(Locales, suite, testing::ValuesIn(testing_support::bothLocales()),    \
                             testing_support::localeName)
