#include "DMsgBox.h"

namespace {

DMsgBox::ShowFunction show = MessageBoxA;

}

DMsgBox::DMsgBox(HWND parent, int id) : DIBasics(parent, id) {}

DMsgBox::DMsgBox(DName const& text, HWND parent, int id) : DIBasics(parent, id)
{
    Debug(text);
}

DMsgBox::DMsgBox(unsigned long value, HWND parent, int id) : DIBasics(parent, id)
{
    Debugi(value);
}

DMsgBox::ShowFunction DMsgBox::SetShow(ShowFunction function)
{
    ShowFunction const before = show;
    show = function ? function : MessageBoxA;
    return before;
}

int DMsgBox::Box(DName const& text, DName const& caption, char const* defaultCaption,
                 unsigned long style)
{
    if (text.isEmpty())
        return 0;
    lastMessage = text;
    return show(GetParent(), text.Name(), caption.isEmpty() ? defaultCaption : caption.Name(),
                style);
}

// The text runs straight into the quote: callers end their text with a blank.
DName DMsgBox::FileText(DName const& text, DName const& file)
{
    if (text.isEmpty() || file.isEmpty())
        return DName();
    return text + "\"" + file + "\".";
}

void DMsgBox::Prompt(DName const& text, DName const& caption)
{
    Box(text, caption, "Prompt", MB_OK);
}

bool DMsgBox::MsgText(DName const& text, DName const& detail, DName const& caption)
{
    if (text.isEmpty() || detail.isEmpty())
        return false;
    return Box(text + " " + detail, caption, "Message", MB_OK) != 0;
}

void DMsgBox::Error(DName const& text, DName const& caption)
{
    Box(text, caption, "Error", MB_ICONEXCLAMATION);
}

bool DMsgBox::ErrorFile(DName const& text, DName const& file, DName const& caption)
{
    return Box(FileText(text, file), caption, "Error", MB_ICONEXCLAMATION) != 0;
}

bool DMsgBox::ErrorFileCancel(DName const& text, DName const& file, DName const& caption)
{
    return Box(FileText(text, file), caption, "Error", MB_OKCANCEL | MB_ICONEXCLAMATION) == IDOK;
}

bool DMsgBox::OkCancel(DName const& text, DName const& caption)
{
    return Box(text, caption, "Ok Cancel", MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
}

bool DMsgBox::RetryCancel(DName const& text, DName const& caption)
{
    return Box(text, caption, "Retry Cancel", MB_RETRYCANCEL | MB_ICONQUESTION) == IDRETRY;
}

bool DMsgBox::YesNo(DName const& text, DName const& caption)
{
    return Box(text, caption, "Yes No", MB_YESNO | MB_ICONQUESTION) == IDYES;
}

int DMsgBox::YesNoCancel(DName const& text, DName const& caption)
{
    switch (Box(text, caption, "Yes No Cancel", MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES: return 1;
    case IDNO: return 0;
    default: return -1;
    }
}

void DMsgBox::Debug(DName const& text, DName const& caption)
{
    Box(text, caption, "Debug", MB_ICONQUESTION);
}

void DMsgBox::Debugi(unsigned long value, DName const& caption)
{
    Debug(Decimal(value), caption);
}

int DMsgBox::mbp(DName const& text, DName const& caption, unsigned long style)
{
    return Box(text, caption, "Prompt", style);
}

DName const& DMsgBox::GetLastMessage() const
{
    return lastMessage;
}
