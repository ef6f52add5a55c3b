// The Kasatkin-Seyffarth model of low-alloyed steels: phase shares of the
// heat-affected zone as normal-distribution terms of the logarithm of the
// cooling time t8/5, with centres and spreads linear (with a few square and
// product terms) in the alloy contents; hardness, strength, yield point,
// elongation, reduction in area and impact toughness as share-weighted
// regressions. The record is KasatkinSteel (composition.h).
#pragma once

#include "composition.h"

// Copies the sixteen contents (CompositionRecord order) into the record.
void load_kasatkin_composition(const CompositionRecord& composition, KasatkinSteel& steel);
void load_kasatkin_composition(const double (&contents)[composition_size], KasatkinSteel& steel);

// Evaluates the model at the cooling time t85 (s) and stores martensite,
// ferrite+pearlite, ferrite, bainite and pearlite shares and HV, Rm, R02, A,
// Z, K into the record. Times of 1.001 s or less (and times that are not a
// number) are evaluated as 1.001 s. Every result is finite.
//
// The shares always lie in 0..1 and M + B + F + P = 1, FP = F + P: ferrite
// above ferrite+pearlite (the two fits cross at short times) is taken as
// ferrite+pearlite, pearlite being 0; martensite and ferrite+pearlite that
// together make more than the whole are scaled down in proportion to it,
// bainite being 0. `out_of_range`, when given, is set to true (and never
// back to false, so it gathers over a window's evaluations) when the
// composition leaves the model's range: a spread of a share that is not
// positive, a ferrite term above the whole, or the overlap above.
void kasatkin_evaluate(KasatkinSteel& steel, double t85, bool* out_of_range = nullptr);

// The four-term rational approximation of erf(x / sqrt 2) the model uses.
double erf_scaled(double x);
