// PropAttribute: the "Attributes" option page. Nine check boxes, each one
// bit of the criteria's attribute mask, and the mode that says how a
// file's attributes must relate to the checked set.
#pragma once

#include "OptionPage.h"

class DirectoryListingSpec;

class PropAttribute : public OptionPage
{
public:
    PropAttribute();

    // The nine flags together.
    static unsigned const AllFlags = 2551;

protected:
    void Load(DReg& key) override;
    void Save(DReg& key, bool remember) const override;
    void InitControls() override;
    void Show() override;
    bool isInUse() const override;
    bool OnCommand(unsigned id, unsigned code, HWND control) override;

private:
    void OnFlagClicked(unsigned flag);
    void OnSetMask(unsigned mask);
    void OnModeChanged();
    void OnModeTyped();
    void CheckFlags() const;
    void EnableFlags() const;
    DirectoryListingSpec& Criteria() const;
};
