// The points of a sweep or a profile on the machine's cores, with the
// progress window of a computation that keeps the user waiting.
#pragma once

#include <functional>

// compute_points_showing with the progress window: once the points have
// taken longer than the delay (half a second), the window opens and follows
// the points done in steps of 5 %; it closes with the computation. Called on
// the thread that draws.
void compute_points(int n, const std::function<void(int)>& compute,
                    const std::function<void(int)>& progress = {});
