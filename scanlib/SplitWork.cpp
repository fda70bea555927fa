#include "SplitWork.h"

namespace {

unsigned Processors()
{
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    return info.dwNumberOfProcessors;
}

}  // namespace

bool SplitWork::isSplit(unsigned n)
{
    static unsigned const processors = Processors();
    return n >= Many && processors > 1;
}
