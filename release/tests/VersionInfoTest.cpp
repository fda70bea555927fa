// Every deliverable beside this test carries the project's version number in
// its version information, under its own file name and with its own type.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "HunterlyVersion.h"

namespace {

std::string Beside(char const* name)
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1) + name;
}

bool Exists(std::string const& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class VersionInfo
{
public:
    explicit VersionInfo(std::string const& path)
    {
        DWORD handle = 0;
        DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
        if (size == 0)
            return;
        block.resize(size);
        if (!GetFileVersionInfoA(path.c_str(), 0, size, block.data()))
            block.clear();
    }

    bool isRead() const { return !block.empty(); }

    VS_FIXEDFILEINFO const* Fixed() const
    {
        void* value = nullptr;
        UINT length = 0;
        if (!isRead() || !VerQueryValueA(block.data(), "\\", &value, &length) ||
            length < sizeof(VS_FIXEDFILEINFO))
            return nullptr;
        return static_cast<VS_FIXEDFILEINFO const*>(value);
    }

    // A text of the string table the translation list names first.
    std::string Text(char const* name) const
    {
        void* value = nullptr;
        UINT length = 0;
        if (!isRead() || !VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", &value, &length) ||
            length < 4)
            return "";
        WORD const* translation = static_cast<WORD const*>(value);
        char query[96];
        wsprintfA(query, "\\StringFileInfo\\%04x%04x\\%s", translation[0], translation[1], name);
        if (!VerQueryValueA(block.data(), query, &value, &length) || length == 0)
            return "";
        return static_cast<char const*>(value);
    }

private:
    mutable std::vector<char> block;
};

struct Deliverable
{
    char const* name;
    bool program;
};

// The installer and the uninstaller are checked once they are built.
Deliverable const deliverables[] = {
    {"baselib.dll", false}, {"reglib.dll", false},   {"ctlkit.dll", false},     {"scanlib.dll", false},
    {"hunterly.exe", true}, {"setup.exe", true},     {"Uninstall.exe", true},
};

TEST(VersionInfo, EveryDeliverableCarriesTheVersion)
{
    int checked = 0;
    for (Deliverable const& d : deliverables)
    {
        std::string path = Beside(d.name);
        if (!Exists(path))
            continue;
        ++checked;
        SCOPED_TRACE(d.name);
        VersionInfo info(path);
        ASSERT_TRUE(info.isRead()) << "no version information";

        VS_FIXEDFILEINFO const* fixed = info.Fixed();
        ASSERT_NE(nullptr, fixed);
        EXPECT_EQ(0xFEEF04BDu, fixed->dwSignature);
        EXPECT_EQ(DWORD(MAKELONG(HUNTERLY_VERSION_MINOR, HUNTERLY_VERSION_MAJOR)), fixed->dwFileVersionMS);
        EXPECT_EQ(DWORD(MAKELONG(0, HUNTERLY_VERSION_PATCH)), fixed->dwFileVersionLS);
        EXPECT_EQ(fixed->dwFileVersionMS, fixed->dwProductVersionMS);
        EXPECT_EQ(fixed->dwFileVersionLS, fixed->dwProductVersionLS);
        EXPECT_EQ(DWORD(d.program ? VFT_APP : VFT_DLL), fixed->dwFileType);

        EXPECT_EQ(HUNTERLY_VERSION, info.Text("FileVersion"));
        EXPECT_EQ(HUNTERLY_VERSION, info.Text("ProductVersion"));
        EXPECT_EQ("Hunterly", info.Text("ProductName"));
        EXPECT_EQ(d.name, info.Text("OriginalFilename"));
        EXPECT_NE("", info.Text("FileDescription"));
    }
    // The libraries and the program are always built.
    EXPECT_GE(checked, 5);
}

TEST(VersionInfo, AFileWithoutVersionInformationReadsAsNone)
{
    // The test program itself carries none, so the check above cannot pass
    // on a file that lacks it.
    EXPECT_FALSE(VersionInfo(Beside("release_tests.exe")).isRead());
    EXPECT_FALSE(VersionInfo(Beside("missing.dll")).isRead());
}

}
