// The "Attributes" page on the real main window: its registry values, the
// boxes and the mask, the mode list and its codes, the tab mark, and a
// search over files given chosen attributes.
#include "OptionPageFixture.h"
#include "PropAttributeIds.h"
#include "TempFolder.h"

namespace {

char const* const AttributesKey = "Software\\Hunterly\\Attributes";

// The boxes in the order of their flags' values.
struct FlagBox
{
    int id;
    unsigned flag;
};
FlagBox const Boxes[] = {
    {IDC_READONLY, 1},  {IDC_HIDDEN, 2},           {IDC_SYSTEMFILE, 4},
    {IDC_FOLDERS, 16},  {IDC_ARCHIVE, 32},         {IDC_ENCRYPTED, 64},
    {IDC_NORMAL, 128},  {IDC_TEMPORARYFILE, 256},  {IDC_COMPRESSED, 2048},
};

class PropAttributeTest : public OptionPageFixture<MainWindow::AttributesPage>
{
protected:
    void Click(int id) const { SendMessageA(Control(id), BM_CLICK, 0, 0); }
    void PickMode(int item) const { Pick(IDC_ATTRIBUTEOPTION, item); }
    int ModeItem() const { return Picked(IDC_ATTRIBUTEOPTION); }

    // The flags whose boxes are checked.
    unsigned Marks() const
    {
        unsigned marks = 0;
        for (FlagBox const& box : Boxes)
            if (SendMessageA(Control(box.id), BM_GETCHECK, 0, 0) == BST_CHECKED)
                marks |= box.flag;
        return marks;
    }

    // How many of the nine boxes are enabled.
    int Enabled() const
    {
        int enabled = 0;
        for (FlagBox const& box : Boxes)
            enabled += IsWindowEnabled(Control(box.id)) ? 1 : 0;
        return enabled;
    }
};

TEST_F(PropAttributeTest, SettingsComeBackNextRun)
{
    Put(AttributesKey, "Value", 0x22);
    Put(AttributesKey, "Option", 6);
    Open();
    EXPECT_EQ(0x22u, Criteria().attributeMask);
    EXPECT_EQ(6, Criteria().attributeMode);
    EXPECT_EQ(0x22u, Marks());
    EXPECT_EQ(4, ModeItem());
    EXPECT_EQ("Not having every one of these attributes", Text(Control(IDC_ATTRIBUTEOPTION)));
    EXPECT_EQ(9, Enabled());

    Click(IDC_SYSTEMFILE);
    PickMode(1);
    Command(IDM_EXIT);
    EXPECT_EQ(0x26ul, Stored(AttributesKey, "Value"));
    EXPECT_EQ(1ul, Stored(AttributesKey, "Option"));

    // Without Remember Settings the next run starts with no criterion.
    Open();
    EXPECT_EQ(0x26u, Criteria().attributeMask);
    Command(IDM_REMEMBER);
    Command(IDM_EXIT);
    EXPECT_EQ(0ul, Stored(AttributesKey, "Value"));
    EXPECT_EQ(0ul, Stored(AttributesKey, "Option"));
}

TEST_F(PropAttributeTest, ModeListAndItsCodes)
{
    // An unknown code shows as the first item and is kept until changed;
    // it is not 0, so the boxes stay usable.
    Put(AttributesKey, "Value", 5);
    Put(AttributesKey, "Option", 3);
    Open();
    EXPECT_EQ(0, ModeItem());
    EXPECT_EQ(5, SendMessageA(Control(IDC_ATTRIBUTEOPTION), CB_GETCOUNT, 0, 0));
    EXPECT_EQ(3, Criteria().attributeMode);

    int const codes[] = {0, 1, 5, 2, 6};
    for (int item = 4; item >= 0; --item) {
        SCOPED_TRACE(item);
        PickMode(item);
        EXPECT_EQ(codes[item], Criteria().attributeMode);
        // Off, the boxes keep their marks and the mask stays for later.
        EXPECT_EQ(item ? 9 : 0, Enabled());
        EXPECT_EQ(5u, Marks());
        EXPECT_EQ(5u, Criteria().attributeMask);
    }

    // Typing moves the selection to the first item sharing a character,
    // and the criteria follow it; a character no item has changes nothing.
    Type(IDC_ATTRIBUTEOPTION, "n");
    EXPECT_EQ(2, ModeItem());
    EXPECT_EQ(5, Criteria().attributeMode);
    Type(IDC_ATTRIBUTEOPTION, "x");
    EXPECT_EQ(2, ModeItem());
    EXPECT_EQ(5, Criteria().attributeMode);
    Type(IDC_ATTRIBUTEOPTION, "E");
    EXPECT_EQ(3, ModeItem());
    EXPECT_EQ(2, Criteria().attributeMode);
}

TEST_F(PropAttributeTest, BoxesFlipTheirFlagsAndActionsSetAll)
{
    MainWindow& main = Open();
    EXPECT_EQ(0, Enabled());
    for (int id : {IDC_SELECTALLATTRIBUTES, IDC_CLEARALLATTRIBUTES})
        EXPECT_NE(0, SendMessageA(Control(id), BM_GETIMAGE, IMAGE_ICON, 0)) << id;
    PickMode(1);
    Click(IDC_SELECTALLATTRIBUTES);
    EXPECT_EQ(2551u, Criteria().attributeMask);
    EXPECT_EQ(2551u, Marks());
    Click(IDC_HIDDEN);
    EXPECT_EQ(2549u, Criteria().attributeMask);
    Click(IDC_SYSTEMFILE);
    EXPECT_EQ(2545u, Criteria().attributeMask);
    EXPECT_EQ(2545u, Marks());
    Click(IDC_CLEARALLATTRIBUTES);
    EXPECT_EQ(0u, Criteria().attributeMask);
    EXPECT_EQ(0u, Marks());
    EXPECT_EQ(1, Criteria().attributeMode);
    Click(IDC_ENCRYPTED);
    Click(IDC_COMPRESSED);
    EXPECT_EQ(64u + 2048u, Criteria().attributeMask);

    // Left in use, the tab is marked; a change made elsewhere shows when
    // the page comes back.
    main.GetSheet().SetActivePage(MainWindow::FileNamesPage);
    EXPECT_EQ("Attributes*", TabLabel());
    Criteria().attributeMask = 0x10;
    Criteria().attributeMode = 0;
    main.GetSheet().SetActivePage(MainWindow::AttributesPage);
    EXPECT_EQ(0x10u, Marks());
    EXPECT_EQ(0, ModeItem());
    EXPECT_EQ(0, Enabled());
    main.GetSheet().SetActivePage(MainWindow::FileSizesPage);
    EXPECT_EQ("Attributes", TabLabel());
}

// Files given attributes; each mode set on the page finds exactly its own.
TEST_F(PropAttributeTest, SearchFindsTheChosenAttributes)
{
    TempFolder tree;
    ASSERT_TRUE(tree.isMade());
    struct
    {
        char const* name;
        DWORD attributes;
    } const files[] = {
        {"ro.txt", FILE_ATTRIBUTE_READONLY},
        {"hid.txt", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE},
        {"both.txt", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN},
        {"sys.txt", FILE_ATTRIBUTE_SYSTEM},
        {"plain.txt", FILE_ATTRIBUTE_ARCHIVE},
    };
    for (auto const& f : files) {
        ASSERT_TRUE(TempFolder::Put(tree.Path(f.name), f.name));
        ASSERT_TRUE(SetFileAttributesA(tree.Path(f.name).c_str(), f.attributes)) << f.name;
    }
    ASSERT_TRUE(CreateDirectoryA(tree.Path("sub").c_str(), nullptr));

    Open();
    Criteria().folders.InsertRight(DName(tree.Dir().c_str()));
    using Names = std::set<std::string>;
    PickMode(1);
    Click(IDC_READONLY);
    Click(IDC_HIDDEN);
    EXPECT_EQ((Names{"ro.txt", "hid.txt", "both.txt"}), Found());
    PickMode(3);
    EXPECT_EQ((Names{"both.txt"}), Found());
    PickMode(2);
    EXPECT_EQ((Names{"sys.txt", "plain.txt", "sub"}), Found());
    PickMode(4);
    EXPECT_EQ((Names{"ro.txt", "hid.txt", "sys.txt", "plain.txt", "sub"}), Found());
    Click(IDC_CLEARALLATTRIBUTES);
    Click(IDC_FOLDERS);
    PickMode(3);
    EXPECT_EQ((Names{"sub"}), Found());
    Click(IDC_FOLDERS);
    Click(IDC_SYSTEMFILE);
    EXPECT_EQ((Names{"sys.txt"}), Found());
    PickMode(0);
    EXPECT_EQ(6u, Found().size());
}

}
