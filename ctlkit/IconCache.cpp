#include "IconCache.h"

#include <cctype>
#include <cstring>

namespace {

char const* const ownIcons[] = {"exe", "ico", "lnk", "cur", "ani", "scr", "icl"};
// Rows of programs could fill the cache one path at a time; past this it
// starts again.
std::size_t const mostKinds = 65536;

}

std::string IconCache::Key(char const* path, bool folder)
{
    if (folder)
        return "\\";
    char const* const name = std::strrchr(path, '\\');
    char const* const dot = std::strrchr(name ? name : path, '.');
    std::string type(dot ? dot + 1 : "");
    for (char& c : type)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (char const* own : ownIcons) {
        if (type == own)
            return path;
    }
    // A type's key starts with a dot: no folder key or full path looks like one.
    return "." + type;
}

bool IconCache::Find(std::string const& key, int& image) const
{
    auto const found = images.find(key);
    if (found == images.end())
        return false;
    image = found->second;
    return true;
}

void IconCache::Remember(std::string const& key, int image)
{
    if (images.size() >= mostKinds)
        images.clear();
    images[key] = image;
}

void IconCache::Clear()
{
    images.clear();
}
