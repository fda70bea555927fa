// The agreement beside the programs is what the installer can show whole: an
// edit field breaks lines only at CR LF, and the installer reads at most
// 12800 bytes of it.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string Agreement()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string name(path);
    name = name.substr(0, name.find_last_of('\\') + 1) + "eula.txt";
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(Agreement, FitsTheInstallersBufferWithWindowsLineEnds)
{
    std::string text = Agreement();
    ASSERT_FALSE(text.empty());
    EXPECT_LT(text.size(), 12800u);
    EXPECT_NE(std::string::npos, text.find("Hunterly"));
    for (size_t i = 0; i < text.size(); ++i)
    {
        unsigned char c = text[i];
        if (c == '\n')
            EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << "bare line feed at " << i;
        else if (c == '\r')
            EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "bare carriage return at " << i;
        else
            EXPECT_TRUE(c >= 0x20 && c < 0x7F) << "byte " << int(c) << " at " << i;
    }
}

}
