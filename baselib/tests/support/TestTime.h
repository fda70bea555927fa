// Times for the tests, built without the conversions under test.
#pragma once

#include <windows.h>

struct TestTime
{
    // A broken-down time, taken as local by the code under test.
    static SYSTEMTIME Local(WORD year, WORD month, WORD day, WORD hour = 0, WORD minute = 0,
                            WORD second = 0, WORD ms = 0)
    {
        SYSTEMTIME s = {};
        s.wYear = year;
        s.wMonth = month;
        s.wDay = day;
        s.wHour = hour;
        s.wMinute = minute;
        s.wSecond = second;
        s.wMilliseconds = ms;
        return s;
    }

    // A UTC time as a FILETIME.
    static FILETIME Utc(WORD year, WORD month, WORD day, WORD hour = 0, WORD minute = 0,
                        WORD second = 0, WORD ms = 0)
    {
        SYSTEMTIME const s = Local(year, month, day, hour, minute, second, ms);
        FILETIME t = {0, 0};
        SystemTimeToFileTime(&s, &t);
        return t;
    }

    // t moved by the given number of milliseconds.
    static FILETIME Shift(FILETIME const& t, long long ms)
    {
        ULARGE_INTEGER v;
        v.LowPart = t.dwLowDateTime;
        v.HighPart = t.dwHighDateTime;
        v.QuadPart += ms * 10000;
        return FILETIME{v.LowPart, v.HighPart};
    }

    // Minutes that the zone's local file time lies behind UTC right now
    // (standard or daylight bias, whichever is in force today).
    static int BiasMinutes()
    {
        TIME_ZONE_INFORMATION tz;
        DWORD const id = GetTimeZoneInformation(&tz);
        return int(tz.Bias) + int(id == TIME_ZONE_ID_DAYLIGHT ? tz.DaylightBias : tz.StandardBias);
    }

    static SYSTEMTIME Broken(FILETIME const& t)
    {
        SYSTEMTIME s = {};
        FileTimeToSystemTime(&t, &s);
        return s;
    }
};
