// ShellLink: a shortcut file made through the shell's link object.
#pragma once

#include "DName.h"

class ShellLink
{
public:
    // Writes file (a full path) pointing at target with the description;
    // false when any step fails, and then nothing more is tried.
    static bool Make(DName const& file, DName const& target, DName const& description);
};
