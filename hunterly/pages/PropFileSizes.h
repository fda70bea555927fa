// PropFileSizes: the "Sizes" option page. The comparison mode and one or
// two sizes in bytes: the size alone, or the lower and upper bounds of a
// range. Typed sizes reach the criteria when their box loses the focus or
// Enter is pressed.
#pragma once

#include "OptionPage.h"

class DirectoryListingSpec;

class PropFileSizes : public OptionPage
{
public:
    PropFileSizes();

    // A typed size: its digits, other characters passed over; a number
    // past the largest 32-bit size stays at it rather than wrapping round.
    static unsigned ReadSize(DName const& text);

protected:
    void Load(DReg& key) override;
    void Save(DReg& key, bool remember) const override;
    void InitControls() override;
    void Show() override;
    bool isInUse() const override;
    bool OnCommand(unsigned id, unsigned code, HWND control) override;
    bool OnEnter() override;

private:
    void OnModeChanged();
    void OnModeTyped();
    void OnSizePicked(int id, unsigned& size);
    void OnSizeTyped(int id, unsigned& size);
    void UpdateEnabling();
    void ShowSizes() const;
    DirectoryListingSpec& Criteria() const;
};
