// ShellRun: opens a file, or starts a program, with the shell's default
// action or one of its verbs, its window shown normally. The shell is asked
// to show no box of its own: a file it cannot open is the caller's to
// report. Two replaceable functions do it, so that tests can see what
// would be opened without opening it.
#pragma once

#include "DName.h"

class ShellRun
{
public:
    typedef bool (*OpenFunction)(char const* file, char const* folder);
    typedef bool (*VerbFunction)(char const* verb, char const* file);

    // Null puts the shell back; answers the function before.
    static OpenFunction SetOpen(OpenFunction open);
    static VerbFunction SetVerb(VerbFunction verb);
    // folder, when given, is the working folder of what is started.
    static bool Open(DName const& file, DName const& folder = DName());
    // "open" runs the file's registered command; any other verb is the
    // one of the file's context menu ("properties").
    static bool Verb(char const* verb, DName const& file);
};
