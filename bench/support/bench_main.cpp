// The main() of every benchmark program. Run by hand, a program prints
// Google Benchmark's own table. When VELMARIN_BENCH_ROWS names a file, it
// appends one line per benchmark to that file instead (the name, a tab and
// the time of one iteration in nanoseconds, or "error", a tab and the
// reason), and one more for each counter named "<what>_seconds", a time per
// iteration, named "<benchmark>/<what>"; so that `make bench` can show the
// results of every program in one table (velmarin_bench_table).
#include "gui_app.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

class RowReporter : public benchmark::BenchmarkReporter {
public:
    explicit RowReporter(const char* path) : out_(path, std::ios::app) {}

    bool ok() const { return static_cast<bool>(out_); }

    bool ReportContext(const Context&) override { return true; }

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration) continue;
            out_ << run.benchmark_name() << '\t';
            if (run.error_occurred) {
                out_ << "error\t" << run.error_message << '\n';
            } else {
                const double seconds = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
                out_ << seconds * 1e9 << '\n';
                const std::string suffix = "_seconds";
                for (const auto& [name, counter] : run.counters) {
                    if (name.size() <= suffix.size() || name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
                        continue;
                    out_ << run.benchmark_name() << '/' << name.substr(0, name.size() - suffix.size()) << '\t'
                         << counter.value * 1e9 << '\n';
                }
            }
            out_.flush();
            // A whole run takes minutes: show that it moves.
            if (isatty(STDERR_FILENO)) std::fprintf(stderr, "\r%d benchmarks run", ++count_);
        }
    }

    void Finalize() override
    {
        if (count_ > 0 && isatty(STDERR_FILENO)) std::fprintf(stderr, "\r%*s\r", 40, "");
    }

private:
    std::ofstream out_;
    int count_ = 0;
};

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    // Benchmarks that draw start the Qt application; it ends before main returns.
    GuiApp app{GuiApp::Start::on_demand};
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    const char* rows = std::getenv("VELMARIN_BENCH_ROWS");
    if (rows != nullptr && *rows != '\0') {
        RowReporter reporter(rows);
        if (!reporter.ok()) {
            std::fprintf(stderr, "cannot write the benchmark results to %s\n", rows);
            return 1;
        }
        benchmark::RunSpecifiedBenchmarks(&reporter);
    } else {
        benchmark::RunSpecifiedBenchmarks();
    }
    benchmark::Shutdown();
    return 0;
}
