// Scheme 10: welding of a massive body by a normal-circular surface source:
// moving point sources on a square grid under the Gaussian weight
// exp(-k·r²) of the flux.
//
// The flux of a source of power q spread as exp(-k·r²) is q·k/π·exp(-k·r²)
// per unit area, so a grid cell of side h carries q·k·h²/π·exp(-k·r²), and
// each point source on the surface of the half-space raises the point by
// that power over 2π·λ·R. As k grows the source shrinks to the moving point
// source of the same power.
#include <cmath>
#include <numbers>

#include "schemes.h"

namespace {

// This thread's record of the scheme in scheme_state. The module reaches it
// through a reference of its own, which costs what a variable of the module
// costs, where each use of scheme_state itself (defined in another file)
// would be a call.
thread_local Ppr15State& ppr15 = scheme_state.ppr15;

// The grid sums stop where what they leave out is provably below a share of
// what they hold, or below a rise too small to matter. A rule on the size of
// the last kernel alone stops too soon wherever every kernel is small while
// their sum is not: just ahead of a source with a wide flux, where the
// Gaussian spreads the power over hundreds of small terms, it left out
// nearly all of the heat.
//
// What a point source at (x', y') adds is F·G with the Gaussian weight
// G = exp(-k·(x'² + y'²)) and F = exp(-v·(x - x' + R)/(2a))/R, which never
// exceeds 1/R (x - x' + R >= 0), nor so 1/ρ, ρ the distance from the point
// to the line of the row. The Gaussian alone so bounds every remainder.
const double share = 1e-6;       // of the sum gathered so far, per remainder
const double least_rise = 1e-5;  // °C, below which a remainder is left out anyway
// The Gaussian ends rows and columns after at most a few hundred grid steps;
// the caps only bound the work for input that defeats it.
const int column_limit = 20000;
const int row_limit = 20000;

struct Grid {
    double x, y, z;   // the point, z already lifted off the surface
    double h;         // grid step
    double vk;        // v / (2a)
    double k;
    double least;     // least_rise in the units of the kernel sums
};

double kernel(const Grid& g, double xs, double ys)
{
    double dx = g.x - xs;
    double dy = g.y - ys;
    double R = std::sqrt(dx * dx + dy * dy + g.z * g.z);
    return std::exp(-g.vk * dx - g.vk * R - g.k * (xs * xs + ys * ys)) / R;
}

// Σ exp(-k·(j·h)²) over j >= i >= 1: at most its first term over one minus
// the ratio of its first two, the largest ratio of the terms.
double gaussian_tail(const Grid& g, int i)
{
    const double kh2 = g.k * g.h * g.h;
    return std::exp(-kh2 * i * i) / (1.0 - std::exp(-kh2 * (2.0 * i + 1.0)));
}

// Σ exp(-k·x'²) over a whole row x' = i·h.
double row_weight(const Grid& g) { return 1.0 + 2.0 * gaussian_tail(g, 1); }

bool negligible(const Grid& g, double left, double sum)
{
    return left <= share * sum || left <= g.least;
}

// One row of the grid at y' = ys, forward and backward from x' = 0, each
// until its remainder is negligible against `before` (what the grid held
// before the row) and the row so far.
double row_sum(const Grid& g, double ys, double before)
{
    const double bound = std::exp(-g.k * ys * ys) /
                         std::sqrt((g.y - ys) * (g.y - ys) + g.z * g.z);
    double sum = kernel(g, 0, ys);
    for (int direction : {1, -1}) {
        for (int i = 1; i <= column_limit; ++i) {
            sum += kernel(g, direction * i * g.h, ys);
            if (negligible(g, bound * gaussian_tail(g, i + 1), before + sum)) break;
        }
    }
    return sum;
}

// The rows y' = side·h, side·2h, ... until the rows left, each at most
// row_weight/ρ_min of its Gaussian, are negligible. ρ_min is the distance to
// the next row once the rows move away from the point, z before that.
double side_sum(const Grid& g, int side, double centre)
{
    double total = 0;
    for (int j = 1; j < row_limit; ++j) {
        const double ys = side * j * g.h;
        total += row_sum(g, ys, centre + total);
        const double next = side * (j + 1) * g.h;
        const double nearest = side * next >= side * g.y
                                   ? std::sqrt((g.y - next) * (g.y - next) + g.z * g.z)
                                   : g.z;
        const double left = row_weight(g) * gaussian_tail(g, j + 1) / nearest;
        if (negligible(g, left, centre + total)) break;
    }
    return total;
}

// The whole grid, every row once: the row y' = 0, then the rows on either
// side of it. Each side stops by what the centre row and that side hold and
// the two are added to each other before the centre row, so that the
// mirrored point (-y) sums the same numbers and the field is symmetric.
double grid_sum(const Grid& g)
{
    double centre = row_sum(g, 0, 0);
    return centre + (side_sum(g, 1, centre) + side_sum(g, -1, centre));
}

}  // namespace

void ppr15_set_data(SchemeParameters values)
{
    Ppr15Parameters& p = ppr15.parameters;
    p.lambda = values[0];
    p.c = values[1];
    p.rho = values[2];
    p.T0 = values[3];
    p.v = values[4];
    p.k = values[5];
    p.q = values[6];
}

void ppr15_prepare() {}

double ppr15_temperature(double x, double y, double z)
{
    const Ppr15Parameters& p = ppr15.parameters;
    clear_field_gap();
    double h = 0.08 / std::sqrt(p.k);
    // Without a positive concentration there is no Gaussian to lay the grid
    // under, and the sums would not end.
    if (!std::isfinite(h)) return field_gap(FieldGap::unusable_data);
    double a = p.lambda / (p.c * p.rho);
    // A point on the surface is taken 0.1 cm deep, the source centre too: the
    // distributed flux has a finite field there, and a stand-in value at the
    // centre would be the hottest point a peak search along the weld finds.
    const double pi = std::numbers::pi;
    const double cell = p.q * p.k * h * h / (2.0 * pi * pi * p.lambda);
    Grid g{x, y, z == 0 ? 0.1 : z, h, p.v / (2.0 * a), p.k, std::fabs(least_rise / cell)};
    return p.T0 + cell * grid_sum(g);
}

double ppr15_velocity() { return ppr15.parameters.v; }
double ppr15_power() { return ppr15.parameters.q; }
double ppr15_thickness() { return -1; }
double ppr15_initial_temperature() { return ppr15.parameters.T0; }

void ppr15_set_regime(double v, double q, double T0, double /*thickness*/)
{
    ppr15.parameters.v = v;
    ppr15.parameters.q = q;
    ppr15.parameters.T0 = T0;
}

void ppr15_depth_range(double /*y*/, double& zmin, double& zmax)
{
    zmin = 0;
    zmax = 10000;
}

void ppr15_width_range(int& one_body, double& ymin, double& ymax)
{
    one_body = 1;
    ymin = -100;
    ymax = 100;
}
