#include "DRect.h"

namespace {

// Coordinates wrap instead of overflowing (signed overflow is undefined).
long Add(long a, long b)
{
    return static_cast<long>(static_cast<unsigned long>(a) + static_cast<unsigned long>(b));
}

long Sub(long a, long b)
{
    return static_cast<long>(static_cast<unsigned long>(a) - static_cast<unsigned long>(b));
}

} // namespace

DRect::DRect() : left_(0), top_(0), right_(0), bottom_(0)
{
}

DRect::DRect(long left, long top, long right, long bottom)
    : left_(left), top_(top), right_(right), bottom_(bottom)
{
}

DRect::DRect(POINT upperLeft, POINT bottomRight)
    : left_(upperLeft.x), top_(upperLeft.y), right_(bottomRight.x), bottom_(bottomRight.y)
{
}

DRect::DRect(RECT const& r) : left_(r.left), top_(r.top), right_(r.right), bottom_(r.bottom)
{
}

DRect::DRect(DRect const& r)
    : left_(r.left_), top_(r.top_), right_(r.right_), bottom_(r.bottom_)
{
}

DRect::DRect(HWND wnd) : DRect()
{
    FromWnd(wnd);
}

DRect& DRect::Copy(RECT const& r)
{
    left_ = r.left;
    top_ = r.top;
    right_ = r.right;
    bottom_ = r.bottom;
    return *this;
}

DRect& DRect::Copy(DRect const& r)
{
    left_ = r.left_;
    top_ = r.top_;
    right_ = r.right_;
    bottom_ = r.bottom_;
    return *this;
}

DRect& DRect::operator=(DRect const& r)
{
    return Copy(r);
}

DRect& DRect::operator=(HWND wnd)
{
    FromWnd(wnd);
    return *this;
}

DRect& DRect::operator=(int id)
{
    FromId(static_cast<unsigned long>(id));
    return *this;
}

DRect& DRect::operator=(unsigned id)
{
    FromId(id);
    return *this;
}

DRect& DRect::operator=(long id)
{
    FromId(static_cast<unsigned long>(id));
    return *this;
}

DRect& DRect::operator=(unsigned long id)
{
    FromId(id);
    return *this;
}

bool DRect::FromWnd(HWND wnd)
{
    RECT r;
    if (!wnd || !GetWindowRect(wnd, &r)) {
        SetEmpty();
        return false;
    }
    Copy(r);
    return true;
}

bool DRect::FromId(unsigned long id)
{
    HWND const active = GetActiveWindow();
    return FromWnd(active ? GetDlgItem(active, static_cast<int>(id)) : nullptr);
}

bool DRect::isEmpty() const
{
    return left_ == 0 && top_ == 0 && right_ == 0 && bottom_ == 0;
}

bool DRect::operator!() const
{
    return isEmpty();
}

bool DRect::Comp(DRect const& r) const
{
    return left_ == r.left_ && top_ == r.top_ && right_ == r.right_ && bottom_ == r.bottom_;
}

bool DRect::operator==(DRect const& r) const
{
    return Comp(r);
}

bool DRect::operator!=(DRect const& r) const
{
    return !Comp(r);
}

unsigned long DRect::GetWidth() const
{
    return static_cast<unsigned long>(right_) - static_cast<unsigned long>(left_);
}

unsigned long DRect::GetHeight() const
{
    return static_cast<unsigned long>(bottom_) - static_cast<unsigned long>(top_);
}

unsigned long DRect::GetCenterX() const
{
    return GetWidth() >> 1;
}

unsigned long DRect::GetCenterY() const
{
    return GetHeight() >> 1;
}

POINT DRect::GetUpperLeft() const
{
    POINT p = {left_, top_};
    return p;
}

POINT DRect::GetBottomRight() const
{
    POINT p = {right_, bottom_};
    return p;
}

bool DRect::isPoint(long x, long y) const
{
    return left_ <= x && x <= right_ && top_ <= y && y <= bottom_;
}

bool DRect::isPoint(POINT p) const
{
    return isPoint(p.x, p.y);
}

bool DRect::isPoint(DRect const& r) const
{
    return isPoint(r.left_, r.top_) && isPoint(r.right_, r.bottom_);
}

void DRect::SetLeft(long v)
{
    if (v > right_) {
        left_ = right_;
        right_ = v;
    } else {
        left_ = v;
    }
}

void DRect::SetTop(long v)
{
    if (v > bottom_) {
        top_ = bottom_;
        bottom_ = v;
    } else {
        top_ = v;
    }
}

void DRect::SetRight(long v)
{
    if (v < left_) {
        right_ = left_;
        left_ = v;
    } else {
        right_ = v;
    }
}

void DRect::SetBottom(long v)
{
    if (v < top_) {
        bottom_ = top_;
        top_ = v;
    } else {
        bottom_ = v;
    }
}

void DRect::SetRect(long left, long top, long right, long bottom)
{
    SetTop(top);
    SetBottom(bottom);
    SetLeft(left);
    SetRight(right);
}

void DRect::SetUpperLeft(long x, long y)
{
    SetLeft(x);
    SetTop(y);
}

void DRect::SetUpperLeft(POINT p)
{
    SetUpperLeft(p.x, p.y);
}

void DRect::SetBottomRight(long x, long y)
{
    SetRight(x);
    SetBottom(y);
}

void DRect::SetBottomRight(POINT p)
{
    SetBottomRight(p.x, p.y);
}

void DRect::SetWidth(unsigned long w)
{
    right_ = Add(left_, static_cast<long>(w));
}

void DRect::SetHeight(unsigned long h)
{
    bottom_ = Add(top_, static_cast<long>(h));
}

void DRect::SetEmpty()
{
    left_ = top_ = right_ = bottom_ = 0;
}

DRect& DRect::ASX(long d)
{
    left_ = Sub(left_, d);
    right_ = Add(right_, d);
    return *this;
}

DRect& DRect::ASY(long d)
{
    top_ = Sub(top_, d);
    bottom_ = Add(bottom_, d);
    return *this;
}

DRect& DRect::IDXY(long d)
{
    ASX(d);
    return ASY(d);
}

DRect& DRect::AddRect(DRect const& r)
{
    left_ = Add(left_, r.left_);
    top_ = Add(top_, r.top_);
    right_ = Add(right_, r.right_);
    bottom_ = Add(bottom_, r.bottom_);
    return *this;
}

DRect& DRect::SubtractRect(DRect const& r)
{
    left_ = Sub(left_, r.left_);
    top_ = Sub(top_, r.top_);
    right_ = Sub(right_, r.right_);
    bottom_ = Sub(bottom_, r.bottom_);
    return *this;
}

DRect& DRect::operator+=(DRect const& r)
{
    return AddRect(r);
}

DRect& DRect::operator-=(DRect const& r)
{
    return SubtractRect(r);
}

DRect DRect::operator+(DRect const& r) const
{
    DRect out(*this);
    return out.AddRect(r);
}

DRect DRect::operator-(DRect const& r) const
{
    DRect out(*this);
    return out.SubtractRect(r);
}

DRect DRect::operator+(long d) const
{
    DRect out(*this);
    return out.IDXY(d);
}

DRect DRect::operator-(long d) const
{
    DRect out(*this);
    return out.IDXY(d);
}

DRect& DRect::operator+=(long d)
{
    return IDXY(d);
}

DRect& DRect::operator-=(long d)
{
    return IDXY(d);
}
