// The heat-affected zone across the weld, as the profiles of both atlases
// sample it: the band of the section through the source (x = 0) at depth z
// that the installed scheme heats above 700 °C, between its two edges, and
// evenly spaced points from one edge to the other.
#pragma once

#include <string>
#include <vector>

#include "solvers.h"

inline constexpr double haz_edge_temperature = 700;

struct HazZone {
    double z = 0;
    double y1 = 0, y2 = 0;   // the edges, y1 <= 0 <= y2
    Crossing low, high;      // the searches towards the model's lower and upper widths
    // An edge is where the section falls to 700 °C, or the side of the part
    // when the section is that hot all the way out; a section that never
    // reaches 700 °C, or a field that is not a number, leaves no zone.
    bool found() const;
};

HazZone find_haz_zone(double z);

// n points (at least 2) from y1 to y2, both edges included.
std::vector<double> haz_points(const HazZone& zone, int n);

// Why there is no zone to profile, in the current language; empty when
// there is one.
std::string haz_zone_failure_text(const HazZone& zone);
