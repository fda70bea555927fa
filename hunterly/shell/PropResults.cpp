#include "PropResults.h"

#include "DReg.h"
#include "Resource.h"

char const* const PropResults::Key = "Software\\Hunterly\\Results";

PropResults::PropResults() : PropPage(IDD_RESULTS), style(Report) {}

DFileLoad& PropResults::GetResults()
{
    return results;
}

unsigned long PropResults::GetStyle() const
{
    return style;
}

bool PropResults::OnInit()
{
    DReg key;
    if (key.Open(HKEY_CURRENT_USER, Key)) {
        unsigned long const stored = key.LoadKeyDword("Style");
        // A number that names no style would leave no menu item checked.
        if (stored <= List)
            style = stored;
    }
    return false;
}

void PropResults::OnDestroy()
{
    DReg key;
    if (key.Create(HKEY_CURRENT_USER, Key))
        key.SetDwordValue("Style", style);
}
