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

thread_local Ppr15Parameters ppr15_parameters;

namespace {

const double eps = 0.0001;
// The Gaussian weight ends rows and columns after a few dozen grid steps;
// the caps only bound the work for input that defeats it.
const int column_limit = 20000;
const int row_limit = 20000;

struct Grid {
    double x, y, z;   // the point, z already lifted off the surface
    double h;         // grid step
    double vk;        // v / (2a)
    double k;
};

double kernel(const Grid& g, double xs, double ys)
{
    double dx = g.x - xs;
    double dy = g.y - ys;
    double R = std::sqrt(dx * dx + dy * dy + g.z * g.z);
    return std::exp(-g.vk * dx - g.vk * R - g.k * (xs * xs + ys * ys)) / R;
}

// One row of the grid at y' = ys: forward and backward from x' = 0, each
// half ending at its first point below eps.
double row_sum(const Grid& g, double ys)
{
    double forward = kernel(g, 0, ys) / 2.0;
    double backward = forward;
    for (int i = 1; i <= column_limit; ++i) {
        double value = kernel(g, i * g.h, ys);
        if (!(value >= eps)) break;
        forward += value;
    }
    for (int i = 1; i <= column_limit; ++i) {
        double value = kernel(g, -i * g.h, ys);
        if (!(value >= eps)) break;
        backward += value;
    }
    return forward + backward;
}

// The rows y' = side·h, side·2h, ... up to and including the first row whose
// sum is below eps.
double side_sum(const Grid& g, int side)
{
    double total = 0;
    for (int j = 1; j < row_limit; ++j) {
        double row = row_sum(g, side * j * g.h);
        total += row;
        if (!(row >= eps)) break;
    }
    return total;
}

// The whole grid, every row once: the row y' = 0, then the rows on either
// side of it. A row y' = 0 below eps ends the grid there, as any row does.
// The two sides are added to each other before the centre row, so that the
// mirrored point (-y) sums the same numbers and the field is symmetric.
double grid_sum(const Grid& g)
{
    double centre = row_sum(g, 0);
    if (!(centre >= eps)) return centre;
    return centre + (side_sum(g, 1) + side_sum(g, -1));
}

}  // namespace

void ppr15_set_data(SchemeParameters values)
{
    Ppr15Parameters& p = ppr15_parameters;
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
    const Ppr15Parameters& p = ppr15_parameters;
    clear_field_gap();
    double h = 0.08 / std::sqrt(p.k);
    // Without a positive concentration there is no Gaussian to lay the grid
    // under, and the sums would not end.
    if (!std::isfinite(h)) return field_gap(FieldGap::unusable_data);
    double a = p.lambda / (p.c * p.rho);
    // A point on the surface is taken 0.1 cm deep, the source centre too: the
    // distributed flux has a finite field there, and a stand-in value at the
    // centre would be the hottest point a peak search along the weld finds.
    Grid g{x, y, z == 0 ? 0.1 : z, h, p.v / (2.0 * a), p.k};
    const double pi = std::numbers::pi;
    return p.T0 + p.q * p.k * h * h * grid_sum(g) / (2.0 * pi * pi * p.lambda);
}

double ppr15_velocity() { return ppr15_parameters.v; }
double ppr15_power() { return ppr15_parameters.q; }
double ppr15_thickness() { return -1; }
double ppr15_initial_temperature() { return ppr15_parameters.T0; }

void ppr15_set_regime(double v, double q, double T0, double /*thickness*/)
{
    ppr15_parameters.v = v;
    ppr15_parameters.q = q;
    ppr15_parameters.T0 = T0;
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
