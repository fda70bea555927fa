// DStatusWnd: the status line at the bottom of a window.
#pragma once

#include "DIBasics.h"

class CTLKIT_API DStatusWnd : public DIBasics
{
public:
    DStatusWnd(HWND parent = nullptr, int id = 0);
    DStatusWnd(DName const& text, int id, HWND parent);     // makes the window at once
    ~DStatusWnd() override;

    // Replaces any status window this wrapper made; null parent and id -1
    // take the stored ones.
    bool Make(DName const& text, unsigned long id = 0xFFFFFFFF, HWND parent = nullptr);
    void Destroy();

    bool SetText(DName const& text) const;                  // an empty text changes nothing
    bool SetTextId(unsigned long id) const;                 // a string resource
    bool SetWord(unsigned long value) const;                // 0 changes nothing
    bool MergeText(DName const& text, DName const& detail, bool quote) const;
    // "(a, b[, c][, d]) [(e, f[, g][, h]) ]"; -1 marks c, d, e, g, h missing.
    bool SetCords(unsigned long a, unsigned long b, unsigned long c, unsigned long d,
                  unsigned long e, unsigned long f, unsigned long g, unsigned long h) const;
};
