#include "RadixDialog.h"

#include "DMsgBox.h"
#include "DText.h"
#include "RadixDialogIds.h"
#include "Resource.h"

namespace {

RadixDialog::AskFunction ask = nullptr;

// Two digits hold every radix in the range.
unsigned long const FieldLength = 2;

bool isRadix(unsigned long value)
{
    return value >= RadixDialog::Lowest && value <= RadixDialog::Highest;
}

}

char const* const RadixDialog::RangeText = "Cannot computer values not within the range 2 - 36.";

RadixDialog::AskFunction RadixDialog::SetAsk(AskFunction function)
{
    AskFunction const before = ask ? ask : Run;
    ask = function;
    return before;
}

bool RadixDialog::Ask(HWND owner, unsigned long& value)
{
    return (ask ? ask : Run)(owner, value);
}

bool RadixDialog::Run(HWND owner, unsigned long& value)
{
    RadixDialog dialog(value);
    if (dialog.DoModal(owner) != IDOK)
        return false;
    value = dialog.GetRadix();
    return true;
}

RadixDialog::RadixDialog(unsigned long value)
    : DDialog(IDD_RADIXVALUE), radix(isRadix(value) ? value : Lowest)
{
}

unsigned long RadixDialog::GetRadix() const
{
    return radix;
}

bool RadixDialog::OnInit()
{
    DText field(GetWnd(), IDC_RADIXVALUE);
    field.SetLimit(FieldLength);
    field.Seti(radix);
    return true;
}

bool RadixDialog::OnOK()
{
    DName const typed = DText(GetWnd(), IDC_RADIXVALUE).Get();
    // The limit holds typing only; a longer text is out of range anyway.
    unsigned long const value = typed.Size() <= FieldLength ? typed.ToLong() : 0;
    if (!isRadix(value)) {
        DMsgBox(GetWnd()).Error(RangeText, "Invalid Radix");
        return true;
    }
    radix = value;
    EndDialog(IDOK);
    return true;
}

bool RadixDialog::OnHelp()
{
    return true;
}
