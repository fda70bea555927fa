#include "Sampler.h"

#include <algorithm>
#include <cstdio>

Sampler::Sampler(unsigned runs, unsigned warmups, bool verbose)
    : runs_(runs ? runs : 1), warmups_(warmups), verbose_(verbose)
{
}

unsigned Sampler::Runs() const
{
    return runs_;
}

double Sampler::Single(Case const& subject) const
{
    for (unsigned i = 0; i < warmups_; ++i)
        if (subject() < 0)
            return -1;
    std::vector<double> times;
    for (unsigned i = 0; i < runs_; ++i) {
        double const t = subject();
        if (t < 0)
            return -1;
        if (verbose_)
            std::printf("    round %u: %.3f s\n", i + 1, t);
        times.push_back(t);
    }
    return Median(times);
}

Sampler::Paired Sampler::Pair(Case const& subject, Case const& baseline) const
{
    Paired result = {-1, -1, -1, false};
    for (unsigned i = 0; i < warmups_; ++i)
        if (baseline() < 0 || subject() < 0)
            return result;
    std::vector<double> s, b, r;
    for (unsigned i = 0; i < runs_; ++i) {
        double ts, tb;
        if (i % 2) {
            ts = subject();
            tb = baseline();
        } else {
            tb = baseline();
            ts = subject();
        }
        if (ts < 0 || tb <= 0)
            return result;
        if (verbose_) {
            std::printf("    round %u: %.3f s / %.3f s = %.2f\n", i + 1, ts, tb,
                        ts / tb);
            std::fflush(stdout);
        }
        s.push_back(ts);
        b.push_back(tb);
        r.push_back(ts / tb);
    }
    result.subject = Median(s);
    result.baseline = Median(b);
    result.ratio = Median(r);
    result.ok = true;
    return result;
}

double Sampler::Median(std::vector<double> values)
{
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    size_t const n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}
