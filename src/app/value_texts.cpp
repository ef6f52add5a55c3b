#include "value_texts.h"

#include "numfmt.h"

#include <cmath>
#include <cstddef>

namespace {

const Text5 not_a_number{
    "The value of \"%s\" is not a number: \"%s\".\nPlease enter a number with a decimal point.",
    "Значение \"%s\" не является числом: \"%s\".\nВведите число с десятичной точкой.",
    "Значення \"%s\" не є числом: \"%s\".\nВведіть число з десятковою крапкою.",
    "Der Wert \"%s\" ist keine Zahl: \"%s\".\nBitte eine Zahl mit Dezimalpunkt eingeben.",
    "La valeur \"%s\" n'est pas un nombre : \"%s\".\nEntrez un nombre avec un point décimal.",
};

const Text5 not_positive{
    "The value of \"%s\" must be greater than zero.",
    "Значение \"%s\" должно быть больше нуля.",
    "Значення \"%s\" має бути більшим за нуль.",
    "Der Wert \"%s\" muss größer als null sein.",
    "La valeur \"%s\" doit être supérieure à zéro.",
};

const Text5 negative{
    "The value of \"%s\" must not be negative.",
    "Значение \"%s\" не может быть отрицательным.",
    "Значення \"%s\" не може бути від'ємним.",
    "Der Wert \"%s\" darf nicht negativ sein.",
    "La valeur \"%s\" ne doit pas être négative.",
};

const Text5 wrong_order{
    "The value of \"%s\" must not be less than the value of \"%s\".",
    "Значение \"%s\" не может быть меньше значения \"%s\".",
    "Значення \"%s\" не може бути меншим за значення \"%s\".",
    "Der Wert \"%s\" darf nicht kleiner als der Wert \"%s\" sein.",
    "La valeur \"%s\" ne doit pas être inférieure à la valeur \"%s\".",
};

const Text5 above_limit{
    "The value of \"%s\" must not be greater than %s.",
    "Значение \"%s\" не может быть больше, чем %s.",
    "Значення \"%s\" не може бути більшим, ніж %s.",
    "Der Wert \"%s\" darf nicht größer sein als %s.",
    "La valeur \"%s\" ne doit pas être supérieure à %s.",
};

const Text5 not_above_limit{
    "The value of \"%s\" must be greater than %s.",
    "Значение \"%s\" должно быть больше, чем %s.",
    "Значення \"%s\" має бути більшим, ніж %s.",
    "Der Wert \"%s\" muss größer sein als %s.",
    "La valeur \"%s\" doit être supérieure à %s.",
};

const Text5 caption{"  Attention!", "  Внимание!", "  Увага!", "  Achtung!", "  Attention !"};

} // namespace

std::string read_values(const std::vector<std::string>& texts, const std::vector<ValueField>& fields,
                        const std::vector<ValueOrder>& orders, double* values, int* failed,
                        const std::vector<ValueLimit>& limits)
{
    auto fail = [failed](std::size_t index, std::string message) {
        if (failed) *failed = static_cast<int>(index);
        return message;
    };
    std::vector<double> read(fields.size(), 0.0);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string text = i < texts.size() ? texts[i] : std::string();
        const char* name = pick(fields[i].name);
        if (!parse_double(text, read[i])) return fail(i, cformat(pick(not_a_number), name, text.c_str()));
        if (fields[i].rule == ValueRule::positive && !(read[i] > 0))
            return fail(i, cformat(pick(not_positive), name));
        if (fields[i].rule == ValueRule::non_negative && read[i] < 0)
            return fail(i, cformat(pick(negative), name));
    }
    for (const ValueOrder& order : orders) {
        const auto upper = static_cast<std::size_t>(order.upper);
        const auto lower = static_cast<std::size_t>(order.lower);
        if (upper >= read.size() || lower >= read.size()) continue;
        if (read[upper] < read[lower])
            return fail(upper, cformat(pick(wrong_order), pick(fields[upper].name), pick(fields[lower].name)));
    }
    for (const ValueLimit& limit : limits) {
        const auto i = static_cast<std::size_t>(limit.field);
        if (i >= read.size() || std::isnan(limit.bound)) continue;
        const bool passes = limit.side == LimitSide::at_most ? !(read[i] > limit.bound)
                                                             : read[i] > limit.bound;
        if (passes) continue;
        const Text5& text = limit.side == LimitSide::at_most ? above_limit : not_above_limit;
        return fail(i, cformat(pick(text), pick(fields[i].name),
                               cformat(pick(limit.what), limit.bound).c_str()));
    }
    for (std::size_t i = 0; i < read.size(); ++i) values[i] = read[i];
    return {};
}

const char* value_message_caption()
{
    return pick(caption);
}
