#include "Stopwatch.h"

Stopwatch::Stopwatch()
{
    QueryPerformanceFrequency(&frequency_);
    Restart();
}

void Stopwatch::Restart()
{
    QueryPerformanceCounter(&start_);
}

double Stopwatch::Seconds() const
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return double(now.QuadPart - start_.QuadPart) / double(frequency_.QuadPart);
}
