// Saving through a temporary file: the target is replaced whole or keeps
// its old bytes, and no temporary file stays behind, also when the disk
// fills midway or the target cannot be replaced.
#include "SafeFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "SmallDisk.h"
#include "TempFolder.h"

namespace {

// The names of the files in a folder.
std::vector<std::string> Files(std::string const& dir)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA fd;
    HANDLE const h = FindFirstFileA((dir + "\\*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(fd.cFileName);
    } while (FindNextFileA(h, &fd));
    FindClose(h);
    std::sort(names.begin(), names.end());
    return names;
}

// Writes bytes in blocks as the savers do; false at the first failed block.
bool WriteAll(FileOper& f, std::string const& bytes)
{
    for (size_t at = 0; at < bytes.size(); at += 4000) {
        std::string const block = bytes.substr(at, 4000);
        if (!f.Write(block.data(), static_cast<unsigned long>(block.size())))
            return false;
    }
    return true;
}

class SafeFileTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(folder.isMade()); }

    TempFolder folder;
    std::string const target = folder.Path("kept.dat");
};

TEST_F(SafeFileTest, CommitReplacesTheTargetWhole)
{
    ASSERT_TRUE(TempFolder::Put(target, "old bytes"));
    {
        SafeFile save;
        ASSERT_TRUE(save.Create(target.c_str()));
        // The temporary file lies beside the target until the commit.
        EXPECT_EQ(2u, Files(folder.Dir()).size());
        ASSERT_TRUE(WriteAll(save.GetFile(), "new"));
        EXPECT_EQ("old bytes", TempFolder::Get(target));
        EXPECT_TRUE(save.Commit());
        // Committed once: a second commit has nothing to put in place.
        EXPECT_FALSE(save.Commit());
    }
    EXPECT_EQ("new", TempFolder::Get(target));
    EXPECT_EQ(std::vector<std::string>{"kept.dat"}, Files(folder.Dir()));

    // A new file, by a name without a folder: it lands in the current one.
    char saved[MAX_PATH];
    ASSERT_TRUE(GetCurrentDirectoryA(MAX_PATH, saved));
    ASSERT_TRUE(SetCurrentDirectoryA(folder.Dir().c_str()));
    SafeFile bare;
    bool const made = bare.Create("bare.dat") && WriteAll(bare.GetFile(), "b") && bare.Commit();
    SetCurrentDirectoryA(saved);
    EXPECT_TRUE(made);
    EXPECT_EQ("b", TempFolder::Get(folder.Path("bare.dat")));
}

TEST_F(SafeFileTest, ReadOnlyTargetIsReplacedAsBefore)
{
    ASSERT_TRUE(TempFolder::Put(target, "old"));
    ASSERT_TRUE(SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
    SafeFile save;
    ASSERT_TRUE(save.Create(target.c_str()) && WriteAll(save.GetFile(), "newer"));
    ASSERT_TRUE(save.Commit());
    EXPECT_EQ("newer", TempFolder::Get(target));
    // The new file is an ordinary one, as a file made anew always was.
    DWORD const now = GetFileAttributesA(target.c_str());
    EXPECT_FALSE(now & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN)) << now;
}

TEST_F(SafeFileTest, UncommittedOrFailedSavesLeaveTheOldFile)
{
    ASSERT_TRUE(TempFolder::Put(target, "old bytes"));
    {
        // Given up, or never committed.
        SafeFile dropped;
        ASSERT_TRUE(dropped.Create(target.c_str()) && WriteAll(dropped.GetFile(), "x"));
        dropped.Discard();
        SafeFile forgotten;
        ASSERT_TRUE(forgotten.Create(target.c_str()) && WriteAll(forgotten.GetFile(), "y"));
    }
    EXPECT_EQ("old bytes", TempFolder::Get(target));
    EXPECT_EQ(std::vector<std::string>{"kept.dat"}, Files(folder.Dir()));

    // The target is held open elsewhere: the move fails, and a read-only
    // target keeps its protection.
    ASSERT_TRUE(SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY));
    DWORD const protection = GetFileAttributesA(target.c_str());
    ASSERT_TRUE(protection & FILE_ATTRIBUTE_READONLY);
    {
        FileOper holder;
        ASSERT_TRUE(holder.Open(target.c_str(), false, false));
        SafeFile save;
        ASSERT_TRUE(save.Create(target.c_str()) && WriteAll(save.GetFile(), "new"));
        EXPECT_FALSE(save.Commit());
    }
    EXPECT_EQ("old bytes", TempFolder::Get(target));
    EXPECT_EQ(protection, GetFileAttributesA(target.c_str()));
    EXPECT_EQ(std::vector<std::string>{"kept.dat"}, Files(folder.Dir()));

    // No folder to put a temporary file in, or no name at all.
    SafeFile nowhere;
    EXPECT_FALSE(nowhere.Create(folder.Path("missing\\x.dat").c_str()));
    EXPECT_FALSE(nowhere.Create(""));
    EXPECT_FALSE(nowhere.Create(nullptr));
    EXPECT_FALSE(nowhere.Commit());
}

TEST_F(SafeFileTest, DiskFullMidwayLeavesTheOldFile)
{
    SmallDisk disk;
    if (!disk.isMade())
        GTEST_SKIP() << "no small disk was mounted for this run";
    std::string const kept = disk.Path("kept.dat");
    std::string const old(3000, 'o');
    ASSERT_TRUE(TempFolder::Put(kept, old));
    ASSERT_TRUE(disk.Fill(16 * 1024));
    unsigned long long const room = disk.Free();
    ASSERT_GT(room, 0u);
    ASSERT_LT(room, 64u * 1024);

    SafeFile save;
    ASSERT_TRUE(save.Create(kept.c_str()));
    // Some blocks go in, then the disk is full.
    EXPECT_TRUE(save.GetFile().Write("start", 5));
    EXPECT_FALSE(WriteAll(save.GetFile(), std::string(128 * 1024, 'n')));
    save.Discard();
    EXPECT_EQ(old, TempFolder::Get(kept));
    EXPECT_EQ(room, disk.Free());
    EXPECT_EQ((std::vector<std::string>{"filler", "kept.dat"}), Files(disk.Dir()));
}

}  // namespace
