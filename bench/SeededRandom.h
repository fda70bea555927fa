// SeededRandom: a small deterministic generator (xoshiro256**, seeded
// through splitmix64), so that one seed always gives the same tree and the
// same records on every machine.
#pragma once

class SeededRandom
{
public:
    explicit SeededRandom(unsigned long long seed);

    unsigned long long Next();
    // 0 to n - 1; n must not be 0.
    unsigned Below(unsigned n);
    // lo to hi, both included.
    unsigned Between(unsigned lo, unsigned hi);
    bool Chance(unsigned percent);
    // [0, 1)
    double Unit();
    // Standard normal.
    double Normal();
    // Spread evenly over the orders of magnitude from lo to hi (lo > 0).
    unsigned long long LogUniform(unsigned long long lo, unsigned long long hi);

    // A seed for a separate stream, derived from this seed and an index:
    // one file's contents do not depend on how many numbers others drew.
    static unsigned long long Derive(unsigned long long seed,
                                     unsigned long long index);

private:
    unsigned long long s_[4];
};
