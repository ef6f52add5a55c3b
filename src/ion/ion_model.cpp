#include "ion_model.h"

#include <cmath>

double ion_carbon_equivalent(const CompositionRecord& steel)
{
    return steel[el_c] + steel[el_mn] / 12 + steel[el_si] / 24;
}

double ion_martensite_time(double ce)
{
    return std::exp(17.724 * ce - 2.926);
}

double ion_bainite_time(double ce)
{
    const double c1 = std::exp(16.929 * ce + 1.453);
    const double c2 = std::exp(19.954 * ce - 3.944);
    const double difference = c1 - c2;
    // Above CE of about 1.784 the bainite time has no value: no bainite then.
    if (!(difference > 0.0)) return 0.0;
    return std::exp(std::log(difference) / 2);
}

namespace {

// 0.5 to the power (t / critical)^2: one half at the critical time. A
// critical time of 0 (none, or one too short to represent) makes the share
// a step at t = 0.
double gaussian_share(double t, double critical)
{
    if (t == 0.0) return 1.0;
    if (!(critical > 0.0)) return 0.0;
    const double ratio = t / critical;
    return std::exp(std::log(0.5) * (ratio * ratio));
}

} // namespace

IonSteel& ion_evaluate(IonSteel& steel, double t, bool* limited)
{
    // A cooling time below 0 (or not a number) means no cooling: time 0.
    if (!(t > 0.0)) t = 0.0;
    const double ce = ion_carbon_equivalent(steel);
    const double M = gaussian_share(t, ion_martensite_time(ce));
    double B = gaussian_share(t, ion_bainite_time(ce)) - M;
    // Where the bainite time falls below the martensite time (CE above about
    // 0.395) the difference turns negative; a share is never below 0, and the
    // ferrite-pearlite share takes the rest so the three still add up to 1.
    if (B < 0.0) {
        B = 0.0;
        if (limited != nullptr) *limited = true;
    }
    const double FP = 1.0 - (M + B);

    steel.martensite = M;
    steel.bainite = B;
    steel.ferrite_pearlite = FP;
    steel.hv = M * (515 * ce + 295) + B * (147 * ce + 223) + FP * (139 * ce + 140);
    return steel;
}
