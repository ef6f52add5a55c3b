// Bessel functions of order zero and the Simpson integration that the plate
// and time-integral schemes share.
#include <cmath>

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

double bessel_k0(double x)
{
    if (x <= 0) return 1e24;
    // The same terms as bessel_i0_k0, without the I0 that only the small
    // arguments need.
    if (x <= 2.0) {
        double t = x / 3.75;
        double half = x / 2.0;
        return -horner(i0_small, t * t) * std::log(half) + horner(k0_small, half * half);
    }
    return std::exp(-x) * std::sqrt(1.0 / x) * horner(k0_large, 2.0 / x);
}

double bessel_k0_from_square(double w2)
{
    const double half2 = w2 / 4.0;
    return -horner(i0_small, w2 / 14.0625) * (0.5 * std::log(half2)) + horner(k0_small, half2);
}

double simpson_integrate(double (*f)(double), double a, double b, int n, int& status)
{
    return simpson_sum([f](double x, int, int) { return f(x); }, a, b, n, status);
}
