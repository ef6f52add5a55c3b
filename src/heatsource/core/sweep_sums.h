// What the two oscillating-electrode schemes (7 and 8) share in summing
// their sweeps: when the sweeps not yet summed may be left out.
#pragma once

#include <cmath>

// The terms of a sum over sweeps rise while the sweeps come nearer the point
// and fall once they move away; when they fall, the rest are judged by how
// fast they fall: if they went on falling as the last two sweeps fell from
// the two before them, all of them together would add less than 1e-4 of the
// sum. Sweeps alternate in direction, and a point off the axis feels the two
// directions differently, so the terms are compared in pairs, one sweep each
// way. A rule on the size of one term alone would stop a narrow oscillation,
// whose many short sweeps each add little, long before its sum is complete;
// and a term that adds exactly nothing says nothing of the terms after it:
// at a point deep below the surface the newest sweeps have not yet reached
// it (their terms are 0) while the older ones carry all its heat.
class SweepTail {
public:
    // Called with each term as it is added and the sum that includes it.
    bool negligible(double term, double sum)
    {
        last_[3] = last_[2];
        last_[2] = last_[1];
        last_[1] = last_[0];
        last_[0] = term;
        ++count_;
        if (count_ < 4) return false;
        const double pair = last_[0] + last_[1];
        const double before = last_[2] + last_[3];
        if (!(std::fabs(pair) < std::fabs(before))) return false;
        const double ratio = std::fabs(pair / before);
        return std::fabs(pair) * ratio / (1.0 - ratio) < tolerance * std::fabs(sum);
    }

private:
    static constexpr double tolerance = 1e-4;
    double last_[4] = {};
    int count_ = 0;
};
