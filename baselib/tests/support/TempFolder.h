// A fresh folder under the temporary path for one test, removed with its
// files afterwards, and whole-file byte access for checking stored forms.
#pragma once

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
