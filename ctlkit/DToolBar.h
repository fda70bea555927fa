// DToolBar: a command bar of image buttons with tooltips.
//
// Button i shows image i of the bar's bitmap, so the bitmap has one slot
// per button, separators included. Each button's tooltip is the string
// resource whose id is the button's command.
#pragma once

#include "DIBasics.h"

class CTLKIT_API DToolBar : public DIBasics
{
public:
    DToolBar(HWND parent = nullptr, int id = 0);

    // A flat child bar of the parent with tooltips, placed by Place; it
    // replaces a bar this wrapper made before. The parent destroys the bar.
    bool Create(unsigned long controlId);
    // The images of a bitmap resource of the current resource module, in
    // slots of 16 x 15 pixels.
    bool AddBitmap(unsigned bitmapId);
    // One button per command, in order; command 0 makes a separator.
    bool SetButtons(unsigned long const* commands, unsigned count) const;

    unsigned GetCount() const;
    unsigned long GetCommand(unsigned index) const;     // 0 past the last
    bool isSeparator(unsigned index) const;             // false past the last
    long GetHeight() const;                             // of one row of buttons
    // Left edge at x, top at y, width pixels wide, as high as its buttons.
    bool Place(int x, int y, int width) const;

    // Answers the request of the bar's tooltips for a button's text; false
    // for any other notification.
    bool SetTipText(NMHDR* header) const;
};
