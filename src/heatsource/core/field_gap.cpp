#include <limits>

#include "schemes.h"

namespace {

// Each thread that computes temperatures keeps its own.
thread_local FieldGap gap = FieldGap::none;

}  // namespace

FieldGap last_field_gap() { return gap; }

void clear_field_gap() { gap = FieldGap::none; }

double field_gap(FieldGap why)
{
    gap = why;
    return std::numeric_limits<double>::quiet_NaN();
}
