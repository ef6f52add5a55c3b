// The sweep of a window over the welding regime: energy input (power and
// speed together), preheat or plate thickness. A window plans its points
// (which values, and what each point computes); the sweep sets the regime of
// each point (set_regime, then prepare) and runs the points side by side on
// the machine's cores. The regime the window found is put back by a guard
// the window holds, on every path it leaves by.
#pragma once

#include <functional>
#include <vector>

// The welding regime as set_regime takes it.
struct Regime {
    double v = 0;   // welding speed, cm/s
    double q = 0;   // power, W
    double T0 = 0;   // initial temperature (preheat), °C
    double thickness = 0;   // plate thickness, cm; the bodies ignore it
    friend bool operator==(const Regime&, const Regime&) = default;
};

// The regime of the current model; 0 for a quantity it has no accessor for.
Regime regime_in_force();

// set_regime (where the model has it), then prepare.
void apply_regime(const Regime& regime);

// Saves the regime in force and puts it back (apply_regime) when it goes out
// of scope. restore() puts it back at once, before a panel that shows the
// entered regime or a message that lets anything else run; the end of the
// guard then does nothing.
class RegimeGuard {
public:
    RegimeGuard() : saved_(regime_in_force()) {}
    ~RegimeGuard() { restore(); }
    void restore();
    const Regime& saved() const { return saved_; }
    RegimeGuard(const RegimeGuard&) = delete;
    RegimeGuard& operator=(const RegimeGuard&) = delete;

private:
    Regime saved_;
    bool armed_ = true;
};

// What a sweep varies; the rest of the regime stays as saved.
enum class RegimeSweep { energy, preheat, thickness };

// The points of a sweep: the swept value of each (power for the energy
// input, preheat, thickness) and, for the energy input, its speed.
struct RegimePlan {
    RegimeSweep kind = RegimeSweep::preheat;
    std::vector<double> swept;
    std::vector<double> speed;   // energy input only
    int size() const { return static_cast<int>(swept.size()); }
};

// The plan of a parameter record (y, z, T from, T to, lower and upper bound
// of the swept value, and for the energy input the lower and upper speed):
// `points` values from the lower bound, each |upper - lower| / `divisions`
// further, added up in turn; the speeds alike from the lower speed.
RegimePlan regime_plan(RegimeSweep kind, const double* params, int points, int divisions);

// The regime of point k: the saved regime with the point's swept value (and
// speed).
Regime planned_regime(const RegimePlan& plan, const Regime& saved, int k);

// The energy input per unit length q / v in kJ/cm; per unit area (divided by
// the current model's plate thickness) when `per_area` and the model has a
// positive thickness. Not a number for a speed that cannot divide.
double energy_input(double q, double v, bool per_area);

// The abscissa of point k under its regime: its energy input (per unit area
// as energy_input gives it), preheat in °C or thickness in cm.
double planned_abscissa(const RegimePlan& plan, int k, bool per_area);

// point(k) for every point of the plan under the point's regime, side by
// side on the workers (compute_points); point(k) writes only what belongs to
// point k. Afterwards the regime of the last point is in force on the
// calling thread, as after the points in turn; the guard puts the saved
// regime back.
void run_regime_sweep(const RegimeGuard& guard, const RegimePlan& plan, const std::function<void(int)>& point);
