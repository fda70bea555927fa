#include "PropAttribute.h"

#include "DButton.h"
#include "DCheckBox.h"
#include "DComboBox.h"
#include "DReg.h"
#include "DirectoryListingSpec.h"
#include "PropAttributeIds.h"
#include "Resource.h"

namespace {

struct Flag
{
    int id;
    unsigned value;
};

// The values are the engine's attribute bits; "Encrypted" is its 64.
Flag const Flags[] = {
    {IDC_READONLY, 1},  {IDC_HIDDEN, 2},           {IDC_SYSTEMFILE, 4},
    {IDC_FOLDERS, 16},  {IDC_ARCHIVE, 32},         {IDC_ENCRYPTED, 64},
    {IDC_NORMAL, 128},  {IDC_TEMPORARYFILE, 256},  {IDC_COMPRESSED, 2048},
};

struct Mode
{
    char const* text;
    unsigned char code;
};

// The list's order is not the codes' order: only the code is stored.
// 1 at least one flag, 2 every flag, 4 added the negation.
Mode const Modes[] = {
    {"Any file attributes", 0},
    {"One of these attributes", 1},
    {"Not containing one of these attributes", 5},
    {"Every one of these attributes", 2},
    {"Not having every one of these attributes", 6},
};
unsigned const ModeCount = sizeof Modes / sizeof Modes[0];

// The small image of an icon resource, shared: the buttons are small.
HICON SmallIcon(int id)
{
    return static_cast<HICON>(LoadImageA(DIBasics::GetAppResource(), MAKEINTRESOURCEA(id),
                                         IMAGE_ICON, 16, 16, LR_SHARED));
}

}

PropAttribute::PropAttribute() : OptionPage(IDD_ATTRIBUTES, 1, "Software\\Hunterly\\Attributes") {}

DirectoryListingSpec& PropAttribute::Criteria() const
{
    return *links.criteria;
}

void PropAttribute::Load(DReg& key)
{
    Criteria().attributeMask = key.LoadKeyDword("Value");
    Criteria().attributeMode = static_cast<unsigned char>(key.LoadKeyDword("Option"));
}

void PropAttribute::Save(DReg& key, bool remember) const
{
    key.SetDwordValue("Value", remember ? Criteria().attributeMask : 0);
    key.SetDwordValue("Option", remember ? Criteria().attributeMode : 0);
}

void PropAttribute::InitControls()
{
    static Tip const tips[] = {
        {IDC_READONLY, "Files that can only be read from and not written to"},
        {IDC_HIDDEN, "Files that are not visible in the explorer"},
        {IDC_SYSTEMFILE, "Files that are important to the operating system"},
        {IDC_FOLDERS, "Folders that are not accessed like files"},
        {IDC_ARCHIVE, "Special files often marked for backup or removal"},
        {IDC_ENCRYPTED, "Files that are known to be encrypted"},
        {IDC_NORMAL, "Files that have no other attributes"},
        {IDC_TEMPORARYFILE, "Files temporarily in use"},
        {IDC_COMPRESSED, "Files that are known to be compressed"},
        {IDC_ATTRIBUTEOPTION, "Select how to treat the attributes"},
        {IDC_SELECTALLATTRIBUTES, "Select all attributes"},
        {IDC_CLEARALLATTRIBUTES, "Clear all attributes"},
    };
    AddTips(tips);
    DButton buttons(GetWnd());
    buttons[IDC_SELECTALLATTRIBUTES].SetIcon(SmallIcon(IDI_SELECTALL), false);
    buttons[IDC_CLEARALLATTRIBUTES].SetIcon(SmallIcon(IDI_CLEARALL), false);
}

void PropAttribute::Show()
{
    CheckFlags();
    DComboBox modes(GetWnd(), IDC_ATTRIBUTEOPTION);
    modes.Reset();
    unsigned shown = 0;
    for (unsigned i = 0; i < ModeCount; ++i) {
        modes.Add(DName(Modes[i].text));
        if (Modes[i].code == Criteria().attributeMode)
            shown = i;
    }
    // An unknown code shows as the first item and stays until changed.
    modes.SetSel(shown);
    EnableFlags();
}

bool PropAttribute::isInUse() const
{
    return Criteria().attributeMode != 0;
}

bool PropAttribute::OnCommand(unsigned id, unsigned code, HWND control)
{
    if (!links.criteria)
        return OptionPage::OnCommand(id, code, control);
    for (Flag const& flag : Flags)
        if (static_cast<unsigned>(flag.id) == id && code == BN_CLICKED) {
            OnFlagClicked(flag.value);
            return true;
        }
    switch (id) {
    case IDC_SELECTALLATTRIBUTES:
        OnSetMask(AllFlags);
        return true;
    case IDC_CLEARALLATTRIBUTES:
        OnSetMask(0);
        return true;
    case IDC_ATTRIBUTEOPTION:
        if (code == CBN_SELCHANGE)
            OnModeChanged();
        else if (code == CBN_EDITCHANGE)
            OnModeTyped();
        return true;
    default:
        return OptionPage::OnCommand(id, code, control);
    }
}

// The box has changed its own mark; the mask follows by the same flip.
void PropAttribute::OnFlagClicked(unsigned flag)
{
    Criteria().attributeMask ^= flag;
}

void PropAttribute::OnSetMask(unsigned mask)
{
    Criteria().attributeMask = mask;
    CheckFlags();
}

void PropAttribute::OnModeChanged()
{
    DComboBox modes(GetWnd(), IDC_ATTRIBUTEOPTION);
    int const selected = modes.GetIndex();
    if (selected < 0)
        return;
    unsigned const item = static_cast<unsigned>(selected);
    if (item >= ModeCount)
        modes.SetSel(0);
    // The mask stays when the mode goes to 0: choosing a mode again brings
    // the earlier set back.
    Criteria().attributeMode = item < ModeCount ? Modes[item].code : 0;
    EnableFlags();
}

// Typing only moves the selection, which the criteria then follow.
void PropAttribute::OnModeTyped()
{
    DComboBox(GetWnd(), IDC_ATTRIBUTEOPTION).SelectCase();
    OnModeChanged();
}

void PropAttribute::CheckFlags() const
{
    DCheckBox box(GetWnd());
    for (Flag const& flag : Flags)
        box[flag.id].SetState((Criteria().attributeMask & flag.value) != 0);
}

// Off, the boxes keep their marks for the next mode.
void PropAttribute::EnableFlags() const
{
    DCheckBox box(GetWnd());
    bool const on = Criteria().attributeMode != 0;
    for (Flag const& flag : Flags) {
        if (on)
            box[flag.id].Enable();
        else
            box[flag.id].Disable();
    }
}
