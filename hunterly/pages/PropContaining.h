// PropContaining: the "Contents" page. It edits what a file must (or must
// not) contain, how the phrases are matched, and the radix in which the
// containing text is shown and typed. The record holds raw bytes; the
// phrase box shows them in the chosen radix, so switching the radix never
// changes them.
#pragma once

#include "OptionPage.h"

class PropContaining : public OptionPage
{
public:
    // Items of the mode list, in order.
    enum
    {
        AnyContents,
        CompleteText,
        AtLeastOne,
        EveryPhrase,
        CompleteTextNoCase,
        AtLeastOneNoCase,
        EveryPhraseNoCase,
        ModeItems,
    };
    // Items of the radix list, in order.
    enum
    {
        TextItem,
        BinaryItem,
        OctalItem,
        HexadecimalItem,
        CustomItem,
        RadixItems,
    };

    PropContaining();

    // Set once the main window's start-up is complete; until then the
    // custom radix opens no dialog.
    void SetReady();
    bool isReady() const;

    // Takes what the user typed into the phrase box, in the radix shown.
    void Commit() override;

protected:
    bool OnCommand(unsigned id, unsigned code, HWND control) override;

    void Load(DReg& key) override;
    void Save(DReg& key, bool remember) const override;
    void InitControls() override;
    void Show() override;
    bool isInUse() const override;

private:
    void OnModeChanged();
    void OnNotClicked();
    void OnRadixChanged();
    void OnTyped(int list);

    void EnableText() const;
    void ShowMode();
    void ShowTip();
    void ShowRadix() const;
    void ShowText() const;

    bool ready;
};
