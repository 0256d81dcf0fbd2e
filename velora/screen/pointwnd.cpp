#include "screen/pointwnd.h"

#include "screen/messagewnd.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

void resize(HWND hwnd, PointWndData& d) {
    HWND parent = GetParent(hwnd);
    if (!parent) return;
    GetClientRect(parent, &d.parentNow);
    const double sx =
        d.parentAtOpen.right ? static_cast<double>(d.parentNow.right) / d.parentAtOpen.right : 1.0;
    const double sy = d.parentAtOpen.bottom
                          ? static_cast<double>(d.parentNow.bottom) / d.parentAtOpen.bottom
                          : 1.0;
    d.curRect.left = static_cast<LONG>(d.initRect.left * sx);
    d.curRect.right = static_cast<LONG>(d.initRect.right * sx);
    d.curRect.top = static_cast<LONG>(d.initRect.top * sy);       // lower edge + 1
    d.curRect.bottom = static_cast<LONG>(d.initRect.bottom * sy); // upper edge
    d.width = d.curRect.right - d.curRect.left;
    d.height = d.curRect.top - d.curRect.bottom;
    MoveWindow(hwnd, d.curRect.left, d.curRect.bottom, d.width, d.height, TRUE);
    SetWindowPos(hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// The mouse position in the parent's client coordinates, as the parent's messages carry it.
LPARAM inParent(HWND hwnd, LPARAM position) {
    RECT own, parent;
    GetWindowRect(hwnd, &own);
    GetWindowRect(GetParent(hwnd), &parent);
    const int x = LOWORD(position) + (own.left - parent.left) - GetSystemMetrics(SM_CXFRAME);
    const int y = HIWORD(position) + (own.top - parent.top) - GetSystemMetrics(SM_CYCAPTION) -
                  GetSystemMetrics(SM_CYFRAME);
    return MAKELPARAM(x, y);
}

void reportPosition(HWND hwnd, PointWndData& d, LPARAM position) {
    if (!d.tupel) return;
    double vx = 0.0, vy = 0.0;
    if (d.dimmed) {
        const FLOAT_RECT& r = d.dimRect;
        const double mx = static_cast<short>(LOWORD(position));
        const double my = static_cast<short>(HIWORD(position));
        vx = mx / (d.width - 1) * (static_cast<double>(r.xRight) - r.xLeft) + r.xLeft;
        vy = (1.0 - my / (d.height - 1)) * (static_cast<double>(r.yHigh) - r.yLow) + r.yLow;
        if (d.logX) vx = std::pow(10.0, vx);
        if (d.logY) vy = std::pow(10.0, vy);
    }
    HWND box = *d.tupel;
    if (box && IsWindowVisible(box)) {
        SetWindowPos(box, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        char text[64];
        std::snprintf(text, sizeof text, "Box\n%g:%g", vx, vy);
        *d.tupel << Values::Flag(15) << text;
    }
    (void)hwnd;
}

} // namespace

PointWnd::PointWnd() {
    std::memset(&data, 0, sizeof data);
    *this << Flag(5) << "PointWnd" << Flag(13) << 0x20ul; // transparent
    exData.classData = &data;
    setWndProc(WndProc);
}

PointWnd::~PointWnd() {
    wait();
}

void PointWnd::setParentHWND(HWND parent) {
    *this << Flag(8) << static_cast<void*>(&parent);
}

void PointWnd::setHCOURSOR(HICON cursor) {
    HWND hwnd = *this;
    if (hwnd && IsWindow(hwnd))
        SetClassLongPtrA(hwnd, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(cursor));
}

void PointWnd::Size() {
    HWND hwnd = *this;
    if (hwnd && IsWindow(hwnd)) SendMessageA(hwnd, WM_SIZE, 0, 0);
}

void PointWnd::open(short left, short upper, short right, short lower) {
    GetClientRect(record.parent, &data.parentAtOpen);
    data.parentNow = data.parentAtOpen;
    data.initRect = RECT{left, static_cast<LONG>(lower + 1), static_cast<LONG>(right + 1), upper};
    data.curRect = data.initRect;
    *this << Flag(1) << static_cast<int>(left) << Flag(2) << static_cast<int>(upper);
    *this << Flag(3) << right - left << Flag(4) << lower - upper;
    WndBase::open();
    Size();
}

void PointWnd::dim(float xLeft, float xRight, float yLow, float yHigh) {
    data.dimRect = FLOAT_RECT{xLeft, xRight, yLow, yHigh};
    data.dimmed = 1;
}

void PointWnd::takeOver(PointWnd& other) {
    if (other.record.parent) setParentHWND(other.record.parent);
    data.initRect = other.data.initRect;
    data.dimRect = other.data.dimRect;
    data.logX = other.data.logX;
    data.logY = other.data.logY;
}

WndExClassData* PointWnd::getWndExClassData(HWND hwnd) {
    WndBaseData* d = getWndBaseData(hwnd);
    return d ? d->extData : nullptr;
}

PointWndData* PointWnd::getPointWndData(HWND hwnd) {
    return static_cast<PointWndData*>(getClassData(hwnd));
}

LRESULT CALLBACK PointWnd::WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    PointWndData* d = getPointWndData(hwnd);
    switch (message) {
    case WM_SIZE:
        if (d) resize(hwnd, *d);
        break;
    case WM_ERASEBKGND:
        // The plot box beneath shows through: the window never paints.
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(hwnd, &paint);
        EndPaint(hwnd, &paint);
        return 0;
    }
    case WM_MOUSEMOVE:
        if (d) reportPosition(hwnd, *d, lParam);
        lParam = inParent(hwnd, lParam);
        SendMessageA(GetParent(hwnd), message, wParam, lParam);
        break;
    case WM_LBUTTONDOWN:
        if (d && d->tupel && static_cast<HWND>(*d->tupel)) {
            HWND box = *d->tupel;
            ShowWindow(box, IsWindowVisible(box) ? SW_HIDE : SW_SHOW);
            BringWindowToTop(hwnd);
            SetWindowPos(box, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        lParam = inParent(hwnd, lParam);
        SendMessageA(GetParent(hwnd), message, wParam, lParam);
        break;
    case WM_CLOSE:
        WM_CLOSE_FKT(hwnd);
        break;
    case WM_DESTROY:
        WM_DESTROY_FKT(hwnd);
        break;
    }
    return WndRetFkt(hwnd, message, wParam, lParam);
}
