#include "View.h"

#include "DButton.h"
#include "DStatusWnd.h"
#include "Resource.h"

View::View() : PropPage("View"), items(nullptr) {}

void View::Link(Container<DName>* list)
{
    items = list;
}

bool View::OnInit()
{
    listBox.SetParent(GetWnd(), IDC_ITEMLIST);
    DButton(GetWnd(), IDOK).SetIcon(LoadAppSmallIcon(IDI_REMOVE), false);
    MakeTips();
    links.AddTip("Remove selected item(s) in current list", IDOK);
    Stretch(IDC_ITEMLIST);
    Refill();
    return true;
}

bool View::OnOK()
{
    RemoveSelected();
    return true;
}

void View::Refill() const
{
    if (!items || !GetWnd())
        return;
    listBox.Reset();
    for (unsigned i = 0; i < items->Size(); ++i)
        listBox.Add((*items)[i]);
    if (listBox.GetSize())
        listBox.SetCurSel(listBox.GetSize() - 1);
}

void View::RemoveSelected()
{
    LRESULT const row = listBox.ParentMsg(LB_GETCURSEL);
    if (!items || row < 0 || static_cast<unsigned long>(row) >= items->Size())
        return;
    unsigned const at = static_cast<unsigned>(row);
    DName const removed = (*items)[at];
    items->DelPos(at);
    Refill();
    if (links.status)
        links.status->MergeText("Removed from list item", removed, true);
}

void View::RemoveAll()
{
    if (items)
        items->Destroy();
    Refill();
    if (links.status)
        links.status->SetText("Removed all items from list.");
}
