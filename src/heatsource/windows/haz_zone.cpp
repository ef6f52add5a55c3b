#include "haz_zone.h"
#include "model.h"

#include <algorithm>

#include "lang.h"
#include "numfmt.h"

namespace {

bool edge_usable(const Crossing& c)
{
    return c.status == SearchStatus::found || c.status == SearchStatus::beyond_range;
}

const Text5 no_zone_text{
    "The section through the source (x=0, z=%.5g [cm]) does not reach %g [C deg.]: there is no heat-affected "
    "zone to profile",
    "Сечение через источник (x=0, z=%.5g [cm]) не нагревается до %g [C deg.]: зоны термического влияния нет",
    "Переріз через джерело (x=0, z=%.5g [cm]) не нагрівається до %g [C deg.]: зони термічного впливу немає",
    "Der Schnitt durch die Quelle (x=0, z=%.5g [cm]) erreicht %g [C deg.] nicht: es gibt keine "
    "Wärmeeinflusszone",
    "La section par la source (x=0, z=%.5g [cm]) n'atteint pas %g [C deg.] : il n'y a pas de zone affectée "
    "thermiquement"};
const Text5 not_finite_text{
    "The temperature in the section through the source (x=0, z=%.5g [cm]) is not a finite number",
    "Температура в сечении через источник (x=0, z=%.5g [cm]) не является конечным числом",
    "Температура в перерізі через джерело (x=0, z=%.5g [cm]) не є скінченним числом",
    "Die Temperatur im Schnitt durch die Quelle (x=0, z=%.5g [cm]) ist keine endliche Zahl",
    "La température dans la section par la source (x=0, z=%.5g [cm]) n'est pas un nombre fini"};

}  // namespace

bool HazZone::found() const
{
    return edge_usable(low) && edge_usable(high);
}

HazZone find_haz_zone(double z)
{
    HazZone zone;
    zone.z = z;
    if (current_model.prepare != nullptr) current_model.prepare();
    int one_body = 0;
    double y_min = 0, y_max = 0;
    if (current_model.width_range != nullptr) current_model.width_range(one_body, y_min, y_max);
    zone.low = find_half_width(0, z, haz_edge_temperature, y_min);
    zone.high = find_half_width_other_side(0, z, haz_edge_temperature, y_max);
    if (zone.found()) {
        zone.y1 = zone.low.x;
        zone.y2 = zone.high.x;
    }
    return zone;
}

std::vector<double> haz_points(const HazZone& zone, int n)
{
    n = std::max(n, 2);
    std::vector<double> ys(static_cast<std::size_t>(n));
    const double dy = (zone.y2 - zone.y1) / (n - 1);
    for (int i = 0; i < n; ++i) ys[static_cast<std::size_t>(i)] = zone.y1 + i * dy;
    return ys;
}

std::string haz_zone_failure_text(const HazZone& zone)
{
    if (zone.found()) return {};
    if (zone.low.status == SearchStatus::not_a_number || zone.high.status == SearchStatus::not_a_number)
        return cformat(pick(not_finite_text), zone.z);
    return cformat(pick(no_zone_text), zone.z, haz_edge_temperature);
}
