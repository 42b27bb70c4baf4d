// Runs every row of the reference vectors (tests/data/en.tsv under a full-stop locale, es.tsv
// under a comma locale) and reports each disagreement with its file and line.
#include "numtext/numtext.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <fstream>
#include <string>
#include <vector>

namespace {

using numtext::NumberLocale;

struct Row {
    int line = 0;
    std::string kind, mask, input, expected, value;
};

void appendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Undoes the escapes of the vector files: \\ \t \n \r and \uXXXX.
std::string unescape(const std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\' || i + 1 >= s.size()) {
            out += s[i];
            continue;
        }
        const char c = s[++i];
        if (c == 't') {
            out += '\t';
        } else if (c == 'n') {
            out += '\n';
        } else if (c == 'r') {
            out += '\r';
        } else if (c == 'u' && i + 4 < s.size()) {
            unsigned code = 0;
            std::from_chars(s.data() + i + 1, s.data() + i + 5, code, 16);
            appendUtf8(out, code);
            i += 4;
        } else {
            out += c;
        }
    }
    return out;
}

std::vector<std::string> splitTabs(const std::string& line) {
    std::vector<std::string> fields(1);
    for (char c : line) {
        if (c == '\t')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

std::vector<Row> loadRows(const std::string& file) {
    std::ifstream in(std::string(TARABEL_TEST_DATA) + "/" + file, std::ios::binary);
    std::vector<Row> rows;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (number == 1 || line.empty())
            continue; // header
        auto fields = splitTabs(line);
        fields.resize(5);
        rows.push_back(
            {number, fields[0], fields[1], unescape(fields[2]), unescape(fields[3]), fields[4]});
    }
    return rows;
}

// A double written in C syntax by the vector generator.
bool readCDouble(const std::string& text, double& value) {
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

bool sameDouble(double a, double b) {
    return a == b && std::signbit(a) == std::signbit(b);
}

bool knownMask(const std::string& pattern) {
    for (const char* known : {"0.00#####", "0.00###", "0.00######", "0.00", "0.0##", "0.000"})
        if (pattern == known)
            return true;
    return false;
}

struct VectorCase {
    const char* file;
    const char* kind;
    NumberLocale locale;
};

void PrintTo(const VectorCase& c, std::ostream* os) {
    *os << c.file << " kind " << c.kind;
}

std::string caseName(const testing::TestParamInfo<VectorCase>& info) {
    return std::string(info.param.file).substr(0, 2) + "_" + info.param.kind;
}

class NumberTextVectors : public testing::TestWithParam<VectorCase> {};

// Checks one row; an empty result means it agrees.
std::string checkRow(const Row& row, const NumberLocale& locale) {
    if (row.kind == "G" || row.kind == "F") {
        double value = 0;
        if (!readCDouble(row.input, value))
            return "unreadable input";
        if (row.kind == "F" && !knownMask(row.mask))
            return "unknown mask " + row.mask;
        const std::string actual = row.kind == "G"
                                       ? numtext::generalNumberText(value, locale)
                                       : numtext::applyMask(value, numtext::mask(row.mask), locale);
        return actual == row.expected ? "" : "got \"" + actual + "\"";
    }
    if (row.kind == "S") {
        if (!knownMask(row.mask))
            return "unknown mask " + row.mask;
        const std::string actual = numtext::applyMask(row.input, numtext::mask(row.mask), locale);
        return actual == row.expected ? "" : "got \"" + actual + "\"";
    }
    if (row.kind == "N") {
        const bool isNumber = numtext::isNumber(row.input, locale);
        const auto value = numtext::toNumber(row.input, locale);
        if (isNumber != value.has_value())
            return "number test and conversion disagree";
        if (row.expected == "no")
            return isNumber ? "accepted as " + numtext::generalNumberText(*value, locale) : "";
        if (row.expected != "yes")
            return "unknown expectation " + row.expected;
        if (!isNumber)
            return "refused";
        double expected = 0;
        if (!readCDouble(row.value, expected))
            return "unreadable value " + row.value;
        if (!sameDouble(*value, expected)) {
            char buffer[40];
            const auto end = std::to_chars(buffer, buffer + sizeof buffer, *value).ptr;
            return "read as " + std::string(buffer, end);
        }
        return "";
    }
    return "unknown kind " + row.kind;
}

TEST_P(NumberTextVectors, EveryRowAgrees) {
    const VectorCase& c = GetParam();
    const std::vector<Row> rows = loadRows(c.file);
    ASSERT_GT(rows.size(), 10000u) << "vector file missing or cut short: " << c.file;

    int checked = 0;
    int failed = 0;
    for (const Row& row : rows) {
        if (row.kind != c.kind)
            continue;
        ++checked;
        const std::string problem = checkRow(row, c.locale);
        if (problem.empty())
            continue;
        if (++failed <= 60) {
            ADD_FAILURE() << c.file << ":" << row.line << ": " << row.kind << " [" << row.mask
                          << "] input \"" << row.input << "\" expected \"" << row.expected
                          << "\": " << problem;
        }
    }
    EXPECT_GT(checked, 100) << "too few rows of kind " << c.kind;
    EXPECT_EQ(failed, 0) << failed << " of " << checked << " rows disagree";
}

INSTANTIATE_TEST_SUITE_P(Files, NumberTextVectors,
                         testing::Values(VectorCase{"en.tsv", "G", numtext::fullStopLocale},
                                         VectorCase{"en.tsv", "F", numtext::fullStopLocale},
                                         VectorCase{"en.tsv", "S", numtext::fullStopLocale},
                                         VectorCase{"en.tsv", "N", numtext::fullStopLocale},
                                         VectorCase{"es.tsv", "G", numtext::commaLocale},
                                         VectorCase{"es.tsv", "F", numtext::commaLocale},
                                         VectorCase{"es.tsv", "S", numtext::commaLocale},
                                         VectorCase{"es.tsv", "N", numtext::commaLocale}),
                         caseName);

// Every row of a file belongs to one of the kinds run above.
TEST(NumberTextVectorFiles, OnlyKnownKinds) {
    for (const char* file : {"en.tsv", "es.tsv"}) {
        for (const Row& row : loadRows(file)) {
            const bool known =
                row.kind == "G" || row.kind == "F" || row.kind == "S" || row.kind == "N";
            EXPECT_TRUE(known) << file << ":" << row.line << ": kind \"" << row.kind << "\"";
        }
    }
}

} // namespace
