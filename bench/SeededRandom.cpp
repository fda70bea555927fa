#include "SeededRandom.h"

#include <cmath>

namespace {

unsigned long long SplitMix(unsigned long long& x)
{
    unsigned long long z = (x += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

unsigned long long Rotl(unsigned long long x, int k)
{
    return (x << k) | (x >> (64 - k));
}

} // namespace

SeededRandom::SeededRandom(unsigned long long seed)
{
    for (unsigned long long& s : s_)
        s = SplitMix(seed);
}

unsigned long long SeededRandom::Next()
{
    unsigned long long const result = Rotl(s_[1] * 5, 7) * 9;
    unsigned long long const t = s_[1] << 17;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = Rotl(s_[3], 45);
    return result;
}

unsigned SeededRandom::Below(unsigned n)
{
    // Multiply-shift: no modulo bias worth speaking of at these ranges.
    return unsigned(((Next() >> 32) * n) >> 32);
}

unsigned SeededRandom::Between(unsigned lo, unsigned hi)
{
    return lo + Below(hi - lo + 1);
}

bool SeededRandom::Chance(unsigned percent)
{
    return Below(100) < percent;
}

double SeededRandom::Unit()
{
    return double(Next() >> 11) * (1.0 / 9007199254740992.0);
}

double SeededRandom::Normal()
{
    // Box-Muller; the second value is thrown away to keep no state.
    double const u = 1.0 - Unit();
    double const v = Unit();
    return std::sqrt(-2.0 * std::log(u)) * std::cos(6.283185307179586 * v);
}

unsigned long long SeededRandom::LogUniform(unsigned long long lo,
                                            unsigned long long hi)
{
    double const a = std::log(double(lo));
    double const b = std::log(double(hi) + 1.0);
    unsigned long long const v =
        (unsigned long long)std::exp(a + (b - a) * Unit());
    return v < lo ? lo : v > hi ? hi : v;
}

unsigned long long SeededRandom::Derive(unsigned long long seed,
                                        unsigned long long index)
{
    unsigned long long x = seed ^ (index * 0xD1B54A32D192ED03ULL);
    SplitMix(x);
    return SplitMix(x);
}
