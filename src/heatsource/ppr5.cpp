// Scheme 5: butt welding of two plates of different materials and
// thicknesses joined along y = 0. Plate 1 (y <= 0) sets the scales of the
// solution; plate 2 lies on y > 0. The field is a wavenumber integral.
#include <cmath>

#include "heat_text.h"
#include "heatsource.h"
#include "numfmt.h"

Ppr5Parameters ppr5_parameters;

namespace {

// What ppr5_temperature leaves for the integrand.
struct IntegrandState {
    double m = 1;
    double L = 1;
    double b = 0;
    double m_side = 1;
    double L_side = 1;
    double xi = 0;
    double eta = 0;
    double K = 0;
};

IntegrandState state;

}  // namespace

void ppr5_set_data(SchemeParameters values)
{
    Ppr5Parameters& p = ppr5_parameters;
    p.lambda1 = values[0];
    p.lambda2 = values[1];
    p.c1 = values[2];
    p.c2 = values[3];
    p.rho1 = values[4];
    p.rho2 = values[5];
    p.T0 = values[6];
    p.v = values[7];
    p.delta1 = std::fabs(values[8]);
    p.delta2 = std::fabs(values[9]);
    p.alpha = values[10];
    p.q = values[11];
}

void ppr5_prepare() {}

double ppr5_integrand(double w)
{
    const IntegrandState& s = state;
    if (w == 0) {
        if (s.b > 0) return 0;
        return 1.0 / (std::sqrt(2.0) * (1.0 + s.L * std::sqrt(s.m)));
    }
    double W = w * w * w * w;
    double A1 = (s.b + W) / 2.0;
    double s1 = 0.5 * std::sqrt((W + s.b) * (W + s.b) + W);
    double A2 = (s.b * s.L + W) / 2.0;
    double s2 = 0.5 * std::sqrt((s.b * s.L + W) * (s.b * s.L + W) + W * s.m);
    double P = std::sqrt(s1 + A1) + s.L * std::sqrt(s2 + A2);
    double Q = std::sqrt(s1 - A1) + s.L * std::sqrt(s2 - A2);
    double D1 = P / (P * P + Q * Q);
    double D2 = D1 * Q / P;
    double A3 = (s.b * s.L_side + W) / 2.0;
    double s3 = 0.5 * std::sqrt((s.b * s.L_side + W) * (s.b * s.L_side + W) + W * s.m_side);
    double E = std::exp(-s.eta * std::sqrt(A3 + s3));
    double phi = s.xi * w * w + s.eta * std::sqrt(s3 - A3);
    return 2.0 * w * s.K * E * (D1 * std::cos(phi) - D2 * std::sin(phi));
}

double ppr5_temperature(double x, double y, double /*z*/)
{
    const Ppr5Parameters& p = ppr5_parameters;
    // A point on the weld line is taken 0.1 cm into the plate of its side.
    if (std::fabs(y) < 0.1) y = y < 0 ? -0.1 : 0.1;
    double a1 = p.lambda1 / (p.c1 * p.rho1);
    double a2 = p.lambda2 / (p.c2 * p.rho2);
    IntegrandState& s = state;
    s.m = a1 / a2;
    s.L = p.lambda2 * p.delta2 / (p.lambda1 * p.delta1);
    double vcr = p.v * p.c1 * p.rho1;
    s.b = 2.0 * p.alpha * p.lambda1 / (vcr * vcr);
    s.m_side = y > 0 ? s.m : 1.0;
    s.L_side = y > 0 ? s.L : 1.0;
    s.xi = x * p.v / a1;
    s.eta = std::fabs(y) * p.v / a1;
    s.K = p.q / (3.141592 * p.lambda1 * p.delta1);   // this scheme's own π

    double sum = 0;
    double from = 0;
    for (int i = 1; i <= 100; ++i) {
        double to = from + 0.5;
        int status = 0;
        double S = simpson_integrate(ppr5_integrand, from, to, 20, status);
        from = to;
        sum = sum + S;
        if (sum == 0 || std::fabs(S / sum) < 0.01) break;
    }
    return p.T0 + sum;
}

double ppr5_velocity() { return ppr5_parameters.v; }
double ppr5_power() { return ppr5_parameters.q; }
double ppr5_thickness() { return ppr5_parameters.delta1; }
double ppr5_initial_temperature() { return ppr5_parameters.T0; }

void ppr5_set_regime(double v, double q, double T0, double thickness)
{
    ppr5_parameters.v = v;
    ppr5_parameters.q = q;
    ppr5_parameters.T0 = T0;
    ppr5_parameters.delta1 = thickness;
}

// Plate 2 lies on y > 0, as in the temperature field and the windows' labels.
void ppr5_depth_range(double y, double& zmin, double& zmax)
{
    zmin = 0;
    zmax = y > 0 ? ppr5_parameters.delta2 : ppr5_parameters.delta1;
}

void ppr5_width_range(int& one_body, double& ymin, double& ymax)
{
    one_body = 0;
    ymin = -100;
    ymax = 100;
}

void ppr5_summary(char* line1, char* line2, char* title)
{
    const Ppr5Parameters& p = ppr5_parameters;
    switch (current_language()) {
    case Language::russian:
    case Language::ukrainian:
        put_text(line1,
                 cformat("Тпров=%g, Темк=%g, плотн=%g, Тс=%g,", p.lambda1, p.c1, p.rho1, p.T0));
        put_text(line2, cformat(" V=%g, s=%g, Тотд=%g, q=%g", p.v, p.delta1, p.alpha, p.q));
        break;
    case Language::english:
    case Language::german:
    case Language::french:
        put_text(line1, cformat("Conductiv: c1=%g, c2=%g; Capacity: g1=%g, g1=%g; "
                                "Density: g1=%g, g1=%g;",
                                p.lambda1, p.lambda2, p.c1, p.c2, p.rho1, p.rho2));
        put_text(line2, cformat(" Initial t=%g,Thickness: d1=%g, d2=%g; Resistance=%g, Power=%g",
                                p.T0, p.delta1, p.delta2, p.alpha, p.q));
        break;
    }
    put_text(title, pick(Text5{"5. Welding two heterogenious plates",
                               "5. Сварка двух разнородных пластин",
                               "5. Зварювання двох разнорідних пластин",
                               "5. Die Schweissung zwei ungleichartiger Platten",
                               "5. La soudure de deux plaques diverses"}));
}

void ppr5_caption(char* line1, char* line2, char* line3)
{
    put_caption(line1, line2, line3,
                {"5. Welding two", "5. Сварка двух", "5.Зварювання двох", "5. Die Schweissung zwei",
                 "5.La soudure"},
                {"heterogenious ", "разнородных", "разнорідних", "ungleichartiger",
                 "de deux plaques"},
                {"plates", "пластин", "пластин", "Platten", "diverses"});
}
