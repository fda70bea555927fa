#include "PropFileSizes.h"

#include <utility>

#include "DComboBox.h"
#include "DReg.h"
#include "DStatic.h"
#include "DText.h"
#include "DirectoryListingSpec.h"
#include "PropFileSizesIds.h"
#include "Resource.h"

namespace {

// The item index is the code stored.
char const* const Modes[] = {
    "Any file sizes",     "Equal to",     "Less than",          "Less than equal to",
    "Greater than",       "Greater than eqaul to",              "In the range of...",
};
unsigned const ModeCount = sizeof Modes / sizeof Modes[0];

// Ten digits hold every 32-bit size.
unsigned const SizeDigits = 10;

// "0" for 0, as the boxes show an empty size.
DName SizeText(unsigned size)
{
    DName text;
    text.FromLong(size);
    return text;
}

}

PropFileSizes::PropFileSizes() : OptionPage(IDD_FILESIZES, 2, "Software\\Hunterly\\FileSizes") {}

unsigned PropFileSizes::ReadSize(DName const& text)
{
    unsigned long long value = 0;
    for (unsigned i = 0; i < text.Size(); ++i) {
        char const c = text(i);
        if (c < '0' || c > '9')
            continue;
        value = value * 10 + static_cast<unsigned>(c - '0');
        if (value > 0xFFFFFFFFull)
            return 0xFFFFFFFFu;
    }
    return static_cast<unsigned>(value);
}

DirectoryListingSpec& PropFileSizes::Criteria() const
{
    return *links.criteria;
}

void PropFileSizes::Load(DReg& key)
{
    Criteria().sizeValue = key.LoadKeyDword("Size");
    Criteria().sizeUpper = key.LoadKeyDword("Range");
    Criteria().sizeMode = static_cast<unsigned char>(key.LoadKeyDword("Option"));
}

void PropFileSizes::Save(DReg& key, bool remember) const
{
    key.SetDwordValue("Size", remember ? Criteria().sizeValue : 0);
    key.SetDwordValue("Range", remember ? Criteria().sizeUpper : 0);
    key.SetDwordValue("Option", remember ? Criteria().sizeMode : 0);
}

void PropFileSizes::InitControls()
{
    static Tip const tips[] = {
        {IDC_SIZEOPTION, "Select how to treat the file size"},
        {IDC_SIZEVALUE, "Select or enter the file size"},
        {IDC_SIZEUPPER, "Select or enter the high size"},
    };
    AddTips(tips);
    DComboBox box(GetWnd());
    box[IDC_SIZEVALUE].Add(SizeText(Criteria().sizeValue), true);
    box[IDC_SIZEUPPER].Add(SizeText(Criteria().sizeUpper), true);
    for (int id : {IDC_SIZEVALUE, IDC_SIZEUPPER})
        box.ParentMsg(CB_LIMITTEXT, id, SizeDigits);
    for (char const* mode : Modes)
        box[IDC_SIZEOPTION].Add(DName(mode));
}

void PropFileSizes::Show()
{
    ShowSizes();
    // A code past the list shows as its first item.
    DComboBox(GetWnd(), IDC_SIZEOPTION).SetSel(Criteria().sizeMode);
    UpdateEnabling();
}

bool PropFileSizes::isInUse() const
{
    return Criteria().sizeMode != 0;
}

bool PropFileSizes::OnCommand(unsigned id, unsigned code, HWND control)
{
    if (!links.criteria)
        return OptionPage::OnCommand(id, code, control);
    switch (id) {
    case IDC_SIZEOPTION:
        if (code == CBN_SELCHANGE)
            OnModeChanged();
        else if (code == CBN_EDITCHANGE)
            OnModeTyped();
        return true;
    case IDC_SIZEVALUE:
    case IDC_SIZEUPPER: {
        unsigned& size = id == IDC_SIZEVALUE ? Criteria().sizeValue : Criteria().sizeUpper;
        if (code == CBN_SELCHANGE)
            OnSizePicked(static_cast<int>(id), size);
        else if (code == CBN_KILLFOCUS)
            OnSizeTyped(static_cast<int>(id), size);
        return true;
    }
    default:
        return OptionPage::OnCommand(id, code, control);
    }
}

// Anywhere on the page, Enter applies both boxes as leaving them would.
bool PropFileSizes::OnEnter()
{
    if (links.criteria) {
        OnSizeTyped(IDC_SIZEVALUE, Criteria().sizeValue);
        OnSizeTyped(IDC_SIZEUPPER, Criteria().sizeUpper);
    }
    return true;
}

void PropFileSizes::OnModeChanged()
{
    int const selected = DComboBox(GetWnd(), IDC_SIZEOPTION).GetIndex();
    if (selected < 0)
        return;
    Criteria().sizeMode = static_cast<unsigned>(selected) < ModeCount
                              ? static_cast<unsigned char>(selected)
                              : 0;
    UpdateEnabling();
}

// Typing only moves the selection, which the criteria then follow.
void PropFileSizes::OnModeTyped()
{
    DComboBox(GetWnd(), IDC_SIZEOPTION).SelectCase();
    OnModeChanged();
}

void PropFileSizes::OnSizePicked(int id, unsigned& size)
{
    size = ReadSize(DComboBox(GetWnd(), id).Get(0xFFFFFFFFul));
    UpdateEnabling();
}

// The list collects every value entered, the same one as often as it comes.
void PropFileSizes::OnSizeTyped(int id, unsigned& size)
{
    DComboBox box(GetWnd(), id);
    size = ReadSize(box.GetEditBox());
    DName const text = SizeText(size);
    box.Add(text);
    DText(GetWnd(), id).Set(text);
    UpdateEnabling();
}

void PropFileSizes::UpdateEnabling()
{
    DirectoryListingSpec& criteria = Criteria();
    bool const range = criteria.sizeMode == DirectoryListingSpec::SizeRange;
    DComboBox box(GetWnd());
    if (criteria.sizeMode != 0)
        box[IDC_SIZEVALUE].Enable();
    else
        box[IDC_SIZEVALUE].Disable();
    if (range)
        box[IDC_SIZEUPPER].Enable();
    else
        box[IDC_SIZEUPPER].Disable();
    DStatic(GetWnd(), IDC_SIZEVALUELABEL).Modify(DName(range ? "to" : "bytes"));
    // A range given upside down is turned round. An upper bound of 0 is
    // one not typed yet: the lower bound waits for it.
    if (range && criteria.sizeUpper != 0 && criteria.sizeValue > criteria.sizeUpper) {
        std::swap(criteria.sizeValue, criteria.sizeUpper);
        ShowSizes();
    }
}

void PropFileSizes::ShowSizes() const
{
    DText text(GetWnd());
    text[IDC_SIZEVALUE].Seti(Criteria().sizeValue);
    text[IDC_SIZEUPPER].Seti(Criteria().sizeUpper);
}
