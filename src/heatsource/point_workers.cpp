// The points of a sweep or a profile on the machine's cores.
#include "heatsource.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace {

std::atomic<int> workers_asked{0};

}  // namespace

SchemeState capture_scheme_state()
{
    SchemeState s;
    s.model = current_model;
    s.ppr1 = ppr1_parameters;
    s.ppr2 = ppr2_parameters;
    s.ppr3 = ppr3_parameters;
    s.ppr4 = ppr4_parameters;
    s.ppr5 = ppr5_parameters;
    s.ppr9 = ppr9_parameters;
    s.ppr10 = ppr10_parameters;
    s.ppr10_derived = ppr10_state;
    s.ppr11 = ppr11_parameters;
    s.ppr11_derived = ppr11_state;
    s.ppr14 = ppr14_parameters;
    s.ppr15 = ppr15_parameters;
    s.rom1 = rom1_parameters;
    s.rom2 = rom2_parameters;
    s.rom3 = rom3_parameters;
    s.rom1_derived = rom1_state;
    s.rom2_derived = rom2_state;
    s.rom3_derived = rom3_state;
    s.comp = comp_parameters;
    return s;
}

void adopt_scheme_state(const SchemeState& s)
{
    current_model = s.model;
    ppr1_parameters = s.ppr1;
    ppr2_parameters = s.ppr2;
    ppr3_parameters = s.ppr3;
    ppr4_parameters = s.ppr4;
    ppr5_parameters = s.ppr5;
    ppr9_parameters = s.ppr9;
    ppr10_parameters = s.ppr10;
    ppr10_state = s.ppr10_derived;
    ppr11_parameters = s.ppr11;
    ppr11_state = s.ppr11_derived;
    ppr14_parameters = s.ppr14;
    ppr15_parameters = s.ppr15;
    rom1_parameters = s.rom1;
    rom2_parameters = s.rom2;
    rom3_parameters = s.rom3;
    rom1_state = s.rom1_derived;
    rom2_state = s.rom2_derived;
    rom3_state = s.rom3_derived;
    comp_parameters = s.comp;
    if (current_model.prepare) current_model.prepare();
}

void set_point_workers(int workers)
{
    workers_asked = std::max(workers, 0);
}

int point_workers()
{
    const int asked = workers_asked;
    if (asked > 0) return asked;
    const unsigned cores = std::thread::hardware_concurrency();
    return cores > 0 ? static_cast<int>(cores) : 1;
}

void compute_points(int n, const std::function<void(int)>& compute, const std::function<void(int)>& progress)
{
    if (n < 1) return;
    const int workers = std::min(point_workers(), n);
    if (workers == 1) {
        for (int i = 0; i < n; ++i) {
            compute(i);
            if (progress) progress(i + 1);
        }
        return;
    }
    const SchemeState state = capture_scheme_state();
    // Points are handed out one at a time, as workers come free: their costs
    // differ by orders (a point without a peak costs one search).
    std::atomic<int> next{0};
    std::mutex done_lock;
    std::condition_variable point_done;
    int done = 0;
    const auto work = [&] {
        adopt_scheme_state(state);
        for (int i = next++; i < n; i = next++) {
            compute(i);
            {
                const std::lock_guard<std::mutex> lock(done_lock);
                ++done;
            }
            point_done.notify_one();
        }
    };
    std::vector<std::jthread> team;
    team.reserve(static_cast<std::size_t>(workers));
    for (int k = 0; k < workers; ++k) {
        try {
            team.emplace_back(work);
        } catch (const std::system_error&) {
            break;   // the machine gives no more threads: fewer workers do it
        }
    }
    if (team.empty()) {
        // Not one thread to be had: the points in turn, on a copy that is
        // given back, so the calling thread's state is left as it was.
        const SchemeState own = state;
        work();
        adopt_scheme_state(own);
        if (progress) progress(n);
        return;
    }
    if (!progress) return;   // the team finishes every point before it is gone
    // The calling thread tells the progress, since it alone may draw.
    int told = 0;
    std::unique_lock<std::mutex> lock(done_lock);
    while (told < n) {
        point_done.wait(lock, [&] { return done != told; });
        told = done;
        lock.unlock();
        progress(told);
        lock.lock();
    }
}
