// The small owned string that holds a FileOper's file name.
#pragma once

#include "BaselibApi.h"

class BASELIB_API ShortName
{
public:
    explicit ShortName(char const* text = nullptr);
    ~ShortName();

    // One owner per name: a FileOper never hands its name holder to another.
    ShortName(ShortName const&) = delete;
    ShortName& operator=(ShortName const&) = delete;

    // Replace the text with a copy; false and unchanged for null.
    bool Name(char const* text);
    bool operator=(char const* text);

    void Release();

    unsigned Size() const;
    // The text, null when empty.
    char const* operator&() const;
    char& operator[](unsigned const& i);
    char operator[](unsigned const& i) const;
    // Position of the first c, or -1.
    int Find(char c) const;

private:
    char* text_;
    unsigned size_;
};
