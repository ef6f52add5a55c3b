#include <limits>

#include "schemes.h"

FieldGap last_field_gap() { return scheme_state.field_gap; }

void clear_field_gap() { scheme_state.field_gap = FieldGap::none; }

double field_gap(FieldGap why)
{
    scheme_state.field_gap = why;
    return std::numeric_limits<double>::quiet_NaN();
}
