#include "screen/displayscaling.h"

namespace displayscaling {

namespace {

HMODULE user32() {
    return GetModuleHandleA("user32.dll");
}

template <typename Function> Function lookUp(const char* name) {
    HMODULE library = user32();
    return library
               ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)))
               : nullptr;
}

} // namespace

bool declarePerMonitorAware() {
    using SetContext = HANDLE(WINAPI*)(HANDLE);
    static const SetContext setContext = lookUp<SetContext>("SetThreadDpiAwarenessContext");
    if (!setContext) return false;
    // Per monitor, version 2 (Windows 10 1703) scales the frame and menus too; version 1 where
    // that is missing.
    const HANDLE perMonitorV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
    const HANDLE perMonitor = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-3));
    return setContext(perMonitorV2) || setContext(perMonitor);
}

unsigned dpiOf(HWND hwnd) {
    using WindowDpi = UINT(WINAPI*)(HWND);
    using SystemDpi = UINT(WINAPI*)();
    static const WindowDpi windowDpi = lookUp<WindowDpi>("GetDpiForWindow");
    static const SystemDpi systemDpi = lookUp<SystemDpi>("GetDpiForSystem");
    UINT dpi = hwnd && windowDpi ? windowDpi(hwnd) : 0;
    if (!dpi && systemDpi) dpi = systemDpi();
    if (!dpi) {
        HDC screen = GetDC(nullptr);
        dpi = screen ? static_cast<UINT>(GetDeviceCaps(screen, LOGPIXELSX)) : 0;
        if (screen) ReleaseDC(nullptr, screen);
    }
    return dpi ? dpi : baseDpi;
}

} // namespace displayscaling
