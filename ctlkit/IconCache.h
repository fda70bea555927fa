// IconCache: the image that each kind of icon got in a virtual list's image
// lists, so that painting a row asks the shell only about a kind it has not
// met since the lists were made.
#pragma once

#include <string>
#include <unordered_map>

class IconCache
{
public:
    // A file's kind: its extension, or "folder". Files of the types that
    // carry their own icons (programs, icons, shortcuts) are each a kind.
    static std::string Key(char const* path, bool folder);
    bool Find(std::string const& key, int& image) const;
    void Remember(std::string const& key, int image);
    void Clear();

private:
    std::unordered_map<std::string, int> images;
};
