// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// The controls a conversion works on, as plain texts, and what the conversion does to them.
//
// A conversion reads the texts of its row, corrects them in place, writes results and may ask
// for a message box, in a fixed order. Form keeps the current texts (so a step can read back
// what an earlier step wrote) and records every write and message as an Effect. The window
// then replays them on the real controls. A conversion stops at its first floating-point fault:
// from then on the form takes no more writes or messages.
#pragma once

#include "convert/message.h"
#include "numtext/numtext.h"

#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace convert {

struct Write {
    std::string field;
    std::string text;
    bool operator==(const Write&) const = default;
};

using Effect = std::variant<Write, Message>;

struct Outcome {
    std::vector<Effect> effects;
    bool fault = false; // stopped on a floating-point fault
    // A field the conversion read or wrote without declaring it: a mistake in the program, not in
    // what the user typed. The conversion ended there with no effects, so nothing changes.
    std::string undeclared;
};

// What Form::text and Form::write throw for a field the form was not built with;
// Conversion::run catches it.
struct UndeclaredField {
    std::string field;
};

class Form {
public:
    Form(numtext::NumberLocale locale,
         std::initializer_list<std::pair<std::string, std::string>> texts);
    Form(numtext::NumberLocale locale, std::map<std::string, std::string, std::less<>> texts);

    const numtext::NumberLocale& locale() const { return locale_; }

    // The current text of a field; any other field than those the form was built with throws
    // UndeclaredField.
    const std::string& text(std::string_view field) const;
    void write(std::string_view field, std::string text);
    void tell(Message message);

    // Number test and text-to-number conversion of a field's current text.
    bool isNumber(std::string_view field) const;
    std::optional<double> number(std::string_view field) const;

    // A value about to be used or written: values whose number text can be read back pass;
    // anything else is a floating-point fault, recorded with its message, and the conversion
    // must stop.
    std::optional<double> checked(double value);

    // Result write: general number text first, then that text through the mask.
    void writeMasked(std::string_view field, double value, numtext::Mask mask);
    // The field's own text through a mask (a text that is not a number stays as it is). A number
    // at the very top of the double range comes out of the mask beyond it, no longer a number:
    // the field keeps its text and the conversion stops on a floating-point fault.
    void remask(std::string_view field, numtext::Mask mask);

    const Outcome& outcome() const { return outcome_; }
    bool faulted() const { return outcome_.fault; }
    // Drops every effect: the conversion named a field it did not declare.
    void abandon(std::string undeclared);

private:
    void fault();

    numtext::NumberLocale locale_;
    std::map<std::string, std::string, std::less<>> texts_;
    Outcome outcome_;
};

} // namespace convert
