// The bitmap window: fitting window and scroll bars to the zoomed picture, painting, scrolling
// and the zoom and scroll keys.
#include "bitmapwnd.h"
#include "scrollstep.h"

#include <cstdlib>

namespace {

const int LARGEST_ZOOM = 50;
const COLORREF GREY = 0x7F7F7F;

SIZE pictureSize(const BitmapWndData& d) {
    return {d.info->bmiHeader.biWidth, std::abs(d.info->bmiHeader.biHeight)};
}

SIZE zoomedSize(const BitmapWndData& d) {
    SIZE picture = pictureSize(d);
    return {picture.cx * d.zoomNum / d.zoomDen, picture.cy * d.zoomNum / d.zoomDen};
}

// Sets a bar's range 0 ... maximum and its page, keeping the position (the system clamps it).
void setRange(HWND hwnd, int bar, int page, int maximum) {
    SCROLLINFO si = {};
    si.cbSize = sizeof si;
    si.fMask = SIF_ALL;
    GetScrollInfo(hwnd, bar, &si);
    si.fMask = SIF_ALL;
    si.nMin = 0;
    si.nMax = maximum;
    si.nPage = static_cast<UINT>(page);
    SetScrollInfo(hwnd, bar, &si, TRUE);
}

bool sameSize(const RECT& a, const RECT& b) {
    return a.right - a.left == b.right - b.left && a.bottom - a.top == b.bottom - b.top;
}

} // namespace

BitmapWnd::BitmapWnd() {
    bitmapData = {nullptr, nullptr, 0, 0, 0, 1, 1};
    *this << Flag(5) << "BitmapWnd" << Flag(3) << 1 << Flag(4) << 1;
    *this << Flag(9) << (WS_BORDER | WS_VSCROLL | WS_HSCROLL);
    *this << Flag(13) << WS_EX_CLIENTEDGE;
    *this << Flag(7) << GREY;
    exData.classData = &bitmapData;
    setWndProc(WndProc);
}

BitmapWnd::~BitmapWnd() {
    wait();
}

void BitmapWnd::update() {
    bitmapData.sized = 0;
    if (record.hwnd) InvalidateRect(record.hwnd, nullptr, FALSE);
}

void BitmapWnd::setValue(void* value) {
    switch (flag) {
    case 15:
        bitmapData.info = static_cast<const BITMAPINFO*>(value);
        return;
    case 16:
        bitmapData.bits = value;
        update();
        return;
    case 17:
        bitmapData.maxWidth = (*this)(value);
        return;
    case 18:
        bitmapData.maxHeight = (*this)(value);
        return;
    }
    WndExClass::setValue(value);
}

BitmapWndData* BitmapWnd::getBitmapWndData(HWND hwnd) {
    return static_cast<BitmapWndData*>(getClassData(hwnd));
}

void BitmapWnd::checkSize(HWND hwnd) {
    BitmapWndData* d = getBitmapWndData(hwnd);
    if (!d) {
        setRange(hwnd, SB_HORZ, 0, 0);
        setRange(hwnd, SB_VERT, 0, 0);
        return;
    }
    if (!d->info || !d->bits) return;
    SIZE zoomed = zoomedSize(*d);
    RECT wanted = {0, 0, zoomed.cx, zoomed.cy};
    if (d->maxWidth > 0 && wanted.right > d->maxWidth) wanted.right = d->maxWidth;
    if (d->maxHeight > 0 && wanted.bottom > d->maxHeight) wanted.bottom = d->maxHeight;
    const bool horizontalBar = zoomed.cx > wanted.right;
    const bool verticalBar = zoomed.cy > wanted.bottom;

    // The frame from the window's own styles: caption, border and edges, whatever the window is.
    DWORD style = static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE));
    DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_EXSTYLE));
    RECT frame = wanted;
    AdjustWindowRectEx(&frame, style & ~(WS_HSCROLL | WS_VSCROLL), FALSE, exStyle);
    if (horizontalBar) frame.bottom += GetSystemMetrics(SM_CYHSCROLL);
    if (verticalBar) frame.right += GetSystemMetrics(SM_CXVSCROLL);

    RECT now;
    GetWindowRect(hwnd, &now);
    if (sameSize(now, frame)) return;
    SetWindowPos(hwnd, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void BitmapWnd::sizeFkt(HWND hwnd) {
    BitmapWndData* d = getBitmapWndData(hwnd);
    if (!d || !d->info || !d->bits || d->sized) return;
    checkSize(hwnd);
    SIZE zoomed = zoomedSize(*d);
    // Showing or hiding a bar changes the client area and so the pages: a second round settles it.
    for (int round = 0; round < 2; ++round) {
        RECT client;
        GetClientRect(hwnd, &client);
        setRange(hwnd, SB_HORZ, client.right + 1, zoomed.cx);
        setRange(hwnd, SB_VERT, client.bottom + 1, zoomed.cy);
        RECT after;
        GetClientRect(hwnd, &after);
        if (sameSize(client, after)) break;
    }
    checkSize(hwnd);
    d->sized = 1;
}

void BitmapWnd::paintFkt(HWND hwnd) {
    BitmapWndData* d = getBitmapWndData(hwnd);
    if (!d || !d->info || !d->bits) return;
    const int h = GetScrollPos(hwnd, SB_HORZ);
    const int v = GetScrollPos(hwnd, SB_VERT);
    SIZE picture = pictureSize(*d);
    SIZE zoomed = zoomedSize(*d);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    // The whole picture, moved by the scroll positions; what lies outside is clipped away.
    StretchDIBits(dc, -h, -v, zoomed.cx, zoomed.cy, 0, 0, picture.cx, picture.cy, d->bits, d->info,
                  DIB_RGB_COLORS, SRCCOPY);
    EndPaint(hwnd, &ps);
}

void BitmapWnd::scrollFkt(HWND hwnd, UINT message, UINT request) {
    const int bar = message == WM_VSCROLL ? SB_VERT : SB_HORZ;
    SCROLLINFO si = {};
    si.cbSize = sizeof si;
    si.fMask = SIF_ALL;
    GetScrollInfo(hwnd, bar, &si);
    if (request == SB_TOP)
        si.nPos = si.nMin;
    else if (request == SB_BOTTOM)
        si.nPos = si.nMax;
    else if (!stepScrollPos(si, request))
        return;
    si.fMask = SIF_POS;
    SetScrollInfo(hwnd, bar, &si, TRUE); // clamps
    InvalidateRect(hwnd, nullptr, FALSE);
}

void BitmapWnd::keydownFkt(HWND hwnd, WPARAM key, LPARAM lParam) {
    BitmapWndData* d = getBitmapWndData(hwnd);
    const bool ctrl = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
    switch (key) {
    case VK_PRIOR:
        SendMessageA(hwnd, WM_VSCROLL, SB_PAGEUP, 0);
        return;
    case VK_NEXT:
        SendMessageA(hwnd, WM_VSCROLL, SB_PAGEDOWN, 0);
        return;
    case VK_UP:
        SendMessageA(hwnd, WM_VSCROLL, SB_LINEUP, 0);
        return;
    case VK_DOWN:
        SendMessageA(hwnd, WM_VSCROLL, SB_LINEDOWN, 0);
        return;
    case VK_LEFT:
        SendMessageA(hwnd, WM_HSCROLL, ctrl ? SB_PAGELEFT : SB_LINELEFT, 0);
        return;
    case VK_RIGHT:
        SendMessageA(hwnd, WM_HSCROLL, ctrl ? SB_PAGERIGHT : SB_LINERIGHT, 0);
        return;
    case VK_ADD:
    case VK_SUBTRACT:
        if (!d) return;
        if (key == VK_ADD) {
            if (d->zoomDen == 1 && d->zoomNum < LARGEST_ZOOM) ++d->zoomNum;
            if (d->zoomDen > 1) --d->zoomDen;
        } else {
            if (d->zoomNum == 1 && d->zoomDen < LARGEST_ZOOM) ++d->zoomDen;
            if (d->zoomNum > 1) --d->zoomNum;
        }
        d->sized = 0;
        InvalidateRect(hwnd, nullptr, TRUE);
        return;
    }
    SendMessageA(GetParent(hwnd), WM_KEYDOWN, key, lParam);
}

LRESULT CALLBACK BitmapWnd::WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: // not bound yet: both scroll bars get an empty range
        checkSize(hwnd);
        break;
    case WM_DESTROY:
        WM_DESTROY_FKT(hwnd);
        break;
    case WM_CLOSE:
        WM_CLOSE_FKT(hwnd);
        break;
    case WM_SIZE:
        if (BitmapWndData* d = getBitmapWndData(hwnd)) {
            d->sized = 0;
            // Invalidated: a window that shrank would get no paint, and the fit comes with one.
            InvalidateRect(hwnd, nullptr, FALSE);
        }
        break;
    case WM_PAINT:
        sizeFkt(hwnd);
        paintFkt(hwnd);
        break;
    case WM_KEYDOWN:
        keydownFkt(hwnd, wParam, lParam);
        break;
    case WM_HSCROLL:
    case WM_VSCROLL:
        scrollFkt(hwnd, message, LOWORD(wParam));
        break;
    case WM_LBUTTONDOWN:
        SetFocus(hwnd);
        break;
    }
    return WndRetFkt(hwnd, message, wParam, lParam);
}
