// View: a small list page that shows one list of texts (a criteria list)
// and removes the selected entry or all of them from that list itself.
// The list stays its owner's; the page only links to it.
#pragma once

#include "Container.h"
#include "DListBox.h"
#include "PropPage.h"

class View : public PropPage
{
public:
    View();

    void Link(Container<DName>* list);
    // The list box shows the linked list, its last row selected.
    void Refill() const;
    // The "Remove" button: the entry of the selected row leaves the list.
    void RemoveSelected();
    void RemoveAll();

protected:
    bool OnInit() override;
    bool OnOK() override;       // the "Remove" button, the page's default

private:
    DListBox listBox;
    Container<DName>* items;
};
