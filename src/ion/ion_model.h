// The Ion model of carbon-manganese steels: a carbon equivalent of C, Mn and
// Si gives two critical cooling times; the martensite and bainite shares fall
// off as Gaussians of the cooling time measured in them, and the hardness is
// share-weighted. The record is IonSteel (composition.h).
#pragma once

#include "composition.h"

// CE = C + Mn/12 + Si/24 of the record's composition.
double ion_carbon_equivalent(const CompositionRecord& steel);

// Critical cooling times (s) of martensite and bainite for a carbon
// equivalent. The bainite time is sqrt(c1 - c2); where c1 - c2 is not
// positive (CE above about 1.784) it is 0.
double ion_martensite_time(double ce);
double ion_bainite_time(double ce);

// Evaluates the model at cooling time t (s) and stores martensite, bainite,
// ferrite+pearlite shares and HV into the record; returns the record. The
// three shares lie in 0..1 and add up to 1. Where the bainite share of the
// formulas is negative (the bainite critical time below the martensite one,
// a carbon equivalent above about 0.395, or none at all above about 1.784)
// the model is outside its range: bainite is taken as 0 and
// ferrite+pearlite makes up the rest; `limited`, when given, is set to true
// then (and never back to false).
IonSteel& ion_evaluate(IonSteel& steel, double t, bool* limited = nullptr);
