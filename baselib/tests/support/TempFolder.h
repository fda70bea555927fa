// A fresh folder under the temporary path for one test, removed with its
// files afterwards, and whole-file byte access for checking stored forms.
#pragma once

#include <cstring>
#include <string>

class TempFolder
{
public:
    TempFolder();
    ~TempFolder();
    TempFolder(TempFolder const&) = delete;
    TempFolder& operator=(TempFolder const&) = delete;

    bool isMade() const;
    std::string const& Dir() const;
    std::string Path(char const* name) const;

    static bool Put(std::string const& path, std::string const& bytes);
    static std::string Get(std::string const& path);

private:
    std::string dir_;
    bool made_;
};

// Stored forms are little-endian 32-bit words and exact byte strings.
inline std::string Le32(unsigned v)
{
    return std::string(reinterpret_cast<char const*>(&v), 4);
}

inline unsigned Word(std::string const& bytes, size_t at)
{
    unsigned w = 0;
    std::memcpy(&w, bytes.data() + at, 4);
    return w;
}

// Every byte of a string type (DName), inner NULs included.
template <class Text>
std::string Bytes(Text const& text)
{
    return text.isEmpty() ? std::string() : std::string(text.Name(), text.Size());
}
