// Stopwatch: elapsed wall-clock time from the performance counter.
#pragma once

#include <windows.h>

class Stopwatch
{
public:
    Stopwatch();
    void Restart();
    double Seconds() const;

private:
    LARGE_INTEGER start_;
    LARGE_INTEGER frequency_;
};
