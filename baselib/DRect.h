// A rectangle in the platform's RECT layout: left, top, right, bottom.
#pragma once

#include <windows.h>

#include "BaselibApi.h"

class BASELIB_API DRect
{
public:
    DRect();
    DRect(long left, long top, long right, long bottom);
    DRect(POINT upperLeft, POINT bottomRight);
    DRect(RECT const& r);
    DRect(DRect const& r);
    // Explicit: measuring a window should never happen by accident.
    explicit DRect(HWND wnd);

    DRect& Copy(RECT const& r);
    DRect& Copy(DRect const& r);
    DRect& operator=(DRect const& r);
    DRect& operator=(HWND wnd);
    // Dialog item ids come as any integer type; one overload each keeps
    // "r = 0" and "r = id" unambiguous beside operator= (HWND).
    DRect& operator=(int id);
    DRect& operator=(unsigned id);
    DRect& operator=(long id);
    DRect& operator=(unsigned long id);

    // Screen rectangle of a window / of a dialog item of the active window.
    // On failure the rectangle is empty and the result false.
    bool FromWnd(HWND wnd);
    bool FromId(unsigned long id);

    bool isEmpty() const;
    bool operator!() const;
    bool Comp(DRect const& r) const;
    bool operator==(DRect const& r) const;
    bool operator!=(DRect const& r) const;

    unsigned long GetWidth() const;
    unsigned long GetHeight() const;
    // Offsets from the left and top edge, not absolute coordinates.
    unsigned long GetCenterX() const;
    unsigned long GetCenterY() const;
    POINT GetUpperLeft() const;
    POINT GetBottomRight() const;

    // Edges included.
    bool isPoint(long x, long y) const;
    bool isPoint(POINT p) const;
    bool isPoint(DRect const& r) const;

    // Each setter keeps its edge pair ordered by swapping when needed.
    void SetLeft(long v);
    void SetTop(long v);
    void SetRight(long v);
    void SetBottom(long v);
    void SetRect(long left, long top, long right, long bottom);
    void SetUpperLeft(long x, long y);
    void SetUpperLeft(POINT p);
    void SetBottomRight(long x, long y);
    void SetBottomRight(POINT p);
    void SetWidth(unsigned long w);
    void SetHeight(unsigned long h);
    void SetEmpty();

    // Grow by d on each side (shrink for negative d).
    DRect& ASX(long d);
    DRect& ASY(long d);
    DRect& IDXY(long d);

    DRect& AddRect(DRect const& r);
    DRect& SubtractRect(DRect const& r);
    DRect& operator+=(DRect const& r);
    DRect& operator-=(DRect const& r);
    DRect operator+(DRect const& r) const;
    DRect operator-(DRect const& r) const;
    // Both grow by d on every side, as IDXY (d).
    DRect operator+(long d) const;
    DRect operator-(long d) const;
    DRect& operator+=(long d);
    DRect& operator-=(long d);

private:
    long left_;
    long top_;
    long right_;
    long bottom_;
};
