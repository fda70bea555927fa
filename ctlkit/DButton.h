// DButton: a push button, its text and its image.
#pragma once

#include "DIBasics.h"

class CTLKIT_API DButton : public DIBasics
{
public:
    DButton(HWND parent = nullptr, int id = 0);
    ~DButton() override;

    DButton& operator[](unsigned long id);
    DButton& operator()(int index);

    // A "BUTTON" window in dialog units; its index among the created windows.
    int Create(DName const& text, unsigned long style, int x, int y, int width, int height,
               unsigned long controlId = 0);
    int Created(DName const& text, unsigned long style, int x, int y, int width, int height,
                unsigned long controlId = 0);

    bool SetText(DName const& text, int id = -1) const;
    // With own the wrapper keeps the image and destroys it with DestroyImage.
    bool SetIcon(void* image, bool own, bool asIcon = true, int id = -1);
    bool SetBitmap(void* image, bool own, int id = -1);
    void* GetImage(bool asIcon, int id = -1) const;
    bool isIcon(HICON icon, int id = -1) const;
    bool isBitmap(HBITMAP bitmap, int id = -1) const;
    bool isImage(void* image, int id = -1) const;
    bool SetClicked(int id = -1) const;
    void DestroyImage();

private:
    void* image;
    bool imageIsIcon;
};
