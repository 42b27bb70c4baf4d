// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// Runs every row of the reference vectors: en.tsv under the full-stop locale, es.tsv under the
// comma one, en.tsv again in the Persian locale's forms; and the decided points of
// number_texts.tsv under each. Columns: kind, mask, input, expected, value. Kinds: G general
// number text and F display mask of a value (written in C syntax), S display mask of a text, N
// number test ("yes" or "no") with the value read in the last column. A row of any other kind
// fails.
#include "test_support.h"

#include <charconv>

namespace {

// Undoes the escapes of the files: \\ \t \n \r and \uXXXX (written out as UTF-8).
std::string unescape(std::string_view s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i] == '\\' && i + 1 < s.size() ? s[++i] : 0;
        if (c == 0) {
            out += s[i];
        } else if (c != 'u') {
            out += c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c;
        } else {
            unsigned u = 0;
            std::from_chars(s.data() + i + 1, s.data() + i + 5, u, 16);
            i += 4;
            if (u < 0x80)
                out += char(u);
            else if (u < 0x800)
                out += {char(0xC0 | u >> 6), char(0x80 | (u & 0x3F))};
            else
                out +=
                    {char(0xE0 | u >> 12), char(0x80 | (u >> 6 & 0x3F)), char(0x80 | (u & 0x3F))};
        }
    }
    return out;
}

double cDouble(const std::string& text) {
    double value = std::nan("");
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

class NumberTextVectors : public testing_support::LocaleTest {
protected:
    // What the row's number text gives, as the expected column writes it.
    std::string got(const std::string& kind, const std::string& mask, const std::string& text,
                    const std::string& expected, const std::string& value) const {
        if (kind == "G")
            return numtext::generalNumberText(cDouble(text), locale());
        if (kind == "F")
            return numtext::applyMask(cDouble(text), numtext::mask(mask), locale());
        if (kind == "S")
            return numtext::applyMask(text, numtext::mask(mask), locale());
        if (kind != "N")
            return "unknown kind";
        const auto read = numtext::toNumber(text, locale());
        EXPECT_EQ(numtext::isNumber(text, locale()), read.has_value()) << text;
        return !read ? "no"
               : expected == "yes" && !testing_support::sameDouble(*read, cDouble(value))
                   ? "a number of another value"
                   : "yes";
    }
    // The rows of a file, their columns from `at` on; its texts are taken to the locale's forms
    // when `local`, but for the value of a G or F row, written in C syntax. Gives the failures
    // and the rows.
    std::pair<int, std::size_t> failures(const std::string& file, std::size_t at,
                                         bool local) const {
        int failed = 0;
        const auto rows = testing_support::readTable(file);
        const auto own = [&](std::string_view t) { return local ? loc(unescape(t)) : unescape(t); };
        for (const auto& row : rows) {
            const std::string &kind = row[at], &mask = row[at + 1];
            const std::string text =
                kind == "G" || kind == "F" ? unescape(row[at + 2]) : own(row[at + 2]);
            const std::string written = got(kind, mask, text, row[at + 3], row[at + 4]);
            if (written != own(row[at + 3]) && ++failed <= 50)
                ADD_FAILURE() << row.where() << " [" << mask << "] \"" << text << "\" gave \""
                              << written << "\", expected \"" << own(row[at + 3]) << "\"";
        }
        return {failed, rows.size()};
    }
};

TEST_P(NumberTextVectors, EveryRowAgrees) {
    const std::string file = GetParam().name == "Comma" ? "es.tsv" : "en.tsv";
    const auto [failed, rows] = failures(file, 0, file == "en.tsv");
    EXPECT_EQ(failed, 0);
    EXPECT_GT(rows, 10000u) << file << " is cut short";
}

// The decided points of number_texts.tsv, written in table texts, under each locale.
TEST_P(NumberTextVectors, DecidedPoints) {
    EXPECT_EQ(failures("number_texts.tsv", 1, true).first, 0);
}

INSTANTIATE_FOR_EVERY_LOCALE(NumberTextVectors);

// Number text beyond the vectors: separators of other lengths, digits of other scripts.
TEST(NumberTextOtherLocales, SeparatorsOfAnyLength) {
    const numtext::NumberLocale narrowSpace{",", "\u202F"};
    const numtext::NumberLocale arabic{"\u066B", "\u066C"};
    const numtext::NumberLocale noGrouping{".", ""};
    EXPECT_EQ(numtext::toNumber("1\u202F234,5", narrowSpace), 1234.5);
    EXPECT_EQ(numtext::toNumber("\u202F1\u202F234\u202F", narrowSpace), 1234);
    EXPECT_FALSE(numtext::isNumber("1\u202F23", narrowSpace));
    EXPECT_EQ(numtext::toNumber("1\u066C234\u066B5", arabic), 1234.5);
    EXPECT_EQ(numtext::generalNumberText(-1234.5, arabic), "-1234\u066B5");
    EXPECT_EQ(numtext::applyMask("1\u202F234,5", numtext::mask("0.00"), narrowSpace), "1234,50");
    EXPECT_FALSE(numtext::isNumber("1,234", noGrouping));
    EXPECT_EQ(numtext::toNumber("1234.5", noGrouping), 1234.5);
}

// Digits beyond the Basic Multilingual Plane (Adlam's) are written and read back; in the Persian
// locale (which every table runs under) the full stop is no decimal sign.
TEST(NumberTextOtherLocales, DigitsOfTheirOwn) {
    const numtext::NumberLocale adlam{".", "\u2E41", "\U0001E950", "-"};
    EXPECT_EQ(numtext::generalNumberText(-10.5, adlam), "-\U0001E951\U0001E950.\U0001E955");
    EXPECT_EQ(numtext::toNumber("-\U0001E951\u2E41\U0001E950\U0001E950\U0001E950", adlam), -1000);
    EXPECT_FALSE(numtext::isNumber("\u06F1.\u06F5", testing_support::persian.locale));
}

} // namespace
