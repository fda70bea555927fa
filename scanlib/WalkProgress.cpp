#include "WalkProgress.h"

#include <cstdio>
#include <cstring>

#include "DProgressBar.h"

namespace {

DWORD const TextInterval = 750;
// Past this share the bar's fill covers the text, and the bar's own
// repainting takes the old text away.
double const WipedByFill = 55;

}  // namespace

WalkProgress::WalkProgress()
    : bar_(nullptr), window_(nullptr), dc_(nullptr), font_(nullptr),
      oldFont_(nullptr), wipe_(CLR_INVALID), pos_(0), step_(1), lastText_(0),
      textDue_(false), percent_(0), text_()
{
}

WalkProgress::~WalkProgress()
{
    Release();
}

void WalkProgress::Begin(DProgressBar const* bar)
{
    Release();
    bar_ = bar;
    text_[0] = 0;
    textDue_ = true;
    if (!bar_)
        return;
    pos_ = bar_->GetPos();
    window_ = bar_->GetIdHandle();
    // The fill grows by whole pixels: a position that moves it by none
    // shows nothing new, and every move costs the bar's window a repaint.
    RECT area;
    unsigned long const width =
        window_ && GetClientRect(window_, &area) && area.right > 0 ? static_cast<unsigned long>(area.right) : 1;
    step_ = bar_->GetRange() / width;
    if (!step_)
        step_ = 1;
    dc_ = window_ ? GetDC(window_) : nullptr;
    if (!dc_)
        return;
    wipe_ = GetPixel(dc_, 0, 0);
    SetBkMode(dc_, TRANSPARENT);
    font_ = CreateFontA(12, 10, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE,
                        DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                        DEFAULT_QUALITY, FF_SWISS, nullptr);
    if (font_)
        oldFont_ = SelectObject(dc_, font_);
}

void WalkProgress::Show(unsigned long pos)
{
    if (!bar_)
        return;
    unsigned long const moved = pos > pos_ ? pos - pos_ : pos_ - pos;
    bool const shown = moved >= step_;
    if (shown) {
        bar_->SetPos(pos);
        pos_ = pos;
    }
    DWORD const now = GetTickCount();
    bool textShown = false;
    if (textDue_ || now - lastText_ >= TextInterval) {
        textDue_ = false;
        lastText_ = now;
        unsigned long const range = bar_->GetRange();
        // An empty range has no share to show.
        if (range) {
            double const percent = pos * 100.0 / range;
            char text[sizeof text_];
            std::snprintf(text, sizeof text, "%02.00f%% ", percent);
            if (std::strcmp(text, text_) != 0) {
                if (text_[0] && percent_ <= WipedByFill && wipe_ != CLR_INVALID)
                    Paint(wipe_);
                std::memcpy(text_, text, sizeof text_);
                percent_ = percent;
                textShown = true;
            }
        }
    }
    // The bar repaints itself under the text as it moves.
    if (text_[0] && (shown || textShown))
        Paint(GetSysColor(COLOR_MENUTEXT));
}

void WalkProgress::End()
{
    if (!bar_)
        return;
    Release();
    bar_->SetPos(0);
    pos_ = 0;
    // Also takes the painted text away.
    if (window_)
        RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    bar_ = nullptr;
    window_ = nullptr;
    text_[0] = 0;
}

char const* WalkProgress::Text() const
{
    return text_;
}

void WalkProgress::Paint(COLORREF colour) const
{
    RECT area;
    if (!dc_ || !GetClientRect(window_, &area))
        return;
    SetTextColor(dc_, colour);
    DrawTextA(dc_, text_, -1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void WalkProgress::Release()
{
    if (dc_) {
        if (oldFont_)
            SelectObject(dc_, oldFont_);
        ReleaseDC(window_, dc_);
    }
    if (font_)
        DeleteObject(font_);
    dc_ = nullptr;
    font_ = nullptr;
    oldFont_ = nullptr;
    wipe_ = CLR_INVALID;
}
