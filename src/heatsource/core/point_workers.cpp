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

namespace {

// What a worker computes with: the calling thread's slots and the state of
// every scheme, since a kept slot may belong to another scheme than the
// installed one (scheme 2's power serves the time-domain schemes).
struct ThreadStart {
    HeatSourceModel model = current_model;
    SchemeState schemes = scheme_state;
};

// Takes over a start on the calling thread, and prepares the installed
// scheme as the data dialogs and windows would.
void adopt(const ThreadStart& start)
{
    current_model = start.model;
    scheme_state = start.schemes;
    if (current_model.prepare) current_model.prepare();
}

}  // namespace

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
    const ThreadStart* start = nullptr;
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
            adopt(*job.start);
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
    const ThreadStart start;
    WorkerTeam& team = worker_team();
    if (team.try_take()) {
        const int team_size = team.grow_to(workers - 1);
        if (team_size > 0) {
            Job job;
            job.n = n;
            job.compute = &compute;
            job.start = &start;
            team.run(job, team_size, tell, [&] {
                if (show) show(told);
            });
            team.give_back();
            adopt(start);
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
    adopt(start);
}
