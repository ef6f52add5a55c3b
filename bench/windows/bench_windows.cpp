// Compute time of the temperature windows for each quasi-stationary scheme at
// its start values: the thermal cycle (phase 0), the cooling rate (phase 0,
// which also draws and writes its file) and the isotherms of every section
// the scheme offers (phase 0, which also draws); and the thermal cycle of each
// oscillating, pulsed and composite scheme, its computation and its drawing.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "msgbox.h"
#include "recording_canvas.h"
#include "temperature_windows.h"

namespace {

constexpr int schemes[] = {1, 2, 3, 4, 5, 6, 9, 10};

void install(int scheme) {
    current_model = HeatSourceModel{};
    install_start_scheme();
    install_scheme(scheme);
}

// The schemes that offer the yz and xz sections.
constexpr int all_section_schemes[] = {2, 3, 6, 9, 10};

void thermal_cycle(benchmark::State& state) {
    install(static_cast<int>(state.range(0)));
    const double record[point_record_size] = {0.05, 0.0};
    RecordingCanvas dc;
    for (auto _ : state) {
        thermal_cycle_window(record, 50, nullptr, dc, 0, 0);
        benchmark::DoNotOptimize(thermal_cycle_result().temp);
    }
}

void cooling_rate(benchmark::State& state) {
    install(static_cast<int>(state.range(0)));
    const double record[point_record_size] = {0.05, 0.0, 800, 500};
    for (auto _ : state) {
        RecordingCanvas dc;
        cooling_rate_window(record, 50, nullptr, dc, 0, 0);
        benchmark::DoNotOptimize(cooling_rate_result().rate);
        message_box_take_log();
    }
}

void isotherms(benchmark::State& state, IsothermTracer tracer) {
    install(static_cast<int>(state.range(0)));
    current_isotherm_tracer = tracer;
    const double record[isotherm_record_size] = {300, 500, 850, 1300, 1500, 0};
    for (auto _ : state) {
        RecordingCanvas dc;
        isotherm_window(record, 40, nullptr, dc, 0, 0);
        benchmark::DoNotOptimize(isotherm_result().curves[0].H);
        message_box_take_log();
    }
}

void isotherms_xy(benchmark::State& state) { isotherms(state, trace_isotherm_xy); }
void isotherms_yz(benchmark::State& state) { isotherms(state, trace_isotherm_yz); }
void isotherms_xz(benchmark::State& state) { isotherms(state, trace_isotherm_xz); }

// The thermal cycle of a time-domain scheme at the point dialog's starting
// values: compute (phase 0) and draw (phase 1) timed apart.
std::vector<double> time_domain_record(int scheme) {
    std::vector<double> record(point_record_size, 0.0);
    if (scheme == 7 || scheme == 8) {
        record[oscillating_y] = 1;
        record[oscillating_t1] = 60;
        record[oscillating_t2] = 75;
    } else if (scheme == 14) {
        record[composite_y] = 0.05;
        record[composite_start_time] = 30;
    } else {
        record[point_y] = 0.05;
    }
    return record;
}

void time_domain_cycle(benchmark::State& state, int phase) {
    const int scheme = static_cast<int>(state.range(0));
    current_model = HeatSourceModel{};
    install_start_scheme();
    if (!install_scheme(scheme)) {
        state.SkipWithError("scheme not available");
        return;
    }
    const std::vector<double> record = time_domain_record(scheme);
    RecordingCanvas scratch;
    current_model.cycle_routine(record.data(), 50, nullptr, scratch, 0, 0);
    for (auto _ : state) {
        RecordingCanvas dc;
        current_model.cycle_routine(record.data(), 50, nullptr, dc, phase, 0);
        benchmark::ClobberMemory();
    }
}

void time_domain_cycle_compute(benchmark::State& state) { time_domain_cycle(state, 0); }
void time_domain_cycle_draw(benchmark::State& state) { time_domain_cycle(state, 1); }

void for_each_time_domain_scheme(benchmark::internal::Benchmark* b) {
    for (int s : {7, 8, 11, 12, 13, 14}) b->Arg(s);
    b->ArgName("scheme")->Unit(benchmark::kMillisecond);
}

void for_each_scheme(benchmark::internal::Benchmark* b) {
    for (int s : schemes) b->Arg(s);
    b->ArgName("scheme")->Unit(benchmark::kMillisecond);
}

void for_each_section_scheme(benchmark::internal::Benchmark* b) {
    for (int s : all_section_schemes) b->Arg(s);
    b->ArgName("scheme")->Unit(benchmark::kMillisecond);
}

BENCHMARK(thermal_cycle)->Apply(for_each_scheme);
BENCHMARK(cooling_rate)->Apply(for_each_scheme);
BENCHMARK(isotherms_xy)->Apply(for_each_scheme);
BENCHMARK(isotherms_yz)->Apply(for_each_section_scheme);
BENCHMARK(isotherms_xz)->Apply(for_each_section_scheme);
BENCHMARK(time_domain_cycle_compute)->Apply(for_each_time_domain_scheme);
BENCHMARK(time_domain_cycle_draw)->Apply(for_each_time_domain_scheme);

}  // namespace

int main(int argc, char** argv) {
    // The cooling-rate window writes its file into the current directory.
    const auto folder = std::filesystem::temp_directory_path() / "velmarin_bench_windows";
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);
    // An isotherm above a scheme's peak is reported; nothing waits for a click.
    message_box_set_record_mode(true);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
