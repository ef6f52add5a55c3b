// The points of a sweep or a profile on the machine's cores.
#include "point_workers.h"
#include "vector_state.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <sched.h>
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
    // The cores this process may run on, which a container, taskset or a
    // batch system may keep below the machine's: more workers than those
    // would only take turns on them.
    cpu_set_t allowed;
    CPU_ZERO(&allowed);
    if (sched_getaffinity(0, sizeof allowed, &allowed) == 0) {
        const int cores = CPU_COUNT(&allowed);
        if (cores > 0) return cores;
    }
    const unsigned cores = std::thread::hardware_concurrency();
    return cores > 0 ? static_cast<int>(cores) : 1;
}

namespace {

// One call's points, shared by the workers that take part.
struct Job {
    int n = 0;
    const std::function<void(int)>* compute = nullptr;
    const SchemeState* state = nullptr;
    std::atomic<int> next{0};   // the next point to hand out
    int done = 0;               // points finished, under the team's lock
};

// Workers that stay between calls, so that what a scheme keeps from one
// point to the next (the node factors of scheme 5, the eigenvalues of scheme
// 3) is still there at the next sweep, and no call waits for threads to be
// made.
class WorkerTeam {
public:
    ~WorkerTeam()
    {
        {
            const std::lock_guard<std::mutex> lock(lock_);
            stopping_ = true;
        }
        wake_.notify_all();
        threads_.clear();   // joins
    }

    // Whether the team is free for a job; false while another call runs one
    // (a call made from inside a point, or from a second thread).
    bool try_take() { return !busy_.exchange(true); }
    void give_back() { busy_ = false; }

    // Threads for `workers` workers, as far as the machine gives them.
    int grow_to(int workers)
    {
        while (static_cast<int>(threads_.size()) < workers) {
            const int k = static_cast<int>(threads_.size());
            try {
                threads_.emplace_back([this, k] { serve(k); });
            } catch (const std::system_error&) {
                break;
            }
        }
        return std::min(workers, static_cast<int>(threads_.size()));
    }

    // Runs the job on workers 0..workers-1 and on the calling thread, which
    // is running already and so starts at once (on a loaded machine a worker
    // may wait long for a core), and comes back when every point is done and
    // no worker holds the job any more. The calling thread's scheme state is
    // left as the points it took left it.
    // `look_in` is called on the calling thread while no point ends for a
    // while, so that a progress window opens on time and keeps being drawn
    // during long points.
    void run(Job& job, int workers, const std::function<void(int)>& progress, const std::function<void()>& look_in)
    {
        std::unique_lock<std::mutex> lock(lock_);
        job_ = &job;
        wanted_ = workers;
        ++generation_;
        wake_.notify_all();
        // The calling thread tells the progress, since it alone may draw.
        int told = 0;
        const auto tell = [&] {
            if (job.done == told) return;
            told = job.done;
            if (!progress) return;
            lock.unlock();
            progress(told);
            lock.lock();
        };
        lock.unlock();
        for (int i = job.next++; i < job.n; i = job.next++) {
            (*job.compute)(i);
            lock.lock();
            ++job.done;
            tell();
            lock.unlock();
        }
        lock.lock();
        while (told < job.n) {
            if (point_done_.wait_for(lock, std::chrono::milliseconds(100), [&] { return job.done != told; })) {
                tell();
            } else if (look_in) {
                lock.unlock();
                look_in();
                lock.lock();
            }
        }
        job_ = nullptr;
        point_done_.wait(lock, [&] { return active_ == 0; });
    }

private:
    void serve(int k)
    {
        std::uint64_t seen = 0;
        std::unique_lock<std::mutex> lock(lock_);
        for (;;) {
            wake_.wait(lock, [&] { return stopping_ || (job_ != nullptr && generation_ != seen && k < wanted_); });
            if (stopping_) return;
            seen = generation_;
            Job& job = *job_;
            ++active_;
            lock.unlock();
            // A thread starts with the vector state of the thread that made
            // it, which may have drawn.
            clear_upper_vector_state();
            adopt_scheme_state(*job.state);
            for (int i = job.next++; i < job.n; i = job.next++) {
                (*job.compute)(i);
                lock.lock();
                ++job.done;
                lock.unlock();
                point_done_.notify_all();
            }
            lock.lock();
            --active_;
            point_done_.notify_all();
        }
    }

    std::atomic<bool> busy_{false};
    std::mutex lock_;
    std::condition_variable wake_, point_done_;
    Job* job_ = nullptr;
    std::uint64_t generation_ = 0;
    int wanted_ = 0;
    int active_ = 0;
    bool stopping_ = false;
    std::vector<std::jthread> threads_;   // last: joined before the rest goes
};

WorkerTeam& worker_team()
{
    static WorkerTeam team;
    return team;
}

}  // namespace

void compute_points_showing(int n, const std::function<void(int)>& compute,
                            const std::function<void(int)>& progress, const std::function<void(int)>& show)
{
    if (n < 1) return;
    // The calling thread takes its turn at the points, and it is the thread
    // that draws.
    clear_upper_vector_state();
    int told = 0;
    const std::function<void(int)> tell = [&](int done) {
        told = done;
        if (show) show(done);
        if (progress) progress(done);
    };
    const int workers = std::min(point_workers(), n);
    if (workers == 1) {
        for (int i = 0; i < n; ++i) {
            compute(i);
            tell(i + 1);
        }
        return;
    }
    const SchemeState state = capture_scheme_state();
    WorkerTeam& team = worker_team();
    if (team.try_take()) {
        const int team_size = team.grow_to(workers - 1);
        if (team_size > 0) {
            Job job;
            job.n = n;
            job.compute = &compute;
            job.state = &state;
            team.run(job, team_size, tell, [&] {
                if (show) show(told);
            });
            team.give_back();
            adopt_scheme_state(state);
            return;
        }
        team.give_back();
    }
    // No worker to be had: the points in turn, and the calling thread's
    // state given back as it was.
    for (int i = 0; i < n; ++i) {
        compute(i);
        if (progress) progress(i + 1);
    }
    adopt_scheme_state(state);
}
