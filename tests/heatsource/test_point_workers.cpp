// Points on the machine's cores: every point computed once, each worker with
// the calling thread's scheme, block and regime, the same bits as the points
// in turn, and the calling thread's own state left as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <bit>
#include <cstdint>
#include <mutex>
#include <sched.h>
#include <set>
#include <thread>
#include <vector>

#include "heatsource.h"
#include "point_progress.h"
#include "scheme_views.h"
#include "window_test_support.h"

namespace {

class PointWorkers : public ::testing::Test {
protected:
    void SetUp() override { reset_program_state(); }
    void TearDown() override { set_point_workers(0); }
};

TEST_F(PointWorkers, EveryPointOnceWhateverTheNumberOfWorkers)
{
    for (const int workers : {1, 2, 3, 8, 40}) {
        set_point_workers(workers);
        std::vector<std::atomic<int>> seen(17);
        std::mutex m;
        std::set<std::thread::id> threads;
        compute_points(17, [&](int i) {
            ++seen[static_cast<std::size_t>(i)];
            const std::lock_guard<std::mutex> lock(m);
            threads.insert(std::this_thread::get_id());
        });
        for (std::size_t i = 0; i < seen.size(); ++i) EXPECT_EQ(seen[i], 1) << workers << " workers, point " << i;
        if (workers == 1) {
            EXPECT_EQ(threads, std::set<std::thread::id>{std::this_thread::get_id()});
        } else {
            EXPECT_LE(threads.size(), static_cast<std::size_t>(std::min(workers, 17)));
        }
    }
    int calls = 0;
    compute_points(0, [&](int) { ++calls; });
    EXPECT_EQ(calls, 0);
}

// The progress is told on the calling thread, the only one that may draw a
// progress window, with more points done each time and at last all of them.
TEST_F(PointWorkers, ProgressIsToldOnTheCallingThreadUpToEveryPoint)
{
    for (const int workers : {1, 4}) {
        set_point_workers(workers);
        std::vector<int> told;
        bool elsewhere = false;
        const std::thread::id caller = std::this_thread::get_id();
        compute_points(
            23, [](int) { std::this_thread::sleep_for(std::chrono::microseconds(200)); },
            [&](int done) {
                elsewhere = elsewhere || std::this_thread::get_id() != caller;
                told.push_back(done);
            });
        EXPECT_FALSE(elsewhere) << workers;
        ASSERT_FALSE(told.empty()) << workers;
        EXPECT_EQ(told.back(), 23) << workers;
        EXPECT_TRUE(std::is_sorted(told.begin(), told.end())) << workers;
        EXPECT_EQ(std::adjacent_find(told.begin(), told.end()), told.end()) << workers;
    }
}

// A sweep started while the workers are busy (a repaint while the progress
// is told) computes its points in turn and still leaves the calling
// thread's regime as it was.
TEST_F(PointWorkers, ASweepWhileTheWorkersAreBusyComputesInTurn)
{
    ASSERT_TRUE(install_scheme(1));
    current_model.prepare();
    set_point_workers(4);
    std::vector<int> outer(8, 0);
    int inner_points = 0;
    compute_points(
        8, [&](int i) { outer[static_cast<std::size_t>(i)] = 1; },
        [&](int) {
            compute_points(3, [&](int i) {
                current_model.set_regime(0.2 + i, 1000, 20, 2);
                current_model.prepare();
                ++inner_points;
            });
            EXPECT_EQ(current_model.velocity(), 0.1);
        });
    EXPECT_EQ(outer, std::vector<int>(8, 1));
    EXPECT_GE(inner_points, 3);
    EXPECT_EQ(inner_points % 3, 0);
    EXPECT_EQ(current_model.power(), 4500);
}

// One worker per core the program may run on: a process kept to fewer cores
// than the machine has (taskset, a container's CPU set) gets fewer workers.
TEST_F(PointWorkers, OnePerCoreTheProcessMayUseUnlessTold)
{
    cpu_set_t all;
    ASSERT_EQ(sched_getaffinity(0, sizeof all, &all), 0);
    set_point_workers(0);
    EXPECT_EQ(point_workers(), CPU_COUNT(&all));
    std::vector<int> allowed;
    for (int cpu = 0; cpu < CPU_SETSIZE && allowed.size() < 2; ++cpu)
        if (CPU_ISSET(cpu, &all)) allowed.push_back(cpu);
    cpu_set_t fewer;
    CPU_ZERO(&fewer);
    for (int cpu : allowed) CPU_SET(cpu, &fewer);
    ASSERT_EQ(sched_setaffinity(0, sizeof fewer, &fewer), 0);
    EXPECT_EQ(point_workers(), static_cast<int>(allowed.size()));
    set_point_workers(3);
    EXPECT_EQ(point_workers(), 3);
    set_point_workers(-2);
    EXPECT_EQ(point_workers(), static_cast<int>(allowed.size()));
    ASSERT_EQ(sched_setaffinity(0, sizeof all, &all), 0);
    EXPECT_EQ(point_workers(), CPU_COUNT(&all));
}

// A worker computes with the scheme installed on the calling thread and the
// block its data dialog left, not with the defaults a new thread starts with.
TEST_F(PointWorkers, WorkersComputeWithTheCallingThreadsSchemeAndBlock)
{
    ASSERT_TRUE(install_scheme(4));
    const double values[10] = {0.4, 0.5, 7.8, 150, 0.25, 0.8, 0.001, 10, 6, 3000};
    current_model.set_data(values);
    current_model.prepare();
    const double here = current_model.temperature(-1.5, 0.3, 0);
    set_point_workers(3);
    std::vector<double> there(3);
    std::vector<double> power(3);
    compute_points(3, [&](int i) {
        there[static_cast<std::size_t>(i)] = current_model.temperature(-1.5, 0.3, 0);
        power[static_cast<std::size_t>(i)] = current_model.power();
    });
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(std::bit_cast<std::uint64_t>(there[i]), std::bit_cast<std::uint64_t>(here)) << i;
        EXPECT_EQ(power[i], 3000);
    }
}

// Each point sets its own regime: on the workers the calling thread's regime
// stays as it was; in turn the last point's stays in force, as sweeps have
// always left it.
TEST_F(PointWorkers, TheCallingThreadsRegimeIsLeftAsItWas)
{
    ASSERT_TRUE(install_scheme(1));
    current_model.prepare();
    const auto set_point_regime = [](int i) {
        current_model.set_regime(0.1 + 0.05 * i, 3000 + 500 * i, 20, 1.0);
        current_model.prepare();
    };
    set_point_workers(4);
    compute_points(6, set_point_regime);
    EXPECT_EQ(current_model.velocity(), 0.1);
    EXPECT_EQ(current_model.power(), 4500);
    EXPECT_EQ(current_model.thickness(), 5);

    set_point_workers(1);
    compute_points(6, set_point_regime);
    EXPECT_EQ(current_model.velocity(), 0.1 + 0.05 * 5);
    EXPECT_EQ(current_model.power(), 5500);
    EXPECT_EQ(current_model.thickness(), 1.0);
}

std::uint64_t bits(double x)
{
    return std::bit_cast<std::uint64_t>(x);
}

// The cooling time at a point under each point's regime, every scheme that
// serves the sweeps: the same bits on four workers as in turn.
TEST_F(PointWorkers, CoolingTimesOfARegimeSweepAreTheSameBitsOnFourWorkers)
{
    for (const int scheme : {1, 2, 3, 4, 5, 6, 9, 10}) {
        SCOPED_TRACE(scheme);
        ASSERT_TRUE(install_scheme(scheme));
        current_model.prepare();
        const double v0 = current_model.velocity(), q0 = current_model.power();
        const double T0 = current_model.initial_temperature(), d0 = current_model.thickness();
        constexpr int n = 6;
        const auto sweep = [&](int workers) {
            set_point_workers(workers);
            std::vector<CoolingTime> out(n);
            compute_points(n, [&](int i) {
                current_model.set_regime(v0 * (0.6 + 0.2 * i), q0 * (0.5 + 0.3 * i), T0, d0);
                current_model.prepare();
                out[static_cast<std::size_t>(i)] = cooling_time_at_point(0.05, 0.0, 850, 500);
            });
            current_model.set_regime(v0, q0, T0, d0);
            current_model.prepare();
            return out;
        };
        const std::vector<CoolingTime> serial = sweep(1);
        const std::vector<CoolingTime> parallel = sweep(4);
        int reached = 0;
        for (std::size_t i = 0; i < serial.size(); ++i) {
            EXPECT_EQ(serial[i].status, parallel[i].status) << i;
            EXPECT_EQ(bits(serial[i].time), bits(parallel[i].time)) << i;
            EXPECT_EQ(bits(serial[i].t_max), bits(parallel[i].t_max)) << i;
            EXPECT_EQ(bits(serial[i].x_from), bits(parallel[i].x_from)) << i;
            EXPECT_EQ(bits(serial[i].x_to), bits(parallel[i].x_to)) << i;
            reached += serial[i].reached() ? 1 : 0;
        }
        EXPECT_GT(reached, 0);
    }
}

}  // namespace
