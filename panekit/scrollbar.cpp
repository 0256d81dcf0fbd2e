// The scroll bar window: properties applied to the system control once the window exists (at
// once, on the window's thread, after every change), scrolling requests, and the parent's
// notifications.
#include "scrollbar.h"

namespace {
// Fit the control and apply range, page and position: posted to itself at creation, once the
// control exists, and sent after every property change.
const UINT LAY_OUT = WM_USER + 3;
} // namespace

ScrollBar::ScrollBar() {
    barData.info = {};
    barData.info.cbSize = sizeof(SCROLLINFO);
    barData.info.nMin = 0;
    barData.info.nMax = 109;
    barData.info.nPage = 10;
    barData.info.nPos = 0;
    barData.resizePending = 1;
    barData.notifyMessage = 0;
    *this << Flag(5) << "SCROLLBARWND";
    barData.control << Flag(5) << "SCROLLBAR";
    *this <= barData.control;
    exData.classData = &barData;
    setWndProc(WndProc);
}

ScrollBar::~ScrollBar() {
    wait();
}

void ScrollBar::setValue(void* value) {
    SCROLLINFO& info = barData.info;
    bool changed = false;
    switch (flag) {
    case 15:
        barData.notifyMessage = static_cast<int>(static_cast<unsigned long>((*this)(value)));
        return;
    case 16: {
        int minimum = (*this)(value);
        if (minimum == info.nMin) break;
        info.nMin = minimum;
        if (info.nMax < minimum) info.nMax = minimum;
        changed = true;
        break;
    }
    case 17: {
        int highest = (*this)(value);
        int extent = static_cast<int>(info.nPage) - 1;
        // Compared with the highest position, not the stored maximum, which holds the page too.
        if (highest == info.nMax - extent) break;
        info.nMax = highest;
        if (info.nMin > highest) info.nMin = highest;
        info.nMax += extent;
        changed = true;
        break;
    }
    case 18: {
        unsigned int page = (*this)(value);
        if (page == info.nPage) break;
        info.nMax -= static_cast<int>(info.nPage) - 1;
        info.nPage = page;
        info.nMax += static_cast<int>(info.nPage) - 1;
        changed = true;
        break;
    }
    case 19:
        info.nPos = (*this)(value);
        changed = true;
        break;
    default:
        WndExClass::setValue(value);
        return;
    }
    if (!changed) return;
    barData.resizePending = 1;
    // Applied at once, on the window's own thread, where every other change of the control is
    // made: a write from another thread then never meets an update half done.
    if (record.hwnd && IsWindow(record.hwnd)) SendMessageA(record.hwnd, LAY_OUT, 0, 0);
}

void* ScrollBar::getValue() {
    switch (flag) {
    case 16:
        return (*this)(barData.info.nMin);
    case 17:
        return (*this)(barData.info.nMax);
    case 18:
        return (*this)(barData.info.nPage);
    case 19:
        return (*this)(barData.info.nPos);
    }
    return WndExClass::getValue();
}

ScrollBarData* ScrollBar::getScrollBarData(HWND hwnd) {
    return hwnd ? static_cast<ScrollBarData*>(getClassData(hwnd)) : nullptr;
}

void ScrollBar::notifyParent(HWND hwnd, ScrollBarData& data) {
    if (data.notifyMessage)
        SendMessageA(GetParent(hwnd), data.notifyMessage, static_cast<WPARAM>(data.info.nPos), 0);
}

void ScrollBar::resize(HWND hwnd) {
    ScrollBarData* data = getScrollBarData(hwnd);
    if (!data) return;
    InvalidateRect(hwnd, nullptr, TRUE);
    if (!data->resizePending) return;
    data->resizePending = 0;
    HWND control = data->control;
    RECT client;
    GetClientRect(hwnd, &client);
    SetWindowPos(control, nullptr, 0, 0, client.right, client.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    data->info.fMask = SIF_ALL;
    SetScrollInfo(control, SB_CTL, &data->info, TRUE); // clamps the position into the range
    GetScrollInfo(control, SB_CTL, &data->info);
    notifyParent(hwnd, *data);
}

void ScrollBar::scroll(HWND hwnd, UINT request) {
    ScrollBarData* data = getScrollBarData(hwnd);
    if (!data) return;
    HWND control = data->control;
    SCROLLINFO& info = data->info;
    info.fMask = SIF_ALL;
    GetScrollInfo(control, SB_CTL, &info);
    switch (request) {
    case SB_LINEUP:
        info.nPos -= 1;
        break;
    case SB_LINEDOWN:
        info.nPos += 1;
        break;
    case SB_PAGEUP:
        info.nPos -= static_cast<int>(info.nPage);
        break;
    case SB_PAGEDOWN:
        info.nPos += static_cast<int>(info.nPage);
        break;
    case SB_THUMBPOSITION:
        // Releasing the thumb commits the value, as Enter does in a field.
        SendMessageA(GetParent(hwnd), WM_KEYDOWN, VK_RETURN, 0);
        info.nPos = info.nTrackPos;
        break;
    case SB_THUMBTRACK:
        info.nPos = info.nTrackPos;
        break;
    default:
        return;
    }
    SetScrollInfo(control, SB_CTL, &info, TRUE);
    GetScrollInfo(control, SB_CTL, &info);
    notifyParent(hwnd, *data);
}

LRESULT CALLBACK ScrollBar::WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // The control covers the whole window, and painting it validates the window beneath: the
    // window may never see a paint of its own. So the control is fitted as soon as the window
    // exists and whenever its size changes, not only at a paint.
    switch (message) {
    case WM_CREATE:
        PostMessageA(hwnd, LAY_OUT, 0, 0);
        break;
    case LAY_OUT:
    case WM_SIZE:
        if (ScrollBarData* data = getScrollBarData(hwnd)) {
            data->resizePending = 1;
            resize(hwnd); // reports the position to the parent
        }
        break;
    case WM_DESTROY:
        WM_DESTROY_FKT(hwnd);
        break;
    case WM_PAINT:
        resize(hwnd);
        break;
    case WM_CLOSE:
        WM_CLOSE_FKT(hwnd);
        break;
    case WM_HSCROLL:
    case WM_VSCROLL:
        scroll(hwnd, LOWORD(wParam));
        break;
    }
    return WndRetFkt(hwnd, message, wParam, lParam);
}
