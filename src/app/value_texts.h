// The value texts of the computation dialogs: what each edit holds between
// openings, and how the texts become the doubles of a record.
//
// A text is read whole, as one finite number in the C locale; a text that is
// not, or a value the computation cannot use (a negative depth, a zero speed
// bound, an interval in the wrong order), is refused with a message that
// names the field, and the dialog stays open with the user's text.
#pragma once

#include "lang.h"

#include <string>
#include <vector>

// What the computation needs of one value.
enum class ValueRule {
    any,            // every finite number
    non_negative,   // >= 0 (a depth, a section depth)
    positive,       // > 0 (a speed, a power, a thickness, a time)
};

struct ValueField {
    int edit = 0;          // the edit control that shows the text
    Text5 name;            // how the message names the field
    ValueRule rule = ValueRule::any;
};

// Two fields whose values must keep an order: `upper` not below `lower`
// (the upper temperature of a cooling interval and its lower one, the bounds
// of a sweep).
struct ValueOrder {
    int upper = 0;         // indices into the field list
    int lower = 0;
};

// A bound that a value may not pass, which the dialog takes from the
// installed scheme when it opens: a depth no greater than the plate's
// thickness, an isotherm above the initial temperature.
enum class LimitSide {
    at_most,        // the value may equal the bound
    above,          // the value must lie above the bound
};

struct ValueLimit {
    int field = 0;         // index into the field list
    double bound = 0;
    Text5 what;            // what the bound is, with "%g" for its value
    LimitSide side = LimitSide::at_most;
};

// The texts of one dialog (or one variant of a dialog), kept whole between
// openings; they start as the defaults.
struct ValueTexts {
    std::vector<std::string> texts;
};

// Reads texts[i] into values[i] for every field, in order. On the first text
// that is not a number, or value that breaks its rule, an order or a limit,
// returns the message naming the field (and its index in *failed when given)
// and leaves `values` untouched; returns an empty string when every value
// was stored.
std::string read_values(const std::vector<std::string>& texts, const std::vector<ValueField>& fields,
                        const std::vector<ValueOrder>& orders, double* values, int* failed = nullptr,
                        const std::vector<ValueLimit>& limits = {});

// The caption of the messages that refuse a value.
const char* value_message_caption();
