// Sampler: runs a case once to warm up (caches, the page cache, wine's own
// tables), then several times, and keeps the median. Paired cases run the
// subject and its baseline back to back in every round, in alternating
// order, so that a slow moment of the machine hits both; the ratio is taken
// per round and its median reported.
#pragma once

#include <functional>
#include <vector>

class Sampler
{
public:
    // A case returns its seconds, or a negative number when it failed.
    using Case = std::function<double()>;

    struct Paired
    {
        double subject;    // medians, seconds
        double baseline;
        double ratio;      // median of subject / baseline per round
        bool ok;
    };

    // verbose: every round's times are printed as they come.
    Sampler(unsigned runs, unsigned warmups, bool verbose = false);

    unsigned Runs() const;

    // Median seconds; negative when any run failed.
    double Single(Case const& subject) const;
    Paired Pair(Case const& subject, Case const& baseline) const;

    static double Median(std::vector<double> values);

private:
    unsigned runs_;
    unsigned warmups_;
    bool verbose_;
};
