// Folder and file utilities, the current folder, and the file chooser's
// filter.
#include "DFileLoad.h"

#include <gtest/gtest.h>

#include <string>

#include "WalkTree.h"

namespace {

class Folders : public ::testing::Test
{
protected:
    DName At(std::string const& relative) const
    {
        return DName(tree_.Path(relative).c_str());
    }

    WalkTree tree_;
    DFileLoad load_;
};

TEST_F(Folders, MakeEnterAndRemove)
{
    // Every missing folder, entering the last; again when all exist.
    ASSERT_TRUE(load_.MakeDir(At("one/two\\three")));
    EXPECT_STREQ(tree_.Path("one\\two\\three").c_str(), load_.GetDir().Name());
    ASSERT_TRUE(load_.MakeDir(At("one\\two\\three")));
    // Relative to the current folder; a trailing separator is dropped.
    ASSERT_TRUE(load_.MakeDir(DName("four\\five")));
    EXPECT_STREQ(tree_.Path("one\\two\\three\\four\\five").c_str(), load_.GetDir().Name());
    ASSERT_TRUE(load_.MakeSingleDir(At("six\\")));
    EXPECT_STREQ(tree_.Path("six").c_str(), load_.GetDir().Name());
    EXPECT_FALSE(load_.MakeSingleDir(DName()));

    // Removal works on the last folder, relative to the current one.
    ASSERT_TRUE(load_.ChangeDir(DName(tree_.Dir().c_str())));
    EXPECT_TRUE(load_.RemoveDir(At("six")));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(tree_.Path("six").c_str()));
    EXPECT_FALSE(load_.RemoveDir(DName("nosep")));

    // A read-only file goes; a folder by way of RemoveDir; nothing missing.
    ASSERT_TRUE(tree_.File("ro.txt", "x"));
    ASSERT_TRUE(SetFileAttributesA(tree_.Path("ro.txt").c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_TRUE(load_.Remove(At("ro.txt")));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(tree_.Path("ro.txt").c_str()));
    ASSERT_TRUE(load_.ChangeDir(At("one\\two\\three\\four")));
    EXPECT_TRUE(load_.Remove(At("one\\two\\three\\four\\five")));
    EXPECT_FALSE(load_.Remove(At("absent.txt")));
    EXPECT_FALSE(load_.Remove(DName()));
}

TEST_F(Folders, CurrentFolder)
{
    DName const start = load_.GetDir();
    EXPECT_FALSE(load_.ChangeDir(DName()));
    EXPECT_TRUE(load_.GetDir().Comp(start));
    EXPECT_FALSE(load_.ChangeDir(At("missing")));
    load_.StoreCurrentDir();
    ASSERT_TRUE(load_.ChangeDir(DName(tree_.Dir().c_str())));
    EXPECT_TRUE(load_.RestoreDir());
    EXPECT_TRUE(load_.GetDir().Comp(start));
    load_.StoreCurrentDir(DName(tree_.Dir().c_str()));
    EXPECT_TRUE(load_.RestoreDir());
    EXPECT_STREQ(tree_.Dir().c_str(), load_.GetDir().Name());

    // Free space in units of 64 KiB on the current drive.
    ULARGE_INTEGER free;
    ASSERT_TRUE(GetDiskFreeSpaceExA(tree_.Dir().substr(0, 3).c_str(), &free, nullptr, nullptr));
    double const expected = double(free.QuadPart / 65536);
    EXPECT_NEAR(expected, double(load_.GetDiskFreeSpaceA()), expected / 100 + 16);
}

TEST_F(Folders, PathTests)
{
    ASSERT_TRUE(tree_.File("f.txt"));
    EXPECT_TRUE(DFileLoad::isDir(DName(tree_.Dir().c_str())));
    EXPECT_FALSE(DFileLoad::isDir(At("f.txt")));
    EXPECT_TRUE(DFileLoad::isFile(At("f.txt")));
    // A missing path counts as a folder; an empty one as neither.
    EXPECT_TRUE(DFileLoad::isDir(At("missing")));
    EXPECT_FALSE(DFileLoad::isDir(DName()));

    // isFolder asks for an existing folder, and leaves the current folder.
    DName const here = load_.GetDir();
    EXPECT_TRUE(DFileLoad::isFolder(DName(tree_.Dir().c_str())));
    EXPECT_FALSE(DFileLoad::isFolder(At("f.txt")));
    EXPECT_FALSE(DFileLoad::isFolder(At("missing")));
    EXPECT_FALSE(DFileLoad::isFolder(DName()));
    EXPECT_TRUE(load_.GetDir().Comp(here));

    EXPECT_TRUE(DFileLoad::isSubDir(DName("C:\\Data"), DName("c:\\data\\Old\\x")));
    EXPECT_TRUE(DFileLoad::isSubDir(DName("C:\\Data\\"), DName("\\data")));
    EXPECT_FALSE(DFileLoad::isSubDir(DName("C:\\Data"), DName("C:\\Database")));
    EXPECT_FALSE(DFileLoad::isSubDir(DName("C:\\Data"), DName("D:\\Data\\x")));
    EXPECT_FALSE(DFileLoad::isSubDir(DName("C:\\Data\\x"), DName("C:\\Data")));
}

TEST(Drives, ReadyDrivesAreProbedQuietly)
{
    DFileLoad load;
    DName const here = load.GetDir();
    DWORD const modeBefore = GetThreadErrorMode();
    // The prefix maps C: and Z:; no drive past Z: or before A:.
    EXPECT_TRUE(DFileLoad::isDriveReady(3));
    EXPECT_TRUE(DFileLoad::isDriveReady(26));
    EXPECT_FALSE(DFileLoad::isDriveReady(0));
    EXPECT_FALSE(DFileLoad::isDriveReady(27));
    DWORD const drives = GetLogicalDrives();
    for (unsigned number = 1; number <= 26; ++number) {
        if (!(drives >> (number - 1) & 1)) {
            EXPECT_FALSE(DFileLoad::isDriveReady(number)) << number;
        }
    }
    // The system's error boxes are as they were, and so is the current folder.
    EXPECT_EQ(modeBefore, GetThreadErrorMode());
    EXPECT_TRUE(load.GetDir().Comp(here));
}

TEST(Browse, FilterRunsToItsClosingPairOfNuls)
{
    DFileLoad load;
    char const filter[] = "Results *.hur\0*.hur\0All *.*\0*.*\0\0after";
    load.SetBrowseFilter(filter);
    EXPECT_EQ(std::string(filter, 33), Bytes(load.GetBrowseFilter()));
    load.SetBrowseFilter("");
    EXPECT_TRUE(load.GetBrowseFilter().isEmpty());
}

}  // namespace
