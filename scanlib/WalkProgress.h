// WalkProgress: moves a progress bar with a running walk and paints the
// share done as a percentage over it.
//
// The bar may belong to another thread's window: the walk paints through a
// device context of its own, and the percentage is worked out anew at most
// every 750 ms, since the bar's own repainting would keep up with nothing
// faster.
#pragma once

#include <windows.h>

#include "ScanlibApi.h"

class DProgressBar;

class SCANLIB_API WalkProgress
{
public:
    WalkProgress();
    ~WalkProgress();
    WalkProgress(WalkProgress const&) = delete;
    WalkProgress& operator=(WalkProgress const&) = delete;

    // Gets the painting tools for bar; with null the other calls do nothing.
    void Begin(DProgressBar const* bar);
    // The bar at pos, and the percentage of pos in the bar's range over it;
    // the bar moves only when its fill would grow by a pixel.
    void Show(unsigned long pos);
    // Gives the tools back and puts the bar at 0.
    void End();

    // The percentage being painted, such as "25% "; empty when none is.
    char const* Text() const;

private:
    void Paint(COLORREF colour) const;
    void Release();

    DProgressBar const* bar_;
    HWND window_;
    HDC dc_;
    HFONT font_;
    HGDIOBJ oldFont_;
    // The colour of the empty bar, with which a text is painted out.
    COLORREF wipe_;
    unsigned long pos_;
    // The positions that move the fill by a pixel.
    unsigned long step_;
    DWORD lastText_;
    bool textDue_;
    double percent_;
    char text_[32];
};
