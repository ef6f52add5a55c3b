// Temperature evaluations and cooling times of every quasi-stationary scheme
// at its start values, and temperature evaluations of the time-domain
// schemes at theirs, at the points their thermal-cycle windows sample; and
// libm's exp with the upper vector state left in use, as drawing leaves it,
// and cleared.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

#include "heatsource.h"
#include "scheme_views.h"
#include "vector_state.h"
#include "vector_state_probe.h"

namespace {

// The quasi-stationary schemes.
const int schemes[] = {1, 2, 3, 4, 5, 6, 9, 10};

// One evaluation behind the source at x (and 0.001 cm further), y = 0.3,
// z = 0.2: 1 cm behind, where the thermal cycle spends its time, and 60 cm
// behind, where the thermal cycle of scheme 5 at the block the program
// starts with ends.
void temperature(benchmark::State& state, int n, double x)
{
    install_scheme(n);
    current_model.prepare();
    const double at = x;
    for (auto _ : state) {
        benchmark::DoNotOptimize(current_model.temperature(x, 0.3, 0.2));
        x = x == at ? at - 0.001 : at;
    }
    state.SetItemsProcessed(state.iterations());
}

// 1000 calls of exp after AVX code that left the upper halves of the vector
// registers in use, without and with the clearing the program does before it
// computes. Many Intel cores pay a transition at every call in the first
// case; processors that do not show the same time in both.
void exp_after_avx(benchmark::State& state, bool cleared)
{
    if (!vector_state_probe_available()) {
        state.SkipWithError("no AVX");
        return;
    }
    double x = 0.3;
    for (auto _ : state) {
        dirty_upper_vector_state();
        if (cleared) clear_upper_vector_state();
        double sum = 0;
        for (int i = 0; i < 1000; ++i) sum += std::exp(x + i * 1e-4);
        benchmark::DoNotOptimize(sum);
        x = x == 0.3 ? 0.3001 : 0.3;
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}

// The whole cooling-time procedure at y = 0.3, z = 0.2 (scheme 1 has no depth).
void cooling_time(benchmark::State& state, int n)
{
    install_scheme(n);
    for (auto _ : state) {
        CoolingTime t = cooling_time_at_point(0.3, 0.2, 800, 500);
        benchmark::DoNotOptimize(t);
    }
    state.SetItemsProcessed(state.iterations());
}

// The oscillating electrode: the point of the cycle dialog's start texts
// (y = 1, x = 0) just after the source passed it.
void oscillating_temperature(benchmark::State& state, int n)
{
    install_scheme(n);
    current_model.prepare();
    const double record[] = {1, 0, 0, 60, 75};
    current_model.set_oscillation_point(record);
    double t = 67.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(current_model.temperature(t, 1, 0));
        t = t == 67.0 ? 67.3 : 67.0;
    }
    state.SetItemsProcessed(state.iterations());
}

// The pulsed source: behind it (the sum stops after some cycles) and far
// ahead of it (nothing arrives, so every one of the 1510 cycles is summed).
void pulse_temperature(benchmark::State& state, int n, double x)
{
    install_scheme(n);
    current_model.prepare();
    double from = 0, to = 0;
    current_model.pulse_time_window(from, to);
    for (auto _ : state) {
        benchmark::DoNotOptimize(current_model.pulse_temperature(x, 0.05, 0, 0));
    }
    state.SetItemsProcessed(state.iterations());
}

// The composite plates 30 s after the passage, 0.05 cm from the weld line.
void composite_temperature(benchmark::State& state)
{
    install_scheme(14);
    current_model.prepare();
    double t = 30.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(current_model.temperature(t, 0.05, 0));
        t = t == 30.0 ? 29.4 : 30.0;
    }
    state.SetItemsProcessed(state.iterations());
}

std::string per_scheme(const char* family, int n)
{
    return std::string(family) + "/scheme:" + std::to_string(n);
}

int register_all()
{
    for (int n : schemes) benchmark::RegisterBenchmark(per_scheme("temperature", n).c_str(), temperature, n, -1.0);
    for (int n : schemes)
        benchmark::RegisterBenchmark(per_scheme("temperature_far_behind", n).c_str(), temperature, n, -60.0);
    benchmark::RegisterBenchmark(per_scheme("temperature", 7).c_str(), oscillating_temperature, 7);
    benchmark::RegisterBenchmark(per_scheme("temperature", 8).c_str(), oscillating_temperature, 8);
    benchmark::RegisterBenchmark(per_scheme("temperature", 14).c_str(), composite_temperature);
    for (int n : {11, 12, 13}) {
        benchmark::RegisterBenchmark(per_scheme("pulse_temperature_behind", n).c_str(), pulse_temperature, n, -10.0);
        benchmark::RegisterBenchmark(per_scheme("pulse_temperature_far_ahead", n).c_str(), pulse_temperature, n,
                                     500.0)
            ->Unit(benchmark::kMillisecond);
    }
    // t8/5 at a point: the peak, then the two rear crossings.
    for (int n : schemes)
        benchmark::RegisterBenchmark(per_scheme("t85_at_point", n).c_str(), cooling_time, n)
            ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("exp_after_avx/upper_state_in_use", exp_after_avx, false);
    benchmark::RegisterBenchmark("exp_after_avx/upper_state_cleared", exp_after_avx, true);
    return 0;
}

const int registered = register_all();

}  // namespace
