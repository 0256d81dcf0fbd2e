// The button control: the system class, subclassed to pass Tab to the parent.
#include "button.h"

Button::Button() {
    *this << Flag(5) << "BUTTON";
    setWndProc(WndProc);
}

Button::~Button() {
    wait();
}

LRESULT CALLBACK Button::WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DESTROY:
        WM_DESTROY_FKT(hwnd);
        break;
    case WM_CLOSE:
        WM_CLOSE_FKT(hwnd);
        break;
    case WM_KEYDOWN:
        if (wParam == VK_TAB) SendMessageA(GetParent(hwnd), message, wParam, lParam);
        break;
    }
    return WndRetFkt(hwnd, message, wParam, lParam);
}
