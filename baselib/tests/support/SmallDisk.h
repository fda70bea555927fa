// SmallDisk: the disk of a few hundred KiB that the test program's fixture
// mounts (cmake/small-disk.sh), to be filled so that a save runs out of
// room midway. Where the machine did not allow the mount, isMade is false
// and the test skips itself.
#pragma once

#include <string>

class SmallDisk
{
public:
    SmallDisk();
    // Every file on it goes, so that the next test finds it empty.
    ~SmallDisk();
    SmallDisk(SmallDisk const&) = delete;
    SmallDisk& operator=(SmallDisk const&) = delete;

    bool isMade() const;
    std::string const& Dir() const;
    std::string Path(char const* name) const;
    // A filler file takes the free room but about leave bytes.
    bool Fill(unsigned long leave);
    unsigned long long Free() const;

private:
    std::string dir_;
};
