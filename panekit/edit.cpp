// The edit field: the system class, subclassed to report keys to the parent.
#include "edit.h"

namespace {
const int NO_ENTER_MESSAGE = 14;
}

Edit::Edit() {
    *this << Flag(5) << "EDIT";
    editData.enterMessage = NO_ENTER_MESSAGE;
    exData.classData = &editData;
    setWndProc(WndProc);
}

Edit::~Edit() {
    wait();
}

void Edit::setValue(void* value) {
    if (flag == 15)
        editData.enterMessage = (*this)(value);
    else
        WndExClass::setValue(value);
}

LRESULT CALLBACK Edit::WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DESTROY:
        WM_DESTROY_FKT(hwnd);
        break;
    case WM_SIZE:
        InvalidateRect(hwnd, nullptr, TRUE);
        break;
    case WM_CLOSE:
        WM_CLOSE_FKT(hwnd);
        break;
    case WM_KEYDOWN:
        if (wParam != VK_RETURN) // Tab included
            SendMessageA(GetParent(hwnd), message, wParam, lParam);
        if (wParam == VK_TAB || wParam == VK_RETURN) {
            EditData* data = static_cast<EditData*>(getClassData(hwnd));
            if (!data) break;
            if (data->enterMessage != NO_ENTER_MESSAGE)
                SendMessageA(GetParent(hwnd), data->enterMessage, wParam, lParam);
            return DefWindowProcA(hwnd, message, wParam, lParam);
        }
        break;
    }
    return WndRetFkt(hwnd, message, wParam, lParam);
}
