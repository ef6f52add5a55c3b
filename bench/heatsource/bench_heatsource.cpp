// Temperature evaluations and cooling times of every quasi-stationary scheme
// at its start values, and temperature evaluations of the time-domain
// schemes at theirs, at the points their thermal-cycle windows sample.
#include <benchmark/benchmark.h>

#include "heatsource.h"

namespace {

struct Scheme {
    int number;
    const char* stem;
};

const Scheme schemes[] = {{1, "ppr1"}, {2, "ppr2"},  {3, "ppr3"},  {4, "ppr4"},
                          {5, "ppr5"}, {6, "ppr9"}, {9, "ppr14"}, {10, "ppr15"}};

// One evaluation behind the source, where the thermal cycle spends its time.
void temperature(benchmark::State& state, int n)
{
    install_scheme(n);
    current_model.prepare();
    double x = -1.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(current_model.temperature(x, 0.3, 0.2));
        x = x == -1.0 ? -1.001 : -1.0;
    }
    state.SetItemsProcessed(state.iterations());
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

int register_all()
{
    benchmark::RegisterBenchmark("temperature/ppr10", oscillating_temperature, 7);
    benchmark::RegisterBenchmark("temperature/ppr11", oscillating_temperature, 8);
    for (const Scheme& s : {Scheme{11, "rom1"}, Scheme{12, "rom2"}, Scheme{13, "rom3"}}) {
        benchmark::RegisterBenchmark((std::string("pulse_temperature/") + s.stem + "/behind").c_str(),
                                     pulse_temperature, s.number, -10.0);
        benchmark::RegisterBenchmark((std::string("pulse_temperature/") + s.stem + "/far_ahead").c_str(),
                                     pulse_temperature, s.number, 500.0)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("temperature/comp", composite_temperature);

    for (const Scheme& s : schemes) {
        benchmark::RegisterBenchmark((std::string("temperature/") + s.stem).c_str(), temperature,
                                     s.number);
    }
    for (const Scheme& s : schemes) {
        benchmark::RegisterBenchmark((std::string("cooling_time/") + s.stem).c_str(), cooling_time,
                                     s.number)
            ->Unit(benchmark::kMillisecond);
    }
    return 0;
}

const int registered = register_all();

}  // namespace
