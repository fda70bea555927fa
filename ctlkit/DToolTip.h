// DToolTip: one tooltip window holding the tips of several tools (windows).
#pragma once

#include "DIBasics.h"

class CTLKIT_API DToolTip : public DIBasics
{
public:
    DToolTip(HWND parent = nullptr, int id = 0);
    ~DToolTip() override;

    // Delays in milliseconds; 0 keeps the platform's. The third argument
    // is kept for callers and has no effect.
    bool Create(unsigned long delay = 0, unsigned long stay = 0, unsigned long = 0);
    void Destroy();

    // The tip covers the tool's whole client area, and an editable combo
    // box's edit part as well; a null tool is the wrapper's own control, an
    // id makes that dialog item the wrapper's own.
    bool AddTip(DName const& text, HWND tool = nullptr);
    bool AddTip(DName const& text, int id);
    bool AddTip(unsigned long value, HWND tool = nullptr);
    bool AddTip(unsigned long value, int id);
    bool DelTip(HWND tool);
    bool DelTip(int id);
    void SetDelay(unsigned long ms) const;
    void SetStayDelay(unsigned long ms) const;
    // The tips watch the mouse through the messages relayed to them.
    void RelayEvent(MSG const& msg) const;
};
