// Scheme 3: welding of a plate built of layers, treated as an equivalent
// homogeneous plate whose thickness direction is stretched. The field is a
// series over the eigenfunctions of the thickness direction.
#include <cmath>
#include <cstdio>
#include <vector>

#include "numerics.h"
#include "schemes.h"

namespace {

// This thread's record of the scheme in scheme_state. The module reaches it
// through a reference of its own, which costs what a variable of the module
// costs, where each use of scheme_state itself (defined in another file)
// would be a call.
thread_local Ppr3State& ppr3 = scheme_state.ppr3;

// Newton's method converges in a handful of steps from its start value; the
// cap only keeps input that makes it wander (a Biot number of 0, NaN) from
// hanging the program.
const int newton_step_limit = 200;
// Near the source line the series needs a few hundred terms; beyond this
// many the terms are far below the stop level for any usable input.
const int series_term_limit = 20000;

using Derived = Ppr3Derived;
using Term = Ppr3Term;
using SeriesTerms = Ppr3SeriesTerms;

Derived derive(const Ppr3Parameters& p)
{
    Derived d;
    d.f = std::sqrt((p.lambda / p.delta_c) * p.R_T + 1.0);
    d.Bi = (p.alpha * p.delta / p.lambda) * d.f * d.f;
    d.mu1 = ppr3_eigenvalue(d.Bi, 1.0);
    d.a = p.lambda / (p.c * p.rho);
    d.r_min = 0.1 * d.a / p.v;
    d.Q = p.q / (d.pi * p.lambda * p.delta);
    d.u0 = (p.v / d.a) * 0.5;
    d.u0_squared = d.u0 * d.u0;
    double m = d.mu1 / p.delta / d.f;
    d.s1 = std::sqrt(m * m + d.u0_squared);
    return d;
}

// exp(-u)·K0(σ·r), with the asymptotic form of K0 from argument 20 on.
double bessel_factor(double sigma, double u, double r)
{
    double w = sigma * r;
    if (w < 20) {
        const double k0 = bessel_k0(w);
        return std::exp(-u) * k0;
    }
    // Far from the source exp(-u) and K0 would overflow and underflow apart.
    return std::exp(-u - w) * bessel_k0_scaled(w);
}

}  // namespace

Ppr3State::Ppr3State() : derived(derive(parameters)) {}

double ppr3_eigenvalue(double Bi, double n)
{
    // Without surface loss the roots are the multiples of π, the first one 0
    // (whose weight the series takes as 0.5); Newton's method would start
    // from an infinite 1/Bi.
    if (Bi == 0) return (n - 1.0) * 3.14159265358979;
    const double p = 3.1415936;   // slightly above π, as the eigenvalue tables were made
    double g = 1.0 / Bi;
    double mu = p / 4.0 + (n - 1.0) * p;
    for (int step = 0; step < newton_step_limit; ++step) {
        double F = std::cos(mu) - g * mu * std::sin(mu);
        double dF = -std::sin(mu) - (mu * std::cos(mu) + std::sin(mu)) * g;
        double mu_old = mu;
        mu = mu - F / dF;
        if (mu == 0) std::fputs("x=0", stdout);
        double change = std::fabs((mu_old - mu) / mu);
        if (change <= 0.001 || std::isnan(change)) break;
    }
    return mu;
}

void ppr3_set_data(SchemeParameters values)
{
    Ppr3Parameters& p = ppr3.parameters;
    p.lambda = values[0];
    p.c = values[1];
    p.rho = values[2];
    p.T0 = values[3];
    p.v = values[4];
    p.delta = values[5];
    p.alpha = values[6];
    p.R_T = values[7];
    p.delta_c = values[8];
    p.q = values[9];
}

void Ppr3SeriesTerms::keep_for(const Ppr3Derived& d, double delta)
{
    if (d.Bi == Bi_ && d.f == f_ && d.u0_squared == u0_squared_ && delta == delta_) return;
    Bi_ = d.Bi;
    f_ = d.f;
    u0_squared_ = d.u0_squared;
    delta_ = delta;
    terms_.clear();
}

const Ppr3Term& Ppr3SeriesTerms::at(int n)
{
    while (static_cast<int>(terms_.size()) <= n) {
        Ppr3Term t;
        t.mu = ppr3_eigenvalue(Bi_, static_cast<double>(terms_.size()) + 2.0);
        double m = t.mu / delta_ / f_;
        t.sigma = std::sqrt(m * m + u0_squared_);
        t.ck = t.mu / (0.5 * std::sin(2.0 * t.mu) + t.mu);
        terms_.push_back(t);
    }
    return terms_[static_cast<std::size_t>(n)];
}

void ppr3_prepare()
{
    ppr3.derived = derive(ppr3.parameters);
    ppr3.series_terms.keep_for(ppr3.derived, ppr3.parameters.delta);
}

double ppr3_temperature(double x, double y, double z)
{
    const Ppr3Parameters& p = ppr3.parameters;
    const Derived& d = ppr3.derived;
    if (std::fabs(z) > p.delta) return p.T0;   // outside the plate
    double u = d.u0 * x;
    double r = std::sqrt(x * x + y * y);
    if (r < d.r_min) r = d.r_min;

    double G = bessel_factor(d.s1, u, r);
    double c1 = d.mu1 == 0 ? 0.5 : d.mu1 / (0.5 * std::sin(2.0 * d.mu1) + d.mu1);
    double S = std::cos(d.mu1 * z / p.delta) * c1 * G;

    // The factors fall from term to term by a ratio that shrinks along the
    // series (the decay rates grow ever closer to π/(δ·f) apart), and the
    // weights stay below 1: once the ratio is below 1, the rest is below
    // G·ratio/(1 - ratio). The series stops when that is below 1e-6 of the
    // sum of the magnitudes so far, or when a factor is not a number.
    SeriesTerms& terms = ppr3.series_terms;
    terms.keep_for(d, p.delta);
    double magnitude = std::fabs(S);
    for (int term = 0; term < series_term_limit; ++term) {
        const double G_prev = G;
        const Term& t = terms.at(term);
        G = bessel_factor(t.sigma, u, r);
        if (std::isnan(G)) break;
        S = S + std::cos(t.mu * z / p.delta) * t.ck * G;
        magnitude += std::fabs(t.ck * G);
        const double ratio = G / G_prev;
        if (G == 0 || (ratio < 1 && G * ratio / (1 - ratio) <= 1e-6 * magnitude)) break;
    }
    if (S < 0) S = 0;   // near the faces the cosines may drive the sum below zero
    return p.T0 + d.Q * S;
}

double ppr3_velocity() { return ppr3.parameters.v; }
double ppr3_power() { return ppr3.parameters.q; }
double ppr3_thickness() { return ppr3.parameters.delta; }
double ppr3_initial_temperature() { return ppr3.parameters.T0; }

void ppr3_set_regime(double v, double q, double T0, double thickness)
{
    ppr3.parameters.v = v;
    ppr3.parameters.q = q;
    ppr3.parameters.T0 = T0;
    ppr3.parameters.delta = thickness;
}

void ppr3_depth_range(double /*y*/, double& zmin, double& zmax)
{
    zmin = 0;
    zmax = ppr3.parameters.delta;
}

void ppr3_width_range(int& one_body, double& ymin, double& ymax)
{
    one_body = 1;
    ymin = -100;
    ymax = 100;
}
