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
void kasatkin_evaluate(KasatkinSteel& steel, double t85);

// The four-term rational approximation of erf(x / sqrt 2) the model uses.
double erf_scaled(double x);
