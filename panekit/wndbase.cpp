// The threaded window base: construction, properties, opening on a thread or directly, class
// lookup and subclassing, the message handlers every window procedure of the library shares,
// closing and waiting.
#include "wndbase.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

namespace {

const char DEFAULT_CLASS_NAME[] = "WND_BASE_CLASS";
const DWORD WINDOW_THREAD_STACK = 1000000;
const COLORREF WHITE = 0xFFFFFF;

// Process-wide, as the focus cycling and the style rule are: the first style write in the process
// replaces a window's style, every later one, on any window, adds its bits to that window's style.
bool sharedFirstStyleWritten = false;
// The window the last Tab moved the focus to, in any window of the process.
HWND sharedTabCurrent = nullptr;

char* copyText(const char* text) {
    std::size_t length = std::strlen(text);
    char* copy = new char[length + 1];
    std::memcpy(copy, text, length + 1);
    return copy;
}

// The library cannot work without base.dll: the user has seen why, and the process ends as failed.
[[noreturn]] void endWithoutBaseLibrary() {
    MessageBoxA(nullptr, "base.dll nicht gefunden", "Bibliothek nicht gefunden", MB_OK);
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    std::exit(1);
}

// Unregisters the class only when this object registered it; one that was found (a system class
// such as "EDIT", or another object's) is never touched. A class that still has windows stays
// registered and is tried again at the next chance.
void unregisterOwnClass(WndBaseData& d) {
    if (d.classRegistered && UnregisterClassA(d.className, d.hInstance)) d.classRegistered = 0;
}

} // namespace

WndBase::WndBase() {
    std::memset(&record, 0, sizeof record);
    record.baseModule = LoadLibraryA("base");
    if (!record.baseModule) endWithoutBaseLibrary();
    record.hInstance = record.baseModule;

    WNDCLASSA& c = record.classRecord;
    c.lpfnWndProc = WndProc;
    c.hInstance = record.baseModule;
    c.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    c.hCursor = LoadCursor(nullptr, IDC_ARROW);
    record.ownBrush = CreateSolidBrush(WHITE);
    c.hbrBackground = record.ownBrush;

    record.style = WS_VISIBLE;
    record.x = CW_USEDEFAULT;
    record.y = CW_USEDEFAULT;
    record.width = 640;
    record.height = 480;
    *this << Flag(5) << DEFAULT_CLASS_NAME;
    *this << Flag(10) << 1;
    record.threadProc = ThreadProc;
    record.createFkt = CreateWindowFkt;
}

WndBase::~WndBase() {
    wait();
    unregisterOwnClass(record);
    releaseBrush();
    if (record.thread) CloseHandle(record.thread);
    if (record.event) CloseHandle(record.event);
    delete[] record.children;
    delete[] record.title;
    delete[] record.className;
    FreeLibrary(record.baseModule);
}

int WndBase::open() {
    if (record.hwnd && IsWindow(record.hwnd)) return 0;
    record.hwnd = nullptr;

    if (!record.threaded) {
        // Created before the window, so that a destroy message can never find the old one.
        if (record.event) CloseHandle(record.event);
        record.event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        if (!checkPaneKit(record)) return 0;
        record.createFkt(record);
        if (!checkWndProc(record)) return 0;
        CreateChildWnd(record);
        ShowWindow(record.hwnd, SW_SHOW);
        UpdateWindow(record.hwnd);
        return 1;
    }

    if (!record.threadProc || !record.classRecord.lpfnWndProc) return 0;
    if (record.event) CloseHandle(record.event);
    if (record.thread) CloseHandle(record.thread);
    record.event = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    record.thread =
        CreateThread(nullptr, WINDOW_THREAD_STACK, record.threadProc, &record, 0, &record.threadId);
    if (!record.thread) return 0;
    // The thread signals once the window is shown or has failed; should it end without doing so,
    // waiting for the event alone would never return.
    HANDLE both[2] = {record.event, record.thread};
    WaitForMultipleObjects(2, both, FALSE, INFINITE);
    ResetEvent(record.event);
    return 1;
}

int WndBase::close() {
    if (!record.hwnd || !IsWindow(record.hwnd)) return 0;
    HWND hwnd = record.hwnd;
    SendMessageA(hwnd, WM_CLOSE, 0, 0);
    if (record.threaded && record.thread) WaitForSingleObject(record.thread, INFINITE);
    // The event stays as the destroy message left it: for a direct window it marks the end that
    // wait() and the destructor look for.
    while (IsWindowVisible(hwnd) || IsWindow(hwnd))
        Sleep(1);
    unregisterOwnClass(record);
    return 1;
}

WndBase& WndBase::operator<=(WndBase& child) {
    WndBase** grown = new WndBase*[record.childCount + 1];
    for (int i = 0; i < record.childCount; ++i)
        grown[i] = record.children[i];
    grown[record.childCount] = &child;
    delete[] record.children;
    record.children = grown;
    ++record.childCount;
    return *this;
}

WndBase::operator HWND() {
    return record.hwnd;
}

WndBase::operator HINSTANCE() {
    return record.hInstance;
}

WndBase::operator HDC() {
    return record.hwnd ? GetDC(record.hwnd) : nullptr;
}

void WndBase::setValue(void* value) {
    switch (flag) {
    case 1:
        record.x = (*this)(value);
        break;
    case 2:
        record.y = (*this)(value);
        break;
    case 3:
        record.width = (*this)(value);
        break;
    case 4:
        record.height = (*this)(value);
        break;
    case 5:
        if (!value) break;
        delete[] record.className;
        record.className = copyText(static_cast<const char*>(value));
        record.classRecord.lpszClassName = record.className;
        break;
    case 6:
        delete[] record.title;
        record.title = value ? copyText(static_cast<const char*>(value)) : nullptr;
        break;
    case 7:
        setBackground(static_cast<unsigned long>((*this)(value)));
        break;
    case 8:
        // The instance stays the one the class is registered under: taken from a parent of
        // another module (a client's own window), it would hide the class from the creation.
        if (!value) break;
        record.parent = *static_cast<HWND*>(value);
        setStyle(WS_CHILD | WS_VISIBLE);
        break;
    case 9:
        setStyle(static_cast<unsigned long>((*this)(value)));
        break;
    case 10:
        record.threaded = (*this)(value);
        break;
    case 11:
        record.menu = static_cast<HMENU>(value);
        break;
    default:
        Values::setValue(value);
    }
}

void* WndBase::getValue() {
    return Values::getValue();
}

void WndBase::setStyle(DWORD bits) {
    if (sharedFirstStyleWritten) {
        record.style |= bits;
    } else {
        record.style = bits;
        sharedFirstStyleWritten = true;
    }
}

void WndBase::setBackground(COLORREF colour) {
    // The own class is registered again with the new colour at the next open.
    unregisterOwnClass(record);
    releaseBrush();
    record.ownBrush = CreateSolidBrush(colour);
    record.classRecord.hbrBackground = record.ownBrush;
}

void WndBase::releaseBrush() {
    if (!record.ownBrush) return;
    // A registered class may still paint with it; then it stays.
    WNDCLASSA registered;
    if (record.className && GetClassInfoA(record.hInstance, record.className, &registered) &&
        registered.hbrBackground == record.ownBrush)
        return;
    DeleteObject(record.ownBrush);
    record.ownBrush = nullptr;
}

void WndBase::setWndProc(WNDPROC proc) {
    record.classRecord.lpfnWndProc = proc;
}

void WndBase::setThreadProc(LPTHREAD_START_ROUTINE proc) {
    record.threadProc = proc;
}

void WndBase::setCreateWndFkt(void (*f)(WndBaseData&)) {
    record.createFkt = f;
}

void WndBase::wait() {
    if (record.threaded) {
        if (record.thread) WaitForSingleObject(record.thread, INFINITE);
        return;
    }
    if (!record.event) return;
    // A direct window signals its end from its destroy message. One that went without it (its
    // thread ended first, taking the window along) has ended too.
    while (WaitForSingleObject(record.event, 50) == WAIT_TIMEOUT)
        if (!record.hwnd || !IsWindow(record.hwnd)) return;
}

DWORD WINAPI WndBase::ThreadProc(LPVOID data) {
    WndBaseData& d = *static_cast<WndBaseData*>(data);
    if (!checkPaneKit(d)) {
        SetEvent(d.event);
        return 0;
    }
    d.createFkt(d);
    if (!checkWndProc(d)) {
        SetEvent(d.event);
        return 0;
    }
    CreateChildWnd(d);
    ShowWindow(d.hwnd, SW_SHOW);
    UpdateWindow(d.hwnd);
    SetEvent(d.event);

    MSG msg = {};
    if (d.threaded) {
        // GetMessageA gives -1 when the filter window is gone: that ends the loop too.
        while (GetMessageA(&msg, d.parent, 0, 0) > 0) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return static_cast<DWORD>(msg.wParam);
}

void WndBase::CreateWindowFkt(WndBaseData& d) {
    d.hwnd = CreateWindowExA(0, d.className, d.title, d.style, d.x, d.y, d.width, d.height,
                             d.parent, d.menu, d.hInstance, &d);
}

void WndBase::CreateChildWnd(WndBaseData& d) {
    for (int i = 0; i < d.childCount; ++i) {
        WndBase& child = *d.children[i];
        child << Flag(8) << static_cast<void*>(&d.hwnd);
        child << Flag(10) << 0;
        child.open();
    }
}

int WndBase::checkPaneKit(WndBaseData& d) {
    d.savedProc = d.classRecord.lpfnWndProc;
    if (GetClassInfoA(d.hInstance, d.className, &d.classRecord)) {
        d.classRecord.lpszClassName = d.className;
        d.classExisted = 1;
        return 1;
    }
    d.classRecord.lpszClassName = d.className;
    d.classRecord.hInstance = d.hInstance;
    d.classExisted = 0;
    if (!RegisterClassA(&d.classRecord)) return 0;
    d.classRegistered = 1;
    return 1;
}

int WndBase::checkWndProc(WndBaseData& d) {
    if (!d.hwnd) return 0;
    SetWindowLongPtrA(d.hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&d));
    if (d.savedProc == d.classRecord.lpfnWndProc) {
        d.savedProc = nullptr; // an own class: chain to the default procedure
        return 1;
    }
    // A class that existed with another procedure: subclass the window, chain to the class's.
    WNDPROC own = d.savedProc;
    d.classRecord.lpfnWndProc = own;
    d.savedProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(d.hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own)));
    return 1;
}

WndBaseData* WndBase::getWndBaseData(HWND hwnd) {
    return reinterpret_cast<WndBaseData*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

LRESULT WndBase::WndRetFkt(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    WndBaseData* d = getWndBaseData(hwnd);
    if (d && d->savedProc && d->savedProc != d->classRecord.lpfnWndProc)
        return CallWindowProcA(d->savedProc, hwnd, message, wParam, lParam);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK WndBase::WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        WM_CLOSE_FKT(hwnd);
        break;
    case WM_DESTROY:
        WM_DESTROY_FKT(hwnd);
        break;
    case WM_SIZE:
        InvalidateRect(hwnd, nullptr, TRUE);
        break;
    case WM_KEYDOWN:
        if (wParam == VK_TAB) tabFkt(hwnd);
        break;
    case WM_LBUTTONUP:
        BringWindowToTop(hwnd);
        break;
    }
    return WndRetFkt(hwnd, message, wParam, lParam);
}

void WndBase::WM_CLOSE_FKT(HWND hwnd) {
    // A child that survives its close message is passed over, so the loop always ends.
    HWND child = GetWindow(hwnd, GW_CHILD);
    while (child) {
        SendMessageA(child, WM_CLOSE, 0, 0);
        child = IsWindow(child) ? GetWindow(child, GW_HWNDNEXT) : GetWindow(hwnd, GW_CHILD);
    }
}

void WndBase::WM_DESTROY_FKT(HWND hwnd) {
    WndBaseData* d = getWndBaseData(hwnd);
    if (!d) return;
    if (d->threaded == 1) {
        // The window's thread ends inside its destroy message; the system takes the window along.
        unregisterOwnClass(*d);
        ExitThread(0);
    }
    SetEvent(d->event);
}

void WndBase::tabFkt(HWND hwnd) {
    if (!sharedTabCurrent) sharedTabCurrent = hwnd;
    bool backwards = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    HWND next = nullptr;
    if (hwnd == sharedTabCurrent)
        next = GetWindow(hwnd, GW_CHILD);
    else
        next = GetWindow(sharedTabCurrent, backwards ? GW_HWNDPREV : GW_HWNDNEXT);
    if (!next) {
        HWND first = GetWindow(hwnd, GW_CHILD);
        next = backwards && first ? GetWindow(first, GW_HWNDLAST) : first;
    }
    sharedTabCurrent = next;
    SetFocus(next);
}
