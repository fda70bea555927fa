#include "ShortName.h"

#include <cstdlib>
#include <cstring>

ShortName::ShortName(char const* text) : text_(nullptr), size_(0)
{
    Name(text);
}

ShortName::~ShortName()
{
    Release();
}

bool ShortName::Name(char const* text)
{
    if (!text)
        return false;
    size_t const n = strlen(text);
    if (n == 0) {
        Release();
        return true;
    }
    // Copy before freeing: text may be this name's own buffer (Reopen).
    char* copy = static_cast<char*>(malloc(n + 1));
    if (!copy)
        return false;
    memcpy(copy, text, n + 1);
    Release();
    text_ = copy;
    size_ = static_cast<unsigned>(n);
    return true;
}

bool ShortName::operator=(char const* text)
{
    return Name(text);
}

void ShortName::Release()
{
    free(text_);
    text_ = nullptr;
    size_ = 0;
}

unsigned ShortName::Size() const
{
    return size_;
}

char const* ShortName::operator&() const
{
    return text_;
}

char& ShortName::operator[](unsigned const& i)
{
    return text_[i];
}

char ShortName::operator[](unsigned const& i) const
{
    return text_[i];
}

int ShortName::Find(char c) const
{
    if (!text_)
        return -1;
    char const* p = static_cast<char const*>(memchr(text_, c, size_));
    return p ? static_cast<int>(p - text_) : -1;
}
