// DMsgBox: the programs' message boxes, with fixed default captions and
// button sets. Every box goes through one replaceable function, so that
// tests can see what would be shown without a modal box.
#pragma once

#include "DIBasics.h"

class CTLKIT_API DMsgBox : public DIBasics
{
public:
    typedef int(WINAPI* ShowFunction)(HWND owner, char const* text, char const* caption,
                                      unsigned style);

    DMsgBox(HWND parent = nullptr, int id = 0);
    DMsgBox(DName const& text, HWND parent = nullptr, int id = 0);           // shows it as Debug
    DMsgBox(unsigned long value, HWND parent = nullptr, int id = 0);         // shows it as Debugi

    // The function that shows every box (MessageBoxA unless replaced);
    // null puts MessageBoxA back. Returns the one before.
    static ShowFunction SetShow(ShowFunction show);

    // An empty text shows nothing; an empty caption takes the default.
    void Prompt(DName const& text, DName const& caption = DName());
    bool MsgText(DName const& text, DName const& detail, DName const& caption = DName());
    void Error(DName const& text, DName const& caption = DName());
    bool ErrorFile(DName const& text, DName const& file, DName const& caption = DName());
    bool ErrorFileCancel(DName const& text, DName const& file, DName const& caption = DName());
    bool OkCancel(DName const& text, DName const& caption = DName());
    bool RetryCancel(DName const& text, DName const& caption = DName());
    bool YesNo(DName const& text, DName const& caption = DName());
    int YesNoCancel(DName const& text, DName const& caption = DName());  // 1 yes, 0 no, -1
    void Debug(DName const& text, DName const& caption = DName());
    void Debugi(unsigned long value, DName const& caption = DName());
    int mbp(DName const& text, DName const& caption, unsigned long style);

    DName const& GetLastMessage() const;

private:
    int Box(DName const& text, DName const& caption, char const* defaultCaption,
            unsigned long style);
    static DName FileText(DName const& text, DName const& file);

    DName lastMessage;
};
