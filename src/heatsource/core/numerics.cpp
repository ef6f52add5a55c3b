// Bessel functions of order zero and the Simpson integration that the plate
// and time-integral schemes share.
#include <cmath>
#include <iterator>

#include "numerics.h"
#include "simpson.h"

namespace {

// Horner's rule over coefficients given from the highest power down.
template <int N>
double horner(const double (&coefficients)[N], double s)
{
    double value = coefficients[0];
    for (int i = 1; i < N; ++i) value = value * s + coefficients[i];
    return value;
}

// The coefficient of s in the small-argument I0 series is 3.515622 on
// purpose: the tabulated fields were computed with it.
const double i0_small[] = {0.0045813, 0.0360768, 0.2659732, 1.2067492, 3.0899424, 3.515622, 1.0};
const double i0_large[] = {0.003923767, -0.016476329, 0.026355372, -0.020577063, 0.009162808,
                           -0.001575649, 0.002253187, 0.013285917, 0.39894228};
const double k0_small[] = {0.0000074, 0.0001075, 0.00262698, 0.0348859, 0.23069756, 0.4227842,
                           -0.57721566};
const double k0_large[] = {0.00053208, -0.0025154, 0.00587872, -0.01062446, 0.02189568,
                           -0.07832358, 1.25331414};

}  // namespace

void bessel_i0_k0(double x, double& i0, double& k0)
{
    if (x <= 0) {
        i0 = 1e24;
        k0 = 1e24;
        return;
    }
    if (x <= 3.75) {
        double t = x / 3.75;
        i0 = horner(i0_small, t * t);
    } else {
        i0 = std::exp(x) * std::sqrt(1.0 / x) * horner(i0_large, 3.75 / x);
    }
    if (x <= 2.0) {
        double half = x / 2.0;
        k0 = -i0 * std::log(half) + horner(k0_small, half * half);
    } else {
        k0 = std::exp(-x) * std::sqrt(1.0 / x) * horner(k0_large, 2.0 / x);
    }
}

namespace {

// The schemes' K0, accurate to about 1e-11 relative at every argument. Up to
// 2 the ascending series in t = x²/4,
//     K0 = -(ln(x/2) + γ)·Σ t^k/(k!)² + Σ H_k·t^k/(k!)²   (H_k = 1 + 1/2 + ... + 1/k),
// whose thirteen terms reach the last digits; above 2, e^x·√x·K0(x) as a
// Chebyshev series in 4/x - 1, fitted to the function on [2, ∞).
constexpr int k0_series_terms = 13;

struct K0Series {
    double i0[k0_series_terms] = {};   // 1/(k!)², highest power first
    double h[k0_series_terms] = {};    // H_k/(k!)², highest power first
};

constexpr K0Series k0_series()
{
    K0Series s;
    double factorial = 1, harmonic = 0;
    for (int k = 0; k < k0_series_terms; ++k) {
        if (k > 0) {
            factorial *= k;
            harmonic += 1.0 / k;
        }
        s.i0[k0_series_terms - 1 - k] = 1.0 / (factorial * factorial);
        s.h[k0_series_terms - 1 - k] = harmonic / (factorial * factorial);
    }
    return s;
}

constexpr K0Series k0_small_series = k0_series();
const double euler_gamma = 0.57721566490153286;

const double k0_scaled_chebyshev[] = {
    1.2201515410329777,      -0.0314481013119645,      0.0015698838857300535,
    -0.00012849549581627811, 1.3949813718876617e-05,   -1.8317555227192074e-06,
    2.7668136394443208e-07,  -4.6604898976827498e-08,  8.5740340173258989e-09,
    -1.6975345093489394e-09, 3.5773972823502972e-10,   -7.9574892560148845e-11,
};

}  // namespace

double bessel_k0_scaled(double x)
{
    if (x <= 0) return 1e24;
    if (x <= 2.0) return std::exp(x) * bessel_k0_from_square(x * x);
    // Clenshaw's recurrence; the coefficients above hold the first one halved.
    const double t = 4.0 / x - 1.0;
    double b1 = 0, b2 = 0;
    for (int k = static_cast<int>(std::size(k0_scaled_chebyshev)) - 1; k >= 1; --k) {
        const double b0 = 2.0 * t * b1 - b2 + k0_scaled_chebyshev[k];
        b2 = b1;
        b1 = b0;
    }
    return (t * b1 - b2 + k0_scaled_chebyshev[0]) / std::sqrt(x);
}

double bessel_k0(double x)
{
    if (x <= 0) return 1e24;
    if (x <= 2.0) return bessel_k0_from_square(x * x);
    return std::exp(-x) * bessel_k0_scaled(x);
}

double bessel_k0_from_square(double w2)
{
    const double t = w2 / 4.0;
    return -(0.5 * std::log(t) + euler_gamma) * horner(k0_small_series.i0, t) +
           horner(k0_small_series.h, t);
}

double simpson_integrate(double (*f)(double), double a, double b, int n, int& status)
{
    return simpson_sum([f](double x, int, int) { return f(x); }, a, b, n, status);
}
