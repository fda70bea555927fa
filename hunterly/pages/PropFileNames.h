// PropFileNames: the "File Names" page. The user builds the criteria's
// lists of name patterns and starting folders here, each shown in an item
// list of the page's own tabbed area, and sets the switches for sub-folders,
// the entire current drive and all drives. The drive switches add their
// roots to the folders list and keep them apart (the added roots), so that
// clearing a switch takes out what it put in.
#pragma once

#include "Container.h"
#include "DButton.h"
#include "DFileLoad.h"
#include "DPropertySheet.h"
#include "OptionPage.h"
#include "View.h"

class PropFileNames : public OptionPage
{
public:
    // Entries per stored list.
    static unsigned const MaxStored = 65534;
    // The tabs of the item lists.
    enum
    {
        NamesTab,
        FoldersTab,
    };

    PropFileNames();

    void Reset() override;
    Container<DName> const& GetAddedRoots() const;
    // The tabbed area of the two item lists.
    DPropertySheet& GetItemLists();
    // The name under which entry index of a list is stored: the prefix and
    // the index as four hexadecimal digits.
    static DName ValueName(char const* prefix, unsigned index);

protected:
    void Load(DReg& key) override;
    void Save(DReg& key, bool remember) const override;
    void InitControls() override;
    void Show() override;
    bool isInUse() const override;

    bool OnCommand(unsigned id, unsigned code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;
    bool PreTranslateMessage(MSG& msg) override;

private:
    void MakeLists();
    void Refresh();
    void ShowList(unsigned tab);

    void OnAddName();
    void OnClearNames();
    void OnAddFolder();
    void OnBrowse();
    void OnClearFolders();
    void OnSubfolders();
    void OnEntireDrive();
    void OnAllDrives();
    void WithdrawRoots();
    bool AddRoot(DName const& root);

    bool isIn(HWND window, int id) const;

    Container<DName> addedRoots;
    DFileLoad dirs;             // the folder browser and the current folder
    DPropertySheet lists;
    View nameList;
    View folderList;
    DButton browseButton;       // owns the shell's folder icon
};
