// Scheme 10: welding of a massive body by a normal-circular surface source:
// moving point sources on a square grid under the Gaussian weight
// exp(-k·r²) of the flux.
#include <cmath>

#include "heat_text.h"
#include "heatsource.h"
#include "numfmt.h"

Ppr15Parameters ppr15_parameters;

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

// The rows y' = 0, h, 2h, ... at full weight, up to and including the first
// row whose sum is below eps.
double half_plane_sum(const Grid& g)
{
    double total = 0;
    for (int j = 0; j < row_limit; ++j) {
        double row = row_sum(g, j * g.h);
        total += row;
        if (!(row >= eps)) break;
    }
    return total;
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
    if (x == 0 && y == 0 && z == 0) return 10000000;   // the source centre itself
    double h = 0.08 / std::sqrt(p.k);
    if (!std::isfinite(h)) return p.T0;   // no concentrated source: k <= 0
    double a = p.lambda / (p.c * p.rho);
    Grid g{x, y, z == 0 ? 0.1 : z, h, p.v / (2.0 * a), p.k};
    // The grid covers only y' >= 0; the mirrored point adds the other half,
    // so the field of the circular source is symmetric in y. On the weld
    // axis the two halves are equal and the mean is the one-sided sum.
    double upper = half_plane_sum(g);
    g.y = -y;
    double lower = half_plane_sum(g);
    return p.T0 + p.q * h * h * (upper + lower) / (2.0 * p.lambda);
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

void ppr15_summary(char* line1, char* line2, char* title)
{
    const Ppr15Parameters& p = ppr15_parameters;
    put_text(line1, cformat("Thermal conductivity=%g; Heat capacity=%g; Density=%g; Initial t=%g,",
                            p.lambda, p.c, p.rho, p.T0));
    // One text for every language: German and French have none of their own.
    put_text(line2, cformat(" V=%g, Сoncentration coef=%g, Power=%g", p.v, p.k, p.q));
    put_text(title, pick(Text5{
        "10. Welding a massive body by a normal - circular source",
        "10. Сварка массивного тела нормально-круговым источником",
        "10. Зварювання масивного тіла нормально-круговым джерелом",
        "10. Die Schweissung des massiven Körpers von der normalen - kreisförmigen Quelle",
        "10. La soudure du corps massif par la source normale - circulaire"}));
}

void ppr15_caption(char* line1, char* line2, char* line3)
{
    put_caption(line1, line2, line3,
                {"10.Welding a massive", "10.Сварка массивного", "10.Зварювання масивного",
                 "10.Die Schweissung des", "10.La soudure corps"},
                {"body by a normal-", "тела нормально-", "тіла нормально-",
                 "massiven Körpers von der", "massif par la source"},
                {"circular source", "круговым источником", "круговым джерелом",
                 "normalen-kreisförmigen Quelle", "normale-circulaire"});
}
