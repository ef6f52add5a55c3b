// What the windows say when a point has no cooling time: the message of a
// window computed at one point, and the one line under a sweep's plot that
// counts the points left out of its curves and says why. Every window and
// every sweep family (energy input, preheat, thickness, one element's
// content) of the steel models and both atlases words it the same way, in
// the five languages.
#pragma once

#include <string>
#include <vector>

#include "canvas.h"
#include "solvers.h"
#include "lang.h"

// The message for a point whose cooling procedure did not reach; y and z
// are the point. A peak below the interval is given as the peak temperature
// at the point ("Maximum temperature=... at y=... z=... [cm]"), the form
// the windows have always shown; empty for a point that was reached.
std::string cooling_failure_text(const CoolingTime& c, double y, double z);

// The points of one sweep left out of its curves, counted by reason.
//
// A sweep makes one of these with its number of points, hands every point
// that has no value to `leave_out`, draws a gap in every curve there (NaN
// ordinates: the curves break, the x axis still spans the requested range)
// and draws `note()` under the plot with draw_sweep_gap_note.
class SweepGaps {
public:
    explicit SweepGaps(int points = 0) : points_(points) {}

    // A point whose cooling procedure did not reach; reached points are not
    // counted.
    void leave_out(const CoolingTime& c);
    // A point left out for a reason of the window's own (a look-up outside
    // the atlas's curves, say): a text in five languages with at most one
    // "%g", which `value` fills. Points with the same text and value are
    // counted together.
    void leave_out(const Text5& reason, double value = 0);

    int points() const { return points_; }
    int left_out() const;
    bool any() const { return left_out() > 0; }
    bool all() const { return points_ > 0 && left_out() >= points_; }

    // One line in the current language, such as "Not plotted: peak below
    // 850 °C at 8 of 50 points"; reasons in the order they first occurred,
    // joined by "; ". Empty when no point was left out.
    std::string note() const;

private:
    struct Reason {
        const Text5* text;
        double value;
        int count;
    };
    std::vector<Reason> reasons_;
    int points_ = 0;
};

// Draws the note as one line centred between left and right (from left when
// it is wider) with its top at y, in the selected font and text colour.
// Returns the row under it; y when there is nothing to say.
int draw_sweep_gap_note(Canvas& dc, const SweepGaps& gaps, int left, int right, int y);

// Whether the installed scheme has a plate thickness to sweep; a body (a
// thickness that is not positive) has none.
bool scheme_has_thickness();
// The message of a thickness sweep on a body.
const char* no_thickness_text();

// The message of a welding speed that cannot turn distance into time
// (format with the speed, "%g").
const char* welding_speed_text();
