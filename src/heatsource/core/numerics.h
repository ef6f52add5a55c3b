// The numeric helpers the schemes share: modified Bessel functions of order
// zero, Simpson sums, and the eigenvalues of a plate cooled at its faces.
#pragma once

// Modified Bessel functions of order zero by the polynomial approximations of
// Abramowitz and Stegun; x <= 0 gives 1e24 for both.
void bessel_i0_k0(double x, double& i0, double& k0);
// K0 alone, to about 1e-11 relative at every argument and without a step:
// the line-source kernel of the plate schemes, whose fields must hold far
// from the source as near it. x <= 0 gives 1e24.
double bessel_k0(double x);
// e^x·K0(x), as accurate: a kernel exp(-u)·K0(w) whose factors would
// overflow and underflow apart (far behind the source, where u is large and
// negative) is exp(-u - w)·bessel_k0_scaled(w).
double bessel_k0_scaled(double x);
// K0(w) for 0 < w <= 2 from w² alone: the small-argument terms of bessel_k0,
// which hold only w² and log w, without the root that w itself would cost.
// Equal to bessel_k0(w) to a few units in the last place.
double bessel_k0_from_square(double w2);

// Composite Simpson sums from n intervals, doubled for at most ten passes.
// status is 0 when a stop rule ended the passes, 1 after ten passes.
double simpson_integrate(double (*f)(double), double a, double b, int n, int& status);

// The n-th positive root of mu·tan(mu) = Bi (Newton's method).
double ppr3_eigenvalue(double Bi, double n);

