// The solvers on `current_model.temperature`: the peak position at a point,
// the crossings of a temperature along and across the weld and into the
// body, and the cooling time and rate between two temperatures.
#pragma once

double find_peak_position(double y, double z);                        // in [-100, 100]

// The top of the field along the weld at (y, z): the peak search's last
// bracket refined until the temperature is known to 0.001 °C. Every peak a
// window judges by or shows is this one; find_peak_position alone stops a
// few per cent short of it, or far from it where its samples happen to look
// flat.
struct Peak {
    double x = 0;   // cm, along the weld
    double T = 0;   // °C
};
Peak find_peak(double y, double z);

// What a crossing search found. A search that ends without a crossing still
// gives the place where it stopped in `x` (the hot end, or the far end of its
// range), but that place is a bound, not a result: callers look at `status`.
enum class SearchStatus {
    found,          // x lies where the temperature passes the target
    too_cold,       // already below the target at the hot end: x is the hot end
    beyond_range,   // still at or above the target at the far end: x is that end
    not_a_number,   // the field gave a value that is not a number on the way
};

struct Crossing {
    double x = 0;
    SearchStatus status = SearchStatus::found;
    bool found() const { return status == SearchStatus::found; }
};

// Behind the peak towards x = -8000, ahead of it towards x = 1000.
Crossing find_rear_crossing(double y, double z, double x_peak, double target);
Crossing find_front_crossing(double y, double z, double x_peak, double target);
// Across the weld from y = 0 towards bound (either sign); the other-side
// search gives the distance |y| and counts a hot end within 0.001 °C of the
// target as too cold.
Crossing find_half_width(double x, double z, double target, double bound);
Crossing find_half_width_other_side(double x, double z, double target, double bound);
// Into the body from z = 0 towards bound.
Crossing find_depth(double x, double y, double target, double bound);

// The cooling time between T_from and T_to behind the peak at (y, z), and
// why there is none when there is none.
enum class CoolingStatus {
    reached,              // time (and rate) hold what the field gives
    speed_not_positive,   // a welding speed that is zero, negative or not a number
    power_not_positive,   // a power that is zero, negative or not a number
    not_finite,           // the field (or the time made from it) is not a finite number
    peak_below,           // the peak at the point stays below the interval
    not_cooled,           // no cooling to `not_cooled_to` within the rear search
    interval_unresolved,  // both temperatures are passed at one place of the search
};

struct CoolingTime {
    CoolingStatus status = CoolingStatus::not_finite;
    double v = 0;           // welding speed
    double q = 0;           // source power
    // The top at a point that stays below the interval (peak_below), as
    // find_peak gives it; at a point that reaches it, the search stops at
    // the first place it finds at least as hot as the interval, and these
    // hold that hot point, which the crossings are searched behind.
    double x_peak = 0;
    double t_max = 0;
    double T_from = 0;      // the interval searched: T_from is raised by 1 % when
    double T_to = 0;        // it equals T_to, so that the interval has a width
    double x_from = 0;      // rear crossings of T_from and T_to (when reached)
    double x_to = 0;
    double not_cooled_to = 0;   // not_cooled: the temperature the point never cools to
    double time = 0;        // |x_to - x_from| / v in s; not a number unless reached
    bool reached() const { return status == CoolingStatus::reached; }
};
CoolingTime cooling_time_at_point(double y, double z, double T_from, double T_to);

// The same with the mean cooling rate (T_from - T_to) / time in °C/s,
// positive while the metal cools from T_from to T_to; not a number unless
// reached.
struct CoolingRate : CoolingTime {
    double rate = 0;
};
CoolingRate cooling_rate_at_point(double y, double z, double T_from, double T_to);

