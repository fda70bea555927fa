#include "PropContaining.h"

#include "DCheckBox.h"
#include "DComboBox.h"
#include "DReg.h"
#include "DStatic.h"
#include "DText.h"
#include "DirectoryListingSpec.h"
#include "PropContainingIds.h"
#include "RadixDialog.h"
#include "Resource.h"

namespace {

char const* const ModeTexts[PropContaining::ModeItems] = {
    "Any file contents",
    "Complete text in current order",
    "At least one phrase (word)",
    "Every phrase (word) in any order",
    "Complete text in current order, ignore capitals",
    "At least one phrase (word), ignore capitals",
    "Every phrase (word) in any order, ignore capitals",
};
unsigned char const ModeCodes[PropContaining::ModeItems] = {0, 1, 2, 4, 9, 10, 12};

// Bits of the mode code, as the content test reads them.
unsigned char const InOrderBit = 1;
unsigned char const AnyPhraseBit = 2;
unsigned char const EveryPhraseBit = 4;
unsigned char const NoCaseBit = 8;

char const* const RadixTexts[PropContaining::RadixItems] = {
    "Text", "Binary", "Octal", "Hexadecimal", "Custom...",
};
// The radix of each item but the custom one.
unsigned char const RadixValues[PropContaining::CustomItem] = {0, 2, 8, 16};

char const* const RadixLabel = "Radix Display Value: ";
char const* const PhraseTip = "Separate phrases by placing in quotations or by spaces";

// The edit control lays a line out in time that grows with the square of
// its length, so digits are shown in lines of whole bytes, at most this
// many digits each; the line breaks are not digits and are dropped again
// when the box is read.
unsigned const LineDigits = 64;
char const* const LineBreak = "\r\n";

// A radix that shows bytes as digits; any other shows them as they are.
bool isDigitRadix(unsigned char radix)
{
    return radix >= RadixDialog::Lowest && radix <= RadixDialog::Highest;
}

DName Lined(DName const& digits, unsigned perByte)
{
    unsigned const perLine = LineDigits / perByte * perByte;
    unsigned const n = digits.Size();
    if (n <= perLine)
        return digits;
    DName text;
    if (!text.Alloc(n + 2 * ((n - 1) / perLine)))
        return DName();
    char const* in = digits.Name();
    char* out = text.Handle();
    for (unsigned i = 0; i < n; ++i) {
        if (i && i % perLine == 0) {
            *out++ = LineBreak[0];
            *out++ = LineBreak[1];
        }
        *out++ = in[i];
    }
    return text;
}

// The item that shows a stored mode code.
unsigned ModeItem(unsigned char code)
{
    unsigned item = PropContaining::AnyContents;
    if (code & InOrderBit)
        item = PropContaining::CompleteText;
    else if (code & AnyPhraseBit)
        item = PropContaining::AtLeastOne;
    else if (code & EveryPhraseBit)
        item = PropContaining::EveryPhrase;
    if (code & NoCaseBit)
        item += PropContaining::CompleteTextNoCase - PropContaining::CompleteText;
    return item;
}

bool isPhraseItem(int item)
{
    return item == PropContaining::AtLeastOne || item == PropContaining::EveryPhrase
        || item == PropContaining::AtLeastOneNoCase || item == PropContaining::EveryPhraseNoCase;
}

unsigned RadixItem(unsigned char radix)
{
    if (radix < 2)
        return PropContaining::TextItem;
    for (unsigned item = PropContaining::BinaryItem; item < PropContaining::CustomItem; ++item)
        if (RadixValues[item] == radix)
            return item;
    return PropContaining::CustomItem;
}

}

PropContaining::PropContaining()
    : OptionPage(IDD_CONTAINING, 4, "Software\\Hunterly\\Containing"), ready(false)
{
}

void PropContaining::SetReady()
{
    ready = true;
}

bool PropContaining::isReady() const
{
    return ready;
}

void PropContaining::Load(DReg& key)
{
    DirectoryListingSpec& criteria = *links.criteria;
    criteria.containing.Copy(key.LoadKeyData("Text"));
    criteria.notContaining = key.LoadKeyBool("Not", false);
    criteria.containingMode = static_cast<unsigned char>(key.LoadKeyDword("Option"));
    // A radix that no conversion knows would be shown as one while the text
    // is shown plain.
    unsigned long const radix = key.LoadKeyDword("Radix");
    criteria.radix = radix <= RadixDialog::Highest ? static_cast<unsigned char>(radix) : 0;
}

void PropContaining::Save(DReg& key, bool remember) const
{
    DirectoryListingSpec const& criteria = *links.criteria;
    key.SetDataValue("Text", remember ? criteria.containing : DName());
    key.SetDwordValue("Not", remember && criteria.notContaining);
    key.SetDwordValue("Option", remember ? criteria.containingMode : 0);
    key.SetDwordValue("Radix", remember ? criteria.radix : 0);
}

void PropContaining::InitControls()
{
    HWND const page = GetWnd();
    DComboBox radixList(page, IDC_CONTAINING_RADIX);
    for (char const* text : RadixTexts)
        radixList.Add(text);
    radixList.SetSel(TextItem);
    DComboBox modeList(page, IDC_CONTAINING_MODE);
    for (char const* text : ModeTexts)
        modeList.Add(text);
    // A long phrase shown in binary takes eight digits a byte.
    DText(page, IDC_CONTAINING_PHRASES).SetLimit(0);
    Stretch(IDC_CONTAINING_PHRASES);
    static Tip const tips[] = {
        {IDC_CONTAINING_NOT, "Do not find files containing these words and/or phrases"},
        {IDC_CONTAINING_MODE, "Select how to treat the contents"},
        {IDC_CONTAINING_RADIX, "Select or enter a radix value"},
    };
    AddTips(tips);
    Show();
}

void PropContaining::Show()
{
    EnableText();
    ShowMode();
    ShowRadix();
    ShowText();
    DCheckBox(GetWnd(), IDC_CONTAINING_NOT).SetState(links.criteria->notContaining);
}

bool PropContaining::isInUse() const
{
    return links.criteria->containingMode != 0;
}

void PropContaining::Commit()
{
    if (!GetWnd() || !links.criteria)
        return;
    DText box(GetWnd(), IDC_CONTAINING_PHRASES);
    // Unless the user changed it the box shows the record, which may hold
    // bytes that a plain text box cannot (a NUL ends what it shows).
    if (!box.isModified())
        return;
    DirectoryListingSpec& criteria = *links.criteria;
    DName typed = box.Get();
    if (isDigitRadix(criteria.radix))
        typed.RemAllChars(LineBreak);
    criteria.containing.Copy(typed.FromRadix(criteria.radix));
    box.SetUnmodified();
}

bool PropContaining::OnCommand(unsigned id, unsigned code, HWND)
{
    switch (id) {
    case IDC_CONTAINING_MODE:
        if (code == CBN_SELCHANGE)
            OnModeChanged();
        else if (code == CBN_EDITCHANGE)
            OnTyped(IDC_CONTAINING_MODE);
        return true;
    case IDC_CONTAINING_RADIX:
        if (code == CBN_SELCHANGE || code == CBN_DBLCLK)
            OnRadixChanged();
        else if (code == CBN_EDITCHANGE)
            OnTyped(IDC_CONTAINING_RADIX);
        return true;
    case IDC_CONTAINING_NOT:
        if (code == BN_CLICKED)
            OnNotClicked();
        return true;
    case IDC_CONTAINING_PHRASES:
        if (code == EN_KILLFOCUS)
            Commit();
        return true;
    default:
        return false;
    }
}

void PropContaining::OnModeChanged()
{
    int const item = DComboBox(GetWnd(), IDC_CONTAINING_MODE).GetIndex();
    if (item >= 0 && item < ModeItems)
        links.criteria->containingMode = ModeCodes[item];
    EnableText();
    ShowTip();
}

void PropContaining::OnNotClicked()
{
    links.criteria->notContaining = DCheckBox(GetWnd(), IDC_CONTAINING_NOT).GetState();
}

void PropContaining::OnRadixChanged()
{
    // Text typed in the old radix is read in it before the box is redrawn.
    Commit();
    DirectoryListingSpec& criteria = *links.criteria;
    DComboBox radixList(GetWnd(), IDC_CONTAINING_RADIX);
    int const item = radixList.GetIndex();
    if (item >= TextItem && item < CustomItem) {
        criteria.radix = RadixValues[item];
    } else if (ready) {
        unsigned long radix = criteria.radix;
        // The whole window waits for the answer, not only this page.
        if (RadixDialog::Ask(GetAncestor(GetWnd(), GA_ROOT), radix)) {
            criteria.radix = static_cast<unsigned char>(radix);
        } else {
            criteria.radix = 0;
            radixList.SetSel(TextItem);
        }
    }
    ShowRadix();
    ShowText();
}

// Typing into a list only moves its selection; a selection so made counts
// as chosen, so that the record holds what the list shows.
void PropContaining::OnTyped(int list)
{
    if (!DComboBox(GetWnd(), list).SelectCase())
        return;
    if (list == IDC_CONTAINING_MODE)
        OnModeChanged();
    else
        OnRadixChanged();
}

void PropContaining::EnableText() const
{
    DIBasics items(GetWnd(), 0);
    if (links.criteria->containingMode != 0) {
        items.Enable(IDC_CONTAINING_NOT);
        items.Enable(IDC_CONTAINING_PHRASES);
    } else {
        items.Disable(IDC_CONTAINING_NOT);
        items.Disable(IDC_CONTAINING_PHRASES);
    }
}

void PropContaining::ShowMode()
{
    DComboBox(GetWnd(), IDC_CONTAINING_MODE).SetSel(ModeItem(links.criteria->containingMode));
    ShowTip();
}

void PropContaining::ShowTip()
{
    links.DelTip(IDC_CONTAINING_PHRASES);
    if (isPhraseItem(DComboBox(GetWnd(), IDC_CONTAINING_MODE).GetIndex()))
        links.AddTip(PhraseTip, IDC_CONTAINING_PHRASES);
}

void PropContaining::ShowRadix() const
{
    unsigned char const radix = links.criteria->radix;
    DComboBox(GetWnd(), IDC_CONTAINING_RADIX).SetSel(RadixItem(radix));
    DName label(RadixLabel);
    if (radix >= 2)
        label += static_cast<unsigned long>(radix);
    else
        label += "Normal";
    DStatic(GetWnd(), IDC_CONTAINING_RADIXGROUP).Modify(label);
}

void PropContaining::ShowText() const
{
    DirectoryListingSpec const& criteria = *links.criteria;
    DText box(GetWnd(), IDC_CONTAINING_PHRASES);
    DName shown;
    if (!isDigitRadix(criteria.radix) || criteria.containing.isEmpty()) {
        shown.Copy(criteria.containing);
    } else {
        DName const digits = criteria.containing.ToRadix(criteria.radix);
        shown = Lined(digits, digits.Size() / criteria.containing.Size());
    }
    if (shown.isEmpty())
        box.Clear();
    else
        box.Set(shown);
    box.SetUnmodified();
}
