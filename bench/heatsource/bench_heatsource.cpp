// Temperature evaluations and cooling times of every quasi-stationary scheme
// at its start values.
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

int register_all()
{
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
