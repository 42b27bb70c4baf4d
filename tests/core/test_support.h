// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers shared by the core tests: every table is written once with full-stop texts and run
// under a full-stop, a comma and a Persian locale.
#pragma once

#include "convert/conversion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <fstream>

namespace testing_support {

// Equal, and -0 told from 0.
inline bool sameDouble(double a, double b) {
    return a == b && std::signbit(a) == std::signbit(b);
}

struct NamedLocale {
    std::string name;
    numtext::NumberLocale locale;
    std::string digits = "0123456789"; // its own, each as many bytes as the others
    friend void PrintTo(const NamedLocale& param, std::ostream* os) { *os << param.name; }
};

// As Qt has fa_IR: Persian digits, the Arabic separators and a minus sign after a direction mark.
inline const NamedLocale persian{"Persian",
                                 {"\u066B", "\u066C", "\u06F0", "\u200E\u2212"},
                                 "\u06F0\u06F1\u06F2\u06F3\u06F4\u06F5\u06F6\u06F7\u06F8\u06F9"};

// The messages a conversion asked for, in order.
inline std::vector<convert::Message> messagesOf(const convert::Outcome& outcome) {
    std::vector<convert::Message> messages;
    for (const auto& step : outcome.effects)
        if (const auto* message = std::get_if<convert::Message>(&step))
            messages.push_back(*message);
    return messages;
}

// The fields a conversion wrote, in order; writes in a row to one field count once.
inline std::vector<std::string> fieldsWritten(const convert::Outcome& outcome) {
    std::vector<std::string> fields;
    for (const auto& step : outcome.effects)
        if (const auto* write = std::get_if<convert::Write>(&step))
            if (fields.empty() || fields.back() != write->field)
                fields.push_back(write->field);
    return fields;
}

inline bool wasWritten(const convert::Outcome& outcome, std::string_view field) {
    return std::ranges::count(fieldsWritten(outcome), field) > 0;
}

// Stopped on a floating-point fault, with its one message.
inline void expectFault(const convert::Outcome& outcome) {
    EXPECT_TRUE(outcome.fault);
    EXPECT_EQ(messagesOf(outcome), std::vector{convert::floatingPointFault()});
}

// A table of tests/data: tab-separated, a header line first, lines starting with '#' notes. The
// first cell of a row names its case; where() tells the row in a failure.
struct Row {
    std::string file;
    int line;
    std::vector<std::string> cells;
    const std::string& operator[](std::size_t i) const { return cells.at(i); }
    std::string where() const { return file + ":" + std::to_string(line) + ": " + cells.at(0); }
};

inline std::vector<Row> readTable(const std::string& file) {
    std::ifstream in(std::string(TARABEL_TEST_DATA) + "/" + file, std::ios::binary);
    std::vector<Row> rows;
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        if (line == 1 || text.empty() || text[0] == '#')
            continue;
        Row row{file, line, {}};
        for (std::size_t start = 0, tab = 0; tab != std::string::npos; start = tab + 1)
            row.cells.push_back(text.substr(start, (tab = text.find('\t', start)) - start));
        rows.push_back(std::move(row));
    }
    EXPECT_FALSE(rows.empty()) << file;
    return rows;
}

using Texts = std::vector<std::pair<std::string_view, std::string_view>>;

// A test fixture parameterised by the locale; texts given to it are table texts, written with
// "." as the decimal separator, "," as the thousands separator, 0-9, and "-" as the sign of a
// number (before a digit or ".", not after an "E"). Unit names hold none of them, so every text
// of a form can be localized.
class LocaleTest : public testing::TestWithParam<NamedLocale> {
protected:
    const numtext::NumberLocale& locale() const { return GetParam().locale; }
    std::string loc(std::string_view text) const {
        const std::string& digits = GetParam().digits;
        std::string out;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char c = text[i];
            if (c == '-' && (i == 0 || std::toupper(text[i - 1]) != 'E') &&
                text.substr(i + 1).find_first_of("0123456789.") == 0)
                out += locale().minus;
            else if (c >= '0' && c <= '9')
                out += digits.substr((c - '0') * digits.size() / 10, digits.size() / 10);
            else
                out += c == '.' ? locale().decimal : c == ',' ? locale().group : std::string(1, c);
        }
        return out;
    }
    // The first text given for a field counts.
    convert::Form form(Texts texts) const {
        std::map<std::string, std::string, std::less<>> local;
        for (const auto& [field, text] : texts)
            local.emplace(field, loc(text));
        return convert::Form(locale(), std::move(local));
    }
    // The form after the conversion ran on it, built with exactly the fields it declares (empty
    // unless given; a slider's text in 0-9, as the window gives it). A text for another field fails
    // the test, and so does a field the conversion names without declaring it.
    convert::Form after(const convert::Conversion& conversion, Texts texts) const {
        std::map<std::string_view, std::string_view> given(texts.begin(), texts.end());
        std::map<std::string, std::string, std::less<>> local;
        for (const std::string_view field : conversion.fields) {
            const auto text = given.extract(field);
            local.emplace(field, !text                      ? ""
                                 : field.starts_with("sld") ? std::string(text.mapped())
                                                            : loc(text.mapped()));
        }
        for (const auto& [field, text] : given)
            ADD_FAILURE() << conversion.name << " does not declare " << field;
        convert::Form form(locale(), std::move(local));
        EXPECT_EQ(conversion.run(form).undeclared, "") << conversion.name;
        return form;
    }
    void expectTexts(const convert::Form& form, Texts texts) const {
        for (const auto& [field, text] : texts)
            EXPECT_EQ(form.text(field), loc(text)) << field;
    }
};

} // namespace testing_support

#define INSTANTIATE_FOR_EVERY_LOCALE(suite)                                                        \
    INSTANTIATE_TEST_SUITE_P(                                                                      \
        Locales, suite,                                                                            \
        testing::Values(testing_support::NamedLocale{"FullStop", numtext::fullStopLocale},         \
                        testing_support::NamedLocale{"Comma", numtext::commaLocale},               \
                        testing_support::persian),                                                 \
        [](const auto& instance) { return instance.param.name; })
