// RadixDialog: the "Radix Value" dialog, in which the "Contents" page asks
// for a radix from 2 to 36 to show and type the containing text in.
#pragma once

#include "DDialog.h"

class RadixDialog : public DDialog
{
public:
    static unsigned long const Lowest = 2;
    static unsigned long const Highest = 36;
    static char const* const RangeText;

    // Asks over owner, starting from radix; true when the dialog ended with
    // OK, radix then holds the accepted value.
    typedef bool (*AskFunction)(HWND owner, unsigned long& radix);
    // The dialog itself unless replaced; null puts it back. Returns the one
    // before, so that tests can answer without a modal window.
    static AskFunction SetAsk(AskFunction ask);
    static bool Ask(HWND owner, unsigned long& radix);

    // A radix outside the range starts the field at the lowest.
    explicit RadixDialog(unsigned long radix = Lowest);
    unsigned long GetRadix() const;

protected:
    bool OnInit() override;
    bool OnOK() override;
    bool OnHelp() override;

private:
    static bool Run(HWND owner, unsigned long& radix);

    unsigned long radix;
};
