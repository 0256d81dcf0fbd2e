// The slider: its parts, their layout, and the messages that keep number and bar in step.
#include "slider.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const UINT BAR_MOVED = WM_USER + 1; // from the bar: the position in wParam
const UINT FIELD_KEY = WM_USER + 2; // from the number field: Enter (13) or Tab (9) in wParam
const UINT LAY_OUT = WM_USER + 3;   // posted to itself at creation: lay the parts out
const int PIXELS_PER_CHARACTER = 7;
const int PAGE_STEP = 10;

// What property reads hand back by address: shared by all sliders, valid until the next read.
char sharedCaptionRead[1000];
int sharedNumberRead;

int fieldValue(HWND field) {
    char text[101];
    GetWindowTextA(field, text, sizeof text);
    return std::atoi(text);
}

void showValue(HWND field, int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%i", value);
    SetWindowTextA(field, text);
}

WPARAM commandOf(HWND slider, int code) {
    return static_cast<WPARAM>(GetWindowLongPtrA(slider, GWLP_ID)) * 65536 + code;
}

} // namespace

Slider::Slider() {
    Edit& field = sliderData.numberField;
    field << Flag(13) << WS_EX_CLIENTEDGE;
    field << Flag(9) << (WS_TABSTOP | ES_READONLY | ES_AUTOVSCROLL | ES_MULTILINE | ES_CENTER);
    field << Flag(15) << static_cast<int>(FIELD_KEY);
    sliderData.caption << Flag(4) << 20 << Flag(6) << "Slider" << Flag(13) << WS_EX_CLIENTEDGE;
    sliderData.colon << Flag(3) << 10 << Flag(4) << 20 << Flag(6) << ":";
    sliderData.colon << Flag(13) << WS_EX_CLIENTEDGE << Flag(9) << SS_CENTER;
    sliderData.bar << Flag(15) << static_cast<int>(BAR_MOVED);
    sliderData.resizePending = 1;

    *this << Flag(5) << "Slider" << Flag(3) << 200 << Flag(4) << 40;
    *this << Flag(13) << (WS_EX_CONTROLPARENT | WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME);
    *this <= sliderData.caption <= sliderData.colon <= sliderData.numberField <= sliderData.bar;
    exData.classData = &sliderData;
    setWndProc(WndProc);
}

Slider::~Slider() {
    wait();
}

void Slider::setValue(void* value) {
    switch (flag) {
    case 15: {
        const char* text = value ? static_cast<const char*>(value) : "";
        sliderData.caption << Flag(6) << text;
        SetWindowTextA(sliderData.caption, text);
        if (record.hwnd) SendMessageA(record.hwnd, WM_SIZE, 0, 0);
        sliderData.resizePending = 1;
        return;
    }
    case 16:
        sliderData.bar << Flag(16) << static_cast<int>((*this)(value));
        return;
    case 17:
        sliderData.bar << Flag(17) << static_cast<int>((*this)(value));
        return;
    case 18:
        sliderData.bar << Flag(19) << static_cast<int>((*this)(value));
        return;
    case 19:
        sliderData.bar << Flag(18) << static_cast<int>((*this)(value));
        return;
    }
    WndExClass::setValue(value);
}

void* Slider::getValue() {
    switch (flag) {
    case 15:
        if (record.hwnd && IsWindow(record.hwnd))
            GetWindowTextA(record.hwnd, sharedCaptionRead, sizeof sharedCaptionRead);
        else
            std::snprintf(sharedCaptionRead, sizeof sharedCaptionRead, "%s",
                          record.title ? record.title : "");
        return sharedCaptionRead;
    case 16:
        sharedNumberRead = sliderData.bar << Flag(16);
        return (*this)(sharedNumberRead);
    case 17:
        sharedNumberRead = sliderData.bar << Flag(17);
        return (*this)(sharedNumberRead);
    case 18:
        sharedNumberRead = sliderData.bar << Flag(19);
        return (*this)(sharedNumberRead);
    }
    return WndExClass::getValue();
}

SliderData* Slider::getSliderData(HWND hwnd) {
    return static_cast<SliderData*>(getClassData(hwnd));
}

void Slider::resize(HWND hwnd) {
    SliderData* data = getSliderData(hwnd);
    if (!data || !data->resizePending) return;
    InvalidateRect(hwnd, nullptr, TRUE);
    HWND label = data->caption;
    HWND colon = data->colon;
    HWND field = data->numberField;
    HWND bar = data->bar;
    const int cx = GetSystemMetrics(SM_CXEDGE);
    const int cy = GetSystemMetrics(SM_CYEDGE);
    RECT whole, labelRect, colonRect, fieldRect;
    GetClientRect(hwnd, &whole);
    GetClientRect(label, &labelRect);
    GetClientRect(colon, &colonRect);
    fieldRect = labelRect; // the number is as high as the caption

    // Caption: as wide as its text; hidden, together with the colon, when there is none.
    const int n = GetWindowTextLengthA(label) * PIXELS_PER_CHARACTER;
    const UINT shown = n > 0 ? SWP_SHOWWINDOW : SWP_HIDEWINDOW;
    SetWindowPos(label, nullptr, 0, 0, n + 2 * cx, labelRect.bottom + 2 * cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | shown);

    // Colon: right behind the caption, on its own row position.
    RECT labelNow;
    GetClientRect(label, &labelNow);
    const int colonX = colonRect.left + labelNow.right + 2 * cy;
    RECT colonPlace;
    GetWindowRect(colon, &colonPlace);
    MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&colonPlace), 2);
    SetWindowPos(colon, nullptr, colonX, colonPlace.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | shown);

    // Number: the rest of the first row.
    const int fieldLeft = n > 0 ? colonX + (colonRect.right - colonRect.left) + 2 * cx : 0;
    const int fieldHeight = fieldRect.bottom + 2 * cy;
    SetWindowPos(field, nullptr, fieldLeft, fieldRect.top, whole.right - fieldLeft, fieldHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateWindow(field);

    // Bar: everything below.
    SetWindowPos(bar, nullptr, 0, fieldHeight, whole.right, whole.bottom - fieldHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    data->resizePending = 0;
}

void Slider::scrollBarFkt(HWND hwnd, int position) {
    SliderData* data = getSliderData(hwnd);
    if (!data) return;
    HWND field = data->numberField;
    char text[101];
    GetWindowTextA(field, text, sizeof text);
    if (text[0] && std::atoi(text) == position) return;
    showValue(field, position);
    SendMessageA(GetParent(hwnd), WM_COMMAND, commandOf(hwnd, 0), position);
}

void Slider::editFkt(HWND hwnd, UINT key) {
    SliderData* data = getSliderData(hwnd);
    if (!data) return;
    HWND field = data->numberField;
    // The bar clamps the value and reports back through BAR_MOVED.
    data->bar << Flag(19) << fieldValue(field);
    int value = data->bar << Flag(19);
    showValue(field, value);
    if (key == VK_TAB) {
        int tabStop = 0;
        SendMessageA(field, EM_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tabStop));
    } else if (key == VK_RETURN) {
        SendMessageA(GetParent(hwnd), WM_COMMAND, commandOf(hwnd, VK_RETURN), value);
    }
}

void Slider::upFkt(HWND hwnd, UINT key) {
    stepBy(hwnd, key == VK_PRIOR ? PAGE_STEP : 1);
}

void Slider::downFkt(HWND hwnd, UINT key) {
    stepBy(hwnd, key == VK_NEXT ? -PAGE_STEP : -1);
}

void Slider::stepBy(HWND hwnd, int step) {
    SliderData* data = getSliderData(hwnd);
    if (!data) return;
    // The bar clamps and reports through BAR_MOVED, which updates the field and the parent.
    data->bar << Flag(19) << fieldValue(data->numberField) + step;
}

LRESULT CALLBACK Slider::WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    SliderData* data = getSliderData(hwnd);
    // The parts cover the whole slider, and painting them validates the slider beneath: it may
    // never see a paint of its own. So the layout also runs once the parts exist and whenever
    // the size changes, not only at a paint.
    switch (message) {
    case WM_CREATE:
        PostMessageA(hwnd, LAY_OUT, 0, 0);
        break;
    case WM_DESTROY:
        WM_DESTROY_FKT(hwnd);
        break;
    case WM_CLOSE:
        WM_CLOSE_FKT(hwnd);
        break;
    case LAY_OUT:
    case WM_SIZE:
        InvalidateRect(hwnd, nullptr, TRUE);
        if (data) {
            data->resizePending = 1;
            resize(hwnd);
        }
        break;
    case WM_SETFOCUS:
        if (data) {
            HWND field = data->numberField;
            SetFocus(field);
            SendMessageA(field, EM_SETSEL, 0, -1);
        }
        break;
    case WM_PAINT:
        resize(hwnd);
        break;
    case WM_KEYDOWN:
        switch (wParam) {
        case VK_TAB:
            SendMessageA(GetParent(hwnd), message, wParam, lParam);
            break;
        case VK_RETURN:
            editFkt(hwnd, VK_RETURN);
            break;
        case VK_PRIOR:
        case VK_UP:
            upFkt(hwnd, static_cast<UINT>(wParam));
            break;
        case VK_NEXT:
        case VK_DOWN:
            downFkt(hwnd, static_cast<UINT>(wParam));
            break;
        }
        break;
    case BAR_MOVED:
        scrollBarFkt(hwnd, static_cast<int>(wParam));
        break;
    case FIELD_KEY:
        editFkt(hwnd, static_cast<UINT>(wParam));
        break;
    }
    return WndRetFkt(hwnd, message, wParam, lParam);
}
