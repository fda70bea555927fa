#include "TestTime.h"

FILETIME TestTime::Utc(WORD year, WORD month, WORD day, WORD hour, WORD minute,
                       WORD second, WORD ms)
{
    SYSTEMTIME const s = Local(year, month, day, hour, minute, second, ms);
    FILETIME t = {0, 0};
    SystemTimeToFileTime(&s, &t);
    return t;
}

SYSTEMTIME TestTime::Local(WORD year, WORD month, WORD day, WORD hour,
                           WORD minute, WORD second, WORD ms)
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

FILETIME TestTime::Shift(FILETIME const& t, long long ms)
{
    ULARGE_INTEGER v;
    v.LowPart = t.dwLowDateTime;
    v.HighPart = t.dwHighDateTime;
    v.QuadPart += ms * 10000;
    FILETIME out;
    out.dwLowDateTime = v.LowPart;
    out.dwHighDateTime = v.HighPart;
    return out;
}

int TestTime::BiasMinutes()
{
    TIME_ZONE_INFORMATION tz;
    DWORD const id = GetTimeZoneInformation(&tz);
    return int(tz.Bias) +
           int(id == TIME_ZONE_ID_DAYLIGHT ? tz.DaylightBias : tz.StandardBias);
}

SYSTEMTIME TestTime::Broken(FILETIME const& t)
{
    SYSTEMTIME s = {};
    FileTimeToSystemTime(&t, &s);
    return s;
}
