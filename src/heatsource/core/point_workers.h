// The points of a sweep or a profile on the machine's cores.
#pragma once

#include <functional>

#include "schemes.h"

// The number of workers that compute_points uses: 0 (the default) one per
// core the calling thread may run on (its affinity mask, which taskset, a
// container or a batch system may keep below the machine's), 1 every point
// in turn on the calling thread.
void set_point_workers(int workers);
int point_workers();

// compute(i) once for every i in 0..n-1, on the workers and the calling
// thread, and back when all are done. Each worker starts from a copy of the
// calling thread's slots and scheme state (current_model, scheme_state), and
// the calling thread's own are given back as they were; compute writes only
// its own point's results, so the results are the same, bit for bit, as
// from the points in turn. With
// one worker, or one point, the calling thread computes every point in turn,
// and the state the last point left stays in force. `progress`, when given,
// is called on the calling thread with the number of points done, whenever
// more are done, last with n: the place to advance a progress window.
// `show`, when given, is the calling thread's display of a long computation
// (the windows' compute_points opens the progress window with it): it hears
// the points done as `progress` does, and again now and then while no point
// ends, so that it can open on time; the points in turn when no worker can
// be had do not reach it.
void compute_points_showing(int n, const std::function<void(int)>& compute,
                            const std::function<void(int)>& progress, const std::function<void(int)>& show);

