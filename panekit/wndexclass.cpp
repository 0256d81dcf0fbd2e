// The extended-style window base: creation with the extended style and its property.
#include "wndexclass.h"

#include <cstring>

namespace {
// Process-wide, like the style rule of WndBase: a second switch for the extended style.
bool sharedFirstExStyleWritten = false;
} // namespace

WndExClass::WndExClass() {
    std::memset(&exData, 0, sizeof exData);
    record.extData = &exData;
    setCreateWndFkt(CreateWindowFkt);
}

WndExClass::~WndExClass() = default;

void WndExClass::setValue(void* value) {
    if (flag != 13) {
        WndBase::setValue(value);
        return;
    }
    DWORD bits = static_cast<unsigned long>((*this)(value));
    if (sharedFirstExStyleWritten) {
        exData.exStyle |= bits;
    } else {
        exData.exStyle = bits;
        sharedFirstExStyleWritten = true;
    }
}

void* WndExClass::getValue() {
    return WndBase::getValue();
}

void* WndExClass::getClassData(HWND hwnd) {
    WndBaseData* d = getWndBaseData(hwnd);
    return d && d->extData ? d->extData->classData : nullptr;
}

void WndExClass::CreateWindowFkt(WndBaseData& d) {
    d.hwnd = CreateWindowExA(d.extData->exStyle, d.className, d.title, d.style, d.x, d.y, d.width,
                             d.height, d.parent, d.menu, d.hInstance, &d);
}
