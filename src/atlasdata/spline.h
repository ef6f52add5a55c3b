// Values read off digitized curves: a parametric cubic spline through the
// points (X_i, Y_i), i = 0..n, on the parameter t_i = i + 1, and a bisection
// on the parameter for the abscissa wanted.
//
// Both coordinate series get a natural spline (second derivative 0 at both
// ends); an abscissa equal to a point's gives that point's ordinate, and
// between points the bisection finds where the X spline equals x inside the
// interval whose end points bracket x, and the Y spline there is the answer.
// Working storage is sized from the curve, so a curve may have any number of
// points; every array is read only as far as it reaches.
#pragma once

#include <span>
#include <vector>

// Where x lies against the curve's abscissa range.
inline constexpr int spline_inside = 0;
inline constexpr int spline_below = 1;
inline constexpr int spline_above = 2;

// The ordinate at abscissa x: a point whose abscissa equals x gives its own
// ordinate (the last such point when several do), any other x the spline
// inside the last interval X_i..X_{i+1} that brackets it. -1.0 when nothing
// brackets x: x outside the points' abscissa range, x not a number, no
// points. n is the last point index; points beyond the shorter of the two
// arrays are not used. flag: spline_inside, spline_above or spline_below the
// smallest and largest abscissa of the points; it is set whether or not a
// value is found. The bisection stops when |X(t) - x| <= tolerance, or after
// 200 halvings when the tolerance cannot be met (non-finite data, a tolerance
// of 0).
double spline_lookup(std::span<const double> ys, std::span<const double> xs, double x, double tolerance, int n,
                     int& flag);

// The one look-up of the atlas windows on a curve or a table column: inside
// the abscissa range the value of spline_lookup, outside it the ordinate of
// the end point that x lies beyond (below the range the point with the
// smallest abscissa, above it the point with the largest), so every x gives a
// value of the curve. NaN for an x that is not a number or a curve without
// points. flag as spline_lookup's.
double curve_lookup(std::span<const double> ys, std::span<const double> xs, double x, double tolerance, int n,
                    int& flag);

// The spline steps, for one coordinate series v_0..v_n.
// Parameters t_i = i + 1, i = 0..n.
std::vector<double> spline_parameters(int n);
// Right-hand side r_i = -6 ((v_{i+1} - v_i) - (v_i - v_{i-1})), i = 1..n-1
// (r_0 and r_n are 0).
std::vector<double> spline_prepare_system(std::span<const double> v);
// Second derivatives M_0..M_n of the natural spline (M_0 = M_n = 0), by the
// tridiagonal sweep of M_{i-1} + 4 M_i + M_{i+1} = -r_i.
std::vector<double> spline_solve_moments(std::span<const double> r);
// Per interval i = 1..n (from t_{i-1} to t_i): a_i = M_i - M_{i-1} and the
// slope at t_i, b_i = M_i / 2 - a_i / 6 + (v_i - v_{i-1}). Element 0 unused.
struct SplineCoefficients {
    std::vector<double> a;
    std::vector<double> b;
};
SplineCoefficients spline_coefficients(std::span<const double> v, std::span<const double> moments);
// S(t) on interval i: v_i + b_i d + M_i / 2 d^2 + a_i / 6 d^3 with d = t - t_i.
double spline_evaluate(std::span<const double> v, std::span<const double> moments, const SplineCoefficients& c,
                       int i, double t);
