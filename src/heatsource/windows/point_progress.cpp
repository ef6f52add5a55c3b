#include "point_progress.h"

#include "point_workers.h"
#include "progress_dialog.h"

void compute_points(int n, const std::function<void(int)>& compute, const std::function<void(int)>& progress)
{
    if (n < 1) return;
    LongWorkProgress long_work(n);
    compute_points_showing(n, compute, progress, [&](int done) { long_work.advance(done); });
}
