// DReg against the real registry, under a key of its own below the current
// user, which the test programs redirect to a scratch key.
#include <gtest/gtest.h>

#include <string>

#include "DReg.h"
#include "ScratchRegistry.h"
#include "TempFolder.h"

namespace {

char const* const TestKey = "Software\\HunterlyRegTest";
char const* const Missing = "Software\\HunterlyRegTest\\missing";

class DRegTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(reg.Create(HKEY_CURRENT_USER, TestKey)); }

    // Writes raw bytes past DReg, to set up values it would never write.
    void PutRaw(char const* name, DWORD valueType, void const* data, DWORD size)
    {
        HKEY key;
        ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyA(HKEY_CURRENT_USER, TestKey, &key));
        ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key, name, 0, valueType,
                                                static_cast<BYTE const*>(data), size));
        RegCloseKey(key);
    }

    DReg reg;
};

TEST_F(DRegTest, TestsNeverReachTheUsersOwnKeys)
{
    // Written under the current user, the value lands in the scratch key
    // below the real one; the real current user has no such key.
    ASSERT_TRUE(reg.SetDwordValue("v", 7));
    reg.Close();
    ScratchRegistry const* scratch = ScratchRegistry::Current();
    ASSERT_NE(nullptr, scratch);
    ASSERT_EQ(ERROR_SUCCESS, RegOverridePredefKey(HKEY_CURRENT_USER, nullptr));
    bool const inRealKey = DReg(HKEY_CURRENT_USER, TestKey, KEY_READ).isOpen();
    std::string const moved = scratch->Path() + "\\" + TestKey;
    unsigned long const value = DReg(HKEY_CURRENT_USER, moved.c_str(), KEY_READ).LoadKeyDword("v");
    HKEY back;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyA(HKEY_CURRENT_USER, scratch->Path().c_str(), &back));
    ASSERT_EQ(ERROR_SUCCESS, RegOverridePredefKey(HKEY_CURRENT_USER, back));
    RegCloseKey(back);
    EXPECT_FALSE(inRealKey);
    EXPECT_EQ(7ul, value);
    EXPECT_TRUE(DReg(HKEY_CURRENT_USER, TestKey, KEY_READ).isOpen());
}

TEST_F(DRegTest, TextRoundTripsWithoutTerminator)
{
    ASSERT_TRUE(reg.SetValue("text", "C:\\Data\\notes.txt", REG_SZ));
    EXPECT_EQ("C:\\Data\\notes.txt", Bytes(reg.LoadKeySz("text")));
    EXPECT_EQ(DWORD(REG_SZ), reg.GetKeyType());

    // Byte-exact: a NUL inside the text survives.
    DName withNul;
    withNul.Namen("a\0b", 3);
    ASSERT_TRUE(reg.SetValue("nul", withNul, REG_BINARY));
    EXPECT_EQ(std::string("a\0b", 3), Bytes(reg.LoadKeySz("nul")));

    // A value of zero bytes loads as empty, successfully.
    ASSERT_TRUE(reg.SetValue("empty", "", REG_SZ));
    EXPECT_TRUE(reg.LoadKeyValue("empty"));
    EXPECT_TRUE(reg.GetKeyValue().isEmpty());
    EXPECT_EQ(DWORD(REG_SZ), reg.GetKeyType());

    // A 100 KB text loads whole.
    std::string big(100 * 1024, 'x');
    big.back() = 'z';
    ASSERT_TRUE(reg.SetValue("big", big.c_str(), REG_SZ));
    EXPECT_EQ(big, Bytes(reg.LoadKeySz("big")));
}

TEST_F(DRegTest, MissingValueGivesFallbacks)
{
    ASSERT_TRUE(reg.SetValue("text", "yes", REG_SZ));
    ASSERT_TRUE(reg.LoadKeyValue("text"));

    // A failed load empties what the last load left.
    EXPECT_FALSE(reg.LoadKeyValue("missing"));
    EXPECT_TRUE(reg.GetKeyValue().isEmpty());
    EXPECT_EQ(DWORD(REG_NONE), reg.GetKeyType());
    EXPECT_FALSE(reg.isKeyValueYes() || reg.isKeyValueNo() || reg.isKeyValueOn() ||
                 reg.isKeyValueOff());

    EXPECT_TRUE(reg.LoadKeySz("missing").isEmpty() && reg.LoadKeyData("missing").isEmpty());
    EXPECT_EQ(0u, reg.LoadKeyDword("missing"));
    EXPECT_TRUE(reg.LoadKeyBool("missing", true));
    EXPECT_FALSE(reg.LoadKeyBool("missing", false) || reg.LoadKeyYesNo("missing"));
    EXPECT_EQ(0u, reg.GetRed() + reg.GetGreen() + reg.GetBlue());
    EXPECT_EQ(nullptr, reg.GetError());
}

TEST_F(DRegTest, DwordsOnOffAndWrongSizes)
{
    ASSERT_TRUE(reg.SetDwordValue("big", 0xDEADBEEF));
    EXPECT_EQ(0xDEADBEEFu, reg.LoadKeyDword("big"));

    ASSERT_TRUE(reg.SetDwordValue("one", 1));
    ASSERT_TRUE(reg.SetDwordValue("256", 256));
    EXPECT_TRUE(reg.LoadKeyBool("one", false));
    EXPECT_TRUE(reg.isKeyValueOn());
    // Only the low byte is tested.
    EXPECT_FALSE(reg.LoadKeyBool("256", true));
    EXPECT_TRUE(reg.isKeyValueOff());
    // A text "0" is on: its first byte is the digit, not 0.
    ASSERT_TRUE(reg.SetValue("digit", "0", REG_SZ));
    EXPECT_TRUE(reg.LoadKeyBool("digit", false));

    // A one-byte "DWORD": the missing bytes count as 0.
    unsigned char one = 0x7F;
    PutRaw("short", REG_BINARY, &one, 1);
    EXPECT_EQ(0x7Fu, reg.LoadKeyDword("short"));
    // A text read as a number gives its first four bytes.
    ASSERT_TRUE(reg.SetValue("text", "12345", REG_SZ));
    EXPECT_EQ(0x34333231u, reg.LoadKeyDword("text"));
    // A value of zero bytes is neither on nor off and holds no number.
    ASSERT_TRUE(reg.SetValue("empty", "", REG_BINARY));
    EXPECT_EQ(0u, reg.LoadKeyDword("empty"));
    EXPECT_FALSE(reg.LoadKeyBool("empty", true));
    EXPECT_FALSE(reg.isKeyValueOn() || reg.isKeyValueOff());
}

TEST_F(DRegTest, ColourFieldsAndTypeNames)
{
    struct { char const* text; unsigned red, green, blue; } const colours[] = {
        {"12 200 7", 12, 200, 7},
        {"1234 5 6", 123, 5, 6},     // a field stops after three characters
        {"7", 7, 0, 0},              // no second and third field
        {"x 9 y", 0, 9, 0},          // no digits read as 0
    };
    for (auto const& c : colours) {
        ASSERT_TRUE(reg.SetValue("colour", c.text, REG_SZ));
        ASSERT_TRUE(reg.LoadKeyValue("colour"));
        EXPECT_EQ(c.red, reg.GetRed()) << c.text;
        EXPECT_EQ(c.green, reg.GetGreen()) << c.text;
        EXPECT_EQ(c.blue, reg.GetBlue()) << c.text;
    }

    // A type without a name: the gap in the table and past its end.
    for (DWORD type : {DWORD(REG_DWORD_BIG_ENDIAN), DWORD(REG_QWORD)}) {
        ASSERT_TRUE(reg.SetValue("typed", "abcdefgh", type));
        ASSERT_TRUE(reg.LoadKeyValue("typed"));
        EXPECT_EQ(type, reg.GetKeyType());
        EXPECT_TRUE(reg.GetKeyTypes().Comp("N/A")) << type;
    }
}

TEST_F(DRegTest, EnumerationAndDeletion)
{
    ASSERT_TRUE(reg.SetValue("first", "1", REG_SZ));
    ASSERT_TRUE(reg.SetDwordValue("second", 2));
    std::string const child = std::string(TestKey) + "\\child";
    ASSERT_TRUE(DReg().Create(HKEY_CURRENT_USER, child.c_str()));
    ASSERT_TRUE(reg.Open(HKEY_CURRENT_USER, TestKey));
    EXPECT_EQ(2u, reg.GetMaxValues());
    EXPECT_EQ(1u, reg.GetMaxSubKeys());

    DName name;
    std::string names;
    for (unsigned long i = 0; reg.EnumValue(i, name); ++i)
        names += std::string(name.Name()) + ";";
    EXPECT_TRUE(names == "first;second;" || names == "second;first;") << names;
    ASSERT_TRUE(reg.EnumSubKey(0, name));
    EXPECT_TRUE(name.Comp("child"));
    EXPECT_FALSE(reg.EnumSubKey(1, name));

    // Empty names are refused before the registry is asked.
    EXPECT_FALSE(reg.DelKeyValue("") || DReg::DelKey(HKEY_CURRENT_USER, "") ||
                 DReg::DelKey(nullptr, child.c_str()));
    EXPECT_TRUE(reg.DelKeyValue("first"));
    EXPECT_FALSE(reg.DelKeyValue("first"));
    EXPECT_TRUE(reg.DelKey(HKEY_CURRENT_USER, child.c_str()));
    EXPECT_EQ(1u, reg.GetMaxValues());
    EXPECT_EQ(0u, reg.GetMaxSubKeys());
}

}
