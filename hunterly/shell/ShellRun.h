// ShellRun: opens a file, or starts a program, with the shell's default
// action and its window shown normally. One replaceable function does it,
// so that tests can see what would be opened without opening it.
#pragma once

#include "DName.h"

class ShellRun
{
public:
    typedef bool (*OpenFunction)(char const* file, char const* folder);

    // Null puts the shell back; answers the function before.
    static OpenFunction SetOpen(OpenFunction open);
    // folder, when given, is the working folder of what is started.
    static bool Open(DName const& file, DName const& folder = DName());
};
