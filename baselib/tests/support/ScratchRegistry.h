// The current user of a test process: a scratch key below the real one,
// made when the run starts and removed with everything in it when the run
// ends. HKEY_CURRENT_USER points at it for the whole process, so the product
// still opens "Software\Hunterly" under the current user and a run on a real
// Windows machine never reaches the user's own settings.
#pragma once

#include <windows.h>

#include <string>

class ScratchRegistry
{
public:
    ScratchRegistry();
    ~ScratchRegistry();
    ScratchRegistry(ScratchRegistry const&) = delete;
    ScratchRegistry& operator=(ScratchRegistry const&) = delete;

    // True when HKEY_CURRENT_USER is redirected.
    bool isActive() const;

    // Empties the scratch key: each test starts with no settings.
    void Clear() const;

    // The scratch key's path below the real current user, and the one that
    // is redirected now (null when none is).
    std::string const& Path() const;
    static ScratchRegistry const* Current();

private:
    std::string path_;
    HKEY key_;
    bool active_;
};
