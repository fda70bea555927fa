#include "DPropertyPage.h"

#include <new>

#include "DIBasics.h"

namespace {

// Reads a template from its start up to and including the caption, never
// past its end.
class TemplateReader
{
public:
    TemplateReader(unsigned char const* data, unsigned long size) : data(data), size(size) {}

    bool Skip(unsigned long count)
    {
        if (count > size - at)
            return false;
        at += count;
        return true;
    }

    bool Word(WORD& value)
    {
        if (size - at < 2)
            return false;
        value = static_cast<WORD>(data[at] | data[at + 1] << 8);
        at += 2;
        return true;
    }

    // A menu or class field: nothing, an ordinal, or a wide string.
    bool SkipNameOrOrdinal()
    {
        WORD first;
        if (!Word(first))
            return false;
        if (first == 0)
            return true;
        if (first == 0xFFFF)
            return Skip(2);
        WORD c = first;
        while (c)
            if (!Word(c))
                return false;
        return true;
    }

    // The caption as the program's code page; false when it is not ended.
    bool Caption(DName& caption)
    {
        unsigned long const start = at;
        WORD c = 1;
        while (c)
            if (!Word(c))
                return false;
        int const count = static_cast<int>((at - start) / 2 - 1);
        if (count == 0)
            return true;
        // The template's words are not aligned for wchar_t; copy them out.
        wchar_t* wide = new (std::nothrow) wchar_t[count];
        if (!wide)
            return false;
        for (int i = 0; i < count; ++i)
            wide[i] = static_cast<wchar_t>(data[start + 2 * i] | data[start + 2 * i + 1] << 8);
        int const length = WideCharToMultiByte(CP_ACP, 0, wide, count, nullptr, 0, nullptr, nullptr);
        bool made = length > 0 && caption.Alloc(static_cast<unsigned>(length));
        if (made)
            made = WideCharToMultiByte(CP_ACP, 0, wide, count, caption.Handle(), length, nullptr,
                                       nullptr) == length;
        delete[] wide;
        if (!made)
            caption.Destroy();
        return made;
    }

private:
    unsigned char const* data;
    unsigned long size;
    unsigned long at = 0;
};

}

DPropertyPage::DPropertyPage(char const* templateName) : DDialog(templateName) {}

DPropertyPage::DPropertyPage(unsigned templateId) : DDialog(templateId) {}

DName DPropertyPage::GetTitle() const
{
    HINSTANCE const module = DIBasics::GetAppResource();
    HRSRC const found = GetTemplate() ? FindResourceA(module, GetTemplate(), RT_DIALOG) : nullptr;
    HGLOBAL const loaded = found ? LoadResource(module, found) : nullptr;
    void const* data = loaded ? LockResource(loaded) : nullptr;
    if (!data)
        return DName();
    TemplateReader reader(static_cast<unsigned char const*>(data), SizeofResource(module, found));
    WORD version = 0;
    WORD signature = 0;
    DName caption;
    // The extended form starts with version 1 and the signature 0xFFFF;
    // its header is 26 bytes, the plain one's 18.
    bool const read = reader.Word(version) && reader.Word(signature)
                      && reader.Skip(version == 1 && signature == 0xFFFF ? 22 : 14)
                      && reader.SkipNameOrOrdinal() && reader.SkipNameOrOrdinal()
                      && reader.Caption(caption);
    return read ? caption : DName();
}

void DPropertyPage::OnSetActive()
{
}

void DPropertyPage::OnKillActive()
{
}

bool DPropertyPage::OnOK()
{
    return false;
}

bool DPropertyPage::OnCancel()
{
    return false;
}

bool DPropertyPage::OnMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT&)
{
    // A control that moves the focus on itself (a multi-line edit field's
    // Tab) asks its parent, the page; the page's controls are a part of the
    // outermost dialog's order, which would otherwise never be left.
    HWND const root = GetAncestor(GetWnd(), GA_ROOT);
    if (message != WM_NEXTDLGCTL || !root || root == GetWnd())
        return false;
    SendMessageA(root, WM_NEXTDLGCTL, wparam, lparam);
    return true;
}
