#include "kasatkin_model.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

void load_kasatkin_composition(const CompositionRecord& composition, KasatkinSteel& steel)
{
    steel.content = composition.content;
}

void load_kasatkin_composition(const double (&contents)[composition_size], KasatkinSteel& steel)
{
    for (int i = 0; i < composition_size; ++i) steel[i] = contents[i];
}

double erf_scaled(double x)
{
    // Abramowitz and Stegun 7.1.27 on x / sqrt 2; the argument and the four
    // constants are single precision as the model was fitted with them.
    if (std::isnan(x)) return 0.0;
    // Beyond the single-precision range the value is 1 to the last digit;
    // say so rather than convert an out-of-range double to float.
    if (std::fabs(x) > FLT_MAX) return x < 0.0 ? -1.0 : 1.0;
    const double a1 = 0.278393f;
    const double a2 = 0.230389f;
    const double a3 = 0.000972f;
    const double a4 = 0.078108f;
    double u = std::fabs(static_cast<double>(static_cast<float>(x)));
    double y = std::sqrt(2.0) * u * 0.5;
    double p = 1.0 + a1 * y + a2 * y * y + a3 * y * y * y + a4 * y * y * y * y;
    double r = 1.0 - 1.0 / (p * p * p * p);
    return x < 0.0 ? -r : r;
}

namespace {

constexpr double sqrt_two = 1.41421356237309;

// erf_scaled((L - a) / b / s). A spread of exactly 0 makes the term a step
// at L = a instead of a division by zero.
double share_term(double L, double a, double b)
{
    if (b == 0.0) {
        if (L > a) return 1.0;
        if (L < a) return -1.0;
        return 0.0;
    }
    return erf_scaled((L - a) / b / sqrt_two);
}

double normal_share(double L, double a, double b)
{
    return (share_term(L, a, b) + 1.0) * 0.5;
}

} // namespace

void kasatkin_evaluate(KasatkinSteel& steel, double t85, bool* out_of_range)
{
    const double C = steel[el_c], Si = steel[el_si], Mn = steel[el_mn], Cu = steel[el_cu];
    const double Cr = steel[el_cr], Ni = steel[el_ni], Mo = steel[el_mo], Nb = steel[el_nb];
    const double Ti = steel[el_ti], Al = steel[el_al], V = steel[el_v], W = steel[el_w];

    // Short times are all evaluated as 1.001 s (a time that is not a number
    // too); an infinite one as the largest finite time, so ln t stays finite.
    double t = t85 > 1.001 ? t85 : 1.001;
    if (t > DBL_MAX) t = DBL_MAX;
    const double L = std::log(t);

    const double aM = 15.5 * C - 2.1 + 0.96 * Mn + 0.84 * Si + 0.77 * Cr + 0.74 * Mo + 0.7 * Ni + 0.3 * V
                      + 4 * Al + 0.5 * W + 0.8 * Cu - 13.5 * C * C;
    const double bM = 0.56 - 0.41 * C + 0.1 * Mn + 0.14 * Cr - 0.3 * Mo + 2.7 * Ti - 1.1 * Nb + 0.5 * Cu
                      + 1.7 * C * Mo;
    const double aF = 10 * C + 0.66 + 1.3 * Mn - 0.48 * Si + 1.3 * Cr + 1.5 * Mo + 1.2 * Ni - 1.4 * W
                      + 3.5 * C * Mn - 5.9 * C * C;
    const double bF = 0.17 * Mn + 1.23 + 0.3 * Cr - 0.5 * Mo + 0.31 * Ni + 0.09 * Nb - 0.43 * W - 0.3 * Cu;
    const double aFP = 5.2 * C + 0.34 + 1.8 * Mn + 0.53 * Si + 0.33 * Cr + 2.9 * Mo + 1.3 * Ni + 0.85 * W
                       + 1.0 * Cu - 5.1 * C * C;
    const double bFP = 0.91 - 0.9 * C + 0.09 * Mn + 0.08 * Cr + 0.34 * Mo + 0.15 * Ni + 0.85 * V + 2.2 * Ti
                       + 0.43 * W;

    double M = std::fabs(1.0 - normal_share(L, aM, bM));
    double FP = std::fabs(normal_share(L, aFP, bFP));

    double k = 1.0;
    if (!(C < 0.02)) {
        k = std::fabs(1.0 - (C - 0.02) / ((0.81 - 9 * Mn) - 0.005));
        // At the manganese content where the divisor vanishes the factor has
        // no value; it grows without bound near it, so take it as unbounded.
        if (!std::isfinite(k)) k = C > 0.02 ? DBL_MAX : 1.0;
    }
    double F = std::fabs((share_term(L, aF, bF) + 1.0) * (0.5 * k));

    // The shares are parts of one whole: M + B + FP = 1 with FP = F + P.
    // Ferrite is part of ferrite+pearlite and never more: at short times
    // the two fits cross (F above FP by a few per cent for ordinary steels),
    // and there pearlite is 0. Beyond that the composition has left the
    // model's range: a spread that is not positive, a ferrite term above the
    // whole (its factor k grows without bound near Mn = 0.0894 %), or
    // martensite and ferrite+pearlite overlapping so that bainite would be
    // negative; both are then scaled down in proportion to the whole.
    // (A rounding excess of the last digits is not leaving the range.)
    constexpr double rounding = 1e-9;
    bool outside = !(bM > 0) || !(bF > 0) || !(bFP > 0) || F > 1.0 + rounding;
    if (M + FP > 1.0) {
        const double whole = M + FP;
        M /= whole;
        FP /= whole;
        if (whole > 1.0 + rounding) outside = true;
    }
    if (F > FP) F = FP;
    const double B = std::max(0.0, 1.0 - M - FP);
    const double P = FP - F;
    if (outside && out_of_range != nullptr) *out_of_range = true;

    steel.martensite = M;
    steel.ferrite_pearlite = FP;
    steel.ferrite = F;
    steel.bainite = B;
    steel.pearlite = P;

    steel.hv = (309 + 494 * C + 622 * C * C + 17.7 * Mn) * M + (234 + 122 * C) * B
               + (98 + 275 * C + 15.4 * Mn) * FP;
    steel.rm = (798 + 3215 * C) * M + (590 + 960 * C - 39.7 * Mn + 200 * V) * B
               + (297 + 1360 * C + 60 * Mn + 140 * V) * FP;
    steel.r02 = (662 + 1610 * C) * M + (500 + 460 * C - 120 * C * C + 150 * V) * B
                + (187 + 926 * C + 47 * Mn + 90 * V) * FP;
    steel.elongation = (12.2 - 67 * C * C - 1.5 * Mn + 0.76 * L) * M
                       + (21.3 - 35.6 * C - 4 * Mn - 5 * V + 1.84 * L) * B
                       + (36.5 - 127 * C + 153 * C * C - 1.16 * Mn + 8 * V + 0.66 * L) * FP;
    steel.reduction = (48.5 - 158 * C + 116 * C * C + 0.98 * L) * M
                      + (53.3 - 132 * C + 103 * C * C - 5.1 * Mn - 10 * V + 3.4 * L) * B
                      + (64.5 - 88 * C - 82 * C * C - 6.7 * Mn + 18 * V + 0.6 * L) * FP;
    steel.toughness = 10 * ((1.06 - 2.8 * C + 1.3 * C * C - 0.081 * Mn + 0.054 * L) * M
                            + (1.3 - 1.6 * C - 0.08 * Mn) * B
                            + (1.47 - 1.8 * C + 0.8 * C * C - 0.076 * Mn - 0.045 * L) * FP);
}
