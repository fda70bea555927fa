// PropResults: the "Results" page. It owns the window's result list, shows
// it in its list view and keeps the list's display style across sessions.
#pragma once

#include "DFileLoad.h"
#include "PropPage.h"

class PropResults : public PropPage
{
public:
    // Display styles, as stored.
    enum
    {
        LargeIcons = 0,
        Report = 1,
        SmallIcons = 2,
        List = 3,
    };
    static char const* const Key;       // below the current user

    PropResults();

    DFileLoad& GetResults();
    unsigned long GetStyle() const;

protected:
    bool OnInit() override;             // reads the stored style
    void OnDestroy() override;          // stores the style

private:
    DFileLoad results;
    unsigned long style;
};
