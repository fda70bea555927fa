#include "MemoryProbe.h"

#include "SyntheticResults.h"

#include "DFileLoad.h"

#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>

namespace {

char const* const Format = "memory-probe peak %llu before %llu results %llu "
                           "path-chars %llu";

bool WorkingSet(unsigned long long& now, unsigned long long& peak)
{
    PROCESS_MEMORY_COUNTERS pmc;
    pmc.cb = sizeof pmc;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc))
        return false;
    now = pmc.WorkingSetSize;
    peak = pmc.PeakWorkingSetSize;
    return true;
}

} // namespace

int MemoryProbe::RunChild(unsigned count, unsigned long long seed)
{
    unsigned long long before = 0, peak = 0;
    if (!WorkingSet(before, peak))
        return 1;
    DFileLoad list;
    SyntheticResults records(seed);
    if (!records.Fill(list, count) || list.Size() != count)
        return 2;
    unsigned long long now = 0;
    if (!WorkingSet(now, peak))
        return 1;
    std::printf(Format, peak, before, (unsigned long long)list.Size(),
                records.PathChars());
    std::printf("\n");
    std::fflush(stdout);
    return 0;
}

bool MemoryProbe::Measure(unsigned count, unsigned long long seed,
                          Figures& out)
{
    char self[MAX_PATH];
    if (!GetModuleFileNameA(nullptr, self, sizeof self))
        return false;
    std::string command = std::string("\"") + self + "\" --memory-probe " +
                          std::to_string(count) + " --seed " +
                          std::to_string(seed);

    SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, TRUE};
    HANDLE readEnd, writeEnd;
    if (!CreatePipe(&readEnd, &writeEnd, &sa, 0))
        return false;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = writeEnd;
    si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION pi;
    BOOL const started = CreateProcessA(nullptr, &command[0], nullptr, nullptr,
                                        TRUE, 0, nullptr, nullptr, &si, &pi);
    CloseHandle(writeEnd);
    if (!started) {
        CloseHandle(readEnd);
        return false;
    }
    std::string text;
    char buffer[256];
    DWORD got = 0;
    while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got)
        text.append(buffer, got);
    CloseHandle(readEnd);
    WaitForSingleObject(pi.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    if (code != 0)
        return false;
    std::string::size_type const at = text.find("memory-probe");
    return at != std::string::npos &&
           std::sscanf(text.c_str() + at, Format, &out.peak, &out.before,
                       &out.results, &out.pathChars) == 4;
}
