// Composite Simpson sums that double their intervals until the value
// settles: the one integration of the time-integral and wavenumber schemes.
//
// The integrand is told which point it is evaluated at: f(x, pass, i) gets
// x = a + i·h of pass `pass` (1..10), h = (b - a)/n of that pass, i = 0..n in
// pass 1 and odd in the later ones. The same point always gets the same
// (pass, i), so an integrand may keep what does not change from one call of
// the sums to the next, for every point it has seen.
#pragma once

#include <cmath>

template <class F>
double simpson_sum(F&& f, double a, double b, int n, int& status)
{
    double fa = f(a, 1, 0);
    double s_prev = 0;
    double odd_prev = 0;
    double even_prev = 0;
    double s = 0;
    if (n < 2) n = 2;
    if (n > (1 << 20)) n = 1 << 20;   // ten doublings stay within an int
    n += n % 2;
    double fb = f(b, 1, n);
    for (int pass = 1; pass <= 10; ++pass) {
        double h = (b - a) / n;
        double odd = 0;
        for (int i = 1; i < n; i += 2) odd += f(a + i * h, pass, i);
        double even = 0;
        if (pass == 1) {
            for (int i = 2; i < n; i += 2) even += f(a + i * h, pass, i);
        } else {
            even = odd_prev + even_prev;   // last pass's points, not evaluated again
        }
        s = h / 3.0 * (fa + fb + 4.0 * odd + 2.0 * even);
        odd_prev = odd;
        even_prev = even;
        n *= 2;
        if (pass >= 2) {
            if (s == 0) { status = 0; return s; }
            if (s_prev == 0) { status = 0; return s_prev; }
            if (std::fabs(s - s_prev) / std::fabs(s_prev) < 0.0001) { status = 0; return s; }
            if (std::fabs(s) < 0.00001) { status = 0; return s; }
        }
        s_prev = s;
    }
    status = 1;
    return s;
}
