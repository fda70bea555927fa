#include "PageLinks.h"

#include "DTabControl.h"

bool PageLinks::MarkTab(unsigned index, bool set) const
{
    if (!tabControl || index >= tabControl->GetSize())
        return false;
    DName label = tabControl->GetText(index);
    bool const marked = label.Right() == '*';
    if (set == marked)
        return true;
    if (set)
        label += '*';
    else
        label.DelRight(1);
    if (!label.isEmpty())
        tabControl->SetText(label, index);
    return true;
}
