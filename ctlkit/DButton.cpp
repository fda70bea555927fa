#include "DButton.h"

DButton::DButton(HWND parent, int id) : DIBasics(parent, id), image(nullptr), imageIsIcon(false) {}

DButton::~DButton()
{
    DestroyImage();
}

DButton& DButton::operator[](unsigned long id)
{
    SetItem(id);
    return *this;
}

DButton& DButton::operator()(int index)
{
    SetIndex(index);
    return *this;
}

int DButton::Create(DName const& text, unsigned long style, int x, int y, int width, int height,
                    unsigned long controlId)
{
    return MakeWindow("BUTTON", text, style, true, x, y, width, height, controlId);
}

int DButton::Created(DName const& text, unsigned long style, int x, int y, int width, int height,
                     unsigned long controlId)
{
    return MakeWindow("BUTTON", text, style, false, x, y, width, height, controlId);
}

bool DButton::SetText(DName const& text, int id) const
{
    return !text.isEmpty()
        && ParentMsg(WM_SETTEXT, id, 0, reinterpret_cast<LPARAM>(text.Name())) != 0;
}

bool DButton::SetIcon(void* newImage, bool own, bool asIcon, int id)
{
    if (own && newImage != image) {
        DestroyImage();
        image = newImage;
        imageIsIcon = asIcon;
    }
    HWND button = GetHandle(id);
    if (!button)
        return false;
    SendMessageA(button, BM_SETIMAGE, asIcon ? IMAGE_ICON : IMAGE_BITMAP,
                 reinterpret_cast<LPARAM>(newImage));
    return true;
}

bool DButton::SetBitmap(void* newImage, bool own, int id)
{
    return SetIcon(newImage, own, false, id);
}

void* DButton::GetImage(bool asIcon, int id) const
{
    return reinterpret_cast<void*>(ParentMsg(BM_GETIMAGE, id, asIcon ? IMAGE_ICON : IMAGE_BITMAP));
}

bool DButton::isIcon(HICON icon, int id) const
{
    return icon && GetImage(true, id) == icon;
}

bool DButton::isBitmap(HBITMAP bitmap, int id) const
{
    return bitmap && GetImage(false, id) == bitmap;
}

bool DButton::isImage(void* candidate, int id) const
{
    return candidate && (GetImage(true, id) == candidate || GetImage(false, id) == candidate);
}

bool DButton::SetClicked(int id) const
{
    HWND button = GetHandle(id);
    if (!button)
        return false;
    SendMessageA(button, BM_CLICK, 0, 0);
    return true;
}

void DButton::DestroyImage()
{
    if (!image)
        return;
    if (imageIsIcon)
        DestroyIcon(static_cast<HICON>(image));
    else
        DeleteObject(static_cast<HGDIOBJ>(image));
    image = nullptr;
}
