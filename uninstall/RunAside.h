// RunAside: the uninstaller runs on libraries that lie in the folder it
// empties, and a library in use cannot be removed. So it first copies
// itself and its libraries to a folder of its own among the temporary
// files and goes on from there.
#pragma once

class RunAside
{
public:
    // True when this process is to do the work: it runs aside already, or
    // no copy could be made or started (then it works from where it
    // stands). False when the copy was started and this process must end.
    // The copy starts in the current folder of this one.
    static bool Start();

private:
    static bool CopyTo(char const* from, char const* to);
};
