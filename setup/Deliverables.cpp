#include "Deliverables.h"

namespace {

char const* const Names[Deliverables::Count] = {
    "ctlkit.dll", "scanlib.dll",  "baselib.dll",   "reglib.dll",
    "hunterly.exe", "Hunterly.chm", "Uninstall.exe",
};

}

char const* const Deliverables::Program = Names[4];
char const* const Deliverables::Help = Names[5];

char const* Deliverables::Name(unsigned i)
{
    return Names[i];
}
