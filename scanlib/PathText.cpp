#include "PathText.h"

namespace PathText {

bool isSep(char c)
{
    return c == '\\' || c == '/';
}

unsigned RootLength(DName const& path)
{
    if (path(1) == ':')
        return isSep(path(2)) ? 3 : 0;
    if (!isSep(path(0)))
        return 0;
    if (!isSep(path(1)))
        return 1;
    // Past the server and the share.
    unsigned i = 2;
    for (unsigned parts = 0; i < path.Size() && parts < 2; ++i)
        parts += isSep(path[i]);
    return i;
}

bool isFullPath(DName const& path)
{
    return RootLength(path) > 1;
}

bool BeginsWith(DName const& text, DName const& prefix)
{
    if (prefix.Size() > text.Size())
        return false;
    for (unsigned i = 0; i < prefix.Size(); ++i) {
        if (DName::Lower(text[i]) != DName::Lower(prefix[i]))
            return false;
    }
    return true;
}

}  // namespace PathText
