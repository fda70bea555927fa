// Times for the tests, built without the conversions under test.
#pragma once

#include <windows.h>

class TestTime
{
public:
    // A UTC time as a FILETIME.
    static FILETIME Utc(WORD year, WORD month, WORD day, WORD hour = 0,
                        WORD minute = 0, WORD second = 0, WORD ms = 0);
    // A broken-down time, taken as local by the code under test.
    static SYSTEMTIME Local(WORD year, WORD month, WORD day, WORD hour = 0,
                            WORD minute = 0, WORD second = 0, WORD ms = 0);
    // t moved by the given number of milliseconds.
    static FILETIME Shift(FILETIME const& t, long long ms);
    // Minutes that the zone's local file time lies behind UTC right now
    // (standard or daylight bias, whichever is in force today).
    static int BiasMinutes();
    static SYSTEMTIME Broken(FILETIME const& t);
};
