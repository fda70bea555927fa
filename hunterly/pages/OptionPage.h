// OptionPage: the frame that the five option pages share.
//
// The main window hands a page its links (criteria, flags, status line,
// tab strip) before the page's window exists. The page then lives by this
// contract, which the frame runs and each page fills in:
//   window created   Load from the page's registry key (when it opens and
//                    the criteria are linked), then the page's controls
//   page shown       Show: the controls follow the criteria record
//   page hidden      the page's own tab is marked "*" while isInUse
//   window destroyed Commit, then Save to the key; with Remember Settings
//                    off the page stores its defaults
//   New Search       Reset: what the page keeps beside the criteria
// Keys are PropPage's: Enter and Escape are consumed (OnEnter may give
// Enter a meaning), F1 opens the help, a cancel is consumed, and every
// message reaches the page's tooltips (links) first.
//
// A page in the house pattern:
//   pages/PropName.h/.cpp  the class, derived from OptionPage, made with its
//                          template id (IDD_* in Resource.h), tab index and key
//   pages/PropName.rc      its template, included by hunterly.rc
//   pages/PropNameIds.h    its control ids, included by its .rc and .cpp
//   tests/PropNameTest.cpp drives it in the real main window
// MainWindow holds each page as a member and reaches it as an OptionPage.
#pragma once

#include "PropPage.h"

class DPropertySheet;
class DReg;

class OptionPage : public PropPage
{
public:
    // A page's tooltips are a table of these.
    struct Tip
    {
        int id;
        char const* text;
    };

    OptionPage(unsigned templateId, unsigned tabIndex, char const* key);

    unsigned GetTabIndex() const;
    char const* GetKey() const;     // below the current user

    // New Search: what the page keeps beside the criteria record returns to
    // its start; the main window empties the record itself.
    virtual void Reset();
    // Every option page of the sheet takes what its controls hold and has
    // not yet written: a search, a profile save and the summary read the
    // criteria only after this.
    static void CommitAll(DPropertySheet const& sheet);
    // Edits the page still holds in a control go into the criteria record;
    // whatever reads the record (a search, a profile save, the summary)
    // has the window call it first.
    virtual void Commit();

protected:
    bool OnInit() final;
    void OnDestroy() final;
    void OnSetActive() final;
    void OnKillActive() final;

    // None of these runs before the criteria and flags are linked.
    virtual void Load(DReg& key) = 0;
    virtual void Save(DReg& key, bool remember) const = 0;
    // The controls, once the settings are loaded and the tooltips made.
    virtual void InitControls();
    virtual void Show() = 0;
    virtual bool isInUse() const = 0;

    // A combo box's tip covers the edit field inside it too, where the
    // mouse mostly is.
    template <unsigned N>
    void AddTips(Tip const (&tips)[N])
    {
        for (Tip const& tip : tips)
            AddTip(tip);
    }

private:
    bool isLinked() const;
    void AddTip(Tip const& tip);

    unsigned tabIndex;
    char const* key;
};
