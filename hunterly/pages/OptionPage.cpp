#include "OptionPage.h"

#include "DPropertySheet.h"
#include "DReg.h"
#include "SharedFlags.h"

OptionPage::OptionPage(unsigned templateId, unsigned index, char const* keyName)
    : PropPage(templateId), tabIndex(index), key(keyName)
{
}

unsigned OptionPage::GetTabIndex() const
{
    return tabIndex;
}

char const* OptionPage::GetKey() const
{
    return key;
}

void OptionPage::Reset()
{
}

void OptionPage::Commit()
{
}

bool OptionPage::isLinked() const
{
    return links.criteria && links.flags;
}

bool OptionPage::OnInit()
{
    MakeTips();
    if (!isLinked())
        return true;
    DReg stored;
    // A missing key leaves the criteria as they are.
    if (stored.Open(HKEY_CURRENT_USER, key))
        Load(stored);
    InitControls();
    return true;
}

void OptionPage::CommitAll(DPropertySheet const& sheet)
{
    for (unsigned i = 0; i < sheet.GetPageCount(); ++i) {
        if (OptionPage* const page = dynamic_cast<OptionPage*>(sheet.GetPage(i)))
            page->Commit();
    }
}

void OptionPage::InitControls()
{
}

void OptionPage::AddTip(Tip const& tip)
{
    // An editable combo box's edit part gets the tip from the tooltip control.
    links.AddTip(tip.text, tip.id);
}

void OptionPage::OnDestroy()
{
    if (!isLinked())
        return;
    Commit();
    DReg stored;
    if (stored.Create(HKEY_CURRENT_USER, key))
        Save(stored, links.flags->rememberSettings);
}

void OptionPage::OnSetActive()
{
    if (isLinked())
        Show();
}

void OptionPage::OnKillActive()
{
    if (isLinked())
        links.MarkTab(tabIndex, isInUse());
}
