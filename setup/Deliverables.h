// Deliverables: the seven files of an installation, in the order the
// installer copies them and the uninstaller removes them.
#pragma once

class Deliverables
{
public:
    static constexpr unsigned Count = 7;
    // The first ones are the libraries that the programs run on.
    static constexpr unsigned Libraries = 4;
    // The uninstaller is the last one; it never removes itself.
    static constexpr unsigned Uninstaller = Count - 1;
    static char const* const Program;      // "hunterly.exe"
    static char const* const Help;         // "Hunterly.chm"

    // The name at i; i below Count.
    static char const* Name(unsigned i);
};
